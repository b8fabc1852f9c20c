#include <gtest/gtest.h>

#include "files_dialog/files.h"

namespace {

TEST(FilesPatterns, FilterPatternAndNamePart) {
  const char* cases[][3] = {{"Default.bar", "*.bar", ""},           {"*.*", "*.*", ""},
                            {"archive.tar.gz", "*.gz", ""},         {"C:\\docs\\readme", "*.readme", "readme"},
                            {"readme", "", ""},                     {"C:\\docs\\", "*.", ""},
                            {"a/b", "", "b"}};
  for (const auto& [path, pattern, name] : cases) {
    EXPECT_EQ(Files::GetFilterPattern(path), pattern) << path;
    EXPECT_EQ(Files::GetNamePart(path), name) << path;
  }
}

}  // namespace
