#include <gtest/gtest.h>

#include <map>

#include "common/test_files.h"
#include "platform/file_system.h"

namespace {

TEST(Replacement, RecoveryTouchesOnlyWhatReplacementsOfItsOwnFilesLeave) {
  test::TempDir dir;
  const std::pair<const char*, const char*> files[] = {
      {"TC_portable_a.ini", "old"}, {"TC_portable_a.ini.ambler-done", "complete"},
      {"tc_PORTABLE_b.ini.ambler-done", "complete"},  // its target was removed
      {"TC_portable_c.ini", "c"}, {"TC_portable_c.ini.ambler-part", "cut"}, {"TC_portable_c.ini_temp2.txt", "cut"},
      // The user's look-alikes, and scratch names beside folders.
      {"TC_portable_notes_temp2.txt", "the user's"}, {"notes.txt.ambler-done", "the user's"},
      {"movie.ambler-part", "the user's"}, {"backup_temp2.txt", "the user's"}, {"TC_portable_dir_temp2.txt", "the user's"},
      {"notes.txt", "the user's"}};
  for (const auto& [name, content] : files) test::WriteFile(dir / name, content);
  for (const char* folder : {"backup", "TC_portable_dir", "TC_portable_e.ambler-done"})
    std::filesystem::create_directory(test::Fs(dir / folder));
  platform::FinishInterruptedReplacements(dir.Path(), "TC_portable_", {"_temp2.txt"});
  std::map<std::string, std::string> left;
  for (const std::string& name : test::Names(dir.Path()))
    left[name] = std::filesystem::is_directory(test::Fs(dir / name)) ? "(folder)" : test::ReadFile(dir / name);
  const std::map<std::string, std::string> expected = {
      {"TC_portable_a.ini", "complete"},         {"TC_portable_c.ini", "c"},
      {"TC_portable_dir", "(folder)"},           {"TC_portable_dir_temp2.txt", "the user's"},
      {"TC_portable_e.ambler-done", "(folder)"}, {"TC_portable_notes_temp2.txt", "the user's"},
      {"backup", "(folder)"},                    {"backup_temp2.txt", "the user's"},
      {"movie.ambler-part", "the user's"},       {"notes.txt", "the user's"},
      {"notes.txt.ambler-done", "the user's"},   {"tc_PORTABLE_b.ini", "complete"}};
  EXPECT_EQ(left, expected);
}

TEST(Replacement, ACopyIsAnOrdinaryFileWhateverTheAttributesOfItsSource) {
  test::TempDir dir;
  test::WriteFile(dir / "wincmd.ini", "frozen");
  test::SetAttributes(dir / "wincmd.ini", test::kReadOnly | test::kHidden);
  ASSERT_TRUE(platform::CopyFileSafely(dir / "wincmd.ini", dir / "copy.ini", false));
  EXPECT_EQ(test::Attributes(dir / "copy.ini"), 0u);
  EXPECT_TRUE(platform::ReplaceFileContent(dir / "copy.ini", "changed"));
  EXPECT_EQ(test::ReadFile(dir / "copy.ini"), "changed");
  // A hidden file is there for FileExistsHiddenToo only, and a copy replaces it only when asked.
  EXPECT_FALSE(platform::FileExists(dir / "wincmd.ini"));
  EXPECT_TRUE(platform::FileExistsHiddenToo(dir / "wincmd.ini"));
  EXPECT_FALSE(platform::FileExistsHiddenToo(dir.Path()));
  EXPECT_FALSE(platform::CopyFileSafely(dir / "copy.ini", dir / "wincmd.ini", false));
  test::SetAttributes(dir / "wincmd.ini", 0);
  EXPECT_EQ(test::ReadFile(dir / "wincmd.ini"), "frozen");
  for (const unsigned long marks : {test::kHidden, test::kSystem, test::Attribute(test::kHidden | test::kSystem)}) {
    test::SetAttributes(dir / "copy.ini", marks);
    EXPECT_TRUE(platform::ReplaceFileContent(dir / "copy.ini", "kept " + std::to_string(marks)));
    EXPECT_EQ(test::Attributes(dir / "copy.ini"), marks);
  }
}

}  // namespace
