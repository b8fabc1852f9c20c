#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/test_files.h"

namespace {

// Also lines longer than the reader's buffer, and a CR and LF on both sides of a 64 KiB boundary.
TEST(TextFileReader, EndsLinesAtCrOrCrLfButNotAtALoneLf) {
  test::TempDir dir;
  const auto file = dir / "a.txt";
  const std::string longLine(10 * 1024 * 1024 + 7, 'x'), first(64 * 1024 - 1, 'a');
  const std::pair<std::string, Strings> cases[] = {
      {"", {}}, {"a", {"a"}}, {"a\r\n", {"a"}}, {"a\r\nb", {"a", "b"}}, {"a\rb\r", {"a", "b"}},
      {"a\r\n\r\n", {"a", ""}}, {"a\nb\n", {"a\nb\n"}}, {"\r\n\r", {"", ""}}, {"a\n\r\nb", {"a\n", "b"}},
      {std::string("x\0y\r\n\0", 6), {std::string("x\0y", 3), std::string("\0", 1)}},
      {first + "\r\n" + longLine + "\r\nend", {first, longLine, "end"}},
  };
  for (const auto& [content, expected] : cases) {
    test::WriteFile(file, content);
    EXPECT_TRUE(test::FileLines(file) == expected) << "content of " << content.size() << " bytes";
  }
}

TEST(TextFiles, MissingOrUnwritableFilesFailWithoutHarm) {
  test::TempDir dir;
  platform::TextFileReader reader(dir / "missing.txt");
  std::string line = "stale";
  EXPECT_FALSE(reader.IsOpen() || reader.ReadLine(line));
  EXPECT_EQ(line, "");
  platform::TextFileWriter writer(dir / "no such dir\\out.txt");
  EXPECT_FALSE(writer.IsOpen() || writer.WriteLine("x") || writer.Close());
}

}  // namespace
