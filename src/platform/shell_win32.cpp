#include "platform/shell.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "platform/system_library.h"
#include "platform/win32_common.h"

namespace platform {
namespace {

// shell32 and ole32 come from the system folder only, when first needed.
HRESULT CoInitializeExNow(void* reserved, DWORD flags) {
  static auto f = SystemFunctionAs<HRESULT(WINAPI*)(void*, DWORD)>("ole32.dll", "CoInitializeEx");
  return f ? f(reserved, flags) : E_FAIL;
}
void CoUninitializeNow() {
  static auto f = SystemFunctionAs<void(WINAPI*)()>("ole32.dll", "CoUninitialize");
  if (f) f();
}
HRESULT CoCreateInstanceNow(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** object) {
  static auto f = SystemFunctionAs<HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**)>("ole32.dll",
                                                                                                 "CoCreateInstance");
  return f ? f(clsid, outer, context, iid, object) : E_FAIL;
}
void CoTaskMemFreeNow(void* memory) {
  static auto f = SystemFunctionAs<void(WINAPI*)(void*)>("ole32.dll", "CoTaskMemFree");
  if (f) f(memory);
}

// COM for the length of one call, as the shell's objects need it.
class ComScope {
 public:
  ComScope() : initialised_(SUCCEEDED(CoInitializeExNow(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (initialised_) CoUninitializeNow();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool initialised_;
};

template <typename T>
struct Released {
  T* object = nullptr;
  ~Released() {
    if (object) object->Release();
  }
};

}  // namespace

std::string SpecialFolderPath(int folder) {
  static auto location = SystemFunctionAs<HRESULT(WINAPI*)(HWND, int, LPITEMIDLIST*)>(
      "shell32.dll", "SHGetSpecialFolderLocation");
  static auto pathFromList =
      SystemFunctionAs<BOOL(WINAPI*)(LPCITEMIDLIST, wchar_t*)>("shell32.dll", "SHGetPathFromIDListW");
  if (!location || !pathFromList) return {};
  LPITEMIDLIST items = nullptr;
  // The owner window 100 is no window; the shell only uses it for dialogs it never shows here.
  if (location(reinterpret_cast<HWND>(static_cast<INT_PTR>(100)), folder, &items) != S_OK) return {};
  std::vector<wchar_t> buffer(MAX_PATH + 512, L'\0');
  const bool ok = pathFromList(items, buffer.data()) != 0;
  CoTaskMemFreeNow(items);
  return ok ? ToUtf8(buffer.data()) : std::string();
}

bool SaveShortcut(const std::string& linkPath, const Shortcut& shortcut) {
  ComScope com;
  Released<IShellLinkW> link;
  if (FAILED(CoCreateInstanceNow(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link.object))))
    return false;
  link.object->SetPath(ToWide(shortcut.target).c_str());
  link.object->SetShowCmd(shortcut.windowStyle == 1 ? SW_SHOWNORMAL : shortcut.windowStyle);
  link.object->SetIconLocation(ToWide(shortcut.iconFile).c_str(), shortcut.iconIndex);
  link.object->SetArguments(ToWide(shortcut.arguments).c_str());
  Released<IPersistFile> file;
  if (FAILED(link.object->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.object)))) return false;
  return SUCCEEDED(file.object->Save(ToWide(linkPath).c_str(), TRUE));
}

bool LoadShortcut(const std::string& linkPath, Shortcut& shortcut) {
  ComScope com;
  Released<IShellLinkW> link;
  if (FAILED(CoCreateInstanceNow(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link.object))))
    return false;
  Released<IPersistFile> file;
  if (FAILED(link.object->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.object)))) return false;
  if (FAILED(file.object->Load(ToWide(linkPath).c_str(), STGM_READ))) return false;
  std::vector<wchar_t> buffer(32768, L'\0');
  link.object->GetPath(buffer.data(), static_cast<int>(buffer.size()), nullptr, SLGP_RAWPATH);
  shortcut.target = ToUtf8(buffer.data());
  buffer.assign(buffer.size(), L'\0');
  link.object->GetArguments(buffer.data(), static_cast<int>(buffer.size()));
  shortcut.arguments = ToUtf8(buffer.data());
  int show = 0;
  link.object->GetShowCmd(&show);
  shortcut.windowStyle = show;
  buffer.assign(buffer.size(), L'\0');
  int index = 0;
  link.object->GetIconLocation(buffer.data(), static_cast<int>(buffer.size()), &index);
  shortcut.iconFile = ToUtf8(buffer.data());
  shortcut.iconIndex = index;
  return true;
}

}  // namespace platform
