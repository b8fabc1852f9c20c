#pragma once
// Windows' own profile functions, which the tests hold the program's ini
// reader (support/ini_keys.h) against.

#include <string>

namespace platform {

// The whole value stored under the key, whatever its length; empty when the
// file, the section or the key is missing.
std::string ReadIniKey(const std::string& section, const std::string& key, const std::string& file);

}  // namespace platform
