#include "platform/path.h"

#include <gtest/gtest.h>

namespace {

TEST(Paths, SeparatorsAreAddedAndTakenOffOnceAndRootsKeepTheirs) {
  EXPECT_EQ(platform::WithSeparator("T:\\TC"), "T:\\TC\\");
  EXPECT_EQ(platform::WithSeparator("T:\\TC/"), "T:\\TC/");
  EXPECT_EQ(platform::WithSeparator("/mnt/tc"), "/mnt/tc/");
  EXPECT_EQ(platform::WithSeparator("T:"), "T:\\");
  EXPECT_EQ(platform::WithoutSeparator("T:\\TC\\\\"), "T:\\TC");
  EXPECT_EQ(platform::WithoutSeparator("T:\\"), "T:");
  EXPECT_EQ(platform::WithoutSeparator("T:\\", true), "T:\\");
  EXPECT_EQ(platform::WithoutSeparator("\\\\srv\\share\\", true), "\\\\srv\\share");
  EXPECT_EQ(platform::JoinPath("T:\\TC", "a.ini"), "T:\\TC\\a.ini");
  EXPECT_EQ(platform::JoinPath("T:\\", "a.ini"), "T:\\a.ini");
  EXPECT_EQ(platform::JoinPath("", "a.ini"), "a.ini");
  EXPECT_EQ(platform::DriveOf("e:\\TC"), "e:");
  EXPECT_EQ(platform::DriveOf("\\\\server\\share"), "");
  EXPECT_EQ(platform::DriveOf("1:\\x"), "");
}

}  // namespace
