#include "platform/shell.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "platform/scoped_win32.h"
#include "platform/system_library.h"
#include "platform/win32_common.h"

namespace platform {
namespace {

// shell32 and ole32 come from the system folder only, when first needed.
HRESULT CoInitializeExNow(void* reserved, DWORD flags) {
  static auto f = SYSTEM_FUNCTION("ole32.dll", CoInitializeEx);
  return f ? f(reserved, flags) : E_FAIL;
}
void CoUninitializeNow() {
  static auto f = SYSTEM_FUNCTION("ole32.dll", CoUninitialize);
  if (f) f();
}
HRESULT CoCreateInstanceNow(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** object) {
  static auto f = SYSTEM_FUNCTION("ole32.dll", CoCreateInstance);
  return f ? f(clsid, outer, context, iid, object) : E_FAIL;
}
void CoTaskMemFreeNow(void* memory) {
  static auto f = SYSTEM_FUNCTION("ole32.dll", CoTaskMemFree);
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

}  // namespace

std::string SpecialFolderPath(int folder) {
  static auto location = SYSTEM_FUNCTION("shell32.dll", SHGetSpecialFolderLocation);
  static auto pathFromList = SYSTEM_FUNCTION("shell32.dll", SHGetPathFromIDListW);
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
  ComPtr<IShellLinkW> link;
  if (FAILED(CoCreateInstanceNow(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              link.Receive())))
    return false;
  link->SetPath(ToWide(shortcut.target).c_str());
  link->SetShowCmd(shortcut.windowStyle == 1 ? SW_SHOWNORMAL : shortcut.windowStyle);
  link->SetIconLocation(ToWide(shortcut.iconFile).c_str(), shortcut.iconIndex);
  link->SetArguments(ToWide(shortcut.arguments).c_str());
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.Receive()))) return false;
  return SUCCEEDED(file->Save(ToWide(linkPath).c_str(), TRUE));
}

bool LoadShortcut(const std::string& linkPath, Shortcut& shortcut) {
  ComScope com;
  ComPtr<IShellLinkW> link;
  if (FAILED(CoCreateInstanceNow(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              link.Receive())))
    return false;
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.Receive()))) return false;
  if (FAILED(file->Load(ToWide(linkPath).c_str(), STGM_READ))) return false;
  std::vector<wchar_t> buffer(32768, L'\0');
  link->GetPath(buffer.data(), static_cast<int>(buffer.size()), nullptr, SLGP_RAWPATH);
  shortcut.target = ToUtf8(buffer.data());
  buffer.assign(buffer.size(), L'\0');
  link->GetArguments(buffer.data(), static_cast<int>(buffer.size()));
  shortcut.arguments = ToUtf8(buffer.data());
  int show = 0;
  link->GetShowCmd(&show);
  shortcut.windowStyle = show;
  buffer.assign(buffer.size(), L'\0');
  int index = 0;
  link->GetIconLocation(buffer.data(), static_cast<int>(buffer.size()), &index);
  shortcut.iconFile = ToUtf8(buffer.data());
  shortcut.iconIndex = index;
  return true;
}

}  // namespace platform
