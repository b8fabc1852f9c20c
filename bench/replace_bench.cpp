// The portable rewrite of one long line: ReplaceText must stay linear.
#include <string>

#include "bench_timer.h"
#include "support/path_text.h"

namespace {

// A line of the given size in which every tenth byte starts a match.
std::string LineWithMatches(std::size_t matches) {
  std::string line;
  line.reserve(matches * 10);
  for (std::size_t i = 0; i < matches; ++i) line += i % 2 ? "c:\\tc\\a;b;" : "C:\\Tc\\x=y;";
  return line;
}

double RewriteMs(const std::string& line) {
  volatile std::size_t sink = 0;
  return bench::FastestMs(5, [&] {
    std::string find = "C:\\TC";
    sink = sink + ReplaceText(line, find, "%COMMANDER_PATH%", false).size();
  });
}

}  // namespace

int main() {
  const std::string oneMb = LineWithMatches(100000);
  const std::string tenMb = LineWithMatches(1000000);
  const double oneMbMs = RewriteMs(oneMb);
  const double tenMbMs = RewriteMs(tenMb);
  bench::Print("replace_1mb_ms", oneMbMs);
  bench::Print("replace_10x_ratio", tenMbMs / oneMbMs);
  return 0;
}
