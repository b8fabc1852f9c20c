#pragma once
// The program the system associates with a file, and a web page opened in the
// program associated with html files.

#include <optional>
#include <string>

// The associated program of an existing file, or empty text.
std::string FindExecutableOf(const std::string& file);

// The associated program of a file or pattern (*.txt), also where no such
// file exists yet: scratch files stand in for it and never remain.
std::string GetAssociatedProgram(std::string name);

// Starts the html program with the address; its task identifier, or nothing
// when nothing was started.
std::optional<unsigned long> OpenUrlInBrowser(const std::string& address, int style);
