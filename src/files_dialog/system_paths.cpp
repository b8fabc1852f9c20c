#include "files_dialog/system_paths.h"

#include <utility>

#include "platform/program.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "support/path_text.h"

namespace {

constexpr std::pair<const char*, platform::RegistryRoot> kRoots[] = {
    {"HKEY_CLASSES_ROOT", platform::RegistryRoot::ClassesRoot},
    {"HKEY_CURRENT_USER", platform::RegistryRoot::CurrentUser},
    {"HKEY_LOCAL_MACHINE", platform::RegistryRoot::LocalMachine},
    {"HKEY_USERS", platform::RegistryRoot::Users},
    {"HKEY_PERFORMANCE_DATA", platform::RegistryRoot::PerformanceData},
    {"HKEY_CURRENT_CONFIG", platform::RegistryRoot::CurrentConfig},
    {"HKEY_DYN_DATA", platform::RegistryRoot::DynData},
};

}  // namespace

std::string RegistryGetAbsolutValue(std::string& RegistryKeyPath) {
  std::string path = Trim(RegistryKeyPath);
  if (!path.empty() && path.back() == '\\') path.pop_back();
  const auto first = path.find('\\');
  if (first == std::string::npos) return {};
  const std::string rootName = platform::UpperCase(path.substr(0, first));
  std::string rest = path.substr(first + 1);
  std::string valueName;
  const auto last = rest.rfind('\\');
  if (last != std::string::npos) {
    valueName = rest.substr(last + 1);
    rest.erase(last);
  }
  RegistryKeyPath = rest;
  for (const auto& [name, root] : kRoots)
    if (rootName == name) return platform::ReadRegistryText(root, rest, valueName).value_or("");
  return {};
}

std::string replaceall(std::string SearchString, const std::string& findstring, const std::string& replacestring) {
  std::string find = findstring;
  return ReplaceText(SearchString, find, replacestring, true);
}

std::string ProfileFolder(std::string registryPath) {
  return replaceall(RegistryGetAbsolutValue(registryPath), "%USERPROFILE%",
                    platform::EnvironmentVariable("USERPROFILE"));
}

std::string GetDesktopPath() { return ProfileFolder(std::string(kShellFolders) + "Desktop"); }

std::string GetStartMenuPath() { return ProfileFolder(std::string(kShellFolders) + "Start Menu"); }
