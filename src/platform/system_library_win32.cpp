#include "platform/system_library.h"

#include <commctrl.h>

#include "platform/program.h"
#include "platform/win32_common.h"

#include <map>
#include <string>

namespace platform {

void RestrictDllSearchToSystem() {
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  SetDllDirectoryW(L"");
}

FARPROC SystemFunction(const char* dll, const char* name) {
  // Loaded once and kept for the rest of the run.
  static std::map<std::string, HMODULE> modules;
  auto found = modules.find(dll);
  if (found == modules.end()) found = modules.emplace(dll, LoadLibraryExW(ToWide(dll).c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)).first;
  return found->second ? GetProcAddress(found->second, name) : nullptr;
}

void InitCommonControls() {
  [[maybe_unused]] static const bool loaded = [] {
    static auto init = SYSTEM_FUNCTION("comctl32.dll", InitCommonControlsEx);
    INITCOMMONCONTROLSEX common{sizeof common, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    return init && init(&common);
  }();
}

}  // namespace platform
