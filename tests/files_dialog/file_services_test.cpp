// The file dialog object's file services on real files.
#include "files_dialog/file_services.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "common/medium.h"
#include "common/scripted_host.h"
#include "common/test_files.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/text.h"
#include "platform/text_file.h"

namespace {

using Strings = std::vector<std::string>;

std::string InQuotes(const std::string& text) { return std::string(1, '"').append(text).append(1, '"'); }

Strings SortedLines(const std::string& file) {
  Strings lines;
  platform::TextFileReader reader(file);
  std::string line;
  while (reader.ReadLine(line)) lines.push_back(line);
  std::sort(lines.begin(), lines.end());
  return lines;
}

// Runs the body with the stand-in's record pointed at a file of its own.
class StandInRecord {
 public:
  explicit StandInRecord(const std::string& file) : file_(file) { _putenv_s("AMBLER_STANDIN_RECORD", file.c_str()); }
  ~StandInRecord() { _putenv_s("AMBLER_STANDIN_RECORD", ""); }
  std::vector<test::Medium::Start> Starts(std::size_t atLeast = 1) const {
    return test::Medium::ReceivedIn(file_, atLeast);
  }

 private:
  std::string file_;
};

TEST(FileServices, MoveReplacesOnlyWhenAskedAndNeverLosesTheTarget) {
  test::TempDir dir;
  const auto a = dir / "a.txt", b = dir / "b.txt";
  test::WriteFile(a, "a");
  test::WriteFile(b, "b");
  EXPECT_FALSE(FileMove(a, b));
  EXPECT_EQ(test::ReadFile(a), "a");
  EXPECT_EQ(test::ReadFile(b), "b");
  EXPECT_FALSE(FileMove(a, dir / "missing dir\\a.txt", true));
  EXPECT_EQ(test::ReadFile(a), "a");
  EXPECT_TRUE(FileMove(a, b, true));
  EXPECT_EQ(test::ReadFile(b), "a");
  EXPECT_FALSE(test::Exists(a));
  EXPECT_TRUE(FileMove(b, dir / "c.txt"));
  EXPECT_FALSE(FileMove(dir / "gone.txt", dir / "d.txt"));
  EXPECT_TRUE(getFileDate(dir / "c.txt").has_value());
  EXPECT_FALSE(getFileDate(dir / "gone.txt").has_value());
}

TEST(FileServices, ShortAndLongNames) {
  test::TempDir dir;
  std::filesystem::create_directory(dir / "A Long Folder Name");
  const std::string file = dir / "A Long Folder Name\\Some Document.text";
  test::WriteFile(file, "x");
  const std::string shortName = FileGetShortFileName(file);
  EXPECT_EQ(shortName.find(' '), std::string::npos) << shortName;
  EXPECT_EQ(FileGetLongFileName(shortName), file);
  EXPECT_EQ(FileGetShortFileName(dir / "missing file.txt"), dir / "missing file.txt");
  EXPECT_EQ(FileGetLongFileName(dir / "missing file.txt"), dir / "missing file.txt");
}

TEST(FileServices, DirectoryListingIsDepthFirstAndHonoursTheAttributeTest) {
  test::TempDir dir;
  std::filesystem::create_directories(dir / "tree\\sub\\deeper");
  std::filesystem::create_directories(dir / "tree\\notes.txt");
  std::filesystem::create_directories(dir / "tree\\hidden");
  for (const char* f : {"tree\\a.txt", "tree\\b.ini", "tree\\sub\\c.txt", "tree\\sub\\deeper\\d.txt",
                        "tree\\notes.txt\\e.txt", "tree\\hidden\\f.txt"})
    test::WriteFile(dir / f, "x");
  ASSERT_EQ(platform::RunAndWait("cmd /c attrib +h \"" + dir / "tree\\hidden" + "\"", 60000), 0u);
  const std::string target = dir / "list.txt";

  std::string path = dir / "tree";
  EXPECT_TRUE(ReadDirctoryStructureToFile(path, target, "*.*"));
  EXPECT_EQ(path, dir / "tree\\");
  const std::string t = dir / "tree\\";
  EXPECT_EQ(SortedLines(target), (Strings{t + "a.txt", t + "b.ini", t + "hidden", t + "notes.txt\\e.txt",
                                          t + "sub\\c.txt", t + "sub\\deeper\\d.txt"}));

  path = dir / "tree";
  ReadDirctoryStructureToFile(path, target, "*.txt", true);
  const Strings both = SortedLines(target);
  EXPECT_EQ(both.size(), 6u + 2u);  // a.txt, and the e.txt inside notes.txt (the folder is no line)
  EXPECT_EQ(std::count(both.begin(), both.end(), t + "notes.txt\\e.txt"), 2);

  path = dir / "tree";
  ReadDirctoryStructureToFile(path, target);
  EXPECT_EQ(test::ReadFile(target), "");
}

TEST(FileServices, FileRunStartsProgramsDirectlyAndDocumentsWithTheirProgram) {
  test::TempDir dir;
  std::filesystem::create_directory(dir / "My Tools");
  const std::string tool = dir / "My Tools\\Tool.EXE";
  std::filesystem::copy_file(test::StandInExe(), tool);
  StandInRecord record(dir / "received.txt");
  std::string datei = tool;
  EXPECT_TRUE(FileRun(datei, 1).has_value());
  EXPECT_EQ(datei, "Tool.EXE");
  const auto starts = record.Starts();
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].commandLine, InQuotes(tool));

  // A document: its program gets the quoted path, and its folder becomes current.
  std::filesystem::create_directory(dir / "My Files");
  const std::string document = dir / "My Files\\a.amblertest";
  test::WriteFile(document, "x");
  test::Association association("amblertest", tool);
  ASSERT_TRUE(association.IsActive());
  const std::string before = platform::CurrentDirectory();
  std::string name = document;
  EXPECT_TRUE(FileRun(name).has_value());
  EXPECT_EQ(platform::CurrentDirectory(), dir / "My Files");
  platform::ChangeDirectory(before);
  const auto both = record.Starts(2);
  ASSERT_EQ(both.size(), 2u);
  EXPECT_EQ(platform::UpperCase(both[1].commandLine), platform::UpperCase(InQuotes(tool) + " " + InQuotes(document)));

  std::string none = dir / "nothing.amblernone";
  test::WriteFile(none, "x");
  EXPECT_FALSE(FileRun(none).has_value());
}

