#include "support/total_commander_folder.h"

#include "platform/path.h"
#include "support/path_text.h"
#include "support/portable_rewrite.h"

TotalCommanderFolder FolderOf(const std::string& directory, bool foundBelow) {
  TotalCommanderFolder folder;
  folder.path = NormalizeDirectory(directory);
  folder.dir = platform::WithoutSeparator(folder.path);
  folder.drive = platform::DriveOf(folder.dir);
  folder.exe64 = folder.File("TOTALCMD64.EXE");
  folder.exe32 = folder.File(foundBelow ? "totalcmd.exe" : "Totalcmd.exe");
  return folder;
}

std::string TotalCommanderFolder::Portable(const std::string& value) const { return PortableValue(value, dir); }

std::string TotalCommanderFolder::Expand(const std::string& value) const {
  std::string commanderPath = kCommanderPath, commanderDrive = kCommanderDrive;
  return ReplaceText(ReplaceText(value, commanderPath, dir, false), commanderDrive, dir.substr(0, 2), false);
}

std::string InCommanderPath(std::string_view name) { return platform::JoinPath(kCommanderPath, name); }
