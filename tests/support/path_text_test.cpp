#include "support/path_text.h"

#include <gtest/gtest.h>

#include <random>

#include "common/step_by_step_replace.h"
#include "platform/text.h"

namespace {

TEST(Trim, RemovesBlanksOnlyAtBothEnds) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("\ta \t"), "\ta \t");
  EXPECT_EQ(Trim("   "), "");
}

TEST(ExtractFileName, TakesThePartAfterTheLastSeparatorOfTheChosenKind) {
  EXPECT_EQ(ExtractFileName(""), "");
  EXPECT_EQ(ExtractFileName("C:\\TC\\"), "");
  EXPECT_EQ(ExtractFileName("C:\\TC\\wincmd.ini"), "wincmd.ini");
  EXPECT_EQ(ExtractFileName("/mnt/tc/wincmd.ini"), "wincmd.ini");
  // With both kinds only "\" separates, even when a "/" stands behind it.
  EXPECT_EQ(ExtractFileName("C:\\TC\\sub/x.ini"), "sub/x.ini");
  EXPECT_EQ(ExtractFileName("wincmd.ini"), "wincmd.ini");
  EXPECT_EQ(ExtractFileName(" C:\\a\\ b "), " b ");
}

TEST(DirectoryPart, CutsBehindTheLastCountingSeparatorAndTrims) {
  EXPECT_EQ(DirectoryPart(""), "");
  EXPECT_EQ(DirectoryPart("C:\\TC\\wincmd.ini"), "C:\\TC\\");
  EXPECT_EQ(DirectoryPart("a/b/c.txt"), "a/b/");
  // With both kinds only "/" separates.
  EXPECT_EQ(DirectoryPart("C:\\TC/sub\\x.ini"), "C:\\TC/");
  EXPECT_EQ(DirectoryPart("wincmd.ini"), "wincmd.ini");
  EXPECT_EQ(DirectoryPart("  C:\\TC\\x.ini"), "C:\\TC\\");
}

TEST(NormalizeDirectory, AppendsOneSeparatorOfTheKindInUse) {
  EXPECT_EQ(NormalizeDirectory(""), "");
  EXPECT_EQ(NormalizeDirectory("E:\\TC"), "E:\\TC\\");
  EXPECT_EQ(NormalizeDirectory("E:\\TC\\"), "E:\\TC\\");
  EXPECT_EQ(NormalizeDirectory("E:\\"), "E:\\");
  EXPECT_EQ(NormalizeDirectory("/mnt/tc"), "/mnt/tc/");
  EXPECT_EQ(NormalizeDirectory("E:\\TC/sub"), "E:\\TC/sub\\");
  EXPECT_EQ(NormalizeDirectory("C:"), "C:");
  EXPECT_EQ(NormalizeDirectory("\"C:\\my dir\""), "\"C:\\my dir\\\"");
  EXPECT_EQ(NormalizeDirectory("\"C:\\my dir\\\""), "\"C:\\my dir\\\"");
  EXPECT_EQ(NormalizeDirectory("\""), "\"");
}

TEST(QuotePath, QuotesATrimmedPathWithABlankOnce) {
  EXPECT_EQ(QuotePath("  C:\\my dir\\x.exe "), "\"C:\\my dir\\x.exe\"");
  EXPECT_EQ(QuotePath("C:\\TC\\x.exe"), "C:\\TC\\x.exe");
  EXPECT_EQ(QuotePath("C:\\my \"dir\\x.exe"), "C:\\my \"dir\\x.exe");
  EXPECT_EQ(QuotePath("\"C:\\my dir\""), "\"C:\\my dir\"");
  EXPECT_EQ(QuotePath("    "), "");
}

TEST(StripQuotes, RemovesExactlyOneSurroundingPair) {
  EXPECT_EQ(StripQuotes(" \"C:\\my dir\" "), "C:\\my dir");
  EXPECT_EQ(StripQuotes("\"\"x\"\""), "\"x\"");
  EXPECT_EQ(StripQuotes("\" a \""), " a ");
  EXPECT_EQ(StripQuotes(" \"C:\\my dir "), "\"C:\\my dir");
  EXPECT_EQ(StripQuotes("\"\""), "");
  EXPECT_EQ(StripQuotes("\""), "\"");
  EXPECT_EQ(StripQuotes(""), "");
}

std::string Replace(const std::string& source, std::string find, const std::string& replacement,
                    bool exactCase = false) {
  return ReplaceText(source, find, replacement, exactCase);
}

TEST(ReplaceText, IgnoresCaseAndInsertsTheReplacementAsWritten) {
  EXPECT_EQ(Replace("a=C:\\TC\\x;b=c:\\tc\\y;c=C:\\Tc", "c:\\tc", "%COMMANDER_PATH%"),
            "a=%COMMANDER_PATH%\\x;b=%COMMANDER_PATH%\\y;c=%COMMANDER_PATH%");
  EXPECT_EQ(Replace("E:\\TC2\\x", "E:\\TC", "%commander_path%"), "%commander_path%2\\x");
  EXPECT_EQ(Replace("nothing here", "C:\\TC", "x"), "nothing here");
  EXPECT_EQ(Replace("", "C:", "x"), "");
}

TEST(ReplaceText, UpperCasesTheCallersFindTextUnlessExact) {
  std::string find = "c:\\tc";
  ReplaceText("c:\\tc", find, "X", false);
  EXPECT_EQ(find, "C:\\TC");
  find = "c:\\tc";
  EXPECT_EQ(ReplaceText("C:\\TC c:\\tc", find, "X", true), "C:\\TC X");
  EXPECT_EQ(find, "c:\\tc");
}

