#include <gtest/gtest.h>

#include "common/portable_lines.h"
#include "common/test_files.h"
#include "platform/text_file.h"
#include "support/line_text.h"

namespace {

using platform::TextEncoding;

class WholeFileRewrite : public ::testing::Test {
 protected:
  // True when a line held a path; no scratch file may stay behind.
  bool Rewrite(const std::string& directory) {
    const bool found = MakePortable(file, directory, NormalizeDirectory(directory)).lineFound;
    EXPECT_FALSE(test::Exists(file + "_temp2.txt"));
    return found;
  }
  std::string Rewritten(const std::string& bytes, const std::string& directory) {
    test::WriteFile(file, bytes);
    Rewrite(directory);
    return test::ReadFile(file);
  }

  test::TempDir dir;
  const std::string file = dir / "Тотал 🧰.ini";
};

TEST_F(WholeFileRewrite, FollowsTheRuleLineByLineDropsTheLastBlankLineAndLeavesAFileWithoutPathsAlone) {
  EXPECT_EQ(Rewritten("[Configuration]\r\nInstallDir=t:\\tc\r\nTYPE:1\r\nx=T:\\TC2\\y\r\nz=T:\\Tools\\a.exe\r\n"
                      "lf\nkept\r\n\r\n", "T:\\TC"),
            "[Configuration]\r\nInstallDir=%COMMANDER_PATH%\r\nTYPE:1\r\nx=%COMMANDER_PATH%2\\y\r\n"
            "z=%COMMANDER_DRIVE%\\Tools\\a.exe\r\nlf\nkept\r\n");

  // Not written: no path at all, or, at the drive root, its two characters only inside a word.
  const std::tuple<const char*, const char*, bool> unchanged[] = {{"[x]\r\nk=C:\\Other\r\n\r\n", "T:\\TC", false},
                                                                  {"[Buttonbar]\ncmd1=CUT:1\r\n\r\n", "T:", true}};
  for (const auto& [content, directory, found] : unchanged) {
    test::WriteFile(file, content);
    const auto before = test::ModificationTime(file);
    EXPECT_EQ(Rewrite(directory), found);
    EXPECT_EQ(test::ReadFile(file), content);
    EXPECT_EQ(test::ModificationTime(file), before);
  }
}

Strings TextsOf(const std::string& file) {
  Strings texts;
  platform::TextFileReader reader(file);
  for (std::string line; reader.ReadLine(line);) texts.push_back(LineText(line, reader.Encoding()));
  return texts;
}

// With the variables expanded, every line reads as before, and none holds the directory.
void ExpectOnlyPathsRewritten(const Strings& before, const Strings& after, const std::string& directory) {
  std::size_t expected = before.size();
  if (!before.empty() && before.back().empty()) --expected;  // the dropped last blank line
  ASSERT_EQ(after.size(), expected);
  std::size_t rewritten = 0;
  for (std::size_t i = 0; i < after.size(); ++i) {
    EXPECT_EQ(ExpandedUpper(after[i], directory), ExpandedUpper(before[i], directory)) << "line " << i + 1;
    rewritten += after[i] != before[i];
    std::string find = directory;
    EXPECT_EQ(ReplaceAtWordStart(after[i], find, "#"), after[i]) << "line " << i + 1 << " still holds the directory";
  }
  EXPECT_GT(rewritten, 0u);
}

std::string InForm(const Strings& texts, TextEncoding encoding) {
  std::string text;
  for (const std::string& line : texts) text += line + "\r\n";
  return ::InForm(text, encoding);
}

constexpr TextEncoding kUnicodeForms[] = {TextEncoding::Utf8, TextEncoding::Utf16};

// Real files and their authors' folders: only paths change, and each Unicode form says what the ANSI one does.
TEST_F(WholeFileRewrite, RealConfigurationFilesInEveryFormKeepEverythingButTheirPaths) {
  const std::pair<const char*, std::string> corpus[] = {{"samrain-wincmd.ini", "c:\\totalcmd"},
                                                        {"jwu-wincmd.ini", "C:\\Program Files\\totalcmd"},
                                                        {"fanhongtao-wincmd.ini", "D:\\Program Files\\totalcmd"},
                                                        {"fanhongtao-default.bar", "D:\\Program Files\\totalcmd"}};
  for (const auto& [name, directory] : corpus) {
    const std::string source = test::CorpusFile(name);
    if (source.empty()) GTEST_SKIP() << "no corpus beside this checkout";
    SCOPED_TRACE(name);
    Rewritten(test::ReadFile(source), directory);
    ExpectOnlyPathsRewritten(test::FileLines(source), test::FileLines(file), directory);

    Strings texts;  // the lines this machine's code page reads
    for (const std::string& line : test::FileLines(source))
      if (std::string text; platform::AnsiToUtf8(line, text)) texts.push_back(text);
    Rewritten(InForm(texts, TextEncoding::Ansi), directory);
    const Strings ansi = TextsOf(file);
    for (const TextEncoding encoding : kUnicodeForms) {
      EXPECT_EQ(platform::EncodingOf(Rewritten(InForm(texts, encoding), directory)), encoding);
      EXPECT_EQ(TextsOf(file), ansi);
    }
  }
}

// A folder no code page holds: found in UTF-8 and UTF-16 files, and behind the mark in ANSI ones.
TEST_F(WholeFileRewrite, AFolderOfAnyScriptIsRewrittenInEveryForm) {
  const std::string directory = "T:\\Тотал 🧰";
  const Strings before = {"[Configuration]", "a=T:\\Тотал 🧰\\plugins\\x.wfx", "b=t:\\тотал 🧰\\y", "TYPE:1",
                        "c=T:\\Tools\\z.exe", "d=Ĳ ∂ 表"};
  const Strings after = {"[Configuration]", "a=%COMMANDER_PATH%\\plugins\\x.wfx", "b=%COMMANDER_PATH%\\y", "TYPE:1",
                       "c=%COMMANDER_DRIVE%\\Tools\\z.exe", "d=Ĳ ∂ 表"};
  for (const TextEncoding encoding : kUnicodeForms)
    EXPECT_EQ(Rewritten(InForm(before, encoding), directory), InForm(after, encoding));
  const std::string mark = "\xEF\xBB\xBF";
  EXPECT_EQ(Rewritten("[1]\r\n3=" + mark + "T:\\Тотал 🧰\\10 минут_files\\\r\nTYPE:1\r\n4=" + mark + "\xC3\x28T:\\x\r\n",
                      directory),
            "[1]\r\n3=" + mark + "%COMMANDER_PATH%\\10 минут_files\\\r\nTYPE:1\r\n4=" + mark +
                "\xC3\x28%COMMANDER_DRIVE%\\x\r\n");  // bytes that are no UTF-8 stay
}

std::string Binary(std::string text, std::size_t size, unsigned state, const std::string& path) {
  while (text.size() < size) {
    state = state * 1103515245 + 12345;
    text += static_cast<char>(state >> 16);
    if ((state & 0xFFFF) < 40) text += path;
  }
  return text;
}

// Binary (50 MB, or behind the UTF-16 mark with an odd length), no UTF-8 behind the mark, NULs, lone LFs, bytes
// of the code page: what they say is rewritten, every other byte kept.
TEST_F(WholeFileRewrite, BrokenAndHostileFilesLoseNoByte) {
  const std::string hostile[] = {
      ::InForm("a=T:\\TC\\x\r\nb=1\r\n", TextEncoding::Utf16) + "\x41",
      Binary("\xFF\xFE", 4 * 1024 * 1024, 54321, Utf8ToUtf16(" T:\\TC\\x ")) + "\x42",
      "\xEF\xBB\xBF" "a=\xC3\x28T:\\TC\\x\r\nb=\xFF T:\\TC\r\n",
      Binary("", 50 * 1024 * 1024, 12345, " T:\\TC\\x "),
      std::string("a=T:\\TC\0\0b\r\nnul\0=t:\\tc\\p\r\n", 27),
      "lf=T:\\TC\\a\nonly=T:\\TC\\b\n",
      "caf\xE9=T:\\TC\\\xE4\xF6\xFC.wfx\r\n\xE9T:\\TC\r\n"};
  for (const std::string& content : hostile) {
    test::WriteFile(file, content);
    const auto before = TextsOf(file);
    const std::string after = Rewritten(content, "T:\\TC");
    EXPECT_EQ(platform::EncodingOf(after), platform::EncodingOf(content));
    if (content.size() < 10 * 1024 * 1024) ExpectOnlyPathsRewritten(before, TextsOf(file), "T:\\TC");
    EXPECT_TRUE(!content.starts_with("\xEF\xBB\xBF") || after.starts_with("\xEF\xBB\xBF" "a=\xC3\x28%COMMANDER_PATH%\\x\r\n"));
  }
  EXPECT_EQ(test::FileLines(file), (Strings{"caf\xE9=%COMMANDER_PATH%\\\xE4\xF6\xFC.wfx", "\xE9T:\\TC"}));
}

}  // namespace
