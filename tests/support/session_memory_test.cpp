#include "support/session_memory.h"

#include <gtest/gtest.h>

#include "common/test_files.h"
#include "platform/medium_changes.h"

namespace {

TEST(SessionMemory, TheMemoryReadsBackAndBrokenBytesAreNoMemory) {
  const std::string ini(kPortableIni);
  HandedOver handed{"E:\\TC", "E:", {{ini, LineHashes("[a]\r\nb=1\nc")}}};
  handed.pending[ini] = {{"D:\\TC", "D:", {7, 9}}, {"E:", "", {8}}};
  std::string bytes;
  HandedOverBytes(handed, bytes);
  const auto back = ReadHandedOver(bytes);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->dir + back->drive, "E:\\TCE:");
  EXPECT_EQ(back->files, handed.files);
  EXPECT_EQ(back->pending, handed.pending);
  const std::string files = bytes.substr(0, bytes.find("file="));
  for (const std::string& broken : {bytes.substr(0, bytes.size() - 1), bytes.substr(1), std::string("\0\xFF", 2),
                                   files + "file=..\\x.ini\r\nlines=0\r\n",
                                   files + "file=TC_portable_x\r\nlines=99999999999999999999\r\n",
                                   files + "file=TC_portable_x\r\nlines=0\r\npending=D:\\TC\r\ndrive=D\r\nlines=0\r\n"})
    EXPECT_FALSE(ReadHandedOver(broken).has_value());
}

// The session at home (the stick E:) wrote a path; at work the stick was full. The line waits with E:, and the
// next start with room converts it so, though the memory has the letters of work since.
TEST(SessionMemory, ALineThatCouldNotBeConvertedWaitsWithItsLetters) {
  test::TempDir dir;
  const TotalCommanderFolder folder = FolderOf(dir.Path());
  const std::string ini = folder.File(kPortableIni);
  std::string memory;
  HandedOverBytes({"E:\\TC", "E:", {{std::string(kPortableIni), LineHashes("[left]\r\n")}}}, memory);
  test::WriteFile(folder.File(kHandedOverFile), memory);
  test::WriteFile(ini, "[left]\r\npath=E:\\Data\\\r\n");
  Strings unwritable;
  SessionMemory full([&](const std::string& file) { unwritable.push_back(file); });
  platform::PullMediumAtChange(1);
  EXPECT_TRUE(full.Begin(folder, false));
  platform::PullMediumAtChange(0);
  full.Remember({ini}, "");
  EXPECT_EQ(unwritable, Strings{ini});
  EXPECT_EQ(test::ReadFile(ini), "[left]\r\npath=E:\\Data\\\r\n");

  SessionMemory room([](const std::string&) {});
  room.Begin(folder, false);
  EXPECT_EQ(test::ReadFile(ini), "[left]\r\npath=%COMMANDER_DRIVE%\\Data\\\r\n");
}

}  // namespace
