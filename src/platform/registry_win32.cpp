#include "platform/registry.h"

#include <windows.h>

#include "platform/scoped_win32.h"
#include "platform/win32_common.h"

#include <vector>

namespace platform {
namespace {

HKEY Handle(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegistryRoot::Users: return HKEY_USERS;
    case RegistryRoot::PerformanceData: return HKEY_PERFORMANCE_DATA;
    case RegistryRoot::CurrentConfig: return HKEY_CURRENT_CONFIG;
    case RegistryRoot::DynData: return HKEY_DYN_DATA;
  }
  return nullptr;
}

}  // namespace

std::optional<std::string> ReadRegistryText(RegistryRoot root, const std::string& subkey, const std::string& name) {
  ScopedKey key;
  if (RegOpenKeyW(Handle(root), ToWide(subkey).c_str(), key.Receive()) != ERROR_SUCCESS) return std::nullopt;
  std::optional<std::string> result;
  const std::wstring value = ToWide(name);
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key.Get(), value.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ)) {
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L' ');
    if (RegQueryValueExW(key.Get(), value.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) ==
        ERROR_SUCCESS) {
      const std::wstring text(buffer.data(), size / sizeof(wchar_t));
      result = ToUtf8(text.substr(0, text.find(L'\0')));
    }
  }
  return result;
}

}  // namespace platform
