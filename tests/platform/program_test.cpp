#include "platform/program.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/text.h"

namespace {

TEST(ArgumentsOf, DropsTheProgramsNameAndOneBlankOnly) {
  EXPECT_EQ(platform::ArgumentsOf("Ambler.exe"), "");
  EXPECT_EQ(platform::ArgumentsOf("Ambler.exe /?"), "/?");
  EXPECT_EQ(platform::ArgumentsOf("Ambler.exe  -setup"), " -setup");
  EXPECT_EQ(platform::ArgumentsOf("\"T:\\My Apps\\Ambler.exe\" /setup "), "/setup ");
  EXPECT_EQ(platform::ArgumentsOf("\"T:\\My Apps\\Ambler.exe\"/x"), "/x");
  EXPECT_EQ(platform::ArgumentsOf("\"unclosed name"), "");
  EXPECT_EQ(platform::ArgumentsOf("Ambler.exe\t\"a b\""), "\"a b\"");
  EXPECT_EQ(platform::ArgumentsOf(""), "");
}

TEST(Program, KnowsItsOwnFolderAndName) {
  EXPECT_EQ(platform::ExecutableBaseName(), "platform_tests");
  const std::string folder = platform::ExecutableDirectory();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  EXPECT_EQ(platform::ArgumentsOf(platform::CommandLine()), platform::RawCommandLine());
}

TEST(SystemProgram, IsNamedWithTheSystemFoldersPathNeverLeftToTheSearch) {
  const std::string notepad = platform::SystemProgram("notepad.exe");
  EXPECT_TRUE(platform::UpperCase(notepad).ends_with(":\\WINDOWS\\SYSTEM32\\NOTEPAD.EXE")) << notepad;
  EXPECT_TRUE(platform::FileExists(notepad));
}

}  // namespace
