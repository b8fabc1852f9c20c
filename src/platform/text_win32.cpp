#include "platform/text.h"

#include <windows.h>

#include <algorithm>
#include <array>

namespace platform {
namespace {

// One byte's mapping is taken from the system only when it leads back to the
// byte through the lower-case mapping, so an unmapped byte of the code page
// (or a lead byte of a double-byte code page) is never turned into "?".
std::array<char, 256> BuildUpperTable() {
  std::array<char, 256> table{};
  for (int b = 0; b < 256; ++b) {
    const char original = static_cast<char>(b);
    table[b] = original;
    if (b == 0 || IsDBCSLeadByte(static_cast<BYTE>(b))) continue;
    char upper[1] = {original};
    CharUpperBuffA(upper, 1);
    char back[1] = {upper[0]};
    CharLowerBuffA(back, 1);
    if (back[0] == original) table[b] = upper[0];
  }
  return table;
}

const std::array<char, 256>& UpperTable() {
  static const std::array<char, 256> table = BuildUpperTable();
  return table;
}

}  // namespace

char UpperChar(char c) { return UpperTable()[static_cast<unsigned char>(c)]; }

std::string UpperCase(std::string_view text) {
  const auto& table = UpperTable();
  std::string result(text);
  for (char& c : result) c = table[static_cast<unsigned char>(c)];
  return result;
}

void SortIgnoringCase(std::vector<std::string>& names) {
  std::vector<std::pair<std::string, std::string>> keyed;
  keyed.reserve(names.size());
  for (auto& name : names) keyed.emplace_back(UpperCase(name), std::move(name));
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = std::move(keyed[i].second);
}

}  // namespace platform
