#include "support/ini_section.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Feeds the lines as a file reader would and tells what the section holds.
struct Section {
  std::string entries, keys, values;
  std::size_t linesTaken = 0;
};

Section Read(const std::string& section, const std::vector<std::string>& lines, const std::string& separator = ";") {
  IniSectionReader reader(section, separator);
  Section result;
  for (const auto& line : lines) {
    ++result.linesTaken;
    if (!reader.TakeLine(line)) break;
  }
  result.entries = reader.Entries();
  result.keys = reader.Keys();
  result.values = reader.Values();
  return result;
}

TEST(IniSectionReader, FindsTheHeaderInAnyCaseAndInsideALongerLine) {
  EXPECT_EQ(Read("FileSystemPlugins", {"; see [filesystemPLUGINS] below", "k=v"}).entries, "k=v;");
  // A second header line of the same section starts nothing new.
  EXPECT_EQ(Read("FileSystemPlugins", {"[FILESYSTEMPLUGINS]", "k=v", "[filesystemplugins]"}).entries, "k=v;");
  EXPECT_EQ(Read("b", {"[a]", "k=v"}).entries, "");
}

TEST(IniSectionReader, EmptyLinesCommentsAndEqualsSignsInValues) {
  const Section s = Read("s", {"[s]", "", "; note", "url=a=b", "  last = 1  "}, "|");
  EXPECT_EQ(s.entries, "|; note|url=a=b|last = 1|");
  EXPECT_EQ(s.keys, "url|last|");
  EXPECT_EQ(s.values, "|; note|a=b|1|");
}

TEST(IniSectionReader, AnyLineWithABracketEndsTheSectionAndTheReading) {
  const Section s = Read("s", {"[s]", "a=1", "b=x[1]", "c=2", "[s]", "d=3"});
  EXPECT_EQ(s.entries, "a=1;");
  EXPECT_EQ(s.linesTaken, 3u);
}

TEST(IniSectionReader, NamesOfEveryScriptMatchAndOtherBytesPassUntouched) {
  const std::string line("k\xE4=\0v\xFF", 6);
  const Section s = Read("ä тотал", {"[Ä ТОТАЛ]", line});
  EXPECT_EQ(s.entries, line + ";");
  EXPECT_EQ(s.values, std::string("\0v\xFF;", 4));
}

}  // namespace
