#include "support/session_memory.h"

#include <gtest/gtest.h>

namespace {

TEST(SessionMemory, TheMemoryReadsBackAndBrokenBytesAreNoMemory) {
  const std::string ini(kPortableIni);
  HandedOver handed{"E:\\TC", "E:", {{ini, LineHashes("[a]\r\nb=1\nc")}}, "%COMMANDER_PATH%\\x.bar"};
  handed.pending[ini] = {{"D:\\TC", "D:", {7, 9}}};
  handed.stamps[ini] = {12, 34};
  handed.settings = {"%COMMANDER_PATH%\\a.ini", "X:\\b.ini"};
  std::string bytes;
  HandedOverBytes(handed, bytes);
  EXPECT_TRUE(ReadHandedOver(bytes) == handed);
  const std::string files = bytes.substr(0, bytes.find("file="));
  for (const std::string& broken : {bytes.substr(0, bytes.size() - 1), bytes.substr(1), std::string("\0\xFF", 2),
                                   files + "file=..\\x.ini\r\nlines=0\r\n",
                                   files + "file=TC_portable_x\r\nlines=99999999999999999999\r\n",
                                   files + "file=TC_portable_x\r\nlines=0\r\npending=D:\\TC\r\ndrive=D\r\nlines=0\r\n"})
    EXPECT_FALSE(ReadHandedOver(broken).has_value());
}

}  // namespace
