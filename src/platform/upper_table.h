#pragma once
// The byte-to-byte upper-case mapping that platform/text.h works with; each
// platform builds it once from its own notion of the ANSI code page.

#include <array>

namespace platform {

const std::array<char, 256>& UpperTable();

}  // namespace platform
