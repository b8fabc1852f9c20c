// plugin_window_5k_ms and plugin_window_10x_ratio: the plugin window shown
// through the real Win32 binding over a tree of 5,000 plugin files and one of
// 50,000: its scan as it opens, "ALL >>", then "ReScan"; the median of three.
// Each round's phases go to the error output. Usage: plugin_window_bench.exe
// SMALL_TREE LARGE_TREE (Windows paths ending in "\").
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/host.h"
#include "plugins/plugin_search.h"
#include "win32_ui/win32_ui.h"

namespace {

double Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The milliseconds of one round, and the rows it moved.
double Round(const std::string& root, int& moved) {
  const TotalCommanderFolder tree = FolderOf(root);
  const auto start = std::chrono::steady_clock::now();
  PluginSearch window(tree, 0);
  window.Show();
  platform::DoEvents();  // until the window has drawn what it shows
  const double shown = Since(start);
  window.AllBtn->UserClick();
  platform::DoEvents();
  moved = window.List2->ListCount();
  const double all = Since(start);
  window.ReloadBtn->UserClick();
  platform::DoEvents();
  const double ms = Since(start);
  std::fprintf(stderr, "%d rows: shown %.0f, all %.0f, rescan %.0f ms\n", moved, shown, all - shown, ms - all);
  window.Unload();
  return ms;
}

double Median(const std::string& root, int& moved) {
  std::vector<double> rounds;
  for (int i = 0; i < 3; ++i) rounds.push_back(Round(root, moved));
  std::sort(rounds.begin(), rounds.end());
  return rounds[1];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  win32_ui::InstallWin32WindowSystem();
  int small = 0, large = 0;
  const double smallMs = Median(argv[1], small);
  const double largeMs = Median(argv[2], large);
  std::printf("plugin_window_5k_ms: %.0f\n", smallMs);
  std::printf("plugin_window_50k_ms: %.0f\n", largeMs);
  std::printf("plugin_window_10x_ratio: %.2f\n", largeMs / smallMs);
  return small == 5000 && large == 50000 ? 0 : 1;
}
