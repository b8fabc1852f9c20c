#pragma once
// Letter case of the ANSI code page.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The platform's upper-case mapping, one byte to one byte: an upper-cased copy
// has the length of its original, so positions found in it hold for both.
char UpperChar(char c);
std::string UpperCase(std::string_view text);

// Sorts names without regard to case (names equal but for case keep their order).
void SortIgnoringCase(std::vector<std::string>& names);

}  // namespace platform
