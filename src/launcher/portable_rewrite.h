#pragma once
// The portable rewrite of one value: Total Commander's directory becomes
// %COMMANDER_PATH%, then its drive %COMMANDER_DRIVE%, ignoring case, and only
// where a path can begin (not inside a word).

#include <string>

// The drive of a directory ("E:" of "E:\TC"), or empty text when it has none
// (a network share).
std::string DriveOf(const std::string& directory);

// directory is Total Commander's, without its trailing separator.
std::string PortableValue(const std::string& value, const std::string& directory);

// One line of a file being made portable: each search text (ignoring case, an
// empty one is skipped) becomes the replacement where a path can begin.
std::string RewriteLine(std::string line, std::string find1, std::string find2, const std::string& replacement);
