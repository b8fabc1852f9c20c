// The code page of a Western Windows (1252), for the builds of the text
// routines that run natively under the sanitizers and the fuzzers.
#include "platform/upper_table.h"

namespace platform {

std::array<char, 256> BuildUpperTable() {
  std::array<char, 256> table{};
  for (int b = 0; b < 256; ++b) {
    int upper = b;
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) upper = b - 0x20;
    if (b == 0x9A || b == 0x9C || b == 0x9E) upper = b - 0x10;  // s, oe, z with caron or ligature
    if (b == 0xFF) upper = 0x9F;                                 // y with diaeresis
    table[b] = static_cast<char>(upper);
  }
  return table;
}

}  // namespace platform
