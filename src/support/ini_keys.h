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

// The file's lines as UTF-8 text, split where the profile functions split them.
std::vector<std::string> IniLines(std::string_view file);

// The value stored under the key, as UTF-8; nothing when the section or the
// key is missing.
std::optional<std::string> FindIniValue(std::string_view file, std::string_view section, std::string_view key);

// The file's bytes with key=value stored in the section.
std::string WithIniValue(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view value);
