#pragma once
// Taking a path apart where the answer depends on what the file system holds.

#include <string>

// The path's directory part (DirectoryPart), except that an existing directory
// given with its separator (and holding a file) comes back whole.
std::string ExtractDirectory(const std::string& path);
