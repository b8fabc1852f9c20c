#pragma once
// What the lines of Total Commander's files say, in whichever of its three
// forms a file has (platform/text_file.h), and the way back to the bytes: a
// line is taken apart into pieces of text that decode to UTF-8 and are
// encoded back in their own form, the mark EF BB BF in front of a UTF-8 value
// of an ANSI file, and bytes that decode to no character and stay exactly as
// they are. Whatever is not changed in the text comes back byte for byte.

#include <string>
#include <string_view>
#include <vector>

#include "platform/text_file.h"

struct LinePiece {
  enum class Form { Bytes, Mark, Ansi, Utf8, Utf16 };
  Form form;
  std::string text;  // UTF-8; the bytes themselves for Form::Bytes and Form::Mark
};

// Bytes that are all ASCII, and so the same text in every form but UTF-16.
bool IsAsciiText(std::string_view bytes);

std::vector<LinePiece> DecodeLine(std::string_view bytes, platform::TextEncoding encoding);
// False when a piece's text no longer fits its form (an ANSI piece given a
// character its code page lacks).
bool EncodeLine(const std::vector<LinePiece>& pieces, std::string& bytes);

// The line as UTF-8 text, a value's mark left out; bytes that decode to no
// character are kept as they are.
std::string LineText(std::string_view bytes, platform::TextEncoding encoding);

// A new line "key=value" or "[section]" in a file's form. In an ANSI file a
// value that the code page cannot hold is written as UTF-8 behind the mark, as
// Total Commander writes it.
std::string EncodeEntry(std::string_view key, std::string_view value, platform::TextEncoding encoding);
std::string EncodeText(std::string_view text, platform::TextEncoding encoding);

// UTF-16 LE bytes and UTF-8 text; a lone surrogate is kept as an encoded
// surrogate, so that it comes back as it was.
bool Utf16ToUtf8(std::string_view bytes, std::string& text);
std::string Utf8ToUtf16(std::string_view text);
