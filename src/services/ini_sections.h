#pragma once
// One section of an ini file read line by line: a service Ambler itself never calls.

#include <string>

// The trimmed lines of the section, each followed by the separator; keys and
// values receive the parts around each line's first "=". A missing file is
// reported to the user.
std::string IniReadSectionEntries(const std::string& section, const std::string& file, std::string& keys,
                                  std::string& values, const std::string& separator);
