#include "launcher/portable_rewrite.h"

#include <gtest/gtest.h>

namespace {

TEST(PortableValue, DirectoryFirstThenDriveAndNeverInsideAWord) {
  EXPECT_EQ(PortableValue("T:\\TC\\Default.bar", "T:\\TC"), "%COMMANDER_PATH%\\Default.bar");
  EXPECT_EQ(PortableValue("t:\\tools\\x.exe TYPE:1", "T:\\TC"), "%COMMANDER_DRIVE%\\tools\\x.exe TYPE:1");
  EXPECT_EQ(PortableValue("\\\\server\\share\\TC\\a \\\\other", "\\\\server\\share\\TC"), "%COMMANDER_PATH%\\a \\\\other");
  EXPECT_EQ(DriveOf("\\\\server\\share"), "");
  EXPECT_EQ(DriveOf("e:\\TC"), "e:");
  EXPECT_EQ(DriveOf("1:\\x"), "");
}

TEST(RewriteLine, BothSearchTextsWhereAPathBeginsAndEmptyOnesSkipped) {
  EXPECT_EQ(RewriteLine("a=e:\\x;E:\\y;TYPE:1", "e:", "F:", "%D%"), "a=%D%\\x;%D%\\y;TYPE:1");
  EXPECT_EQ(RewriteLine("a=f:\\x e:\\y", "", "F:", "%D%"), "a=%D%\\x e:\\y");
  EXPECT_EQ(RewriteLine("a=e:\\x", "", "", "%D%"), "a=e:\\x");
  EXPECT_EQ(RewriteLine("1f:\\x", "e:", "f:", "%D%"), "1f:\\x");
}

}  // namespace
