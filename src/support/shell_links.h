#pragma once
// Special folders and shortcut files on the desktop.

#include <string>

// The shell's number of the desktop folder (CSIDL_DESKTOP).
inline constexpr int kDesktopFolderNumber = 0;
// The path of a special folder by its shell number, or empty text.
std::string GetSpecialFolder(int folder);
// The desktop folder with a trailing "\", or empty text when there is none.
std::string GetDesktopFolder();

// Writes folder + name (+ ".lnk" unless the name holds it) starting target
// with arguments in a normal window; an empty iconFile becomes the target, in
// the caller's variable too. Style and text are not used. False when the
// shortcut could not be saved.
bool CreateShellLink(const std::string& folder, const std::string& name, const std::string& target,
                     const std::string& arguments, int style, const std::string& text, short& iconIndex,
                     std::string& iconFile);

// A shortcut on the desktop; name, target and arguments are trimmed, and the
// icon is the target's first. Description and directory are not used.
void CreateDesktopLink(const std::string& target, const std::string& name, const std::string& arguments,
                       const std::string& description, const std::string& directory);

// A shortcut on the desktop named name + ".lnk", always; target and arguments
// as passed. Always false.
bool CreateLink(const std::string& target, const std::string& name, const std::string& arguments,
                const std::string& description, const std::string& directory, bool flag, short iconIndex);
