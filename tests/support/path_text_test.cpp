#include "support/path_text.h"

#include <gtest/gtest.h>

#include "common/test_files.h"

#include <algorithm>
#include <cctype>
#include <random>

#include "platform/text.h"

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

TEST(PathText, EachRoutineOnItsTellingInputs) {
  struct Routine {
    const char* name;
    std::string (*call)(const std::string&);
    Pairs cases;
  };
  const Routine routines[] = {
      {"Trim", [](const std::string& s) { return Trim(s); }, {{"  a b  ", "a b"}, {"\ta \t", "\ta \t"}, {"   ", ""}}},
      // With both kinds of separator only "\" separates the name...
      {"ExtractFileName", [](const std::string& s) { return ExtractFileName(s); },
       {{"C:\\TC\\", ""}, {"/mnt/tc/wincmd.ini", "wincmd.ini"}, {"C:\\TC\\sub/x.ini", "sub/x.ini"},
        {" C:\\a\\ b ", " b "}}},
      // ...and only "/" the directory.
      {"DirectoryPart", [](const std::string& s) { return DirectoryPart(s); },
       {{"C:\\TC\\wincmd.ini", "C:\\TC\\"}, {"C:\\TC/sub\\x.ini", "C:\\TC/"}, {"wincmd.ini", "wincmd.ini"},
        {"  C:\\TC\\x.ini", "C:\\TC\\"}}},
      {"NormalizeDirectory", [](const std::string& s) { return NormalizeDirectory(s); },
       {{"", ""}, {"E:\\TC", "E:\\TC\\"}, {"E:\\TC\\", "E:\\TC\\"}, {"/mnt/tc", "/mnt/tc/"}, {"E:\\TC/sub", "E:\\TC/sub\\"},
        {"C:", "C:"}, {"\"C:\\my dir\"", "\"C:\\my dir\\\""}, {"\"", "\""}}},
      {"QuotePath", [](const std::string& s) { return QuotePath(s); },
       {{"  C:\\my dir\\x.exe ", "\"C:\\my dir\\x.exe\""}, {"C:\\TC\\x.exe", "C:\\TC\\x.exe"},
        {"C:\\my \"dir\\x.exe", "C:\\my \"dir\\x.exe"}, {"    ", ""}}},
      {"StripQuotes", [](const std::string& s) { return StripQuotes(s); },
       {{" \"C:\\my dir\" ", "C:\\my dir"}, {"\"\"x\"\"", "\"x\""}, {"\" a \"", " a "}, {" \"C:\\my dir ", "\"C:\\my dir"},
        {"\"\"", ""}, {"\"", "\""}}},
  };
  for (const Routine& routine : routines)
    for (const auto& [input, expected] : routine.cases)
      EXPECT_EQ(routine.call(input), expected) << routine.name << "(" << input << ")";
}

std::string Replace(const std::string& source, std::string find, const std::string& replacement = "%P%") {
  return ReplaceText(source, find, replacement, false);
}

// Case ignored in every script, and no match beginning or ending inside a character; how the search resumes
// behind a replacement, the random texts below compare with the step-by-step routine.
TEST(ReplaceText, ReplacesAsTheRulesSay) {
  const std::string cases[][3] = {
      {"a=C:\\TC\\x;b=c:\\tc\\y;c=C:\\Tc", "c:\\tc", "a=%P%\\x;b=%P%\\y;c=%P%"},
      {"E:\\TC2\\x", "E:\\TC", "%P%2\\x"},
      {"abc", "", "%P%a%P%b%P%c"},
      {std::string("x\0C:\\TC\0\xE4\xFF", 9), "c:\\tc", std::string("x\0%P%\0\xE4\xFF", 7)},
      {"t:\\тотал\\плагины;T:\\ТОТАЛ", "T:\\Тотал", "%P%\\плагины;%P%"},
      {"т:\\тотал", "T:\\Тотал", "т:\\тотал"},  // a Cyrillic т is no T
      {"c:\\müller\\x", "C:\\MÜLLER", "%P%\\x"},
      {"Z:\\表\\a;Z:\\表示", "z:\\表", "%P%\\a;%P%示"},
      {"\xE8\xA1\xA9", "\xE8\xA1", "\xE8\xA1\xA9"},  // U+8869 begins with the bytes of U+8868
  };
  for (const auto& [source, find, expected] : cases) EXPECT_EQ(Replace(source, find), expected);
  // The caller's find text comes back upper-cased, unless the case is exact.
  std::string find = "c:\\тотал";
  EXPECT_EQ(ReplaceText("C:\\ТОТАЛ c:\\тотал", find, "X", true), "C:\\ТОТАЛ X");
  EXPECT_EQ(find, "c:\\тотал");
  ReplaceText("", find, "", false);
  EXPECT_EQ(find, "C:\\ТОТАЛ");
}

