#include "support/session_lines.h"

#include <gtest/gtest.h>

namespace {

// A line written in the session, and what the next start makes of it.
TEST(SessionLines, TheFolderAndThenTheDriveWhereAPathBeginsWithThem) {
  const HandedOver folder{"E:\\TC", "E:", {}}, root{"E:", "E:", {}}, share{"\\\\srv\\s\\TC", "", {}};
  const std::tuple<const HandedOver*, const char*, const char*> cases[] = {
      {&folder, "p=e:\\tc\\x;E:\\TC,\"E:\\TC\"", "p=%COMMANDER_PATH%\\x;%COMMANDER_PATH%,\"%COMMANDER_PATH%\""},
      {&folder, "E:\\TC2\\x E:/y xE:\\z", "%COMMANDER_DRIVE%\\TC2\\x %COMMANDER_DRIVE%/y xE:\\z"},
      {&folder, "h:mm:ss /E: TYPE:1 E:", "h:mm:ss /E: TYPE:1 E:"},
      {&root, "E:\\x /E: E:", "%COMMANDER_PATH%\\x /E: E:"},
      {&share, "\\\\srv\\s\\TC\\x E:\\y", "%COMMANDER_PATH%\\x E:\\y"}};
  for (const auto& [handed, line, portable] : cases) EXPECT_EQ(SessionLinePortable(line, *handed), portable) << line;
}

TEST(SessionLines, TheMemoryReadsBackAndBrokenBytesAreNoMemory) {
  const HandedOver handed{"E:\\TC", "E:", {{"TC_portable_wincmd.ini", LineHashes("[a]\r\nb=1\nc")}}};
  const std::string bytes = HandedOverBytes(handed);
  const auto back = ReadHandedOver(bytes);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->dir + back->drive, "E:\\TCE:");
  EXPECT_EQ(back->files, handed.files);
  EXPECT_EQ(back->files.begin()->second.size(), 3u);
  for (const std::string& broken : {bytes.substr(0, bytes.size() - 1), bytes.substr(1), std::string("\0\xFF", 2),
                                   bytes.substr(0, bytes.find("file=")) + "file=..\\x.ini\r\nlines=0\r\n",
                                   bytes.substr(0, bytes.find("file=")) + "file=TC_portable_x\r\nlines=99999999999999999999\r\n"})
    EXPECT_FALSE(ReadHandedOver(broken).has_value());
}

}  // namespace
