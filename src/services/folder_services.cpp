#include "services/folder_services.h"

#include "files_dialog/system_paths.h"

std::string GetWindowsPath() {
  std::string path = "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\SystemRoot";
  return RegistryGetAbsolutValue(path);
}

std::string GetProgramfilesPath() {
  return ProfileFolder("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\ProgramfilesPath");
}

std::string GetAutostartPath() { return ProfileFolder(std::string(kShellFolders) + "startup"); }
