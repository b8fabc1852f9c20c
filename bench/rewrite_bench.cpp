// Both passes of the portable rewrite over one file, timed: prints the
// milliseconds. Usage: rewrite_bench.exe FILE (the file is rewritten in place).
// With --split FORM FILE it prints where the time goes instead, stage by
// stage, and the rewrite's speed in the process: megabytes of the file a
// second, "rewrite_mb_per_s" ("rewrite_FORM_mb_per_s" but for ANSI). The
// file is left as it was.
#include <chrono>
#include <cstdio>
#include <algorithm>
#include <string>

#include "platform/file_system.h"
#include "rewrite_split.h"
#include "support/portable_rewrite.h"

namespace {

double RewriteMs(const std::string& file) {
  const auto start = std::chrono::steady_clock::now();
  MakePortable(file, "T:\\TC", "T:\\TC\\");
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

int Split(const std::string& name, const std::string& file) {
  // Read as the rewrite reads: into one line after the other.
  const double read = bench::FastestMs(3, [&] {
    platform::TextFileReader reader(file);
    for (std::string line; reader.ReadLine(line);) {
    }
  });
  std::vector<std::string> lines;
  platform::TextFileReader reader(file);
  for (std::string line; reader.ReadLine(line);) lines.push_back(line);
  const platform::TextEncoding encoding = reader.Encoding();
  const std::string copy = file + ".bench";
  const double write = bench::FastestMs(3, [&] {
    platform::TextFileWriter writer(copy, platform::TextFileWriter::Mode::Create, encoding);
    for (const std::string& line : lines) writer.WriteLine(line);
  });
  bench::Print(("rewrite_split_" + name + "_read_ms").c_str(), read);
  bench::Print(("rewrite_split_" + name + "_write_ms").c_str(), write);
  bench::PrintRewriteSplit(lines, encoding, name.c_str());
  std::string original;
  if (!platform::ReadFileBytes(file, original)) return 1;
  bench::Print(("rewrite_split_" + name + "_replace_file_ms").c_str(),
               bench::FastestMs(3, [&] { platform::ReplaceFileContent(copy, original); }));
  // The best of five: the flush to the disk is the part that varies.
  double best = 1e300;
  for (int run = 0; run < 5; ++run) {
    platform::ReplaceFileContent(copy, original);
    best = std::min(best, RewriteMs(copy));
  }
  platform::RemoveFile(copy);
  const std::string speed = name == "ansi" ? "rewrite_mb_per_s" : "rewrite_" + name + "_mb_per_s";
  bench::Print(speed.c_str(), static_cast<double>(original.size()) / 1e6 / (best / 1000));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--split") return Split(argv[2], argv[3]);
  if (argc < 2) return 2;
  std::printf("%.1f\n", RewriteMs(argv[1]));
  return 0;
}