// Serves the folder src of the test's temp folder on a loopback port.
class Downloads : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir / "src");
    std::filesystem::create_directories(dir / "dl");
    test::WriteFile(dir / "src\\data.zip", "payload");
    const std::string folder = test::UnixPath(dir.Path());
    ASSERT_EQ(test::RunUnix("cd " + folder + "/src && (python3 -m http.server 0 --bind 127.0.0.1 > " + folder +
                            "/server.log 2>&1 & echo $! > " + folder + "/server.pid)"),
              0);
    for (int i = 0; i < 6000 && port_.empty(); ++i) {
      const std::string log = test::ReadFile(dir / "server.log");
      const auto at = log.find(" port ");
      if (at != std::string::npos) port_ = log.substr(at + 6, log.find(' ', at + 6) - at - 6);
      if (port_.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_FALSE(port_.empty()) << "the loopback server did not start";
  }
  void TearDown() override { test::RunUnix("kill $(cat " + test::UnixPath(dir / "server.pid") + ")"); }

  std::string Address(const std::string& name) { return "http://127.0.0.1:" + port_ + "/" + name; }

  test::TempDir dir;
  test::ScriptedHost host;

 private:
  std::string port_;
};

TEST_F(Downloads, FreeNamesForModeZeroAndTheOtherModes) {
  const std::string target = dir / "dl\\data.zip";
  test::WriteFile(target, "old");
  EXPECT_EQ(URLToFileDownload(Address("data.zip"), target), dir / "dl\\data (2).zip");
  EXPECT_EQ(URLToFileDownload(InQuotes(Address("data.zip")), target), dir / "dl\\data (3).zip");
  EXPECT_EQ(test::ReadFile(dir / "dl\\data (3).zip"), "payload");
  EXPECT_EQ(URLToFileDownload(Address("data.zip"), dir / "dl", 0), dir / "dl\\data (4).zip");

  EXPECT_EQ(URLToFileDownload(Address("data.zip"), target, 1), "");
  EXPECT_EQ(URLToFileDownload(Address("data.zip"), target, 2), "");
  EXPECT_EQ(test::ReadFile(target), "old");
  EXPECT_EQ(URLToFileDownload(Address("data.zip"), dir / "dl", 3), target);
  EXPECT_EQ(test::ReadFile(target), "payload");

  EXPECT_EQ(URLToFileDownload("no-slash", dir / "dl", 3), "");
  EXPECT_EQ(URLToFileDownload(Address("missing.zip"), dir / "dl\\x.zip", 3), "");
  EXPECT_FALSE(test::Exists(dir / "dl\\x.zip"));
}

TEST_F(Downloads, AMissingUpdaterIsReportedAPresentOneIsStartedAndTheProgramEnds) {
  std::filesystem::create_directory(dir / "Up Dater");
  const std::string updater = dir / "Up Dater\\updater.exe";
  EXPECT_FALSE(DownloadUpdateWithUpdater("http://127.0.0.1:1/new.zip", "T:\\TC\\x.zip", updater,
                                         Address("missing.exe"), ""));
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(host.Messages()[0].prompt, updater + "\r\rDownload Failed! ");
  EXPECT_EQ(host.Messages()[0].icon, platform::MsgIcon::Critical);
  EXPECT_EQ(host.Ended(), 0);

  std::filesystem::copy_file(test::StandInExe(), updater);
  StandInRecord record(dir / "received.txt");
  EXPECT_TRUE(DownloadUpdateWithUpdater("http://host/new.zip", "T:\\TC\\x.zip", updater, Address("unused.exe"),
                                        "  "));
  EXPECT_EQ(host.Ended(), 1);
  auto starts = record.Starts();
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].commandLine, InQuotes(updater) + " [URL]http://host/new.zip [PATH]T:\\TC\\x.zip");

  DownloadUpdateWithUpdater("u", "p", updater, "", " -x");
  starts = record.Starts(2);
  ASSERT_EQ(starts.size(), 2u);
  EXPECT_EQ(starts[1].commandLine, InQuotes(updater) + " [URL]u [PARAM1]  -x [PATH]p");
}

}  // namespace
