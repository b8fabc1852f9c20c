#pragma once
// An owner of one handle, released once when it goes out of scope; free of
// <windows.h>, so that headers of every layer can hold one.

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

}  // namespace platform
