#pragma once
// The byte-to-byte upper-case mapping that platform/text.h works with, built
// (once) from each platform's own notion of the ANSI code page.

#include <array>

namespace platform {

std::array<char, 256> BuildUpperTable();

}  // namespace platform
