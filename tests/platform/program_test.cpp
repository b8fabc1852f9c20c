#include "platform/program.h"

#include <gtest/gtest.h>

namespace {

TEST(ArgumentsOf, DropsTheProgramsNameAndOneBlankOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"Ambler.exe", ""}, {"Ambler.exe /?", "/?"}, {"Ambler.exe  -setup", " -setup"}, {"\"unclosed name", ""},
      {"\"T:\\My Apps\\Ambler.exe\" /setup ", "/setup "}, {"\"T:\\My Apps\\Ambler.exe\"/x", "/x"},
      {"Ambler.exe\t\"a b\"", "\"a b\""}, {"", ""}};
  for (const auto& [commandLine, arguments] : cases) EXPECT_EQ(platform::ArgumentsOf(commandLine), arguments);
}

}  // namespace
