#include "platform/text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

TEST(UpperCase, FollowsWindowsForEveryScriptAndKeepsWhatIsNoUtf8) {
  EXPECT_EQ(platform::UpperCase("c:\\total cmd\\wincmd.ini"), "C:\\TOTAL CMD\\WINCMD.INI");
  EXPECT_EQ(platform::UpperCase("т:\\тотал müller ёж"), "Т:\\ТОТАЛ MÜLLER ЁЖ");
  EXPECT_EQ(platform::UpperCase("表🧰"), "表🧰");
  EXPECT_EQ(platform::UpperCase(std::string("a\xE4\0b", 4)), std::string("A\xE4\0B", 4));
  const std::string upper = platform::UpperCase("aäßтΣσ");
  EXPECT_EQ(platform::UpperCase(upper), upper);
}

// The characters themselves are decoded wherever the program compares text.
TEST(Utf8, TakesEveryByteThatBeginsNoCharacterAlone) {
  // Overlong forms, cut sequences and stray continuation bytes are no characters.
  for (const std::string bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xE8\xA1", "\xA1", "\xF5\x80\x80\x80"}) {
    EXPECT_EQ(platform::DecodeUtf8(bad, 0).length, 1u) << bad;
    EXPECT_FALSE(platform::IsUtf8(bad));
  }
  // A lone surrogate (from UTF-16 that holds one) is kept as a character.
  EXPECT_EQ(platform::DecodeUtf8("\xED\xA0\x80", 0).code, 0xD800u);
}

// Wine takes it from the locale that scripts/in-code-page gives.
TEST(AnsiCodePage, IsTheOneTheRunWasStartedFor) {
  const char* wanted = std::getenv("AMBLER_CODE_PAGE");
  if (!wanted) GTEST_SKIP() << "a run in the machine's own code page";
  EXPECT_EQ(platform::AnsiCodePage(), std::stoul(wanted));
}

}  // namespace
