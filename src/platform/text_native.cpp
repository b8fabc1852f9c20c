// A small share of Windows' upper-case mapping (ASCII, Latin-1, Latin
// Extended-A, Greek and Cyrillic), for the builds of the text routines that
// run natively under the sanitizers.
#include "platform/text.h"
#include "platform/upper_table.h"

namespace platform {

std::vector<char16_t> BuildUpperTable() {
  std::vector<char16_t> table(0x10000);
  for (std::size_t i = 0; i < table.size(); ++i) {
    std::size_t upper = i;
    if ((i >= 'a' && i <= 'z') || (i >= 0xE0 && i <= 0xFE && i != 0xF7) || (i >= 0x3B1 && i <= 0x3CB && i != 0x3C2) ||
        (i >= 0x430 && i <= 0x44F))
      upper = i - 0x20;
    else if (i >= 0x450 && i <= 0x45F)
      upper = i - 0x50;
    else if (i >= 0x100 && i <= 0x17F && i != 0x131 && i != 0x138 && i != 0x149 && i != 0x17F &&
             ((i < 0x139 || i > 0x148) && (i < 0x179) ? i % 2 == 1 : i % 2 == 0))
      upper = i - 1;
    else if (i == 0xFF)
      upper = 0x178;
    table[i] = static_cast<char16_t>(upper);
  }
  return table;
}

}  // namespace platform

namespace platform {
namespace {

// Code page 1252 from 0x80 to 0x9F; 0 where it has no character.
constexpr char16_t kHigh1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t Decode1252(unsigned char byte) { return byte >= 0x80 && byte < 0xA0 ? kHigh1252[byte - 0x80] : byte; }

}  // namespace

unsigned AnsiCodePage() { return 1252; }

bool AnsiToUtf8(std::string_view ansi, std::string& utf8) {
  utf8.clear();
  for (const char c : ansi) {
    const char32_t code = Decode1252(static_cast<unsigned char>(c));
    if (code == 0 && c != 0) return false;
    AppendUtf8(utf8, code);
  }
  return true;
}

bool Utf8ToAnsi(std::string_view utf8, std::string& ansi) {
  ansi.clear();
  for (std::size_t at = 0; at < utf8.size();) {
    const Utf8Char c = DecodeUtf8(utf8, at);
    at += c.length;
    int byte = -1;
    for (int b = 0; b < 256 && byte < 0; ++b)
      if (Decode1252(static_cast<unsigned char>(b)) == c.code && (c.code != 0 || b == 0)) byte = b;
    if (byte < 0) return false;
    ansi += static_cast<char>(byte);
  }
  return true;
}

}  // namespace platform