TEST(ReplaceText, ResumesOneCharacterBehindEachReplacement) {
  EXPECT_EQ(Replace("aaa", "a", "b"), "bab");
  EXPECT_EQ(Replace("aaaa", "a", "b"), "baba");
  EXPECT_EQ(Replace("abab", "ab", "x"), "xab");
  EXPECT_EQ(Replace("C:C:C:", "c:", "%D%"), "%D%C:%D%");
  // The replacement holding the find text is not searched again.
  EXPECT_EQ(Replace("ab", "a", "aa"), "aab");
}

TEST(ReplaceText, EmptyFindInsertsBeforeEveryCharacter) {
  EXPECT_EQ(Replace("abc", "", "X"), "XaXbXc");
  EXPECT_EQ(Replace("a", "", "X"), "Xa");
  EXPECT_EQ(Replace("", "", "X"), "");
}

TEST(ReplaceText, HandlesNulBytesAndBytesThatAreNoUtf8) {
  const std::string source("x\0C:\\TC\0\xE4\xFF", 9);
  EXPECT_EQ(Replace(source, "c:\\tc", "%P%"), std::string("x\0%P%\0\xE4\xFF", 7));
  // A byte that begins no character matches only itself.
  EXPECT_EQ(Replace("a\xE4" "b\xC4", "\xE4", "-"), "a-b\xC4");
}

// Letter case follows Windows' rules for every character, and a match never
// begins or ends inside one.
TEST(ReplaceText, MatchesWholeCharactersOfEveryScript) {
  EXPECT_EQ(Replace("t:\\тотал\\плагины;T:\\ТОТАЛ", "T:\\Тотал", "%P%"), "%P%\\плагины;%P%");
  EXPECT_EQ(Replace("т:\\тотал", "T:\\Тотал", "%P%"), "т:\\тотал");  // a Cyrillic т is no T
  EXPECT_EQ(Replace("c:\\müller\\x", "C:\\MÜLLER", "%P%"), "%P%\\x");
  EXPECT_EQ(Replace("Z:\\表\\a;Z:\\表示", "z:\\表", "%P%"), "%P%\\a;%P%示");
  // U+8868 and U+8869 share their first two bytes: no match inside a character.
  EXPECT_EQ(Replace("\xE8\xA1\xA9", "\xE8\xA1", "-"), "\xE8\xA1\xA9");
  EXPECT_EQ(Replace("🧰🧰 x", "🧰", "t"), "t🧰 x");  // resumes one character behind
  std::string find = "тотал";
  ReplaceText("", find, "", false);
  EXPECT_EQ(find, "ТОТАЛ");
}

TEST(ReplaceText, MatchesTheStepByStepRoutineOnRandomText) {
  std::mt19937 random(20261206);
  const std::vector<std::string> alphabet = {"a", "A", "b", "B", ":", "\\", " ", "c", "C", "ä", "Ä", "т", "Т",
                                             "表", "🧰", "\xE4", "\xA1"};
  auto randomText = [&](std::size_t maxLength) {
    std::string text;
    for (std::size_t n = random() % (maxLength + 1); n > 0; --n) text += alphabet[random() % alphabet.size()];
    return text;
  };
  for (int round = 0; round < 20000; ++round) {
    const std::string source = randomText(24);
    const std::string find = randomText(3);
    const std::string replacement = randomText(4);
    ASSERT_EQ(Replace(source, find, replacement), test::StepByStepReplace(source, find, replacement, false))
        << "source '" << source << "' find '" << find << "' replacement '" << replacement << "'";
    std::string caller = find;
    ASSERT_EQ(ReplaceAtWordStart(source, caller, replacement),
              test::StepByStepReplace(source, find, replacement, true));
  }
}

TEST(ReplaceText, FindsMatchesLongerThanItsSearchBlocks) {
  const std::string find(70000, 'b');
  const std::string prefix(65530, 'a');
  EXPECT_EQ(Replace(prefix + find + "c" + find, find, "R"), prefix + "RcR");
  EXPECT_EQ(Replace(prefix + find.substr(1), find, "R"), prefix + find.substr(1));
}

TEST(ReplaceText, KeepsAVeryLongLineWhole) {
  std::string line;
  for (int i = 0; i < 100000; ++i) line += "C:\\TC\\p" + std::to_string(i) + ";";
  const std::string result = Replace(line, "c:\\tc", "%COMMANDER_PATH%");
  EXPECT_EQ(result.size(), line.size() + 100000 * (16 - 5));
  EXPECT_EQ(result.find("C:\\TC"), std::string::npos);
  EXPECT_TRUE(result.ends_with("%COMMANDER_PATH%\\p99999;"));
}

TEST(ReplaceAtWordStart, ReplacesOnlyWhereAPathCanBegin) {
  auto replace = [](const std::string& source, std::string find, const std::string& replacement) {
    return ReplaceAtWordStart(source, find, replacement);
  };
  EXPECT_EQ(replace("TYPE:1;E:\\x;\"e:\\y\";=E:", "e:", "%D%"), "TYPE:1;%D%\\x;\"%D%\\y\";=%D%");
  EXPECT_EQ(replace("E:\\TC2\\x,e:\\tc", "E:\\TC", "%P%"), "%P%2\\x,%P%");
  EXPECT_EQ(replace("2E:\\TC \xE9" "E:\\TC _E:\\TC", "E:\\TC", "%P%"), "2E:\\TC \xE9" "E:\\TC _%P%");
  EXPECT_EQ(replace("aaa", "a", "b"), "baa");
  EXPECT_EQ(replace("a a", "a", "b"), "b b");
}

}  // namespace
