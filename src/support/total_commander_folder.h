#pragma once
// Total Commander's folder and the names in it, as one value: made once by
// FolderOf from where the launcher found Total Commander, and handed by
// reference to whatever reads or writes the portable files.

#include <string>
#include <string_view>

// The portable files, all in Total Commander's folder, and what their names
// begin with.
inline constexpr std::string_view kPortablePrefix = "TC_portable_";
inline constexpr std::string_view kPortableIni = "TC_portable_wincmd.ini";
inline constexpr std::string_view kPortableFtpIni = "TC_portable_wcx_ftp.ini";
inline constexpr std::string_view kPortableBar = "TC_portable_Default.bar";
inline constexpr std::string_view kPortableBarCompanion = "TC_portable_Default.br1";
// Total Commander's user commands, which it reads beside the ini it was given:
// no copy can stand in for them, so they are made portable in place.
inline constexpr std::string_view kUserCommands = "usercmd.ini";
// The ini's section, and its key, that name the button bar.
inline constexpr const char* kButtonbar = "Buttonbar";

struct TotalCommanderFolder {
  std::string TCPath;  // with its trailing separator: "E:\TC\", at a drive root "E:\"
  std::string TCDir;   // without it: "E:\TC", at a drive root the two characters "E:"
  std::string drive;   // TCDir's drive, "E:"; empty for a network share
  std::string TCExe64, TCExe32;

  // A file in the folder.
  std::string File(std::string_view name) const { return TCPath + std::string(name); }
  std::string getTCPath() const { return TCPath; }
  // The portable ini's full name, whether or not the file exists.
  std::string getPortableINI() const { return File(kPortableIni); }

  // A value made portable: the folder becomes %COMMANDER_PATH%, then the
  // drive %COMMANDER_DRIVE%, where a path can begin.
  std::string Portable(const std::string& value) const;
  // A portable value made absolute again: both variables become the folder
  // and its first two characters.
  std::string Expand(const std::string& value) const;
};

// A file of Total Commander's folder as the portable files name it: "%COMMANDER_PATH%\name".
std::string InCommanderPath(std::string_view name);

// The folder of that directory; with foundBelow (a subfolder the launcher
// searched) the 32-bit executable is named in lower case, as the file system
// ignores the difference.
TotalCommanderFolder FolderOf(const std::string& directory, bool foundBelow = false);
// The launcher's own folder where Total Commander is in none: its files are
// still looked for there, but with no TCDir and so no drive, nothing is made
// portable, since no path can be known to be Total Commander's.
TotalCommanderFolder WithoutTotalCommander(const std::string& launcherDirectory);
