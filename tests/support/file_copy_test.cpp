#include "support/file_copy.h"

#include <gtest/gtest.h>

#include "common/test_files.h"

namespace {

TEST(CopyFileOver, CopiesOnlyWhenAllowedAndNeverOntoItself) {
  test::TempDir dir;
  const auto source = dir / "wincmd.ini", target = dir / "copy.ini";
  test::WriteFile(source, "source");

  EXPECT_FALSE(CopyFileOver("", target, true) || CopyFileOver(source, "", true) ||
               CopyFileOver(dir / "missing.ini", target, true) || test::Exists(target));
  // The same file in other letters: nothing happens, even with overwrite.
  EXPECT_FALSE(CopyFileOver(source, dir / "WINCMD.INI", true));
  EXPECT_EQ(test::ReadFile(source), "source");

  EXPECT_TRUE(CopyFileOver(source, target, false));
  EXPECT_EQ(test::ReadFile(target), "source");
  test::WriteFile(target, "old target");
  EXPECT_FALSE(CopyFileOver(source, target, false));
  EXPECT_EQ(test::ReadFile(target), "old target");
  EXPECT_TRUE(CopyFileOver(source, target, true));
  EXPECT_EQ(test::ReadFile(target), "source");

  EXPECT_FALSE(CopyFileOver(source, dir / "no such dir\\copy.ini", true));
  test::WriteFile(dir / "hidden.ini", "hidden");
  test::SetAttributes(dir / "hidden.ini", test::kHidden);
  EXPECT_FALSE(CopyFileOver(dir / "hidden.ini", dir / "x.ini", true));
  EXPECT_FALSE(test::Exists(dir / "x.ini"));
}

}  // namespace
