// launch_overhead_ratio: Ambler's whole process in the launch outcome (the
// portable files present) against a minimal program that only starts the same
// stand-in Total Commander; both under Wine, measured alternately.
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "bench_timer.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/text_file.h"

namespace fs = std::filesystem;

namespace {

std::string Windows(const char* unixPath) {
  std::string path = std::string("Z:") + unixPath;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double RunMs(const std::string& commandLine) {
  const auto start = std::chrono::steady_clock::now();
  platform::RunAndWait(commandLine, 60000);
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
  const fs::path folder = fs::path("Z:\\tmp") / ("ambler-launch-bench-" + std::to_string(::time(nullptr)));
  fs::create_directories(folder);
  fs::copy_file(Windows(STANDIN_EXE), folder / "TOTALCMD64.EXE");
  fs::copy_file(Windows(AMBLER_EXE), folder / "Ambler.exe");
  fs::copy_file(Windows(MINIMAL_EXE), folder / "minimal.exe");
  for (const char* name : {"TC_portable_wincmd.ini", "TC_portable_wcx_ftp.ini"}) {
    platform::TextFileWriter ini((folder / name).string());
    ini.WriteLine("[Configuration]");
  }
  const std::string ambler = (folder / "Ambler.exe").string();
  const std::string minimal = (folder / "minimal.exe").string();

  std::vector<double> amblerMs, minimalMs;
  for (int round = 0; round < 25; ++round) {
    amblerMs.push_back(RunMs(ambler));
    minimalMs.push_back(RunMs(minimal));
  }
  // Let the last stand-ins finish before their folder goes.
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  std::error_code error;
  fs::remove_all(folder, error);

  const double ratio = Median(amblerMs) / Median(minimalMs);
  bench::Print("launch_ms", Median(amblerMs));
  bench::Print("launch_minimal_ms", Median(minimalMs));
  bench::Print("launch_overhead_ratio", ratio);
  return 0;
}
