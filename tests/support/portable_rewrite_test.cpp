#include "support/portable_rewrite.h"

#include <gtest/gtest.h>

#include "common/test_files.h"

#include <random>

#include "platform/path.h"
#include "platform/text.h"
#include "support/line_text.h"

namespace {

TEST(PortableValue, DirectoryFirstThenDriveAndNeverInsideAWord) {
  EXPECT_EQ(PortableValue("T:\\TC\\Default.bar", "T:\\TC"), "%COMMANDER_PATH%\\Default.bar");
  EXPECT_EQ(PortableValue("t:\\tools\\x.exe TYPE:1", "T:\\TC"), "%COMMANDER_DRIVE%\\tools\\x.exe TYPE:1");
  EXPECT_EQ(PortableValue("\\\\server\\share\\TC\\a \\\\other", "\\\\server\\share\\TC"), "%COMMANDER_PATH%\\a \\\\other");
}

TEST(RewriteLine, BothSearchTextsWhereAPathBeginsAndEmptyOnesSkipped) {
  EXPECT_EQ(RewriteLine("a=e:\\x;E:\\y;TYPE:1", "e:", "F:", "%D%"), "a=%D%\\x;%D%\\y;TYPE:1");
  EXPECT_EQ(RewriteLine("a=f:\\x e:\\y", "", "F:", "%D%"), "a=%D%\\x e:\\y");
  EXPECT_EQ(RewriteLine("a=e:\\x", "", "", "%D%"), "a=e:\\x");
  EXPECT_EQ(RewriteLine("1f:\\x", "e:", "f:", "%D%"), "1f:\\x");
}

// An ANSI byte that this machine's code page cannot decode stays, and counts as part of a word.
TEST(RewriteFileLine, BytesOfNoCharacterStayAndTheRestIsRewritten) {
  std::string text;
  char odd = 0;
  for (int b = 0xFF; b >= 0x80 && !odd; --b) {
    const char c = static_cast<char>(b);
    if (!platform::AnsiToUtf8(std::string(1, c), text) && !platform::AnsiToUtf8(std::string(1, c) + "=", text)) odd = c;
  }
  if (!odd) GTEST_SKIP() << "every byte decodes in a single-byte code page";
  const auto rewrite = [](const std::string& line) {
    return RewriteFileLine(line, platform::TextEncoding::Ansi, "T:\\TC", "", "%P%");
  };
  EXPECT_EQ(rewrite(std::string("k") + odd + "=T:\\TC\\x"), std::string("k") + odd + "=%P%\\x");
  EXPECT_EQ(rewrite(std::string("k=") + odd + "T:\\TC\\x"), std::string("k=") + odd + "T:\\TC\\x");
}

// In a line that almost names it again and again: found whole, in every form, in one walk.
TEST(RewriteFileLine, AFolderNameOf32000CharactersIsFound) {
  std::string directory = "T:\\";
  for (int i = 0; i < 32000; ++i) directory += "д";
  std::string nearly;
  for (int i = 0; i < 20; ++i) nearly += directory.substr(0, directory.size() - 2) + ";";
  const std::string line = nearly + "a=" + directory + "\\x;" + directory + "\\y";
  const std::string expected = nearly + "a=%P%\\x;%P%\\y";
  EXPECT_EQ(RewriteFileLine(line, platform::TextEncoding::Utf8, directory, "", "%P%"), expected);
  EXPECT_EQ(RewriteFileLine(Utf8ToUtf16(line), platform::TextEncoding::Utf16, directory, "", "%P%"),
            Utf8ToUtf16(expected));
}

// The fast way of a file's rewrite (a line of ASCII as it lies) says what the rewrite by the line's pieces says,
// on random lines in every form, with and without a drive.
TEST(PortableLineRewriter, SaysWhatTheRewriteByPiecesSaysOnRandomLines) {
  std::mt19937 random(20261209);
  Strings pieces = {"a",  "T", "t",  ":",  "\\", "/",  " ",      "\"",           "=",
                                     "é", "т", "Т", "表", "🧰",  "\xE4", "\xC3\x28", "\xEF\xBB\xBF", std::string(1, '\0')};
  const auto randomText = [&](std::size_t maxLength) {
    std::string text;
    for (std::size_t n = random() % (maxLength + 1); n > 0; --n) text += pieces[random() % pieces.size()];
    return text;
  };
  for (int round = 0; round < 20000; ++round) {
    const std::string directory = (round % 2 == 0 ? "T:" : "") + randomText(3);
    const std::string drive = platform::DriveOf(directory);
    pieces.push_back(directory);
    const std::string line = randomText(24);
    pieces.pop_back();
    const std::string find1 = platform::UpperCase(directory);
    const std::string find2 = platform::UpperCase(drive);
    PortableLineRewriter rewriter(directory, drive, "%P%");
    const std::pair<std::string, platform::TextEncoding> forms[] = {{line, platform::TextEncoding::Ansi},
                                                                    {line, platform::TextEncoding::Utf8},
                                                                    {line, platform::TextEncoding::Utf16},
                                                                    {Utf8ToUtf16(line), platform::TextEncoding::Utf16}};
    for (const auto& [bytes, encoding] : forms) {
      std::string rewritten;
      const PortableLineRewriter::Result result = rewriter.Rewrite(bytes, encoding, rewritten);
      ASSERT_EQ(result.holds, LineHolds(bytes, encoding, find1, find2)) << directory << " in " << line;
      ASSERT_EQ(result.changed ? rewritten : bytes, RewriteFileLine(bytes, encoding, find1, find2, "%P%"))
          << directory << " in " << line;
    }
  }
}

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
