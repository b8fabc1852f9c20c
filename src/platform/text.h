#pragma once
// Letter case of the ANSI code page.

#include <string>
#include <string_view>

namespace platform {

// The platform's upper-case mapping, one byte to one byte: an upper-cased copy
// has the length of its original, so positions found in it hold for both.
char UpperChar(char c);
std::string UpperCase(std::string_view text);

}  // namespace platform
