#pragma once
// Splits a fuzzer's bytes into the texts a routine takes: each piece but the last is led by one byte giving its
// length.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : text_(reinterpret_cast<const char*>(data), size) {}

  std::string Piece() {
    if (at_ >= text_.size()) return {};
    const std::size_t length = static_cast<unsigned char>(text_[at_++]);
    const std::string piece = text_.substr(at_, length);
    at_ += piece.size();
    return piece;
  }

  std::string Rest() {
    const std::string rest = at_ < text_.size() ? text_.substr(at_) : std::string();
    at_ = text_.size();
    return rest;
  }

 private:
  std::string text_;
  std::size_t at_ = 0;
};

// A broken promise of a routine: reported, then the fuzzer keeps the input.
#define FUZZ_EXPECT(condition)                                              \
  do {                                                                      \
    if (!(condition)) {                                                     \
      std::fprintf(stderr, "%s:%d: expected %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                         \
    }                                                                       \
  } while (false)
