#include "platform/system_library.h"

#include <commctrl.h>

#include "platform/program.h"
#include "platform/win32_common.h"

#include <map>
#include <string>

namespace platform {

void RestrictDllSearchToSystem() {
  // Windows 7 has SetDefaultDllDirectories only with an update: asked for, not imported.
  using SetDefault = BOOL(WINAPI*)(DWORD);
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  const auto setDefault = reinterpret_cast<SetDefault>(
      reinterpret_cast<void*>(kernel ? GetProcAddress(kernel, "SetDefaultDllDirectories") : nullptr));
  if (setDefault) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
  SetDllDirectoryW(L"");
}

namespace {

HMODULE LoadFromSystemFolder(const std::wstring& dll) {
  if (HMODULE module = LoadLibraryExW(dll.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return module;
  // Without the update that brings the flag, the system folder is named in full.
  if (GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
  const std::string folder =
      GrowingText([](wchar_t* buffer, DWORD size) { return GetSystemDirectoryW(buffer, size); });
  return folder.empty() ? nullptr : LoadLibraryW((ToWide(folder) + L"\\" + dll).c_str());
}

}  // namespace

FARPROC SystemFunction(const char* dll, const char* name) {
  // Loaded once and kept for the rest of the run.
  static std::map<std::string, HMODULE> modules;
  auto found = modules.find(dll);
  if (found == modules.end()) found = modules.emplace(dll, LoadFromSystemFolder(ToWide(dll))).first;
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
