#include "plugins/plugin_search.h"

#include <gtest/gtest.h>

#include "common/medium.h"
#include "common/scripted_host.h"
#include "platform/file_system.h"
#include "support/ini.h"

namespace {

using platform::MsgResult;

class PluginWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* folder : {"TC\\plugins\\wfx\\ftp", "TC\\plugins\\wlx\\view", "TC\\a\\b", "TC\\c"})
      medium.MakeDirectory(folder);
    for (const char* file : {"TC\\plugins\\wfx\\ftp\\ftp.wfx", "TC\\plugins\\wlx\\view\\view.wlx", "TC\\name.wfx",
                             "TC\\a\\b\\x.wdx", "TC\\c\\y.wcx", "TC\\c\\FTP.WFX", "TC\\c\\a.wlx", "TC\\c\\notes.txt",
                             "TC\\c\\.hidden.wfx"})
      medium.Write(file, "plugin");
    test::SetAttributes(medium.HostWindowsPath("TC\\c\\.hidden.wfx"), test::kHidden);
    medium.Write("TC\\TC_portable_wincmd.ini", "[Configuration]\r\n");
  }

  test::Medium medium;
  test::ScriptedHost host;
  TotalCommanderFolder main = FolderOf("T:\\TC");
};

void Open(test::ScriptedHost& host, const TotalCommanderFolder& main, std::function<void(PluginSearch&)> action) {
  PluginSearch window(main, 1);
  host.OnModal([&](ui::Window&) {
    action(window);
    if (window.IsVisible()) window.CloseBtn->UserClick();
  });
  window.ShowModal();
}

TEST_F(PluginWindow, FindsThePluginsBreadthFirstInPatternOrder) {
  // A link back up the tree is not followed.
  ASSERT_TRUE(!test::UnderWine() || test::RunUnix("ln -s .. " + medium.HostPath("TC\\c\\up")) == 0);
  Open(host, main, [](PluginSearch& w) {
    EXPECT_EQ(w.List1->Items(), (Strings{"%COMMANDER_PATH%\\name.wfx", "%COMMANDER_PATH%\\c\\FTP.WFX",
                                         "%COMMANDER_PATH%\\c\\y.wcx", "%COMMANDER_PATH%\\c\\a.wlx",
                                         "%COMMANDER_PATH%\\a\\b\\x.wdx", "%COMMANDER_PATH%\\plugins\\wfx\\ftp\\ftp.wfx",
                                         "%COMMANDER_PATH%\\plugins\\wlx\\view\\view.wlx"}));
    EXPECT_EQ(w.List1Name->Items(), (Strings{"name", "FTP", "", "", "", "ftp", ""}));
  });
  EXPECT_TRUE(host.Messages().empty());
}

TEST_F(PluginWindow, ARootWithoutSubdirectoriesOrAMissingIniIsHandled) {
  medium.Write("Flat\\x.wfx", "plugin");
  main = FolderOf("T:\\Flat");
  Open(host, main, [](PluginSearch& w) { EXPECT_EQ(w.List1->ListCount(), 0); });
  EXPECT_EQ(host.Said(), (test::Sayings{{"Ambler", "Ini not found"}}));
  EXPECT_EQ(host.Messages()[0].icon, platform::MsgIcon::None);

  main = FolderOf("T:\\Missing");
  Open(host, main, [](PluginSearch& w) { EXPECT_EQ(w.IniFile(), "T:\\Missing\\TC_portable_wincmd.ini"); });
}

