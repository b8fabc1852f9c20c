#include "support/total_commander_folder.h"

#include "platform/path.h"
#include "support/path_text.h"
#include "support/portable_rewrite.h"

TotalCommanderFolder FolderOf(const std::string& directory, bool foundBelow) {
  TotalCommanderFolder folder;
  folder.TCPath = NormalizeDirectory(directory);
  folder.TCDir = platform::WithoutSeparator(folder.TCPath);
  folder.drive = platform::DriveOf(folder.TCDir);
  folder.TCExe64 = folder.File("TOTALCMD64.EXE");
  folder.TCExe32 = folder.File(foundBelow ? "totalcmd.exe" : "Totalcmd.exe");
  return folder;
}

TotalCommanderFolder WithoutTotalCommander(const std::string& launcherDirectory) {
  TotalCommanderFolder folder = FolderOf(launcherDirectory);
  folder.TCDir.clear();
  folder.drive.clear();
  return folder;
}

std::string TotalCommanderFolder::Portable(const std::string& value) const { return PortableValue(value, TCDir); }

std::string TotalCommanderFolder::Expand(const std::string& value) const {
  std::string commanderPath = kCommanderPath, commanderDrive = kCommanderDrive;
  return ReplaceText(ReplaceText(value, commanderPath, TCDir, false), commanderDrive, TCDir.substr(0, 2), false);
}

std::string InCommanderPath(std::string_view name) { return platform::JoinPath(kCommanderPath, name); }
