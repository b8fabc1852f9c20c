#include "support/session_lines.h"

#include <gtest/gtest.h>

namespace {

TEST(SessionLines, TheFolderAndThenTheDriveWhereAPathBeginsWithThem) {
  const HandedOver folder{"E:\\TC", "E:", {}}, root{"E:", "E:", {}}, share{"\\\\srv\\s\\TC", "", {}};
  const std::tuple<const HandedOver*, const char*, const char*> cases[] = {
      {&folder, "p=e:\\tc\\x;E:\\TC,\"E:\\TC\"", "p=%COMMANDER_PATH%\\x;%COMMANDER_PATH%,\"%COMMANDER_PATH%\""},
      {&folder, "E:\\TC2\\x E:/y xE:\\z", "%COMMANDER_DRIVE%\\TC2\\x %COMMANDER_DRIVE%/y xE:\\z"},
      {&folder, "h:mm:ss /E: TYPE:1 E:", "h:mm:ss /E: TYPE:1 E:"},
      {&root, "E:\\x /E: E:", "%COMMANDER_PATH%\\x /E: E:"},
      {&share, "\\\\srv\\s\\TC\\x E:\\y", "%COMMANDER_PATH%\\x E:\\y"}};
  for (const auto& [handed, line, portable] : cases) EXPECT_EQ(SessionLinePortable(line, handed->dir, handed->drive), portable) << line;
}

// The hashes of both versions' lines are those LineHashes gives, whether the new one was written or not.
TEST(SessionLines, AConversionWritesTheChangedLinesAndKnowsTheLinesOfBothVersions) {
  const HandedOver folder{"E:\\TC", "E:", {}};
  std::string many;
  for (int i = 0; i < 20000; ++i) many.append(1, 'p').append(std::to_string(i)).append("=E:\\TC\\x\r\n");
  const auto handed = LineHashes(many);
  EXPECT_FALSE(SessionConversion(many, &handed, folder).FindChange());  // every line found among the many

  const std::string bytes = "[a]\r\nx=E:\\TC\\a\np0=E:\\TC\\x\r\nnew=E:\\y\r\nlast";
  for (const bool writable : {true, false}) {
    SessionConversion conversion(bytes, &handed, folder);
    ASSERT_TRUE(conversion.FindChange());
    std::string written;
    EXPECT_EQ(conversion.WriteTo([&](std::string_view piece) { return writable && (written += piece, true); }), writable);
    EXPECT_EQ(written, writable ? "[a]\r\nx=%COMMANDER_PATH%\\a\np0=E:\\TC\\x\r\nnew=%COMMANDER_DRIVE%\\y\r\nlast" : "");
    EXPECT_EQ(conversion.Lines(writable), LineHashes(writable ? written : bytes));
  }
}

// What the user typed to search, select or rename, and comments, are no paths.
TEST(SessionLines, ACommentAndTheTextsOfSearchesSelectionsAndRenamesStay) {
  const HandedOver folder{"E:\\TC", "E:", {}};
  const std::string bytes = "; E:\\ is the stick\r\n[SearchText]\r\n0=^e:\\d+\r\n[searches]\r\nx_SearchFor=e:\\*.bak\r\n"
                            "x_SearchIn=E:\\Data\r\n[Selection]\r\n0=E:\\*.*\r\n[left]\r\npath=E:\\Data\r\n";
  SessionConversion conversion(bytes, nullptr, folder);
  ASSERT_TRUE(conversion.FindChange());
  std::string written;
  conversion.WriteTo([&](std::string_view piece) {
    written += piece;
    return true;
  });
  EXPECT_EQ(written, "; E:\\ is the stick\r\n[SearchText]\r\n0=^e:\\d+\r\n[searches]\r\nx_SearchFor=e:\\*.bak\r\n"
                     "x_SearchIn=%COMMANDER_DRIVE%\\Data\r\n[Selection]\r\n0=E:\\*.*\r\n[left]\r\npath=%COMMANDER_DRIVE%\\Data\r\n");
}

}  // namespace
