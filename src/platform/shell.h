#pragma once
// The Windows shell: special folders and shortcut files.

#include <string>

namespace platform {

// The path of a special folder by its shell number (0 is the desktop), or
// empty text when the shell does not know it.
std::string SpecialFolderPath(int folder);

struct Shortcut {
  std::string target;
  std::string arguments;
  int windowStyle = 1;  // 1: a normal window
  std::string iconFile;
  int iconIndex = 0;
};

// Writes (or replaces) the shortcut file; false when the shell refused.
bool SaveShortcut(const std::string& linkPath, const Shortcut& shortcut);
// Reads a shortcut file back; false when it cannot be read.
bool LoadShortcut(const std::string& linkPath, Shortcut& shortcut);

}  // namespace platform
