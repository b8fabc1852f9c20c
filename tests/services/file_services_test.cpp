#include "services/file_services.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/medium.h"
#include "common/test_files.h"
#include "platform/file_system.h"
#include "platform/text.h"

namespace {
using test::InQuotes;

Strings SortedLines(const std::string& file) {
  Strings lines = test::FileLines(file);
  std::sort(lines.begin(), lines.end());
  return lines;
}

TEST(FileServices, DirectoryListingIsDepthFirstAndHonoursTheAttributeTest) {
  test::TempDir dir;
  for (const char* f : {"tree\\a.txt", "tree\\b.ini", "tree\\sub\\c.txt", "tree\\sub\\deeper\\d.txt",
                        "tree\\notes.txt\\e.txt", "tree\\hidden\\f.txt"})
    test::WriteFile(dir / f, "x");
  test::SetAttributes(dir / "tree\\hidden", test::kHidden);
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
  // Without AppendTarget the list that is there is replaced.
  ReadDirctoryStructureToFile(path, target, "*.ini");
  EXPECT_EQ(test::FileLines(target), Strings{t + "b.ini"});
}

TEST(FileServices, FileRunStartsProgramsDirectlyAndDocumentsWithTheirProgram) {
  test::TempDir dir;
  const std::string tool = dir / "My Tools\\Tool.EXE";
  test::CopyTo(test::StandInExe(), tool);
  test::StandInRecord record(dir / "received.txt");
  std::string datei = tool;
  EXPECT_TRUE(FileRun(datei, 1).has_value());
  EXPECT_EQ(datei, "Tool.EXE");
  EXPECT_EQ(record.Starts().at(0).commandLine, InQuotes(tool));

  // A document's program gets the quoted path, and its folder becomes current.
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
}

}  // namespace
