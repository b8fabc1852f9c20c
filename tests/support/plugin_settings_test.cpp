#include "support/plugin_settings.h"

#include <gtest/gtest.h>

namespace {

// At home the stick is E: and the data disk D:; at work the stick is D: and the host has an E:. Each day's
// file holds the stick's paths on that day's letter; the host's paths keep theirs. (UTF-16 files: the
// session test.)
TEST(PluginSettings, PathsOnTheStickFollowItsLetterAndTheHostsKeepTheirs) {
  const std::string home = "[adb]\r\nADBPath=E:\\TC\\adb\r\nkey='E:/keys/k.pem'\r\nlist=E:\\a;D:\\b\r\n";
  PluginSettings day = PluginSettingsOnToday(home, "", "E:", "E:");
  EXPECT_EQ(day.day, home);
  day = PluginSettingsOnToday(day.day, day.shadow, "E:", "D:");
  EXPECT_EQ(day.day, "[adb]\r\nADBPath=D:\\TC\\adb\r\nkey='D:/keys/k.pem'\r\nlist=D:\\a;D:\\b\r\n");
  // The session at work adds a data file and a host's program, and moves a value to another key.
  const std::string work = "[adb]\r\nPath=D:\\TC\\adb\r\nkey='D:/keys/k.pem'\r\nlist=D:\\a;D:\\b\r\n"
                           "db=D:\\Data\\f.db\r\nhost=E:\\HostApps\\h.exe\r\n";
  day = PluginSettingsOnToday(work, day.shadow, "D:", "E:");
  EXPECT_EQ(day.day, "[adb]\r\nPath=E:\\TC\\adb\r\nkey='E:/keys/k.pem'\r\nlist=E:\\a;D:\\b\r\n"
                     "db=E:\\Data\\f.db\r\nhost=E:\\HostApps\\h.exe\r\n");
  EXPECT_EQ(PluginSettingsOnToday(day.day, day.shadow, "E:", "D:").day,
            "[adb]\r\nPath=D:\\TC\\adb\r\nkey='D:/keys/k.pem'\r\nlist=D:\\a;D:\\b\r\n"
            "db=D:\\Data\\f.db\r\nhost=E:\\HostApps\\h.exe\r\n");
}

}  // namespace
