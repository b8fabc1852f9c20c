#include "support/config_web.h"

#include <gtest/gtest.h>

namespace {

// Where names lead from a bar in T:\TC\bars, Total Commander being in T:\TC.
TEST(ReferencedFile, LeadsWithinTheMediumOnlyAndResolvesEveryFormOfName) {
  const TotalCommanderFolder folder = FolderOf("T:\\TC");
  const std::pair<const char*, const char*> cases[] = {
      {"sub.bar", "T:\\TC\\bars\\sub.bar"}, {"..\\..\\x.bar", "T:\\x.bar"}, {"..\\..\\..\\x.bar", "T:\\x.bar"},
      {"./a/./b.bar", "T:\\TC\\bars\\a\\b.bar"}, {"\\Bars\\x.bar", "T:\\Bars\\x.bar"}, {"t:\\x.bar", "t:\\x.bar"},
      {" %COMMANDER_DRIVE%\\x.bar ", "T:\\x.bar"}, {"%commander_ini%\\..\\x.ini", "T:\\TC\\x.ini"},
      {"C:\\x.bar", ""}, {"\\\\server\\share\\x.bar", ""}, {"%APPDATA%\\x.ini", ""}, {"", ""}, {"\\\\", ""}};
  for (const auto& [name, file] : cases) EXPECT_EQ(ReferencedFile(name, folder, "T:\\TC\\bars\\"), file) << name;
  // From a share, only Total Commander's own folder is the medium's.
  const TotalCommanderFolder share = FolderOf("\\\\server\\share\\TC");
  EXPECT_EQ(ReferencedFile("%COMMANDER_PATH%\\x.bar", share, share.TCPath), "\\\\server\\share\\TC\\x.bar");
  EXPECT_EQ(ReferencedFile("..\\x.bar", share, share.TCPath), "");
  EXPECT_EQ(PortableCopyName("T:\\TC\\bars\\x.bar"), PortableCopyName("u:\\tc\\BARS\\x.bar"));
}

}  // namespace
