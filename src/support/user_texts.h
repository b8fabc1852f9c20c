#pragma once
// Every text that a message box, an input box or a window's title shows, in
// one place. They are kept letter for letter as users and their screenshots
// and guides know them, misspellings included ("dirctory", "Destkop",
// "cancled", "Cancled", "pathes"): do not correct them. Line breaks are single
// CR characters. The captions of controls stay with each window's design.

#include <string>

namespace texts {

inline constexpr const char* CR = "\r";

// Titles.
inline constexpr const char* kFileNotFound = "File not found!";
inline constexpr const char* kCancelled = "Cancled";
inline constexpr const char* kImportFailed = "Import failed";
inline constexpr const char* kSameFileTitle = "Error: same file selected!";
inline constexpr const char* kImportFileTitle = "First Start: Import file?";
inline constexpr const char* kImportFromWindowsTitle = "First Start: Import from Windows directory?";
inline constexpr const char* kBrowseForFileTitle = "First Start: Browse for File?";
inline constexpr const char* kDesktopShortcutTitle = "Desktop Shortcut?";
inline constexpr const char* kSaveNowTitle = "Save now?";
inline constexpr const char* kOverwriteEntryTitle = "Overwrite entry?";
inline constexpr const char* kEnterTitle = "Enter Title";

// The launcher.
inline constexpr const char* kTotalCommanderNotFound = "Total Commander not found!";
inline std::string RunInTotalCommandersDirectory(const std::string& programName) {
  return std::string(kTotalCommanderNotFound) + CR + "Run the " + programName + ".exe in the TC directory.";
}
inline constexpr const char* kImportCancelled = "Import cancled!";
inline constexpr const char* kImportCanceled = "Import canceled!";
inline std::string SameFile(const std::string& file) {
  return std::string("Source & Destination Files are the same:") + CR + CR + file;
}
inline constexpr const char* kOriginalUnchanged = "Important: original file will not be changed!!";
inline std::string ImportFromCurrentDirectory(const std::string& name, const std::string& destinationName) {
  return "Import from current directory: '" + name + "'" + CR + CR + "to: '" + destinationName + "'" + CR + CR + CR +
         kOriginalUnchanged;
}
inline std::string ImportFromWindowsDirectory(const std::string& file) {
  return std::string("Import from Windows directory?") + CR + CR + file + CR + CR + kOriginalUnchanged;
}
inline std::string BrowseForFileNow(const std::string& name, const std::string& target) {
  return "Browse for " + name + " File now?" + CR + CR + "Target: " + target;
}
inline std::string ImportFileCaption(const std::string& name) {
  return "Please import - File select (eg.:" + name + "'";
}
inline constexpr const char* kImportBarCaption = "Please import - ButtonBar File  (eg.: Default.bar) ";
inline constexpr const char* kCreateDesktopShortcut = "Create a Destkop-Shortcut?";
inline std::string AddCommandLine(const std::string& commandLine) {
  return std::string("Add your Command-Line:") + CR + CR + commandLine + CR + CR + "to the Shortcut?";
}
inline constexpr const char* kMainCaption = "Ambler - Total Commander mobile launcher";
inline constexpr const char* kHelpText =
    "Run this file from your TC dirctory.\r\rParameter for this screen: '/?'\r\r..for more infos: check the Web-page";
inline constexpr const char* kShortcutName = "Total Commander (mobile)";
inline constexpr const char* kShortcutDescription = "Total Commander - mobile";
inline constexpr const char* kSetupShortcutName = "Total Commander (mobile - Setup)";
inline constexpr const char* kSetupShortcutDescription = "Total Commander - mobile Setup";

// The plugin window.
inline constexpr const char* kPluginCaption = "Plugin Autosearch & Patch";
inline constexpr const char* kIniNotFound = "Ini not found";
inline std::string SaveToIniNow(const std::string& iniName) {
  return std::string("Save to ini now?") + CR + CR + iniName;
}
inline constexpr const char* kPluginExists = "Plugin already exists! Overwrite old entry?";
inline constexpr const char* kEnterPluginName = "Enter new name for this Plugin:";

// The ini access and the file services.
inline constexpr const char* kIniNotFoundWithMark = "Ini not found!";
inline std::string InvalidCharacters(const std::string& name) { return name + "Enthält ungültige Zeichen Abbrechen?"; }
inline std::string DownloadFailed(const std::string& file) { return file + CR + CR + "Download Failed! "; }
inline std::string UpdaterNotFound(const std::string& file) { return file + " not found!" + CR + "Update Cancled!"; }

// Said when a portable file cannot take a change, once per run.
inline constexpr const char* kNotSavedTitle = "Not saved";
inline std::string CannotWrite(const std::string& file) {
  return "Ambler could not write " + file + "." + CR + "Is the file read-only, or the stick full or write-protected?";
}
// Said when Total Commander does not start; Windows may refuse a path that
// is too long even where long paths are allowed.
inline std::string CannotStart(const std::string& program) {
  return program + CR + CR + "Windows could not start this program." +
         (program.size() >= 260 ? std::string(CR) + "Its path is longer than Windows allows here." : std::string());
}

// The file dialog's titles.
inline constexpr const char* kOpenFile = "Open File";
inline constexpr const char* kSaveFileAs = "Save File as";
inline constexpr const char* kOpenDirectory = "Open Directory";

}  // namespace texts
