// launch_overhead_ratio: Ambler's whole process in the launch outcome against
// a minimal program that only starts the same stand-in Total Commander; both
// under Wine, measured alternately, each by its lower quartile. The configuration is a used one, wholly
// portable already: a 250 KB portable ini, a portable bar opening ten
// sub-bars, and three sections redirected to files of their own.
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

// The lower quartile: on a shared machine a process start takes some 35 ms
// more at random moments, for either program, and a median then flips
// between the two kinds of run.
double LowerQuartile(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 4];
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
  const auto write = [&](const std::string& name, const std::vector<std::string>& lines) {
    platform::TextFileWriter file((folder / name).string());
    for (const std::string& line : lines) file.WriteLine(line);
  };
  std::vector<std::string> ini = {"[Configuration]", "InstallDir=%COMMANDER_PATH%", "[Buttonbar]",
                                  "Buttonbar=%COMMANDER_PATH%\\TC_portable_Default.bar"};
  std::vector<std::string> bar = {"[Buttonbar]"};
  for (const char* section : {"DirMenu", "left", "right"}) {
    ini.insert(ini.end(), {std::string("[") + section + "]",
                           std::string("RedirectSection=%COMMANDER_PATH%\\TC_portable_") + section + ".ini"});
    write(std::string("TC_portable_") + section + ".ini", {std::string("[") + section + "]", "1=%COMMANDER_PATH%\\x"});
  }
  for (int i = 1; i <= 10; ++i) {
    const std::string sub = "TC_portable_sub" + std::to_string(i) + ".bar";
    bar.push_back("cmd" + std::to_string(i) + "=%COMMANDER_PATH%\\" + sub);
    write(sub, {"[Buttonbar]", "cmd1=%COMMANDER_DRIVE%\\Tools\\x.exe", "cmd2=cm_SrcComments"});
  }
  ini.push_back("[History]");
  for (std::size_t size = 0, i = 0; size < 250 * 1024; ++i) {
    ini.push_back(std::to_string(i) + "=%COMMANDER_PATH%\\plugins\\folder " + std::to_string(i) + "\\");
    size += ini.back().size() + 2;
  }
  write("TC_portable_wincmd.ini", ini);
  write("TC_portable_wcx_ftp.ini", {"[connections]"});
  write("TC_portable_Default.bar", bar);
  write("TC_portable_Default.br1", {"companion"});
  const std::string ambler = (folder / "Ambler.exe").string();
  const std::string minimal = (folder / "minimal.exe").string();

  // The first rounds warm Wine's caches and server; they are not counted.
  for (int round = 0; round < 5; ++round) {
    RunMs(ambler);
    RunMs(minimal);
  }
  // Each round runs both, in turns first, so that both meet the same drifts.
  std::vector<double> amblerMs, minimalMs;
  for (int round = 0; round < 61; ++round) {
    const bool amblerFirst = round % 2 == 0;
    const double first = RunMs(amblerFirst ? ambler : minimal), second = RunMs(amblerFirst ? minimal : ambler);
    amblerMs.push_back(amblerFirst ? first : second);
    minimalMs.push_back(amblerFirst ? second : first);
  }
  // Let the last stand-ins finish before their folder goes.
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  std::error_code error;
  fs::remove_all(folder, error);

  const double ratio = LowerQuartile(amblerMs) / LowerQuartile(minimalMs);
  bench::Print("launch_ms", LowerQuartile(amblerMs));
  bench::Print("launch_minimal_ms", LowerQuartile(minimalMs));
  bench::Print("launch_overhead_ratio", ratio);
  return 0;
}
