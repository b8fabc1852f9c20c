#include "support/associations.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "common/medium.h"
#include "common/scripted_host.h"
#include "common/test_files.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/program.h"
#include "platform/text.h"

namespace {

// A stand-in program in a folder whose path holds a blank, registered for an extension of its own.
class Associations : public ::testing::Test {
 protected:
  void SetUp() override {
    test::CopyTo(test::StandInExe(), program);
    ASSERT_TRUE(association.IsActive());
  }

  test::TempDir dir;
  std::string program = dir / "Program Files\\viewer.exe";
  test::Association association{"amblertest", program};
  test::ScriptedHost host;
};

// Where the scratch files land.
std::string DriveRoot() { return platform::ExecutableDirectory().substr(0, 3); }

// On Windows a user may not write there (C:\); Wine's Z:\ is the host's root.
bool DriveRootWritable() {
  const std::string probe = DriveRoot() + "ambler-probe.tmp";
  if (!platform::CreateNewFile(probe)) return false;
  platform::RemoveFile(probe);
  return true;
}

bool SameFile(const std::string& a, const std::string& b) { return platform::UpperCase(a) == platform::UpperCase(b); }

TEST_F(Associations, FilesAndPatternsFindTheirProgramAndLeaveNoScratchFile) {
  if (!DriveRootWritable()) GTEST_SKIP() << "the scratch files need a writable root of the program's drive";
  test::WriteFile(dir / "real.amblertest", "x");
  EXPECT_TRUE(SameFile(FindExecutableOf(dir / "real.amblertest"), program)) << FindExecutableOf(dir / "real.amblertest");
  EXPECT_EQ(FindExecutableOf(dir / "missing.amblertest"), "");
  EXPECT_TRUE(SameFile(GetAssociatedProgram(dir / "real.amblertest"), program));
  EXPECT_TRUE(SameFile(GetAssociatedProgram(dir / "new.amblertest"), program));
  EXPECT_EQ(test::Names(dir.Path()), (Strings{"Program Files", "real.amblertest"}));
  // A file of a scratch file's name is the user's: another name is taken.
  const std::string own = DriveRoot() + "zzzzzzzTemp_.amblertest";
  test::WriteFile(own, "the user's");
  EXPECT_TRUE(SameFile(GetAssociatedProgram("*.amblertest"), program));
  EXPECT_EQ(test::ReadFile(own), "the user's");
  std::filesystem::remove(test::Fs(own));
  EXPECT_FALSE(test::Exists(DriveRoot() + "zzzzzzzTemp_ (2).amblertest") || test::Exists(DriveRoot() + "RunFileTmp.amblertest"));
  EXPECT_EQ(GetAssociatedProgram(dir / "nothing.amblernone"), "");
  EXPECT_TRUE(host.Messages().empty());
}

TEST_F(Associations, TheWebPageOpensInTheHtmlProgramQuotedWhereItsPathHasABlank) {
  if (!DriveRootWritable()) GTEST_SKIP() << "the scratch files need a writable root of the program's drive";
  test::Association html("html", program);
  if (!html.IsActive()) GTEST_SKIP() << "this prefix associates html files already";
  const test::StandInRecord record(dir / "received.txt");
  const std::string own = DriveRoot() + "ZedX00001.html";
  test::WriteFile(own, "the user's");
  const auto task = OpenUrlInBrowser("https://ambler.example.org/", 1);
  const auto starts = record.Starts();
  EXPECT_EQ(test::ReadFile(own), "the user's");
  std::filesystem::remove(test::Fs(own));
  EXPECT_FALSE(test::Exists(DriveRoot() + "ZedX00001 (2).html") || test::Exists(DriveRoot() + "ZedX00001.html"));
  EXPECT_TRUE(task.has_value());
  EXPECT_TRUE(SameFile(starts.at(0).commandLine, test::InQuotes(program) + " https://ambler.example.org/"))
      << starts[0].commandLine;
}

}  // namespace
