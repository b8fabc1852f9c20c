// Writing a key changes only the one line it must; reading a key is held against the profile functions in
// ini_profile_test. The section reader's rules are here too.
#include "support/ini_keys.h"
#include "support/ini_section.h"

#include <gtest/gtest.h>

#include "common/portable_lines.h"
#include "common/test_files.h"

#include "platform/text.h"
#include "support/line_text.h"

namespace {


const std::string kFile =
    "; Total Commander\r\n[Configuration]\r\n  InstallDir = C:\\TC  \r\nEditor=\"C:\\Tools\\ed.exe\"\r\n"
    "Quoted='x'\r\neditor=second\r\n\r\n[ buttonBAR ]\r\nButtonbar=C:\\TC\\Default.bar\r\n\r\n"
    "[configuration]\r\nLater=1\r\n";

TEST(IniKeys, WritingChangesOnlyTheOneLineInEveryForm) {
  using platform::TextEncoding;
  for (const TextEncoding form : {TextEncoding::Ansi, TextEncoding::Utf8, TextEncoding::Utf16}) {
    SCOPED_TRACE(static_cast<int>(form));
    const std::string file = InForm(kFile, form);
    std::string expected = kFile;
    expected.replace(expected.find("Buttonbar=C:\\TC\\Default.bar"), 27, "Buttonbar=%COMMANDER_PATH%\\x.bar");
    EXPECT_EQ(WithIniValue(file, "BUTTONBAR", "ButtonBar", "%COMMANDER_PATH%\\x.bar"), InForm(expected, form));
    // A new key: at the end of its section, before the blank line.
    expected = kFile;
    expected.insert(expected.find("\r\n\r\n[configuration]") + 2, "New=1\r\n");
    EXPECT_EQ(WithIniValue(file, "Buttonbar", "New", "1"), InForm(expected, form));
    // A new section: at the end of the file.
    EXPECT_EQ(WithIniValue(file, "FileSystemPlugins", "ftp", "%COMMANDER_PATH%\\ftp.wfx"),
              InForm(kFile + "[FileSystemPlugins]\r\nftp=%COMMANDER_PATH%\\ftp.wfx\r\n", form));
  }
  EXPECT_EQ(WithIniValue("[a]", "b", "n", "2"), "[a]\r\n[b]\r\nn=2\r\n");
  EXPECT_EQ(WithIniValue("", "b", "n", "2"), "[b]\r\nn=2\r\n");
}

// Each case writes n in section a.
TEST(IniKeys, EveryLineKeepsItsEndAndBytesAndAValueTheCodePageLacksGoesBehindTheMark) {
  struct Case { std::string file, value, written; };
  const std::string value = "%COMMANDER_DRIVE%\\Тотал 🧰\\x.bar", mark = "\xEF\xBB\xBF";
  const auto utf16 = [](const std::string& text) { return InForm(text, platform::TextEncoding::Utf16); };
  const std::string odd = utf16("[a]\r\nn=1\r\n") + "\x41";
  const std::string binary("MZ\x90\0\x03\0\r\n[a]\r\n\0\xFF", 15);
  const Case cases[] = {
      // Edited with a Unix editor: the key is found, its neighbours stay.
      {"[a]\r\nn=E:\\TC\\DEFAULT.BAR\nButtonheight=32\nFlatIcons=1\r\n", "x", "[a]\r\nn=x\nButtonheight=32\nFlatIcons=1\r\n"},
      // An added line ends as the line before it.
      {"[a]\nk=1\r\n\r\n[b]\n", "x", "[a]\nk=1\r\nn=x\r\n\r\n[b]\n"},
      {"[b]\nk=1\n", "x", "[b]\nk=1\n[a]\nn=x\n"},
      {"[a]\nk=1", "x", "[a]\nk=1\nn=x\n"},
      // A lone CR is part of its line; a CR before the LF belongs to the line end.
      {"[a]\r\nn=1\rj=2\r\r\n", "x", "[a]\r\nn=x\r\n"},
      // No code page holds 🧰: behind the mark in an ANSI file, as it is in a UTF-16 one.
      {"[a]\r\nn=old\r\n", value, "[a]\r\nn=" + mark + value + "\r\n"},
      {utf16("[a]\r\n"), value, utf16("[a]\r\nn=" + value + "\r\n")},
      // An odd last byte of UTF-16, no UTF-8 behind the mark, bytes of no code page.
      {odd, "2", utf16("[a]\r\nn=2\r\n") + "\x41"},
      {"[a]\r\nv=" + mark + "\xC3\x28\x81\r\nn=1\r\n", "2", "[a]\r\nv=" + mark + "\xC3\x28\x81\r\nn=2\r\n"},
      {binary, "1", binary + "\r\nn=1\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    EXPECT_EQ(WithIniValue(c.file, "a", "n", c.value), c.written);
    EXPECT_EQ(FindIniValue(c.written, "a", "n"), c.value);
  }
  EXPECT_EQ(FindIniValue("[a]\r\nn=1\rj=2\r\r\n", "a", "n"), "1\rj=2");
  EXPECT_EQ(FindIniValue("[a]\r\nn=1\rj=2\r\r\n", "a", "j"), std::nullopt);
}

TEST(IniSectionReader, GathersEntriesKeysAndValuesUntilALineWithABracket) {
  struct Case {
    const char* section;
    Strings lines;
    std::string entries = {}, keys = {}, values = {};
    std::size_t linesTaken;
  };
  const std::string binary("k\xE4=\0v\xFF", 6);
  const Case cases[] = {
      // The header in any case, also inside a longer line; a second one starts nothing new.
      {.section = "FileSystemPlugins",
       .lines = {"; see [filesystemPLUGINS] below", "k=v"},
       .entries = "k=v;",
       .keys = "k;",
       .values = "v;",
       .linesTaken = 2},
      {.section = "FileSystemPlugins",
       .lines = {"[FILESYSTEMPLUGINS]", "k=v", "[filesystemplugins]"},
       .entries = "k=v;",
       .keys = "k;",
       .values = "v;",
       .linesTaken = 3},
      {.section = "b", .lines = {"[a]", "k=v"}, .linesTaken = 2},
      {.section = "s",
       .lines = {"[s]", "", "; note", "url=a=b", "  last = 1  "},
       .entries = ";; note;url=a=b;last = 1;",
       .keys = "url;last;",
       .values = ";; note;a=b;1;",
       .linesTaken = 5},
      {.section = "s",
       .lines = {"[s]", "a=1", "b=x[1]", "c=2", "[s]", "d=3"},
       .entries = "a=1;",
       .keys = "a;",
       .values = "1;",
       .linesTaken = 3},
      // Names of every script match, other bytes pass untouched.
      {.section = "ä тотал",
       .lines = {"[Ä ТОТАЛ]", binary},
       .entries = binary + ";",
       .keys = "k\xE4;",
       .values = std::string("\0v\xFF;", 4),
       .linesTaken = 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines[0]);
    IniSectionReader reader(c.section, ";");
    std::size_t taken = 0;
    for (const auto& line : c.lines) {
      ++taken;
      if (!reader.TakeLine(line)) break;
    }
    EXPECT_EQ(reader.Entries(), c.entries);
    EXPECT_EQ(reader.Keys(), c.keys);
    EXPECT_EQ(reader.Values(), c.values);
    EXPECT_EQ(taken, c.linesTaken);
  }
}

}  // namespace
