#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "common/test_files.h"
#include "platform/file_system.h"
#include "platform/medium_changes.h"

namespace {

using Strings = std::vector<std::string>;

// Pulled at every operation, then recovered as the next start does: the old or the complete new content, and
// nothing else left. Both outcomes must occur.
void ExpectEveryPullRecovers(const std::string& oldContent, const std::function<bool(const std::string&)>& replace,
                             const std::string& newContent) {
  std::set<std::string> outcomes;
  std::size_t operations = 0;
  for (std::size_t k = 0; k <= operations; ++k) {  // the unpulled run counts the operations
    test::TempDir dir;
    if (!oldContent.empty()) test::WriteFile(dir / "x.ini", oldContent);
    platform::PullMediumAtChange(k);
    const bool replaced = replace(dir / "x.ini");
    if (k == 0) operations = platform::MediumChangesCounted();
    platform::PullMediumAtChange(0);
    EXPECT_EQ(replaced, k == 0) << "pulled at " << k;
    if (k == 0) continue;
    platform::FinishInterruptedReplacements(dir.Path(), "x", {"_temp2.txt"});
    const std::string now = test::Exists(dir / "x.ini") ? test::ReadFile(dir / "x.ini") : "";
    EXPECT_TRUE(now == oldContent || now == newContent) << "pulled at " << k << ": " << now.size() << " bytes";
    outcomes.insert(now == newContent ? "new" : "old");
    EXPECT_EQ(test::Names(dir.Path()), now.empty() ? Strings{} : Strings{"x.ini"}) << "pulled at " << k;
  }
  EXPECT_GE(operations, 5u);
  EXPECT_EQ(outcomes, (std::set<std::string>{"old", "new"}));
}

TEST(Replacement, APulledStickLeavesTheOldOrTheCompleteNewFile) {
  const std::string large(3 << 20, 'n');  // several blocks
  ExpectEveryPullRecovers("old", [&](const std::string& x) { return platform::ReplaceFileContent(x, large); }, large);
  ExpectEveryPullRecovers("", [&](const std::string& x) { return platform::ReplaceFileContent(x, large); }, large);
  // In pieces: one larger than a block, then small ones.
  ExpectEveryPullRecovers("old", [&](const std::string& x) {
    return platform::ReplaceFileContentInPieces(x, [&](const platform::PieceWriter& write) {
      for (std::size_t at = 0, size = 3 << 19; at < large.size(); at += size, size = 100000)
        if (!write(std::string_view(large).substr(at, size))) return false;
      return true;
    });
  }, large);
  test::TempDir source;
  test::WriteFile(source / "big.ini", large);
  ExpectEveryPullRecovers("old", [&](const std::string& x) { return platform::CopyFileSafely(source / "big.ini", x, true); },
                          large);
  // A scratch file of the caller's own name.
  ExpectEveryPullRecovers("old", [&](const std::string& x) {
    return platform::ReplaceThroughFileBeside(
        x, [&](const std::string& scratch) { return platform::ReplaceFileContent(scratch, "new"); }, x + "_temp2.txt");
  }, "new");
}

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
  std::string left;
  for (const std::string& name : test::Names(dir.Path())) {
    left.append(name).append(std::filesystem::is_directory(test::Fs(dir / name)) ? "/" : "=");
    left.append(test::ReadFile(dir / name)).append("\n");
  }
  EXPECT_EQ(left,
            "TC_portable_a.ini=complete\nTC_portable_c.ini=c\nTC_portable_dir/\nTC_portable_dir_temp2.txt=the user's\n"
            "TC_portable_e.ambler-done/\nTC_portable_notes_temp2.txt=the user's\nbackup/\nbackup_temp2.txt=the user's\n"
            "movie.ambler-part=the user's\nnotes.txt=the user's\nnotes.txt.ambler-done=the user's\n"
            "tc_PORTABLE_b.ini=complete\n");
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
