#pragma once
// The folder services of the file selection dialog that Ambler itself never
// calls; the two its jump buttons use are in files_dialog/system_paths.h.

#include <string>

std::string GetWindowsPath();
std::string GetProgramfilesPath();
std::string GetAutostartPath();
