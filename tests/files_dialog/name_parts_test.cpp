#include <gtest/gtest.h>

#include "files_dialog/files.h"

namespace {

TEST(FilesPatterns, FilterPatternAndNamePart) {
  EXPECT_EQ(Files::GetFilterPattern("Default.bar"), "*.bar");
  EXPECT_EQ(Files::GetFilterPattern("*.*"), "*.*");
  EXPECT_EQ(Files::GetFilterPattern("archive.tar.gz"), "*.gz");
  EXPECT_EQ(Files::GetFilterPattern("C:\\docs\\readme"), "*.readme");
  EXPECT_EQ(Files::GetFilterPattern("readme"), "");
  EXPECT_EQ(Files::GetNamePart("C:\\docs\\"), "");
  EXPECT_EQ(Files::GetNamePart("C:\\docs\\name"), "name");
  EXPECT_EQ(Files::GetNamePart("a/b"), "b");
  EXPECT_EQ(Files::GetNamePart("name"), "");
}

}  // namespace
