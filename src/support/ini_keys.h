#pragma once
// Single keys of an ini file held in memory, in any of its forms
// (platform/text_file.h), read with the rules of Windows' profile functions:
// section and key names ignore case, the first match wins, blanks and tabs
// around names and values are trimmed, and one pair of quotes around a value
// is removed. Writing a key changes only that key's line, or adds the key at
// the end of its section, or adds the section at the end of the file: every
// other byte stays as it was.

#include <optional>
#include <string>
#include <string_view>

// The value stored under the key, as UTF-8; nothing when the section or the
// key is missing.
std::optional<std::string> FindIniValue(std::string_view file, std::string_view section, std::string_view key);

// The file's bytes with key=value stored in the section.
std::string WithIniValue(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view value);
