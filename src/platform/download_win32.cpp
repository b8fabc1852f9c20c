#include "platform/download.h"

#include <windows.h>

namespace platform {

bool DownloadToFile(const std::string& address, const std::string& file) {
  // urlmon is loaded only when a download is asked for, and only from the
  // system folder: never a planted copy beside the program on the stick.
  HMODULE urlmon = LoadLibraryExA("urlmon.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!urlmon) return false;
  using Download = HRESULT(WINAPI*)(void*, const char*, const char*, DWORD, void*);
  auto download = reinterpret_cast<Download>(reinterpret_cast<void*>(GetProcAddress(urlmon, "URLDownloadToFileA")));
  const bool ok = download && download(nullptr, address.c_str(), file.c_str(), 0, nullptr) == S_OK;
  FreeLibrary(urlmon);
  return ok;
}

}  // namespace platform