std::u32string Characters(const std::string& text) {
  std::u32string codes;
  for (std::size_t at = 0; at < text.size(); at += platform::DecodeUtf8(text, at).length)
    codes += platform::DecodeUtf8(text, at).code;
  return codes;
}

// ReplaceText as it reads step by step: the text is a row of characters (a byte that begins none stands alone)
// that changes in place, searched anew after every replacement from one character behind it. wordStart: a match
// counts only where no letter or digit (nor a character beyond ASCII) stands before it.
std::string StepByStepReplace(const std::string& source, const std::string& find, const std::string& replacement,
                              bool wordStart) {
  std::u32string text = Characters(source);
  const std::u32string wanted = Characters(find), inserted = Characters(replacement);
  const auto same = [](char32_t a, char32_t b) { return platform::UpperChar(a) == platform::UpperChar(b); };
  const auto word = [](char32_t c) { return c >= 0x80 || std::isalnum(static_cast<int>(c)); };
  std::size_t at = 0;
  while (at + wanted.size() <= text.size() && at < text.size()) {
    const bool matches = std::equal(wanted.begin(), wanted.end(), text.begin() + static_cast<std::ptrdiff_t>(at), same);
    if (matches && !(wordStart && at > 0 && word(text[at - 1]))) {
      text.replace(at, wanted.size(), inserted);
      at += inserted.size();
    }
    ++at;
  }
  std::string result;
  for (const char32_t c : text) platform::AppendUtf8(result, c);
  return result;
}

TEST(ReplaceText, MatchesTheStepByStepRoutineOnRandomText) {
  std::mt19937 random(20261206);
  const Strings alphabet = {"a", "A", "b", "B", ":", "\\", " ", "c", "C", "ä", "Ä", "т", "Т",
                                             "表", "🧰", "\xE4", "\xA1"};
  auto randomText = [&](std::size_t maxLength) {
    std::string text;
    for (std::size_t n = random() % (maxLength + 1); n > 0; --n) text += alphabet[random() % alphabet.size()];
    return text;
  };
  for (int round = 0; round < 20000; ++round) {
    const std::string source = randomText(24), find = randomText(3), replacement = randomText(4);
    ASSERT_EQ(Replace(source, find, replacement), StepByStepReplace(source, find, replacement, false))
        << "source '" << source << "' find '" << find << "' replacement '" << replacement << "'";
    std::string caller = find, exact = find;
    ASSERT_EQ(ReplaceAtWordStart(source, caller, replacement), StepByStepReplace(source, find, replacement, true));
    ASSERT_TRUE(find.empty() || ReplaceText(source, exact, exact, true) == source);  // replaced by itself
  }
}

TEST(ReplaceText, FindsMatchesLongerThanItsSearchBlocksAndKeepsLongLinesWhole) {
  const std::string find(70000, 'b'), prefix(65530, 'a');
  EXPECT_EQ(Replace(prefix + find + "c" + find, find, "R"), prefix + "RcR");
  EXPECT_EQ(Replace(prefix + find.substr(1), find, "R"), prefix + find.substr(1));
  std::string line;
  for (int i = 0; i < 100000; ++i) line += "C:\\TC\\p" + std::to_string(i) + ";";
  const std::string result = Replace(line, "c:\\tc", "%COMMANDER_PATH%");
  EXPECT_EQ(result.size(), line.size() + 100000 * (16 - 5));
  EXPECT_EQ(result.find("C:\\TC"), std::string::npos);
}

TEST(ReplaceAtWordStart, ReplacesOnlyWhereAPathCanBegin) {
  const std::string cases[][3] = {
      {"TYPE:1;E:\\x;\"e:\\y\";=E:", "e:", "TYPE:1;%P%\\x;\"%P%\\y\";=%P%"},
      {"E:\\TC2\\x,e:\\tc", "E:\\TC", "%P%2\\x,%P%"},
      {"2E:\\TC \xE9" "E:\\TC _E:\\TC", "E:\\TC", "2E:\\TC \xE9" "E:\\TC _%P%"},
      {"aaa", "a", "%P%aa"},
      {"a a", "a", "%P% %P%"},
  };
  for (const auto& [source, find, expected] : cases) {
    std::string caller = find;
    EXPECT_EQ(ReplaceAtWordStart(source, caller, "%P%"), expected);
  }
}

}  // namespace
