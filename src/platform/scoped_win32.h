#pragma once
// For platform/ and the window binding (win32_ui/): owners of Win32 handles,
// GDI objects, device contexts and COM objects, each released once when it
// goes out of scope.

#include <windows.h>
#include <objbase.h>

#include <utility>
#include <vector>

#include "platform/scoped.h"

namespace platform {

namespace scoped_detail {
inline HANDLE NoFile() { return INVALID_HANDLE_VALUE; }
inline HANDLE NoHandle() { return nullptr; }
inline HKEY NoKey() { return nullptr; }
inline bool CloseFile(HANDLE h) { return CloseHandle(h) != 0; }
inline bool CloseFind(HANDLE h) { return FindClose(h) != 0; }
inline bool CloseKey(HKEY k) { return RegCloseKey(k) == ERROR_SUCCESS; }
template <typename H>
inline bool DeleteGdiObject(H object) { return DeleteObject(object) != 0; }
template <typename H>
inline H NoGdiObject() { return nullptr; }
}  // namespace scoped_detail

// CreateFileW's handle.
using ScopedFile = Scoped<HANDLE, scoped_detail::CloseFile, scoped_detail::NoFile>;
// A process's or thread's handle.
using ScopedHandle = Scoped<HANDLE, scoped_detail::CloseFile, scoped_detail::NoHandle>;
// FindFirstFileW's search.
using ScopedFind = Scoped<HANDLE, scoped_detail::CloseFind, scoped_detail::NoFile>;
using ScopedKey = Scoped<HKEY, scoped_detail::CloseKey, scoped_detail::NoKey>;
// A font, brush or bitmap (DeleteObject).
template <typename H>
using ScopedGdi = Scoped<H, scoped_detail::DeleteGdiObject<H>, scoped_detail::NoGdiObject<H>>;

// A window's device context (GetDC; the screen's for no window), released
// with ReleaseDC, the objects selected into it selected out again first.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (!dc_) return;
    for (auto original = originals_.rbegin(); original != originals_.rend(); ++original) SelectObject(dc_, *original);
    ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  void Select(HGDIOBJ object) {
    HGDIOBJ previous = SelectObject(dc_, object);
    if (!previous) return;
    // Each kind of object (a font, a brush, a pen, a bitmap) has an original of its own to put back.
    for (HGDIOBJ original : originals_)
      if (GetObjectType(original) == GetObjectType(previous)) return;
    originals_.push_back(previous);
  }

 private:
  HWND window_;
  HDC dc_;
  std::vector<HGDIOBJ> originals_;
};

// A COM interface, released through its Release (never deleted).
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (object_) object_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  T* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  // Receives the interface from a call that writes it (CoCreateInstance, QueryInterface).
  void** Receive() {
    if (object_) std::exchange(object_, nullptr)->Release();
    return reinterpret_cast<void**>(&object_);
  }

 private:
  T* object_ = nullptr;
};

}  // namespace platform
