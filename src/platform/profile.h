#pragma once
// Keys of ini files through the platform's profile functions.

#include <string>

namespace platform {

// The whole value stored under the key, whatever its length; empty when the
// file, the section or the key is missing. A name without a directory is taken
// from the current directory, never from the Windows directory.
std::string ReadIniKey(const std::string& section, const std::string& key, const std::string& file);

// Adds or replaces key=value in the section; false when the platform refused.
bool WriteIniKey(const std::string& section, const std::string& key, const std::string& value,
                        const std::string& file);

}  // namespace platform
