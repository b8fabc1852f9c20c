// The rewrite of whole files: every line in the file's own form, through a
// scratch file, with nothing but the paths changed.
#include <gtest/gtest.h>

#include "common/portable_lines.h"
#include "common/test_files.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "support/line_text.h"
#include "support/path_text.h"
#include "support/portable_rewrite.h"
#include "support/total_commander_folder.h"

namespace {

class WholeFileRewrite : public ::testing::Test {
 protected:
  test::TempDir dir;
};

// Both passes for Total Commander in that directory; no scratch file may stay
// behind. True when a line held a path.
bool MakePortable(const std::string& file, const std::string& directory) {
  const bool found = MakePortable(file, FolderOf(directory)).lineFound;
  EXPECT_FALSE(test::Exists(file + "_temp2.txt"));
  return found;
}

TEST_F(WholeFileRewrite, FollowsTheRuleLineByLineDropsTheLastBlankLineAndLeavesAFileWithoutPathsAlone) {
  const std::string P = dir / "P.ini";
  test::WriteFile(P, "[Configuration]\r\nInstallDir=t:\\tc\r\nTYPE:1\r\nx=T:\\TC2\\y\r\nz=T:\\Tools\\a.exe\r\n"
                     "lf\nkept\r\n\r\n");
  EXPECT_TRUE(MakePortable(P, "T:\\TC"));
  EXPECT_EQ(test::ReadFile(P), "[Configuration]\r\nInstallDir=%COMMANDER_PATH%\r\nTYPE:1\r\nx=%COMMANDER_PATH%2\\y\r\n"
                               "z=%COMMANDER_DRIVE%\\Tools\\a.exe\r\nlf\nkept\r\n");

  // Files the rewrite changes nothing in are not written: no path at all, or,
  // at the drive root, the drive's two characters only inside a word.
  const std::tuple<const char*, const char*, bool> unchanged[] = {{"[x]\r\nk=C:\\Other\r\n\r\n", "T:\\TC", false},
                                                                  {"[Buttonbar]\ncmd1=CUT:1\r\n\r\n", "T:", true}};
  for (const auto& [content, directory, found] : unchanged) {
    const std::string other = dir / "other.ini";
    test::WriteFile(other, content);
    const auto before = test::ModificationTime(other);
    EXPECT_EQ(MakePortable(other, directory), found);
    EXPECT_EQ(test::ReadFile(other), content);
    EXPECT_EQ(test::ModificationTime(other), before);
  }
}

// Every line of a rewritten file, with both variables expanded again, reads
// as before (ignoring case): nothing but the paths changed.
void ExpectOnlyPathsRewritten(const std::vector<std::string>& before, const std::vector<std::string>& after,
                              const std::string& directory) {
  std::size_t expected = before.size();
  if (!before.empty() && before.back().empty()) --expected;  // the dropped last blank line
  ASSERT_EQ(after.size(), expected);
  std::size_t rewritten = 0;
  for (std::size_t i = 0; i < after.size(); ++i) {
    EXPECT_EQ(ExpandedUpper(after[i], directory), ExpandedUpper(before[i], directory)) << "line " << i + 1;
    if (after[i] != before[i]) ++rewritten;
    std::string find = directory;
    EXPECT_EQ(ReplaceAtWordStart(after[i], find, "#"), after[i]) << "line " << i + 1 << " still holds the directory";
  }
  EXPECT_GT(rewritten, 0u);
}

std::vector<std::string> LinesOf(const std::string& file) {
  std::vector<std::string> lines;
  platform::TextFileReader reader(file);
  std::string line;
  while (reader.ReadLine(line)) lines.push_back(line);
  return lines;
}

// Real files and the folders their authors had Total Commander in.
const std::pair<const char*, std::string> kCorpus[] = {{"samrain-wincmd.ini", "c:\\totalcmd"},
                                                       {"jwu-wincmd.ini", "C:\\Program Files\\totalcmd"},
                                                       {"fanhongtao-wincmd.ini", "D:\\Program Files\\totalcmd"},
                                                       {"fanhongtao-default.bar", "D:\\Program Files\\totalcmd"}};

TEST_F(WholeFileRewrite, RealConfigurationFilesKeepEverythingButTheirPaths) {
  for (const auto& [name, directory] : kCorpus) {
    const std::string source = test::CorpusFile(name);
    if (source.empty()) GTEST_SKIP() << "no corpus beside this checkout";
    SCOPED_TRACE(name);
    const std::string portable = dir / "portable.ini";
    test::WriteFile(portable, test::ReadFile(source));
    MakePortable(portable, directory);
    ExpectOnlyPathsRewritten(LinesOf(source), LinesOf(portable), directory);
  }
}

// The lines a file says, in whichever form it has.
std::vector<std::string> TextsOf(const std::string& file) {
  std::vector<std::string> texts;
  platform::TextFileReader reader(file);
  std::string line;
  while (reader.ReadLine(line)) texts.push_back(LineText(line, reader.Encoding()));
  return texts;
}

// A file made of these lines in one form, each ended by CR LF.
std::string InForm(const std::vector<std::string>& texts, platform::TextEncoding encoding) {
  std::string text;
  for (const std::string& line : texts) text += line + "\r\n";
  if (encoding == platform::TextEncoding::Utf16) return "\xFF\xFE" + Utf8ToUtf16(text);
  if (encoding == platform::TextEncoding::Utf8) return "\xEF\xBB\xBF" + text;
  std::string ansi;
  EXPECT_TRUE(platform::Utf8ToAnsi(text, ansi));
  return ansi;
}

constexpr platform::TextEncoding kUnicodeForms[] = {platform::TextEncoding::Utf8, platform::TextEncoding::Utf16};

// Total Commander in a folder that no code page holds: its paths are found in
// a UTF-8 or UTF-16 file, and behind the mark in an ANSI one, and every other
// byte stays as it was.
TEST_F(WholeFileRewrite, AFolderOfAnyScriptIsRewrittenInEveryForm) {
  const std::string directory = "T:\\Тотал 🧰";
  const std::string P = dir / "Тотал 🧰.ini";
  auto rewrite = [&](const std::string& bytes) {
    test::WriteFile(P, bytes);
    MakePortable(P, directory);
    return test::ReadFile(P);
  };
  const std::vector<std::string> before = {"[Configuration]", "a=T:\\Тотал 🧰\\plugins\\x.wfx", "b=t:\\тотал 🧰\\y",
                                           "TYPE:1", "c=T:\\Tools\\z.exe", "d=Ĳ ∂ 表"};
  const std::vector<std::string> after = {"[Configuration]", "a=%COMMANDER_PATH%\\plugins\\x.wfx",
                                          "b=%COMMANDER_PATH%\\y", "TYPE:1", "c=%COMMANDER_DRIVE%\\Tools\\z.exe",
                                          "d=Ĳ ∂ 表"};
  for (const platform::TextEncoding encoding : kUnicodeForms)
    EXPECT_EQ(rewrite(InForm(before, encoding)), InForm(after, encoding));
  const std::string mark = "\xEF\xBB\xBF";
  EXPECT_EQ(rewrite("[1]\r\n3=" + mark + "T:\\Тотал 🧰\\10 минут_files\\\r\nTYPE:1\r\n4=" + mark + "\xC3\x28T:\\x\r\n"),
            "[1]\r\n3=" + mark + "%COMMANDER_PATH%\\10 минут_files\\\r\nTYPE:1\r\n4=" + mark +
                "\xC3\x28%COMMANDER_DRIVE%\\x\r\n");  // bytes that are no UTF-8 stay
}

// The corpus in each other form a file may have: rewritten in that form, it
// says what its ANSI form says after the rewrite.
TEST_F(WholeFileRewrite, EveryFormOfARealFileSaysWhatItsAnsiFormSays) {
  const std::string portable = dir / "portable.ini";
  auto rewritten = [&](const std::string& bytes, const std::string& directory) {
    test::WriteFile(portable, bytes);
    MakePortable(portable, directory);
    return TextsOf(portable);
  };
  for (const auto& [name, directory] : kCorpus) {
    const std::string source = test::CorpusFile(name);
    if (source.empty()) GTEST_SKIP() << "no corpus beside this checkout";
    SCOPED_TRACE(name);
    // The lines this machine's code page reads.
    std::vector<std::string> texts;
    for (const std::string& line : LinesOf(source)) {
      std::string text;
      if (platform::AnsiToUtf8(line, text)) texts.push_back(text);
    }
    const auto ansi = rewritten(InForm(texts, platform::TextEncoding::Ansi), directory);
    for (const platform::TextEncoding encoding : kUnicodeForms) {
      EXPECT_EQ(rewritten(InForm(texts, encoding), directory), ansi);
      EXPECT_EQ(platform::EncodingOf(test::ReadFile(portable)), encoding);
    }
  }
}

// Broken files in the Unicode forms: an odd length and binary content behind
// the UTF-16 mark, bytes that are no UTF-8 behind the UTF-8 mark. What they say
// is rewritten, and they keep their form and every other byte.
TEST_F(WholeFileRewrite, BrokenUnicodeFilesLoseNoByte) {
  const std::string portable = dir / "portable.ini";
  std::string binary = "\xFF\xFE";
  unsigned state = 54321;
  while (binary.size() < 4 * 1024 * 1024) {
    state = state * 1103515245 + 12345;
    binary += static_cast<char>(state >> 16);
    if ((state & 0xFFFF) < 40) binary += Utf8ToUtf16(" T:\\TC\\x ");
  }
  const std::vector<std::string> broken = {"\xFF\xFE" + Utf8ToUtf16("a=T:\\TC\\x\r\nb=1\r\n") + "\x41", binary + "\x42",
                                           "\xEF\xBB\xBF" "a=\xC3\x28T:\\TC\\x\r\nb=\xFF T:\\TC\r\n"};
  for (const std::string& content : broken) {
    test::WriteFile(portable, content);
    const auto before = TextsOf(portable);
    MakePortable(portable, "T:\\TC");
    EXPECT_EQ(platform::EncodingOf(test::ReadFile(portable)), platform::EncodingOf(content));
    ExpectOnlyPathsRewritten(before, TextsOf(portable), "T:\\TC");
  }
  EXPECT_TRUE(test::ReadFile(portable).starts_with("\xEF\xBB\xBF" "a=\xC3\x28%COMMANDER_PATH%\\x\r\n"));
}

TEST_F(WholeFileRewrite, HostileFilesAreRewrittenWithoutHarm) {
  const std::string portable = dir / "portable.ini";
  std::string binary;
  binary.reserve(50 * 1024 * 1024);
  unsigned state = 12345;
  while (binary.size() < 50 * 1024 * 1024) {
    state = state * 1103515245 + 12345;
    binary += static_cast<char>(state >> 16);
    if ((state & 0xFFFF) < 40) binary += " T:\\TC\\x ";
  }
  const std::vector<std::string> hostile = {
      binary,
      std::string("a=T:\\TC\0\0b\r\nnul\0=t:\\tc\\p\r\n", 27),
      "lf=T:\\TC\\a\nonly=T:\\TC\\b\n",
      "caf\xE9=T:\\TC\\\xE4\xF6\xFC.wfx\r\n\xE9T:\\TC\r\n"};
  for (const std::string& content : hostile) {
    test::WriteFile(portable, content);
    const auto before = LinesOf(portable);
    MakePortable(portable, "T:\\TC");
    if (content.size() < 1000) ExpectOnlyPathsRewritten(before, LinesOf(portable), "T:\\TC");
  }
  EXPECT_EQ(LinesOf(portable)[0], "caf\xE9=%COMMANDER_PATH%\\\xE4\xF6\xFC.wfx");
  EXPECT_EQ(LinesOf(portable)[1], "\xE9T:\\TC");
}

}  // namespace
