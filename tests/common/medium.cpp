#include "common/medium.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/file_system.h"
#include "platform/program.h"

namespace test {

// On Windows, the test programs and the stand-in lie in tests\, Ambler one folder up.
std::string AmblerExe() {
  return UnderWine() ? WindowsPath(AMBLER_EXE) : platform::ExecutableDirectory() + "\\..\\Ambler.exe";
}
std::string StandInExe() {
  return UnderWine() ? WindowsPath(STANDIN_EXE) : platform::ExecutableDirectory() + "\\standin_tc.exe";
}

Medium::Medium(char letter) : drive_(letter, dir_.Path()) {}

Medium::~Medium() {
  if (exfat_) Pull();
  // Lazily: Wine may still hold a handle on a folder of the medium.
  const std::string path = UnixPath(dir_.Path());
  if (mounted_ && !exfat_) RunUnix("umount -l " + path + " 2>/dev/null; umount -l " + path + " 2>/dev/null; true");
}

bool Medium::MountTmpfs(int kilobytes) {
  return mounted_ = RunUnix("mount -t tmpfs -o size=" + std::to_string(kilobytes) + "k tmpfs " + UnixPath(dir_.Path())) == 0;
}

bool Medium::MountReadOnly() {
  const std::string path = UnixPath(dir_.Path());
  mounted_ = RunUnix("mount --bind " + path + " " + path) == 0;
  return mounted_ && RunUnix("mount -o remount,bind,ro " + path + " " + path) == 0;
}

// The command with IMAGE, LOOP (the file naming the loop device) and DIR set.
std::string Medium::StickCommand(const std::string& command) const {
  return "IMAGE=" + UnixPath(stick_ / "stick.img") + "; LOOP=" + UnixPath(stick_ / "loop") +
         "; DIR=" + UnixPath(dir_.Path()) + "; " + command;
}

bool Medium::MountExfat(int megabytes) {
  exfat_ = RunUnix(StickCommand("command -v mount.exfat-fuse >/dev/null && truncate -s " +
                                std::to_string(megabytes) + "M $IMAGE && mkfs.exfat $IMAGE >/dev/null && "
                                "losetup -f --show $IMAGE > $LOOP && "
                                "mount.exfat-fuse $(cat $LOOP) $DIR 2>/dev/null")) == 0;
  if (!exfat_) RunUnix(StickCommand("[ -s $LOOP ] && losetup -d $(cat $LOOP); rm -f $LOOP"));
  return mounted_ = exfat_;
}

void Medium::Replug() {
  // Not even this process's current directory may hold the stick; a stand-in may take a moment to end.
  const std::string current = platform::CurrentDirectory();
  platform::ChangeDirectory(stick_.Path());
  EXPECT_EQ(RunUnix(StickCommand("for i in $(seq 300); do umount $DIR 2>/dev/null && break; sleep 0.1; done; "
                                 "! mountpoint -q $DIR && mount.exfat-fuse $(cat $LOOP) $DIR 2>/dev/null")),
            0);
  platform::ChangeDirectory(current);
}

void Medium::Pull() {
  RunUnix(StickCommand("L=$(cat $LOOP); pkill -9 -f \"^mount.exfat-fuse $L \"; "
                       "while pgrep -f \"^mount.exfat-fuse $L \" >/dev/null; do sleep 0.01; done; "
                       "umount -l $DIR; losetup -d $L; rm -f $LOOP"));
}

void Medium::PlugIn() {
  ASSERT_EQ(RunUnix(StickCommand("losetup -f --show $IMAGE > $LOOP && { fsck.exfat -y $(cat $LOOP) >/dev/null 2>&1; "
                                 "mount.exfat-fuse $(cat $LOOP) $DIR 2>/dev/null; }")),
            0);
}

void Medium::MakeDirectory(const std::string& relative) const {
  std::filesystem::create_directories(Fs(dir_ / relative));
}

void Medium::Write(const std::string& relative, const std::string& bytes) const {
  WriteFile(dir_ / relative, bytes);
}

std::string Medium::Read(const std::string& relative) const { return ReadFile(dir_ / relative); }

std::string Medium::FilesWithTimes(const std::string& folder, const std::string& prefix) const {
  std::string all;
  for (const std::string& name : Names(dir_ / folder)) {
    const std::string file = dir_ / (folder + "\\" + name);
    if (name.starts_with(prefix) && name != "received.txt")
      all += name + "@" + std::to_string(ModificationTime(file).time_since_epoch().count()) + "\n" + ReadFile(file) + "\n";
  }
  return all;
}

void Medium::PutTotalCommander(const std::string& relative) const { CopyTo(StandInExe(), dir_ / relative); }
void Medium::PutLauncher(const std::string& relative) const { CopyTo(AmblerExe(), dir_ / relative); }

std::vector<Medium::Start> Medium::Received(const std::string& folder, std::size_t atLeast) const {
  return ReceivedIn(dir_ / (folder.empty() ? "received.txt" : folder + "\\received.txt"), atLeast);
}

std::vector<Medium::Start> Medium::ReceivedIn(const std::string& record, std::size_t atLeast) {
  // The stand-in may be between opening its record and writing both lines.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  std::vector<std::string> lines;
  for (;;) {
    lines = FileLines(record);
    const bool complete = lines.size() % 2 == 0 && lines.size() >= 2 * atLeast;
    if (complete || std::chrono::steady_clock::now() > deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  std::vector<Start> starts;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) starts.push_back({lines[i], lines[i + 1]});
  return starts;
}

StandInRecord::StandInRecord(std::string file) : file_(std::move(file)) {
  _putenv_s("AMBLER_STANDIN_RECORD", file_.c_str());
}

void StandInRecord::Clear() const {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  std::error_code inUse;
  while (!std::filesystem::remove(Fs(file_), inUse) && inUse && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  if (inUse) std::filesystem::remove(Fs(file_));
}

StandInRecord::~StandInRecord() { _putenv_s("AMBLER_STANDIN_RECORD", ""); }

}  // namespace test
