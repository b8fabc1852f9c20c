// The ini reader and key writer against GetPrivateProfileStringW on generated files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <random>

#include "common/test_files.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "support/ini.h"
#include "support/ini_keys.h"
#include "support/line_text.h"

namespace {

// Spellings that the profile functions take for the same name.
const std::vector<Strings> kSections = {
    {"Configuration", "CONFIGURATION", " configuration\t"}, {"Buttonbar", "buttonBAR"}, {"a]b", "A]B"},
    {"Тотал", "ТОТАЛ", "тотал"}, {"Été", "ÉTÉ", "été"}, {"x y", " X Y "}};
const std::vector<Strings> kKeys = {{"InstallDir", "installdir", " INSTALLDIR "}, {"Buttonbar", "BUTTONBAR"},
                                  {"k", "K", "\tk"}, {"Путь", "ПУТЬ"}, {"é", "É"}, {"[x", "[X"}};
const Strings kValues = {"",           "v",         "C:\\TC\\x.bar", "\"quoted\"", "'q'", "\"",
                                          "' z '",      "a=b",       " spaced out ",  "путь 7",     "é;x", "\"a'"};

// Wine is shown a file it reads as Windows reads the original: Wine also ends a line at a lone CR, which
// Windows takes for a blank as it takes the end-of-file mark, shown in its place; Wine ignores the case of
// ASCII letters only: it is shown names in one case.
constexpr char kWineCr = '\x1a';
const std::pair<const char*, const char*> kFoldedForWine[] = {{"É", "é"}, {"Т", "т"}, {"О", "о"}, {"А", "а"},
                                                              {"Л", "л"}, {"П", "п"}, {"У", "у"}, {"Ь", "ь"}};

std::string FoldedForWine(std::string text) {
  for (const auto& [upper, lower] : kFoldedForWine)
    for (auto at = text.find(upper); at != std::string::npos; at = text.find(upper, at)) text.replace(at, 2, lower);
  return text;
}

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }
  bool Chance(int percent) { return static_cast<int>(Pick(100)) < percent; }
  const std::string& Spelling(const Strings& names) { return names[Pick(names.size())]; }
  std::string Blanks() { return std::string(Pick(3), Chance(70) ? ' ' : '\t'); }

  std::string File(bool ansi) {
    const int lf = static_cast<int>(Pick(3)) * 40, cr = Chance(30) ? 10 : 0;
    std::string text;
    for (std::size_t i = 0, lines = 1 + Pick(14); i < lines; ++i) {
      text += Line(ansi);
      const int end = static_cast<int>(Pick(100));
      if (i + 1 < lines || Chance(70)) text += end < cr ? "\r" : end < cr + lf ? "\n" : "\r\n";
    }
    return text;
  }

  const std::vector<std::pair<std::size_t, std::size_t>>& Placed() const { return placed_; }

  std::size_t Section(bool ansi) { return Usable(kSections, ansi); }
  std::size_t Key(bool ansi) { return Usable(kKeys, ansi); }
  const std::string& Value(bool ansi) { return kValues[Usable(kValues, ansi)]; }

 private:
  static bool Fits(const std::string& text, bool ansi) {
    std::string bytes;
    return !ansi || platform::Utf8ToAnsi(text, bytes);
  }
  static bool Fits(const Strings& names, bool ansi) {
    return std::all_of(names.begin(), names.end(), [&](const std::string& name) { return Fits(name, ansi); });
  }
  template <typename Pool>
  std::size_t Usable(const Pool& pool, bool ansi) {
    std::size_t at;
    do at = Pick(pool.size());
    while (!Fits(pool[at], ansi));
    return at;
  }

  std::string Line(bool ansi) {
    const std::size_t kind = Pick(10);
    if (kind == 0) return Blanks();
    if (kind == 1) return Blanks() + (Chance(50) ? "; comment" : "# k=not a key");
    if (kind == 3 || kind == 4) {
      const char* after[] = {"]", "] note", "]]", "", "]\t"};
      section_ = Section(ansi);
      return Blanks() + "[" + Blanks() + Spelling(kSections[section_]) + Blanks() + after[Pick(5)];
    }
    const std::size_t key = Key(ansi);
    if (section_ != kNone) placed_.emplace_back(section_, key);
    if (kind == 2) return Blanks() + Spelling(kKeys[key]) + Blanks();  // a key without "="
    return Blanks() + Spelling(kKeys[key]) + Blanks() + "=" + Blanks() + Value(ansi) + Blanks();
  }

  static constexpr std::size_t kNone = ~std::size_t{0};
  std::mt19937 random_;
  std::size_t section_ = kNone;
  std::vector<std::pair<std::size_t, std::size_t>> placed_;
};

std::string FileBytes(const std::string& text, bool ansi) {
  std::string bytes;
  if (ansi) return platform::Utf8ToAnsi(text, bytes) ? bytes : std::string();
  return "\xFF\xFE" + Utf8ToUtf16(text);
}

