// Both passes of the portable rewrite over one file, timed: prints the
// milliseconds. Usage: rewrite_bench.exe FILE (the file is rewritten in place).
#include <chrono>
#include <cstdio>
#include <string>

#include "support/portable_rewrite.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string file = argv[1];
  const auto start = std::chrono::steady_clock::now();
  const bool found = RewriteFile(file, "T:\\TC", "T:\\TC\\", kCommanderPath).lineFound;
  RewriteFile(file, "T:", "T:", kCommanderDrive);
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  std::printf("%.1f\n", took.count());
  return found ? 0 : 1;
}
