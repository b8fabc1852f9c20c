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

// A line's value is looked for where its hash puts it in a long sorted list.
TEST(SessionLines, EveryLineIsFoundAmongManyHandedOver) {
  const HandedOver folder{"E:\\TC", "E:", {}};
  std::string many;
  for (int i = 0; i < 20000; ++i) many += "p=E:\\TC\\x" + std::to_string(i) + "\r\n";
  const auto handed = LineHashes(many);
  EXPECT_FALSE(SessionConversion(many, &handed, folder).FindChange());
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
