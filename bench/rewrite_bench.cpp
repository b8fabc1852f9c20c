// Both passes of the portable rewrite over one file, timed: prints the
// milliseconds. Usage: rewrite_bench.exe FILE (the file is rewritten in place).
#include <chrono>
#include <cstdio>
#include <string>

#include "launcher/form1.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string file = argv[1];
  Form1 form(StartInfo{"/?", "T:\\TC", "Ambler"});
  const auto start = std::chrono::steady_clock::now();
  form.CopyAndParseFile(file, file, "T:\\TC", "T:\\TC\\", "%COMMANDER_PATH%", true);
  form.CopyAndParseFile(file, file, "T:", "T:", "%COMMANDER_DRIVE%", true);
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  std::printf("%.1f\n", took.count());
  return form.State().LineFound ? 0 : 1;
}
