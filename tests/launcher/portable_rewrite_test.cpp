#include "launcher/portable_rewrite.h"

#include <gtest/gtest.h>

#include "platform/text.h"

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

// In an ANSI line a byte that this machine's code page cannot decode stays as
// it is, the rest is still rewritten, and the byte counts as part of a word.
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

}  // namespace
