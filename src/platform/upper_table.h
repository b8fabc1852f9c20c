#pragma once
// The upper-case mapping that platform/text.h works with, one entry for each
// UTF-16 unit, built (once) from each platform's own notion of letter case.

#include <vector>

namespace platform {

std::vector<char16_t> BuildUpperTable();

}  // namespace platform
