#pragma once
// Single keys of ini files.

#include <string>

// The value stored under the key, or the default when the key is missing or
// empty. With create set, a missing file is created (empty) and a default that
// had to be used for an existing file is stored in it.
std::string IniReadValue(const std::string& section, const std::string& key, const std::string& file,
                         const std::string& defaultValue, bool create);

// Stores key=value; a missing file is created only with create set. False
// when the file could not be written (a read-only file, a full or pulled
// stick), or is missing without create.
bool IniWriteValue(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& file, bool create);

// The name prefixed with the current directory when that names an existing
// file; a name holding ":" comes back as it is.
std::string MakeAbsolutePath(const std::string& name);

void CreateEmptyFile(const std::string& name);
