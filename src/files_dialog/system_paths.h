#pragma once
// Where the system's folders lie, read from the registry: the path services
// of the file selection dialog.

#include <string>

// The text value at a whole registry path ("HKEY_USERS\...\Key\Value"), or
// empty text. The caller's variable keeps only the sub-key afterwards.
std::string RegistryGetAbsolutValue(std::string& RegistryKeyPath);

// Replaces every occurrence, with exact case; the search resumes one
// character behind each replacement.
std::string replaceall(std::string SearchString, const std::string& findstring, const std::string& replacestring);

// The shell's folders of the default user, in the registry.
inline constexpr const char* kShellFolders =
    "HKEY_USERS\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders\\";

// A folder from the registry with the profile directory put in for its
// placeholder.
std::string ProfileFolder(std::string registryPath);

std::string GetDesktopPath();
std::string GetStartMenuPath();
