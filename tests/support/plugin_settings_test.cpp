#include "support/plugin_settings.h"

#include <gtest/gtest.h>

#include "support/line_text.h"

namespace {

// At home the stick is E: and the data disk D:; at work the stick is D: and the host has an E:. Each day's
// file holds the stick's paths on that day's letter, in either form; the host's paths keep theirs.
TEST(PluginSettings, PathsOnTheStickFollowItsLetterAndTheHostsKeepTheirs) {
  for (const bool utf16 : {false, true}) {
    SCOPED_TRACE(utf16 ? "UTF-16" : "ANSI");
    const auto form = [utf16](const std::string& text) { return utf16 ? "\xFF\xFE" + Utf8ToUtf16(text) : text; };
    const std::string home = "[adb]\r\nADBPath=E:\\TC\\adb\r\nkey='E:/keys/k.pem'\r\nlist=E:\\a;D:\\b\r\n";
    PluginSettings day = PluginSettingsOnToday(form(home), "", "E:", "E:");
    EXPECT_EQ(day.day, form(home));
    day = PluginSettingsOnToday(day.day, day.shadow, "E:", "D:");
    EXPECT_EQ(day.day, form("[adb]\r\nADBPath=D:\\TC\\adb\r\nkey='D:/keys/k.pem'\r\nlist=D:\\a;D:\\b\r\n"));
    // The session at work adds a data file and a host's program, and moves a value to another key.
    const std::string work = "[adb]\r\nPath=D:\\TC\\adb\r\nkey='D:/keys/k.pem'\r\nlist=D:\\a;D:\\b\r\n"
                             "db=D:\\Data\\f.db\r\nhost=E:\\HostApps\\h.exe\r\n";
    day = PluginSettingsOnToday(form(work), day.shadow, "D:", "E:");
    EXPECT_EQ(day.day, form("[adb]\r\nPath=E:\\TC\\adb\r\nkey='E:/keys/k.pem'\r\nlist=E:\\a;D:\\b\r\n"
                            "db=E:\\Data\\f.db\r\nhost=E:\\HostApps\\h.exe\r\n"));
    EXPECT_EQ(PluginSettingsOnToday(day.day, day.shadow, "E:", "D:").day,
              form("[adb]\r\nPath=D:\\TC\\adb\r\nkey='D:/keys/k.pem'\r\nlist=D:\\a;D:\\b\r\n"
                   "db=D:\\Data\\f.db\r\nhost=E:\\HostApps\\h.exe\r\n"));
  }
}

}  // namespace
