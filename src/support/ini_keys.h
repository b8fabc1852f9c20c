#pragma once
// Single keys of an ini file held in memory, in any of its forms
// (platform/text_file.h), read with the rules of Windows' profile functions:
// a line ends at LF (a CR before it belongs to the line end), section and key
// names ignore case, only the first section of a name counts and the first
// key in it wins, blanks around names and values are trimmed, and one pair of
// quotes around a value is removed. Writing a key changes only that key's
// line, or adds the key at the end of its section, or adds the section at the
// end of the file: every other byte stays as it was, line ends included.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_file.h"

// Where a line lies in the file: its bytes without the line end, and where
// the next line begins.
struct IniLineSpan {
  std::size_t begin = 0, end = 0, next = 0;
  bool HasEnd() const { return next > end; }
};
// The file's lines one after the other, split where the profile functions
// split them: a line ends at LF, and a CR right before it belongs to the line
// end. A lone CR is part of the line, and an odd last byte of a UTF-16 file
// belongs to the last line.
class IniLineReader {
 public:
  explicit IniLineReader(std::string_view file);
  bool Next(IniLineSpan& line);
  platform::TextEncoding Encoding() const { return encoding_; }

 private:
  std::string_view file_;
  platform::TextEncoding encoding_;
  std::size_t at_;
};

// The file's lines as UTF-8 text, split where the profile functions split them.
std::vector<std::string> IniLines(std::string_view file);

// Every key as the profile functions find it, in the file's order: in the
// first section of each name, the first key of each name; with initials (upper
// case ASCII letters) only the keys whose name begins with one of them.
struct IniEntry {
  std::string section, key, value;  // UTF-8; the value as FindIniValue gives it
};
std::vector<IniEntry> IniEntries(std::string_view file, std::string_view initials = "");

// The value stored under the key, as UTF-8; nothing when the section or the
// key is missing.
std::optional<std::string> FindIniValue(std::string_view file, std::string_view section, std::string_view key);

// The file's bytes with key=value stored in the section.
std::string WithIniValue(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view value);
