#pragma once
// One section of an ini file, gathered from its lines as they are read.

#include <string>
#include <string_view>

class IniSectionReader {
 public:
  IniSectionReader(std::string_view section, std::string separator);

  // Takes the file's next line; false once the section has ended, when the
  // remaining lines no longer matter.
  bool TakeLine(std::string_view line);

  // The trimmed lines of the section, each followed by the separator; keys and
  // values hold the parts around each line's first "=" (a line without one
  // adds only to the values).
  const std::string& Entries() const { return entries_; }
  const std::string& Keys() const { return keys_; }
  const std::string& Values() const { return values_; }

 private:
  std::string header_;
  std::string separator_;
  bool inSection_ = false;
  bool ended_ = false;
  std::string entries_, keys_, values_;
};
