// Whatever the bytes, every line of the section gives one entry and one value.
#include <algorithm>
#include <cstdint>

#include "fuzz_input.h"
#include "support/ini_section.h"

namespace {

std::size_t Count(const std::string& text, char c) { return static_cast<std::size_t>(std::count(text.begin(), text.end(), c)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::string section = input.Piece();
  const std::string text = input.Rest();
  // The separator is a byte the lines do not hold, so it can be counted.
  char separator = '\x01';
  while (Count(text, separator) > 0 && separator != '\x7f') ++separator;
  if (Count(text, separator) > 0) return 0;

  IniSectionReader reader(section, std::string(1, separator));
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\r', start), text.size());
    if (!reader.TakeLine(std::string_view(text).substr(start, end - start))) break;
    start = end + 1;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  const std::size_t entries = Count(reader.Entries(), separator);
  FUZZ_EXPECT(Count(reader.Values(), separator) == entries);
  FUZZ_EXPECT(Count(reader.Keys(), separator) <= entries);
  FUZZ_EXPECT(Count(reader.Entries(), '[') == 0);
  return 0;
}
