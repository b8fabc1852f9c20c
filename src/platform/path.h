#pragma once
// Separators and drive parts of paths: plain text work, shared by every layer.
// Both "\" and "/" are separators.

#include <string>
#include <string_view>

namespace platform {

bool IsSeparator(char c);
bool EndsWithSeparator(std::string_view path);

// The path with a trailing separator: the kind it already uses ("/" only when
// it holds no "\"), "\" when it has none.
std::string WithSeparator(std::string path);

// The path without trailing separators; with keepRoot a root ("C:\", "\")
// keeps its own.
std::string WithoutSeparator(std::string path, bool keepRoot = false);

// The directory and a name below it, with one separator between them.
std::string JoinPath(std::string directory, std::string_view name);

// The drive of a path ("E:" of "E:\TC"), or empty text when it has none (a
// network share, a relative path).
std::string DriveOf(std::string_view path);

}  // namespace platform
