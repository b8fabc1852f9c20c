#include "platform/text.h"

#include <algorithm>

#include "platform/upper_table.h"

namespace platform {
namespace {

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
