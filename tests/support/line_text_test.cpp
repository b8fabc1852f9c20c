#include "support/line_text.h"

#include <gtest/gtest.h>

namespace {

using platform::TextEncoding;

std::string RoundTrip(const std::string& bytes, TextEncoding encoding) {
  std::string back;
  EXPECT_TRUE(EncodeLine(DecodeLine(bytes, encoding), back));
  return back;
}

TEST(LineText, EveryFormComesBackByteForByte) {
  const std::string lines[] = {"", "cmd1=C:\\TC\\x.exe", std::string("x\0y", 3), "3=\xEF\xBB\xBF" "C:\\Users\\10 минут_files\\",
                               "v=\xEF\xBB\xBF\xC3\x28", "\x81\x8D\x90", "\xE4\xF6\xFC"};
  for (const std::string& line : lines) {
    EXPECT_EQ(RoundTrip(line, TextEncoding::Ansi), line);
    EXPECT_EQ(RoundTrip(line, TextEncoding::Utf8), line);
  }
  // UTF-16: a lone surrogate and an odd last byte come back as they were.
  const std::string wide = Utf8ToUtf16("a=Тотал🧰") + std::string("\x00\xD8", 2) + "b";
  EXPECT_EQ(RoundTrip(wide, TextEncoding::Utf16), wide);
  EXPECT_EQ(LineText(Utf8ToUtf16("a=Тотал🧰"), TextEncoding::Utf16), "a=Тотал🧰");
}

TEST(LineText, AValueBehindTheMarkIsUtf8InAnAnsiLine) {
  const std::string line = "3=\xEF\xBB\xBF" "C:\\Users\\Тотал\\";
  EXPECT_EQ(LineText(line, TextEncoding::Ansi), "3=C:\\Users\\Тотал\\");
  const auto pieces = DecodeLine(line, TextEncoding::Ansi);
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[1].form, LinePiece::Form::Mark);
  EXPECT_EQ(pieces[2].text, "C:\\Users\\Тотал\\");
}

}  // namespace
