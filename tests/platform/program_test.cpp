#include "platform/program.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/text.h"

namespace {

TEST(ArgumentsOf, DropsTheProgramsNameAndOneBlankOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"Ambler.exe", ""}, {"Ambler.exe /?", "/?"}, {"Ambler.exe  -setup", " -setup"}, {"\"unclosed name", ""},
      {"\"T:\\My Apps\\Ambler.exe\" /setup ", "/setup "}, {"\"T:\\My Apps\\Ambler.exe\"/x", "/x"},
      {"Ambler.exe\t\"a b\"", "\"a b\""}, {"", ""}};
  for (const auto& [commandLine, arguments] : cases) EXPECT_EQ(platform::ArgumentsOf(commandLine), arguments);
  EXPECT_EQ(platform::ArgumentsOf(platform::CommandLine()), platform::RawCommandLine());
}

TEST(SystemProgram, IsNamedWithTheSystemFoldersPathNeverLeftToTheSearch) {
  const std::string notepad = platform::SystemProgram("notepad.exe");
  EXPECT_TRUE(platform::UpperCase(notepad).ends_with(":\\WINDOWS\\SYSTEM32\\NOTEPAD.EXE")) << notepad;
  EXPECT_TRUE(platform::FileExists(notepad));
}

}  // namespace
