#include "support/plugin_settings.h"

#include <gtest/gtest.h>

#include "common/portable_lines.h"

namespace {

// At home the stick is E: and the data disk D:; at work the stick is D: and the host has an E:. Each day's
// file holds the stick's paths on that day's letter, in either form; the host's paths keep theirs.
TEST(PluginSettings, PathsOnTheStickFollowItsLetterAndTheHostsKeepTheirs) {
  for (const platform::TextEncoding encoding : {platform::TextEncoding::Ansi, platform::TextEncoding::Utf16}) {
    SCOPED_TRACE(static_cast<int>(encoding));
    const auto form = [encoding](const std::string& text) { return InForm(text, encoding); };
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
