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
  ~Medium();

  // Makes the medium a real mount before anything is laid out on it: a tmpfs
  // of that many kilobytes (a stick that fills up), or, with readOnly, the files laid out so far behind a
  // read-only bind mount (a write-protected stick). False where this machine
  // does not allow mounts.
  bool MountTmpfs(int kilobytes);
  bool MountReadOnly();
  // An exFAT stick of that many megabytes, through FUSE on a loop device.
  // False where this machine cannot mount one.
  bool MountExfat(int megabytes);
  // Unmounts the stick cleanly and mounts it again: what a test laid out is
  // then on the stick itself, not in a cache.
  void Replug();
  // Pulls the stick: its FUSE process killed, so that every later access
  // fails, then unmounted and its loop device detached.
  void Pull();
  // Plugs it in again, repaired first as Windows repairs a stick.
  void PlugIn();

  // "T:\" + relative path.
  std::string Path(const std::string& relative) const { return drive_.Root() + relative; }
  // The same place through the temp folder rather than the drive letter.
  std::string HostWindowsPath(const std::string& relative) const { return dir_ / relative; }
  // The same place as the Unix host names it.
  std::string HostPath(const std::string& relative) const { return UnixPath(dir_ / relative); }
  // Writing a file or putting a program makes the folders it lies in.
  void MakeDirectory(const std::string& relative) const;
  void Write(const std::string& relative, const std::string& bytes) const;
  std::string Read(const std::string& relative) const;
  // Each file of the folder whose name begins so, with its bytes and the time
  // it was written; never the stand-in's growing record of starts.
  std::string FilesWithTimes(const std::string& folder, const std::string& prefix = "") const;
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
  // The same from a record file elsewhere.
  static std::vector<Start> ReceivedIn(const std::string& record, std::size_t atLeast = 1);

 private:
  std::string StickCommand(const std::string& command) const;

  TempDir dir_;
  MappedDrive drive_;
  bool mounted_ = false;
  TempDir stick_;  // the exFAT image and its loop device's name
  bool exfat_ = false;
};

// Points the stand-in's record at a file of its own while it lives: for
// stand-ins started outside a medium, or on one that cannot be written.
class StandInRecord {
 public:
  explicit StandInRecord(std::string file);
  ~StandInRecord();
  std::vector<Medium::Start> Starts(std::size_t atLeast = 1) const { return Medium::ReceivedIn(file_, atLeast); }
  // Removes the record, once the stand-in that wrote it has let go of it.
  void Clear() const;

 private:
  std::string file_;
};

}  // namespace test