std::string FileText(const std::string& bytes, bool ansi) {
  std::string text;
  if (ansi ? !platform::AnsiToUtf8(bytes, text) : !Utf16ToUtf8(bytes.substr(2), text)) return "(no text)";
  return text;
}

std::string WineView(const std::string& bytes, bool ansi) {
  std::string text = FileText(bytes, ansi);
  for (std::size_t at = 0; at < text.size(); ++at)
    if (text[at] == '\r' && (at + 1 == text.size() || text[at + 1] != '\n')) text[at] = kWineCr;
  return FileBytes(FoldedForWine(text), ansi);
}

struct Query {
  std::size_t section, key;  // indexes into kSections and kKeys
  std::string sectionName, keyName;
};

// Each view under a name of its own: Wine caches the files it read.
Strings WineReads(const std::string& bytes, bool ansi, const std::vector<Query>& queries,
                                   const std::string& view) {
  test::WriteFile(view, WineView(bytes, ansi));
  Strings answers;
  for (const Query& query : queries) {
    answers.push_back(platform::ReadIniKey(FoldedForWine(query.sectionName), FoldedForWine(query.keyName), view));
    std::replace(answers.back().begin(), answers.back().end(), kWineCr, '\r');
  }
  std::filesystem::remove(test::Fs(view));
  return answers;
}

TEST(IniProfile, EveryKeyReadsAsTheProfileFunctionsReadItBeforeAndAfterEachWrite) {
  test::TempDir dir;
  const std::string ini = dir / "generated.ini";
  const char* count = std::getenv("AMBLER_PROFILE_FILES");
  const int files = count ? std::atoi(count) : 1000;
  std::size_t reads = 0, writes = 0;
  for (int seed = 0; seed < files && !::testing::Test::HasFailure(); ++seed) {
    Generator generate(static_cast<unsigned>(seed));
    const bool ansi = generate.Chance(50);
    test::WriteFile(ini, FileBytes(generate.File(ansi), ansi));
    // Every key the file holds, and two that it may lack.
    std::vector<std::pair<std::size_t, std::size_t>> asked = generate.Placed();
    for (int more = 0; more < 2; ++more) asked.emplace_back(generate.Section(ansi), generate.Key(ansi));
    std::sort(asked.begin(), asked.end());
    asked.erase(std::unique(asked.begin(), asked.end()), asked.end());
    std::vector<Query> queries;
    for (const auto& [s, k] : asked)
      queries.push_back({s, k, generate.Spelling(kSections[s]), generate.Spelling(kKeys[k])});
    Strings expected;
    for (int round = 0; round <= 1; ++round) {
      const std::string bytes = test::ReadFile(ini);
      // Read in small blocks, the lines are those of the bytes in memory.
      const std::size_t block = seed % 10 == 0 ? 1 + seed / 10 % 5 : 64;
      for (IniLineReader inMemory(bytes), inBlocks(IniLineReader::FromFile{}, ini, block);;) {
        IniLineSpan a, b;
        const bool more = inMemory.Next(a);
        ASSERT_EQ(inBlocks.Next(b), more) << "seed " << seed;
        if (!more) break;
        ASSERT_TRUE(a.begin == b.begin && a.end == b.end && a.next == b.next &&
                    inBlocks.Bytes(b.begin, b.next) == inMemory.Bytes(a.begin, a.next))
            << "seed " << seed << " at " << a.begin;
      }
      const Strings wine =
          WineReads(bytes, ansi, queries, dir / (std::to_string(seed) + "_" + std::to_string(round) + ".ini"));
      if (round == 0) expected = wine;
      for (std::size_t i = 0; i < queries.size(); ++i, ++reads) {
        const Query& query = queries[i];
        const auto context = [&] {
          return "seed " + std::to_string(seed) + ", round " + std::to_string(round) + ": [" + query.sectionName +
                 "] " + query.keyName + " in\n" + FileText(bytes, ansi);
        };
        EXPECT_EQ(wine[i], expected[i]) << "Windows' reading after the write, " << context();
        EXPECT_EQ(FoldedForWine(FindIniValue(bytes, query.sectionName, query.keyName).value_or("")), wine[i])
            << context();
      }
      if (round == 1) break;

      const std::size_t s = generate.Section(ansi), k = generate.Key(ansi);
      std::string value = generate.Value(ansi);
      if (value.find_first_of("\"'") != std::string::npos || value.starts_with(' ')) value = "w" + value;
      ASSERT_TRUE(IniWriteValue(generate.Spelling(kSections[s]), generate.Spelling(kKeys[k]), value, ini, false));
      ++writes;
      for (std::size_t i = 0; i < queries.size(); ++i)
        if (queries[i].section == s && queries[i].key == k)
          expected[i] = FoldedForWine(value.substr(0, value.find_last_not_of(' ') + 1));
    }
  }
  std::cout << files << " generated files: " << reads << " reads and " << writes
            << " writes held against the profile functions\n";
}

}  // namespace
