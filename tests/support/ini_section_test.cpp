#include "support/ini_section.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(IniSectionReader, GathersEntriesKeysAndValuesUntilALineWithABracket) {
  struct Case {
    const char* section;
    std::vector<std::string> lines;
    std::string entriesKeysValues;
    std::size_t linesTaken;
  };
  const std::string binary("k\xE4=\0v\xFF", 6);
  const Case cases[] = {
      // The header in any case, also inside a longer line; a second one starts nothing new.
      {"FileSystemPlugins", {"; see [filesystemPLUGINS] below", "k=v"}, "k=v;|k;|v;", 2},
      {"FileSystemPlugins", {"[FILESYSTEMPLUGINS]", "k=v", "[filesystemplugins]"}, "k=v;|k;|v;", 3},
      {"b", {"[a]", "k=v"}, "||", 2},
      {"s", {"[s]", "", "; note", "url=a=b", "  last = 1  "}, ";; note;url=a=b;last = 1;|url;last;|;; note;a=b;1;", 5},
      {"s", {"[s]", "a=1", "b=x[1]", "c=2", "[s]", "d=3"}, "a=1;|a;|1;", 3},
      // Names of every script match, other bytes pass untouched.
      {"ä тотал", {"[Ä ТОТАЛ]", binary}, binary + ";|k\xE4;|" + std::string("\0v\xFF;", 4), 2},
  };
  for (const Case& c : cases) {
    IniSectionReader reader(c.section, ";");
    std::size_t taken = 0;
    for (const auto& line : c.lines)
      if (++taken, !reader.TakeLine(line)) break;
    EXPECT_EQ(reader.Entries() + "|" + reader.Keys() + "|" + reader.Values(), c.entriesKeysValues) << c.lines[0];
    EXPECT_EQ(taken, c.linesTaken) << c.lines[0];
  }
}

}  // namespace
