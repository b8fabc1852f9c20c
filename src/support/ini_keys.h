#pragma once
// Single keys of an ini file held in memory, in any of its forms
// (platform/text_file.h), read with the rules of Windows' profile functions:
// a line ends at LF (a CR before it belongs to the line end), section and key
// names ignore case, only the first section of a name counts and the first
// key in it wins, blanks around names and values are trimmed, and one pair of
// quotes around a value is removed. Writing a key changes only that key's
// line, or adds the key at the end of its section, or adds the section at the
// end of the file: every other byte stays as it was, line ends included.

#include <memory>
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
  // The file's bytes in memory.
  explicit IniLineReader(std::string_view file);
  // The file read from the medium block by block, never held whole; a file
  // that cannot be read has no lines, and Failed() tells.
  struct FromFile {};
  IniLineReader(FromFile, const std::string& name, std::size_t block = 1 << 20);
  ~IniLineReader();
  IniLineReader(const IniLineReader&) = delete;
  IniLineReader& operator=(const IniLineReader&) = delete;

  bool Next(IniLineSpan& line);
  // Bytes of the line last read, from begin up to its next line at most.
  std::string_view Bytes(std::size_t begin, std::size_t end) const { return view_.substr(begin - base_, end - begin); }
  platform::TextEncoding Encoding() const { return encoding_; }
  bool Failed() const { return source_ && source_->Failed(); }

 private:
  // Drops what was read, appends a block; false at the end of the file.
  bool ReadMore();

  std::unique_ptr<platform::FileBlockReader> source_;
  std::size_t block_ = 0;
  std::string window_;    // what is read and not yet passed, from the file's offset base_
  std::string_view view_;  // the file's bytes in memory, or the window
  std::size_t base_ = 0;
  bool whole_ = true;  // the view holds the file up to its end
  platform::TextEncoding encoding_;
  std::size_t at_;
};

// One line's bytes, in its file's form, as the profile functions see them:
// its first character that is not a blank, where that is ASCII (else 0); the
// section the line opens, if any, and else the name of its key.
char IniFirstCharacter(std::string_view line, platform::TextEncoding encoding);
struct IniLineNames {
  std::optional<std::string> section;
  std::string key;
};
IniLineNames NamesOfIniLine(std::string_view line, platform::TextEncoding encoding);
// A line's value as bytes: what follows its first "=", whatever the key; a
// line without "=" whole.
std::string_view IniValuePart(std::string_view line, platform::TextEncoding encoding);

// The file's lines as UTF-8 text, split where the profile functions split them.
std::vector<std::string> IniLines(std::string_view file);

// Every key as the profile functions find it, in the file's order: in the
// first section of each name, the first key of each name; with initials (upper
// case ASCII letters) only the keys whose name begins with one of them, and
// every key of the section wholeSection (its name upper-cased).
struct IniEntry {
  std::string section, key, value;  // UTF-8; the value as FindIniValue gives it
};
std::vector<IniEntry> IniEntries(std::string_view file, std::string_view initials = "",
                                 std::string_view wholeSection = "");
std::vector<IniEntry> IniEntries(IniLineReader& reader, std::string_view initials = "",
                                 std::string_view wholeSection = "");

// The value stored under the key, as UTF-8; nothing when the section or the
// key is missing.
std::optional<std::string> FindIniValue(std::string_view file, std::string_view section, std::string_view key);
std::optional<std::string> FindIniValue(IniLineReader& reader, std::string_view section, std::string_view key);

// The file's bytes with key=value stored in the section.
std::string WithIniValue(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view value);
