#include "support/ini.h"
#include "services/ini_sections.h"

#include <gtest/gtest.h>

#include "common/scripted_host.h"
#include "common/test_files.h"
#include "platform/file_system.h"
#include "platform/medium_changes.h"

namespace {

using test::ReadFile;
using test::WriteFile;

class IniTest : public ::testing::Test {
 protected:
  std::string Read(const std::string& key, const std::string& fallback, bool store, const std::string& file = "") {
    return IniReadValue("Buttonbar", key, file.empty() ? ini : file, fallback, store);
  }
  std::string Section(const std::string& section, const std::string& separator = ";") {
    return IniReadSectionEntries(section, ini, keys, values, separator);
  }

  test::TempDir dir;
  std::string ini = dir / "wincmd.ini";
  std::string keys = "stale", values = "stale";
};

TEST_F(IniTest, DefaultsAndMissingFilesAreStoredOnlyWhenAsked) {
  EXPECT_EQ(Read("Buttonbar", "T:\\TC\\Default.bar", false), "T:\\TC\\Default.bar");
  IniWriteValue("Buttonbar", "Buttonbar", "x", ini, false);
  EXPECT_FALSE(test::Exists(ini));
  EXPECT_EQ(Read("Buttonbar", "T:\\TC\\Default.bar", true), "T:\\TC\\Default.bar");
  EXPECT_EQ(ReadFile(ini), "");

  // Stored for a missing or empty key only when asked, never an empty one.
  WriteFile(ini, "[Buttonbar]\r\nEmpty=\r\n");
  EXPECT_EQ(Read("Buttonbar", "D.bar", false) + Read("Empty", "D.bar", false), "D.barD.bar");
  EXPECT_EQ(Read("Missing", "", true), "");
  EXPECT_EQ(ReadFile(ini), "[Buttonbar]\r\nEmpty=\r\n");
  EXPECT_EQ(Read("Buttonbar", "D.bar", true) + Read("Empty", "E.bar", true), "D.barE.bar");
  EXPECT_EQ(Read("Buttonbar", "", false) + Read("Empty", "", false), "D.barE.bar");

  // A hidden file counts as missing and keeps its content.
  const std::string hidden = dir / "hidden.ini";
  WriteFile(hidden, "[Buttonbar]\r\nButtonbar=C:\\TC\\Default.bar\r\n");
  test::SetAttributes(hidden, test::kHidden);
  EXPECT_EQ(Read("Buttonbar", "default", true, hidden), "default");
  EXPECT_EQ(ReadFile(hidden), "[Buttonbar]\r\nButtonbar=C:\\TC\\Default.bar\r\n");
}

TEST_F(IniTest, AKeyThatCannotBeWrittenLeavesNoEmptyFile) {
  platform::PullMediumAtChange(2);  // the file created, its content lost
  EXPECT_FALSE(IniWriteValue("FileSystemPlugins", "ftp", "%COMMANDER_PATH%\\ftp.wfx", ini, true));
  platform::PullMediumAtChange(0);
  EXPECT_FALSE(test::Exists(ini));
  EXPECT_TRUE(IniWriteValue("FileSystemPlugins", "ftp", "%COMMANDER_PATH%\\ftp.wfx", ini, true));
  EXPECT_EQ(ReadFile(ini), "[FileSystemPlugins]\r\nftp=%COMMANDER_PATH%\\ftp.wfx\r\n");
}

TEST_F(IniTest, BareNamesAreTakenFromTheCurrentDirectory) {
  const std::string before = platform::CurrentDirectory();
  ASSERT_TRUE(platform::ChangeDirectory(dir.Path()));
  EXPECT_EQ(MakeAbsolutePath("bare.ini"), "bare.ini");
  IniWriteValue("s", "k", "v", "bare.ini", true);
  EXPECT_EQ(MakeAbsolutePath("bare.ini"), dir / "bare.ini");
  EXPECT_EQ(IniReadValue("s", "k", "bare.ini", "", false), "v");
  EXPECT_EQ(MakeAbsolutePath("T:bare.ini"), "T:bare.ini");
  ASSERT_TRUE(platform::ChangeDirectory(before));
}

// Lines end at line feeds as in the key functions; a missing file is reported.
TEST_F(IniTest, SectionEntriesKeysAndValues) {
  WriteFile(ini, "[Other]\r\nz=0\r\n[FileSystemPlugins]\r\na=x\r\n  b = y  \r\n[Next]\r\nc=1\r\n");
  EXPECT_EQ(Section("FileSystemPlugins"), "a=x;b = y;");
  EXPECT_EQ(keys, "a;b;");
  EXPECT_EQ(values, "x;y;");
  WriteFile(ini, "[s]\na=1\r\nb=2\rc=3\n[t]\n");
  EXPECT_EQ(Section("s"), "a=1;b=2\rc=3;");
  EXPECT_EQ(keys, "a;b;");

  test::ScriptedHost host;
  ini = dir / "missing.ini";
  EXPECT_EQ(Section("s"), "");
  EXPECT_EQ(IniReadSectionEntries("s", "", keys, values, ";"), "");
  EXPECT_EQ(keys, "");
  EXPECT_EQ(values, "");
  EXPECT_EQ(host.Said(), test::Sayings(2, {"File not found!", "Ini not found!"}));
  EXPECT_EQ(host.Messages()[1].icon, platform::MsgIcon::Information);
}

}  // namespace
