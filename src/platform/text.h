#pragma once
// Characters of the program's text (UTF-8) and their letter case.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// One character of UTF-8 text: its code point and its length in bytes. A byte
// that begins no character (text that is not UTF-8) is a character of its own
// with the code kNotUtf8 + the byte, so that it matches only itself. Encoded
// surrogates count as characters: text decoded from UTF-16 keeps a lone one.
struct Utf8Char {
  char32_t code;
  std::size_t length;
};
constexpr char32_t kNotUtf8 = 0x110000;
Utf8Char DecodeUtf8(std::string_view text, std::size_t at);
// Appends a code point; kNotUtf8 + b appends the byte b.
void AppendUtf8(std::string& text, char32_t code);
// True when the text is UTF-8 throughout (encoded surrogates included).
bool IsUtf8(std::string_view text);

// Windows' own upper-case mapping, that of file names: each character of the
// Basic Multilingual Plane to one character; those beyond it keep their case.
char32_t UpperChar(char32_t code);
std::string UpperCase(std::string_view text);

// Text in the machine's ANSI code page (that of Total Commander's files
// without a byte order mark) to UTF-8 and back. Each is false, and gives
// nothing, when some character would not come back as it was: bytes that are
// no character of the code page, or characters it cannot hold.
bool AnsiToUtf8(std::string_view ansi, std::string& utf8);
unsigned AnsiCodePage();
bool Utf8ToAnsi(std::string_view utf8, std::string& ansi);

// Sorts names without regard to case (names equal but for case keep their order).
void SortIgnoringCase(std::vector<std::string>& names);

}  // namespace platform