TEST_F(PluginWindow, ClicksMoveEntriesBothWaysAndRenamesGoWithThem) {
  host.AnswerInput({"FTP client", std::nullopt});
  Open(host, main, [](PluginSearch& w) {
    w.List1->SetListIndex(6);  // view.wlx: moved as it is
    EXPECT_EQ(w.List2->Items(), (Strings{"%COMMANDER_PATH%\\plugins\\wlx\\view\\view.wlx"}));
    EXPECT_EQ(w.List1->ListCount(), w.List1Name->ListCount());

    w.List1Name->SetListIndex(5);  // ftp: renamed, then moved
    EXPECT_EQ(w.List2Name->Items(), (Strings{"", "FTP client"}));
    EXPECT_EQ(w.List2->List(1), "%COMMANDER_PATH%\\plugins\\wfx\\ftp\\ftp.wfx");

    w.List2Name->SetListIndex(1);  // cancelled rename: moved back with its name
    EXPECT_EQ(w.List1->List(w.List1->ListCount() - 1), "%COMMANDER_PATH%\\plugins\\wfx\\ftp\\ftp.wfx");
    EXPECT_EQ(w.List1Name->List(w.List1Name->ListCount() - 1), "FTP client");
    EXPECT_EQ(w.List2->ListCount(), 1);
    EXPECT_TRUE(w.List1->ListIndex() == -1 && w.List1Name->ListIndex() == -1);

    // A double click on an installed name takes the entry back (its click first).
    w.List2Name->SetListIndex(0);
    EXPECT_EQ(w.List2->ListCount(), 0);
    w.List1->SetListIndex(0);
    w.List2Name->UserDoubleClick();
    EXPECT_EQ(w.List2->ListCount(), 1);
  });
  ASSERT_EQ(host.Inputs().size(), 2u);
  EXPECT_EQ(host.Inputs()[0].title, "Enter Title");
  EXPECT_EQ(host.Inputs()[0].prompt, "Enter new name for this Plugin:");
  EXPECT_EQ(host.Inputs()[0].preset, "ftp");
}

TEST_F(PluginWindow, AllMovesEverythingInReverseAndSaveWritesTheSections) {
  host.Answer({MsgResult::Yes, MsgResult::Yes});
  Open(host, main, [](PluginSearch& w) {
    w.AllBtn->UserClick();
    EXPECT_EQ(w.List1->ListCount() + w.List1Name->ListCount(), 0);
    EXPECT_EQ(w.List2->List(0), "%COMMANDER_PATH%\\plugins\\wlx\\view\\view.wlx");
    EXPECT_EQ(w.List2->List(6), "%COMMANDER_PATH%\\name.wfx");
    w.SaveBtn->UserClick();
    // Take the first lister back and save again: key 1 stays from before.
    w.List2->SetListIndex(0);
    w.SaveBtn->UserClick();
  });
  EXPECT_EQ(host.Said().at(0), (test::Saying{"Save now?", "Save to ini now?\r\rTC_portable_wincmd.ini"}));
  // Keys ignore case: FTP (saved after ftp) holds the key. Packer and content plugins are not saved.
  EXPECT_EQ(medium.Read("TC\\TC_portable_wincmd.ini"),
            "[Configuration]\r\n[ListerPlugins]\r\n0=%COMMANDER_PATH%\\c\\a.wlx\r\n"
            "1=%COMMANDER_PATH%\\c\\a.wlx\r\n[FileSystemPlugins]\r\nftp=%COMMANDER_PATH%\\c\\FTP.WFX\r\n"
            "name=%COMMANDER_PATH%\\name.wfx\r\n");
}

TEST_F(PluginWindow, RescanEmptiesTheInstalledListAndNoSaveWritesNothing) {
  host.Answer({MsgResult::No});
  Open(host, main, [](PluginSearch& w) {
    w.List1->SetListIndex(0);
    w.SaveBtn->UserClick();
    w.ReloadBtn->UserClick();
    EXPECT_TRUE(w.List2->ListCount() == 0 && w.List1->ListCount() == 7);
  });
  EXPECT_EQ(medium.Read("TC\\TC_portable_wincmd.ini"), "[Configuration]\r\n");
}

TEST_F(PluginWindow, PublicMethods) {
  host.Answer({MsgResult::No, MsgResult::Yes});
  Open(host, main, [](PluginSearch& w) {
    w.AddValue("ftp", "%COMMANDER_PATH%\\ftp.wfx");
    w.AddValue("ftp2", "%COMMANDER_PATH%\\other\\FTP.WFX");  // No: a second entry
    w.AddValue("ftp3", "%COMMANDER_PATH%\\third\\ftp.wfx");  // Yes to the first match
    EXPECT_EQ(w.List2->Items(), (Strings{"%COMMANDER_PATH%\\third\\ftp.wfx", "%COMMANDER_PATH%\\other\\FTP.WFX"}));
    EXPECT_EQ(w.List2Name->Items(), (Strings{"ftp", "ftp2"}));

    w.SetFiles("T:\\elsewhere.ini", "T:\\TC\\plugins\\\\");
    w.savetoini();  // that ini is missing: the window closes
    EXPECT_FALSE(w.IsLoaded());
  });
  EXPECT_EQ(host.Messages().back().prompt, "Ini not found");
}

}  // namespace
