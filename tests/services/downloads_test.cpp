// In a program of their own: under Wine, once a process has asked the shell for a file's program, urlmon in
// that process hears the server's answer but never receives the data.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "common/medium.h"
#include "common/scripted_host.h"
#include "common/test_files.h"
#include "services/file_services.h"

namespace {

using test::InQuotes;

class Downloads : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteFile(dir / "src\\data.zip", "payload");
    const std::string folder = test::UnixPath(dir.Path());
    SKIP_WITHOUT_WINE("a loopback server of the host");
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

TEST_F(Downloads, ModeZeroTakesAFreeNameModeThreeReplacesAndNothingComesFromACache) {
  const std::string target = dir / "dl\\data.zip";
  test::WriteFile(target, "old");
  EXPECT_EQ(URLToFileDownload(InQuotes(Address("data.zip")), target), dir / "dl\\data (2).zip");
  EXPECT_EQ(test::ReadFile(dir / "dl\\data (2).zip"), "payload");
  EXPECT_EQ(URLToFileDownload(Address("data.zip"), dir / "dl", 0), dir / "dl\\data (3).zip");
  EXPECT_EQ(URLToFileDownload(Address("data.zip"), target, 1), "");
  EXPECT_EQ(test::ReadFile(target), "old");
  // The same address again, with new content: never the cached copy.
  test::WriteFile(dir / "src\\data.zip", "payload, new");
  EXPECT_EQ(URLToFileDownload(Address("data.zip"), dir / "dl", 3), target);
  EXPECT_EQ(test::ReadFile(target), "payload, new");
  EXPECT_EQ(URLToFileDownload(Address("missing.zip"), dir / "dl\\x.zip", 3), "");
  EXPECT_FALSE(test::Exists(dir / "dl\\x.zip"));
}

TEST_F(Downloads, AMissingUpdaterIsReportedAPresentOneIsStartedAndTheProgramEnds) {
  const std::string updater = dir / "Up Dater\\updater.exe";
  EXPECT_FALSE(DownloadUpdateWithUpdater("http://127.0.0.1:1/new.zip", "T:\\TC\\x.zip", updater,
                                         Address("missing.exe"), ""));
  EXPECT_EQ(host.Said(), (test::Sayings{{"Ambler", updater + "\r\rDownload Failed! "}}));
  EXPECT_EQ(host.Messages()[0].icon, platform::MsgIcon::Critical);

  test::CopyTo(test::StandInExe(), updater);
  test::StandInRecord record(dir / "received.txt");
  EXPECT_THROW(DownloadUpdateWithUpdater("http://host/new.zip", "T:\\TC\\x.zip", updater, Address("unused.exe"), "  "),
               test::ProgramEnded);
  record.Starts(1);  // the updaters run side by side: keep the record in the order they were started
  EXPECT_THROW(DownloadUpdateWithUpdater("u", "p", updater, "", " -x"), test::ProgramEnded);
  EXPECT_EQ(host.Ended(), 2);
  const auto starts = record.Starts(2);
  ASSERT_EQ(starts.size(), 2u);
  EXPECT_EQ(starts[0].commandLine, InQuotes(updater) + " [URL]http://host/new.zip [PATH]T:\\TC\\x.zip");
  EXPECT_EQ(starts[1].commandLine, InQuotes(updater) + " [URL]u [PARAM1]  -x [PATH]p");
}

}  // namespace
