#include "support/line_text.h"

#include <algorithm>

#include "platform/text.h"

namespace {

constexpr std::string_view kValueMark = "\xEF\xBB\xBF";


// Decodes ANSI bytes; characters that do not decode exactly stay as bytes.
void AddAnsi(std::vector<LinePiece>& pieces, std::string_view bytes) {
  if (bytes.empty()) return;
  std::string text;
  if (IsAsciiText(bytes)) {
    pieces.push_back({LinePiece::Form::Ansi, std::string(bytes)});
    return;
  }
  if (platform::AnsiToUtf8(bytes, text)) {
    pieces.push_back({LinePiece::Form::Ansi, std::move(text)});
    return;
  }
  // Character by character: two bytes (a double-byte character, or two single
  // ones), else one, else the byte stays as it is.
  std::size_t run = 0, at = 0;
  auto endRun = [&] {
    if (at > run) AddAnsi(pieces, bytes.substr(run, at - run));
  };
  while (at < bytes.size()) {
    std::size_t length = 0;
    for (const std::size_t n : {2, 1})
      if (!length && at + n <= bytes.size() && platform::AnsiToUtf8(bytes.substr(at, n), text)) length = n;
    if (length) {
      at += length;
      continue;
    }
    endRun();
    pieces.push_back({LinePiece::Form::Bytes, std::string(bytes.substr(at, 1))});
    run = ++at;
  }
  endRun();
}

}  // namespace

bool Utf16ToUtf8(std::string_view bytes, std::string& text) {
  text.clear();
  if (bytes.size() % 2) return false;
  text.reserve(bytes.size() / 2);
  const auto unit = [&](std::size_t i) {
    return static_cast<char32_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                 static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  };
  const std::size_t units = bytes.size() / 2;
  for (std::size_t i = 0; i < units; ++i) {
    const char32_t u = unit(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF) {
      platform::AppendUtf8(text, 0x10000 + ((u - 0xD800) << 10) + (unit(i + 1) - 0xDC00));
      ++i;
    } else {
      platform::AppendUtf8(text, u);
    }
  }
  return true;
}

std::string Utf8ToUtf16(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  auto unit = [&](char32_t u) {
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>(u >> 8);
  };
  for (std::size_t at = 0; at < text.size();) {
    const platform::Utf8Char c = platform::DecodeUtf8(text, at);
    at += c.length;
    if (c.code >= platform::kNotUtf8) {
      unit(0xFFFD);
    } else if (c.code >= 0x10000) {
      unit(0xD800 + ((c.code - 0x10000) >> 10));
      unit(0xDC00 + ((c.code - 0x10000) & 0x3FF));
    } else {
      unit(c.code);
    }
  }
  return bytes;
}

bool IsAsciiText(std::string_view bytes) {
  unsigned char any = 0;
  for (const char c : bytes) any |= static_cast<unsigned char>(c);
  return any < 0x80;
}

std::vector<LinePiece> DecodeLine(std::string_view bytes, platform::TextEncoding encoding) {
  std::vector<LinePiece> pieces;
  switch (encoding) {
    case platform::TextEncoding::Utf8:
      pieces.push_back({LinePiece::Form::Utf8, std::string(bytes)});
      break;
    case platform::TextEncoding::Utf16: {
      const std::size_t even = bytes.size() - bytes.size() % 2;
      std::string text;
      Utf16ToUtf8(bytes.substr(0, even), text);
      pieces.push_back({LinePiece::Form::Utf16, std::move(text)});
      if (even < bytes.size()) pieces.push_back({LinePiece::Form::Bytes, std::string(bytes.substr(even))});
      break;
    }
    case platform::TextEncoding::Ansi: {
      // A value that Total Commander could not store in the code page is
      // UTF-8 behind the mark.
      const std::size_t equals = bytes.find('=');
      if (equals != std::string_view::npos && bytes.substr(equals + 1).starts_with(kValueMark)) {
        AddAnsi(pieces, bytes.substr(0, equals + 1));
        pieces.push_back({LinePiece::Form::Mark, std::string(kValueMark)});
        pieces.push_back({LinePiece::Form::Utf8, std::string(bytes.substr(equals + 1 + kValueMark.size()))});
      } else {
        AddAnsi(pieces, bytes);
      }
      break;
    }
  }
  return pieces;
}

bool EncodeLine(const std::vector<LinePiece>& pieces, std::string& bytes) {
  bytes.clear();
  for (const LinePiece& piece : pieces) {
    switch (piece.form) {
      case LinePiece::Form::Bytes:
      case LinePiece::Form::Mark:
      case LinePiece::Form::Utf8: bytes += piece.text; break;
      case LinePiece::Form::Utf16: bytes += Utf8ToUtf16(piece.text); break;
      case LinePiece::Form::Ansi: {
        if (IsAsciiText(piece.text)) {
          bytes += piece.text;
          break;
        }
        std::string ansi;
        if (!platform::Utf8ToAnsi(piece.text, ansi)) return false;
        bytes += ansi;
        break;
      }
    }
  }
  return true;
}

std::string LineText(std::string_view bytes, platform::TextEncoding encoding) {
  if (encoding != platform::TextEncoding::Utf16 && IsAsciiText(bytes)) return std::string(bytes);
  std::string text;
  for (const LinePiece& piece : DecodeLine(bytes, encoding))
    if (piece.form != LinePiece::Form::Mark) text += piece.text;
  return text;
}

std::string EncodeText(std::string_view text, platform::TextEncoding encoding) {
  switch (encoding) {
    case platform::TextEncoding::Utf16: return Utf8ToUtf16(text);
    case platform::TextEncoding::Utf8: return std::string(text);
    case platform::TextEncoding::Ansi: break;
  }
  std::string ansi;
  return IsAsciiText(text) || !platform::Utf8ToAnsi(text, ansi) ? std::string(text) : ansi;
}

std::string EncodeEntry(std::string_view key, std::string_view value, platform::TextEncoding encoding) {
  const std::string line = EncodeText(std::string(key) + "=", encoding);
  if (encoding != platform::TextEncoding::Ansi || IsAsciiText(value)) return line + EncodeText(value, encoding);
  std::string ansi;
  return line + (platform::Utf8ToAnsi(value, ansi) ? ansi : std::string(kValueMark) + std::string(value));
}
