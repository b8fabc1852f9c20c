#pragma once
// Within platform/ only: owners of Win32 handles and COM objects, each
// released once when it goes out of scope.

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
}  // namespace scoped_detail

// CreateFileW's handle.
using ScopedFile = Scoped<HANDLE, scoped_detail::CloseFile, scoped_detail::NoFile>;
// A process's or thread's handle.
using ScopedHandle = Scoped<HANDLE, scoped_detail::CloseFile, scoped_detail::NoHandle>;
// FindFirstFileW's search.
using ScopedFind = Scoped<HANDLE, scoped_detail::CloseFind, scoped_detail::NoFile>;
using ScopedKey = Scoped<HKEY, scoped_detail::CloseKey, scoped_detail::NoKey>;

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
