#pragma once
// For platform/ and the window binding (win32_ui/): owners of Win32 handles,
// GDI objects, device contexts and COM objects, each released once when it
// goes out of scope.

#include <windows.h>
#include <objbase.h>

#include <utility>

namespace platform {

// A handle released by Close; Invalid marks "no handle" as its creator
// reports it (INVALID_HANDLE_VALUE for files and searches, nullptr for others).
template <typename H, auto Close, auto Invalid>
class Scoped {
 public:
  Scoped() = default;
  explicit Scoped(H handle) : handle_(handle) {}
  ~Scoped() { Reset(); }
  Scoped(Scoped&& other) noexcept : handle_(std::exchange(other.handle_, Invalid())) {}
  Scoped& operator=(Scoped&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, Invalid());
    }
    return *this;
  }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;

  H Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Invalid(); }
  // Receives a handle from a call that writes it.
  H* Receive() {
    Reset();
    return &handle_;
  }
  // Releases it now; false when the release failed (a write that did not reach the medium).
  bool Reset() {
    return handle_ == Invalid() || Close(std::exchange(handle_, Invalid()));
  }

 private:
  H handle_ = Invalid();
};

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
    if (original_) SelectObject(dc_, original_);
    ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  void Select(HGDIOBJ object) {
    HGDIOBJ previous = SelectObject(dc_, object);
    if (!original_) original_ = previous;
  }

 private:
  HWND window_;
  HDC dc_;
  HGDIOBJ original_ = nullptr;
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
  void** Receive() { return reinterpret_cast<void**>(&object_); }

 private:
  T* object_ = nullptr;
};

}  // namespace platform
