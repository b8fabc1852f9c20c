#pragma once
// A test medium: a temp folder mapped as a drive, with the launcher and a
// stand-in Total Commander that records how it was started.

#include <optional>
#include <string>
#include <vector>

#include "common/test_files.h"

namespace test {

// The built programs, as Windows paths.
std::string AmblerExe();
std::string StandInExe();

class Medium {
 public:
  explicit Medium(char letter = 'T');

  // "T:\" + relative path.
  std::string Path(const std::string& relative) const { return drive_.Root() + relative; }
  void MakeDirectory(const std::string& relative) const;
  void Write(const std::string& relative, const std::string& bytes) const;
  std::string Read(const std::string& relative) const;
  // A stand-in Total Commander under that name ("TC\TOTALCMD64.EXE").
  void PutTotalCommander(const std::string& relative) const;
  void PutLauncher(const std::string& relative) const;

  // What the stand-in in that folder received: one command line and working
  // directory per start, waiting up to a minute for that many starts.
  struct Start {
    std::string commandLine;
    std::string directory;
  };
  std::vector<Start> Received(const std::string& folder, std::size_t atLeast = 1) const;

 private:
  TempDir dir_;
  MappedDrive drive_;
};

}  // namespace test
