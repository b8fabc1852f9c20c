#include <windows.h>

#include "platform/upper_table.h"

namespace platform {

// One byte's mapping is taken from the system only when it leads back to the
// byte through the lower-case mapping, so an unmapped byte of the code page
// (or a lead byte of a double-byte code page) is never turned into "?".
std::array<char, 256> BuildUpperTable() {
  std::array<char, 256> table{};
  for (int b = 0; b < 256; ++b) {
    const char original = static_cast<char>(b);
    table[b] = original;
    if (b == 0 || IsDBCSLeadByte(static_cast<BYTE>(b))) continue;
    char upper[1] = {original};
    CharUpperBuffA(upper, 1);
    char back[1] = {upper[0]};
    CharLowerBuffA(back, 1);
    if (back[0] == original) table[b] = upper[0];
  }
  return table;
}

}  // namespace platform
