#pragma once
// ReplaceText as it reads step by step, for the tests to hold the fast routine against: the working text is
// a row of characters that changes in place, and it is searched anew after every replacement, resuming one
// character behind the inserted replacement.

#include <string>
#include <vector>

#include "platform/text.h"

namespace test {

// Each character's bytes; a byte that begins no character stands alone.
inline std::vector<std::string> Characters(const std::string& text) {
  std::vector<std::string> characters;
  for (std::size_t at = 0; at < text.size(); at += characters.back().size())
    characters.push_back(text.substr(at, platform::DecodeUtf8(text, at).length));
  return characters;
}

// wordStart: a match counts only where no letter or digit (nor a character beyond ASCII) stands before it.
inline std::string StepByStepReplace(const std::string& source, const std::string& find,
                                     const std::string& replacement, bool wordStart) {
  std::vector<std::string> text = Characters(source);
  const std::vector<std::string> wanted = Characters(find), inserted = Characters(replacement);
  auto matchesAt = [&](std::size_t at) {
    if (at + wanted.size() > text.size()) return false;
    for (std::size_t i = 0; i < wanted.size(); ++i)
      if (platform::UpperCase(text[at + i]) != platform::UpperCase(wanted[i])) return false;
    return true;
  };
  auto wordBefore = [&](std::size_t at) {
    if (at == 0) return false;
    const unsigned char last = static_cast<unsigned char>(text[at - 1].back());
    return last >= 0x80 || (last >= '0' && last <= '9') || (last >= 'A' && last <= 'Z') ||
           (last >= 'a' && last <= 'z');
  };
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t at = from;
    while (at < text.size() && !matchesAt(at)) ++at;
    if (at >= text.size()) break;
    if (wordStart && wordBefore(at)) {
      from = at + 1;
      continue;
    }
    text.erase(text.begin() + static_cast<std::ptrdiff_t>(at),
               text.begin() + static_cast<std::ptrdiff_t>(at + wanted.size()));
    text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), inserted.begin(), inserted.end());
    from = at + inserted.size() + 1;
  }
  std::string result;
  for (const auto& c : text) result += c;
  return result;
}

}  // namespace test
