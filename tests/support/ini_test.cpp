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
  test::TempDir dir;
  std::string ini = dir / "wincmd.ini";
};

TEST_F(IniTest, DefaultsAndMissingFilesAreStoredOnlyWhenAsked) {
  EXPECT_EQ(IniReadValue("Buttonbar", "Buttonbar", ini, "T:\\TC\\Default.bar", false), "T:\\TC\\Default.bar");
  EXPECT_FALSE(test::Exists(ini));
  IniWriteValue("Buttonbar", "Buttonbar", "x", ini, false);
  EXPECT_FALSE(test::Exists(ini));

  EXPECT_EQ(IniReadValue("Buttonbar", "Buttonbar", ini, "T:\\TC\\Default.bar", true), "T:\\TC\\Default.bar");
  ASSERT_TRUE(test::Exists(ini));
  EXPECT_EQ(ReadFile(ini), "");

  // A default is stored for a missing or empty key only when asked.
  WriteFile(ini, "[Buttonbar]\r\nEmpty=\r\n");
  EXPECT_EQ(IniReadValue("Buttonbar", "Buttonbar", ini, "D.bar", false), "D.bar");
  EXPECT_EQ(IniReadValue("Buttonbar", "Empty", ini, "D.bar", false), "D.bar");
  EXPECT_EQ(ReadFile(ini), "[Buttonbar]\r\nEmpty=\r\n");

  EXPECT_EQ(IniReadValue("Buttonbar", "Buttonbar", ini, "D.bar", true), "D.bar");
  EXPECT_EQ(IniReadValue("Buttonbar", "Empty", ini, "E.bar", true), "E.bar");
  EXPECT_EQ(IniReadValue("Buttonbar", "Buttonbar", ini, "", false), "D.bar");
  EXPECT_EQ(IniReadValue("Buttonbar", "Empty", ini, "", false), "E.bar");
}

TEST_F(IniTest, AKeyThatCannotBeWrittenLeavesNoEmptyFile) {
  platform::PullMediumAtChange(2);  // the file created, its content lost
  EXPECT_FALSE(IniWriteValue("FileSystemPlugins", "ftp", "%COMMANDER_PATH%\\ftp.wfx", ini, true));
  platform::PullMediumAtChange(0);
  EXPECT_FALSE(test::Exists(ini));
  EXPECT_TRUE(IniWriteValue("FileSystemPlugins", "ftp", "%COMMANDER_PATH%\\ftp.wfx", ini, true));
  EXPECT_EQ(ReadFile(ini), "[FileSystemPlugins]\r\nftp=%COMMANDER_PATH%\\ftp.wfx\r\n");
}

TEST_F(IniTest, EmptyDefaultForAMissingKeyLeavesTheFileAlone) {
  const std::string content = "[a]\r\nk = v\r\n\r\n; comment\r\n";
  WriteFile(ini, content);
  EXPECT_EQ(IniReadValue("a", "missing", ini, "", true), "");
  EXPECT_EQ(IniReadValue("missing", "k", ini, "", true), "");
  EXPECT_EQ(ReadFile(ini), content);
  EXPECT_EQ(IniReadValue("a", "k", ini, "", true), "v");
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

TEST_F(IniTest, HiddenFileCountsAsMissingAndKeepsItsContent) {
  const std::string content = "[Buttonbar]\r\nButtonbar=C:\\TC\\Default.bar\r\n";
  const std::string hidden = dir / "hidden.ini";
  WriteFile(hidden, content);
  test::SetAttributes(hidden, test::kHidden);
  EXPECT_EQ(IniReadValue("Buttonbar", "Buttonbar", hidden, "default", true), "default");
  EXPECT_EQ(ReadFile(hidden), content);
}

TEST_F(IniTest, BinaryFilesAndUnterminatedLinesAreReadWithoutHarm) {
  std::string binary;
  for (int i = 0; i < 70000; ++i) binary += static_cast<char>((i * 7919) % 256);
  WriteFile(ini, binary);
  EXPECT_NO_FATAL_FAILURE(IniReadValue("a", "b", ini, "d", false));
  std::string keys, values;
  test::ScriptedHost host;
  EXPECT_NO_FATAL_FAILURE(IniReadSectionEntries("a", ini, keys, values, ";"));

  WriteFile(ini, "[a]\r\nb=last line without end");
  EXPECT_EQ(IniReadValue("a", "b", ini, "d", false), "last line without end");
}

TEST_F(IniTest, TenMegabyteLinesAreReadWhole) {
  const std::string value(10 * 1024 * 1024, 'v');
  WriteFile(ini, "[a]\r\nbig=" + value + "\r\nsmall=1\r\n[b]\r\n");
  EXPECT_EQ(IniReadValue("a", "big", ini, "", false), value);
  std::string keys, values;
  EXPECT_EQ(IniReadSectionEntries("a", ini, keys, values, ";"), "big=" + value + ";small=1;");
  EXPECT_EQ(values, value + ";1;");
}

TEST_F(IniTest, RealConfigurationFilesAreRead) {
  const std::string samrain = test::CorpusFile("samrain-wincmd.ini");
  const std::string jwu = test::CorpusFile("jwu-wincmd.ini");
  if (samrain.empty() || jwu.empty()) GTEST_SKIP() << "no corpus beside this checkout";
  EXPECT_EQ(IniReadValue("PackerPlugins", "7z", samrain, "", false), "223,C:\\totalcmd\\plugins\\wcx\\7zip\\7zip.wcx");
  EXPECT_EQ(IniReadValue("Configuration", "InstallDir", jwu, "", false), "C:\\Program Files\\totalcmd");
  std::string keys, values;
  EXPECT_EQ(IniReadSectionEntries("PackerPlugins64", samrain, keys, values, "|"),
            "$checksum$=1536888906|exts=7z*|");
  EXPECT_EQ(keys, "$checksum$|exts|");
  EXPECT_EQ(values, "1536888906|7z*|");
}

class SectionTest : public IniTest {
 protected:
  std::string keys = "stale", values = "stale";
  std::string Read(const std::string& section, const std::string& separator = ";") {
    return IniReadSectionEntries(section, ini, keys, values, separator);
  }
};

TEST_F(SectionTest, CollectsTrimmedLinesKeysAndValues) {
  WriteFile(ini, "[Other]\r\nz=0\r\n[FileSystemPlugins]\r\na=x\r\n  b = y  \r\n[Next]\r\nc=1\r\n");
  EXPECT_EQ(Read("FileSystemPlugins"), "a=x;b = y;");
  EXPECT_EQ(keys, "a;b;");
  EXPECT_EQ(values, "x;y;");
}

TEST_F(SectionTest, LinesEndAtLineFeedsAsInTheKeyFunctions) {
  WriteFile(ini, "[s]\na=1\r\nb=2\rc=3\n[t]\n");
  EXPECT_EQ(Read("s"), "a=1;b=2\rc=3;");
  EXPECT_EQ(keys, "a;b;");
}

TEST_F(SectionTest, MissingFileIsReported) {
  test::ScriptedHost host;
  EXPECT_EQ(Read("s"), "");
  EXPECT_EQ(IniReadSectionEntries("s", "", keys, values, ";"), "");
  EXPECT_EQ(keys, "");
  EXPECT_EQ(values, "");
  EXPECT_EQ(host.Said(), std::vector<std::string>(2, "File not found!|Ini not found!"));
  EXPECT_EQ(host.Messages()[1].icon, platform::MsgIcon::Information);
  EXPECT_EQ(host.Messages()[1].buttons, platform::MsgButtons::Ok);
}

}  // namespace
