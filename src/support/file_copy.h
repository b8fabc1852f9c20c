#pragma once
// The guarded copy of one file to a new name.

#include <string>

// True when the copy was made and both files exist afterwards as ordinary
// files. Never copies a file onto itself; replaces an existing target only
// with overwrite set, and a copy that fails leaves that target as it was.
bool CopyFileOver(const std::string& source, const std::string& target, bool overwrite);
