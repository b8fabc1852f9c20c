#pragma once
// A test medium: a temp folder mapped as a drive, with the launcher and a stand-in Total Commander that records
// how it was started.

#include <optional>
#include <string>
#include <vector>

#include "common/test_files.h"

namespace test {

std::string AmblerExe();
std::string StandInExe();

class Medium {
 public:
  explicit Medium(char letter = 'T');
  ~Medium();

  // A real mount, made before anything is laid out: a tmpfs of that size (a stick that fills up), or what is
  // laid out behind a read-only bind mount. False where this machine allows no mounts.
  bool MountTmpfs(int kilobytes);
  bool MountReadOnly();
  // Through FUSE on a loop device; false where this machine cannot mount one.
  bool MountExfat(int megabytes);
  // Unmounted cleanly and mounted again: what was laid out is then on the stick, not in a cache.
  void Replug();
  // Its FUSE process killed, so that every later access fails, then unmounted and detached.
  void Pull();
  // Repaired first, as Windows repairs a stick.
  void PlugIn();

  std::string Path(const std::string& relative) const { return drive_.Root() + relative; }
  std::string HostWindowsPath(const std::string& relative) const { return dir_ / relative; }
  std::string HostPath(const std::string& relative) const { return UnixPath(dir_ / relative); }
  void MakeDirectory(const std::string& relative) const;
  void Write(const std::string& relative, const std::string& bytes) const;
  std::string Read(const std::string& relative) const;
  // With the bytes and times of each file; never the stand-in's growing record of starts.
  std::string FilesWithTimes(const std::string& folder, const std::string& prefix = "") const;
  void PutTotalCommander(const std::string& relative) const;
  void PutLauncher(const std::string& relative) const;

  // What the stand-in in that folder received, waiting up to a minute for that many starts.
  struct Start { std::string commandLine, directory; };
  std::vector<Start> Received(const std::string& folder, std::size_t atLeast = 1) const;
  static std::vector<Start> ReceivedIn(const std::string& record, std::size_t atLeast = 1);

 private:
  std::string StickCommand(const std::string& command) const;

  TempDir dir_;
  MappedDrive drive_;
  bool mounted_ = false;
  TempDir stick_;  // the exFAT image and its loop device's name
  bool exfat_ = false;
};

// The stand-in's record elsewhere while it lives: for a medium that cannot be written.
class StandInRecord {
 public:
  explicit StandInRecord(std::string file);
  ~StandInRecord();
  std::vector<Medium::Start> Starts(std::size_t atLeast = 1) const { return Medium::ReceivedIn(file_, atLeast); }
  // Once the stand-in that wrote it has let go of it.
  void Clear() const;

 private:
  std::string file_;
};

}  // namespace test
