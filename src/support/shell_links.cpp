#include "support/shell_links.h"

#include <cctype>

#include "platform/shell.h"
#include "support/path_text.h"

std::string GetSpecialFolder(int folder) { return platform::SpecialFolderPath(folder); }

std::string GetDesktopFolder() {
  std::string folder = Trim(GetSpecialFolder(kDesktopFolderNumber));
  if (folder.empty()) return {};
  return folder.back() == '\\' ? folder : folder + '\\';
}

bool CreateShellLink(const std::string& folder, const std::string& name, const std::string& target,
                     const std::string& arguments, int, const std::string&, short& iconIndex,
                     std::string& iconFile) {
  if (iconFile.empty()) iconFile = target;
  std::string lowerName = name;
  for (char& c : lowerName) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const std::string link = folder + Trim(name) + (Contains(lowerName, ".lnk") ? "" : ".lnk");
  return platform::SaveShortcut(link, platform::Shortcut{target, arguments, 1, iconFile, iconIndex});
}

void CreateDesktopLink(const std::string& target, const std::string& name, const std::string& arguments,
                       const std::string&, const std::string&) {
  const std::string desktop = GetDesktopFolder();
  if (desktop.empty()) return;
  short iconIndex = 0;
  std::string iconFile;
  CreateShellLink(desktop, Trim(name), Trim(target), Trim(arguments), 1, "", iconIndex, iconFile);
}

bool CreateLink(const std::string& target, const std::string& name, const std::string& arguments,
                const std::string&, const std::string&, bool, short iconIndex) {
  const std::string desktop = GetDesktopFolder();
  if (desktop.empty()) return false;
  platform::SaveShortcut(desktop + Trim(name) + ".lnk", platform::Shortcut{target, arguments, 1, target, iconIndex});
  return false;
}
