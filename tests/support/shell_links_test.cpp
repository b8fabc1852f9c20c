#include "support/shell_links.h"

#include <gtest/gtest.h>

#include "common/test_files.h"
#include "platform/file_system.h"
#include "platform/shell.h"

namespace {

class ShellLinks : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const auto& name : made) platform::RemoveFile(desktop + name);
  }
  std::string desktop = GetDesktopFolder();
  Strings made = {"Ambler test.lnk", "Ambler test two.lnk"};
};

TEST_F(ShellLinks, DesktopLinksTrimPlainLinksTakeTheirArgumentsAsPassedAndALinkThatCannotBeSavedSaysSo) {
  ASSERT_TRUE(desktop.ends_with("\\") && !desktop.ends_with("\\\\"));
  EXPECT_EQ(GetSpecialFolder(-12345), "");
  CreateDesktopLink("  T:\\TC\\Ambler.exe ", " Ambler test ", "  /x  ", "description", "T:\\TC");
  platform::Shortcut link;
  ASSERT_TRUE(platform::LoadShortcut(desktop + "Ambler test.lnk", link));
  EXPECT_EQ(link.target, "T:\\TC\\Ambler.exe");
  EXPECT_EQ(link.arguments, "/x");
  EXPECT_EQ(link.iconFile, "T:\\TC\\Ambler.exe");
  EXPECT_EQ(link.iconIndex, 0);
  EXPECT_EQ(link.windowStyle, 1);
  // A second call replaces the shortcut; a name holding ".lnk" gets no second one.
  CreateDesktopLink("T:\\Other.exe", "Ambler test.lnk", "", "", "");
  ASSERT_TRUE(platform::LoadShortcut(desktop + "Ambler test.lnk", link));
  EXPECT_EQ(link.target, "T:\\Other.exe");

  // CreateLink always appends its extension; CreateShellLink fills in the caller's icon file.
  EXPECT_FALSE(CreateLink("T:\\TC\\Ambler.exe", "Ambler test two", " /? ", "", "", true, 3));
  ASSERT_TRUE(platform::LoadShortcut(desktop + "Ambler test two.lnk", link));
  EXPECT_EQ(link.arguments, " /? ");
  EXPECT_EQ(link.iconIndex, 3);
  short index = 2;
  std::string iconFile;
  CreateShellLink(desktop, "Ambler test", "T:\\x.exe", "", 7, "unused", index, iconFile);
  EXPECT_EQ(iconFile, "T:\\x.exe");
  ASSERT_TRUE(platform::LoadShortcut(desktop + "Ambler test.lnk", link));
  EXPECT_EQ(link.iconIndex, 2);
  EXPECT_FALSE(CreateShellLink("Z:\\no such folder\\", "x", "T:\\a.exe", "", 1, "", index, iconFile));
}

}  // namespace
