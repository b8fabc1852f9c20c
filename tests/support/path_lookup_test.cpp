#include "support/path_lookup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/test_files.h"

namespace {

TEST(ExtractDirectory, LooksAtTheFileSystemForDirectoriesAndPatterns) {
  EXPECT_EQ(ExtractDirectory("C:\\TC\\wincmd.ini"), "C:\\TC\\");
  test::TempDir dir;
  test::WriteFile(dir / "Default.bar", "x");
  test::WriteFile(dir / "Other.bar", "x");
  // A pattern that matches files has no directory attribute.
  EXPECT_EQ(ExtractDirectory(dir / "*.bar"), dir.Path() + "\\");

  // A directory with a file, named with its separator, stays whole though the "/" would cut it.
  const std::string mixed = dir.Path() + "/sub\\";
  std::filesystem::create_directory(dir / "sub");
  EXPECT_EQ(ExtractDirectory(mixed), dir.Path() + "/");
  test::WriteFile(dir / "sub\\file.txt", "x");
  EXPECT_EQ(ExtractDirectory(mixed), mixed);
}

}  // namespace
