#include "platform/download.h"

#include <windows.h>
#include <urlmon.h>

#include "platform/file_system.h"
#include "platform/medium_changes.h"
#include "platform/system_library.h"
#include "platform/win32_common.h"

namespace platform {
namespace {

// COM interfaces are released through their Release, never deleted: they have
// no virtual destructor, and need none.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// Hears the server's answer: a download whose answer is an error (404, 500)
// has only fetched an error page, which must not count as the file.
class StatusListener final : public IBindStatusCallback, public IHttpNegotiate {
 public:
  DWORD status = 0;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (riid == IID_IUnknown || riid == IID_IBindStatusCallback) {
      *object = static_cast<IBindStatusCallback*>(this);
    } else if (riid == IID_IHttpNegotiate) {
      *object = static_cast<IHttpNegotiate*>(this);
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    return S_OK;
  }
  // Lives on the caller's stack for the one call.
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD, IBinding*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetPriority(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnLowResource(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnProgress(ULONG, ULONG, ULONG, LPCWSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT, LPCWSTR) override { return S_OK; }
  // The newest version, never the cache: a download replaces a file that the
  // same address gave before.
  HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD* flags, BINDINFO*) override {
    if (flags) *flags |= BINDF_GETNEWESTVERSION;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

  HRESULT STDMETHODCALLTYPE BeginningTransaction(LPCWSTR, LPCWSTR, DWORD, LPWSTR* additional) override {
    *additional = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnResponse(DWORD code, LPCWSTR, LPCWSTR, LPWSTR* additional) override {
    status = code;
    if (additional) *additional = nullptr;
    return S_OK;
  }
};

#pragma GCC diagnostic pop

}  // namespace

bool DownloadToFile(const std::string& address, const std::string& file) {
  if (address.empty() || file.empty()) return false;
  static auto download = SYSTEM_FUNCTION("urlmon.dll", URLDownloadToFileW);
  if (!download) return false;
  // Fetched beside the target first, so that a failed download leaves an
  // existing target as it was.
  return ReplaceThroughFileBeside(file, [&](const std::string& beside) {
    StatusListener listener;
    return MayChangeMedium() &&
           download(nullptr, ToWide(address).c_str(), ToWide(beside).c_str(), 0, &listener) == S_OK &&
           (listener.status == 0 || (listener.status >= 200 && listener.status < 300));
  });
}

}  // namespace platform
