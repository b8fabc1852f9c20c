#pragma once
// Timing for the benchmark programs: the fastest of several runs, in
// milliseconds, which shuts out most of what else the machine is doing.

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace bench {

template <typename Work>
double FastestMs(int runs, Work&& work) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}

inline void Print(const char* name, double value) { std::printf("%s: %.2f\n", name, value); }

}  // namespace bench
