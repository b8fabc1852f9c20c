// The first-start imports, the button bar imports and the shortcuts on a real
// test medium.
#include "files_dialog/files.h"
#include "launcher/launcher_test.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/shell.h"
#include "support/ini.h"
#include "support/shell_links.h"

namespace {

using platform::MsgResult;

using Import = LauncherTest;
using Texts = std::vector<std::string>;

TEST_F(Import, SameFileWithoutForceIsRefused) {
  medium.MakeDirectory("TC");
  medium.Write("TC\\a.ini", "x=T:\\TC\r\n");
  Form1& form = Start("/?");
  form.Work().CopyAndParseFile(medium.Path("TC\\a.ini"), medium.Path("TC\\A.INI"), "T:\\TC", "", "%P%");
  EXPECT_EQ(host.Said(), Texts{"Error: same file selected!|Source & Destination Files are the same:\r\r" +
                                medium.Path("TC\\a.ini")});
  EXPECT_EQ(host.Messages()[0].icon, platform::MsgIcon::Critical);
  EXPECT_EQ(medium.Read("TC\\a.ini"), "x=T:\\TC\r\n");
}

TEST_F(Import, MissingSourceWithoutForceOffersBrowsingThenCreatesAnEmptyFile) {
  medium.MakeDirectory("TC");
  Form1& form = Start("/?");
  host.Answer({MsgResult::No});
  form.Work().CopyAndParseFile(medium.Path("TC\\wincmd.ini"), medium.Path("TC\\P.ini"), "T:\\TC", "", "%P%");
  EXPECT_EQ(host.Said(), (Texts{"First Start: Browse for File?|Browse for wincmd.ini File now?\r\r"
                                "Target: T:\\TC\\P.ini",
                                "Cancled|Import cancled!"}));
  EXPECT_EQ(medium.Read("TC\\P.ini"), "");
  EXPECT_FALSE(form.State().FilesImported);
}

TEST_F(Import, FirstStartImportsEverythingAndASecondStartChangesNothing) {
  medium.MakeDirectory("TC");
  medium.PutTotalCommander("TC\\TOTALCMD64.EXE");
  medium.Write("TC\\wincmd.ini",
               "[Configuration]\r\nInstallDir=T:\\TC\r\n[Buttonbar]\r\nButtonbar=t:\\tc\\DEFAULT.BAR\r\n"
               "[FileSystemPlugins]\r\nftp=T:\\TC\\plugins\\ftp.wfx\r\n");
  medium.Write("TC\\wcx_ftp.ini", "[Demo]\r\nlocaldir=T:\\Downloads\r\n");
  medium.Write("TC\\DEFAULT.BAR", "[Buttonbar]\r\nbutton1=T:\\TC\\TOTALCMD64.EXE,1\r\ncmd1=T:\\Tools\\x.exe\r\n");
  medium.Write("TC\\DEFAULT.br1", "companion");

  host.OnModal([](ui::Window& window) { window.RequestClose(); });  // the plugin window
  host.Answer({MsgResult::No});  // the desktop shortcuts
  Form1& form = Start("");
  EXPECT_TRUE(form.State().FilesImported);
  EXPECT_EQ(medium.Read("TC\\TC_portable_wincmd.ini"),
            "[Configuration]\r\nInstallDir=%COMMANDER_PATH%\r\n[Buttonbar]\r\n"
            "Buttonbar=%COMMANDER_PATH%\\TC_portable_Default.bar\r\n"
            "[FileSystemPlugins]\r\nftp=%COMMANDER_PATH%\\plugins\\ftp.wfx\r\n");
  EXPECT_EQ(medium.Read("TC\\TC_portable_wcx_ftp.ini"), "[Demo]\r\nlocaldir=%COMMANDER_DRIVE%\\Downloads\r\n");
  EXPECT_EQ(medium.Read("TC\\TC_portable_Default.bar"),
            "[Buttonbar]\r\nbutton1=%COMMANDER_PATH%\\TOTALCMD64.EXE,1\r\ncmd1=%COMMANDER_DRIVE%\\Tools\\x.exe\r\n");
  EXPECT_EQ(medium.Read("TC\\TC_portable_Default.br1"), "companion");
  EXPECT_EQ(medium.Read("TC\\wincmd.ini").find("%"), std::string::npos);
  EXPECT_EQ(host.Said(), Texts{"Desktop Shortcut?|Create a Destkop-Shortcut?"});
  auto starts = medium.Received("TC");
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].commandLine,
            "T:\\TC\\TOTALCMD64.EXE  /i=T:\\TC\\TC_portable_wincmd.ini /f=T:\\TC\\TC_portable_wcx_ftp.ini");

  const char* portable[] = {"TC\\TC_portable_wincmd.ini", "TC\\TC_portable_wcx_ftp.ini", "TC\\TC_portable_Default.bar",
                            "TC\\TC_portable_Default.br1"};
  std::vector<std::string> contents;
  std::vector<std::filesystem::file_time_type> times;
  for (const char* name : portable) {
    contents.push_back(medium.Read(name));
    times.push_back(test::ModificationTime(medium.Path(name)));
  }
  Start("");
  EXPECT_EQ(host.Messages().size(), 1u);
  for (std::size_t i = 0; i < std::size(portable); ++i) {
    EXPECT_EQ(medium.Read(portable[i]), contents[i]) << portable[i];
    EXPECT_EQ(test::ModificationTime(medium.Path(portable[i])), times[i]) << portable[i];
  }
  EXPECT_EQ(medium.Received("TC", 2).size(), 2u);
}

TEST_F(Import, DesktopShortcutsStartTheLauncherPlainAndWithHelp) {
  const std::string desktop = GetDesktopFolder();
  ASSERT_FALSE(desktop.empty());
  const std::string plain = desktop + "Total Commander (mobile).lnk";
  const std::string setup = desktop + "Total Commander (mobile - Setup).lnk";
  platform::RemoveFile(plain);
  platform::RemoveFile(setup);

  medium.MakeDirectory("TC");
  Form1& form = Start("-d T:\\Docs", "T:\\TC");  // Total Commander is missing: the help window
  host.Answer({MsgResult::Yes, MsgResult::Yes});
  form.Command4->UserClick();
  ASSERT_EQ(host.Said().size(), 3u);
  EXPECT_EQ(host.Said()[2], "Ambler|Add your Command-Line:\r\r-d T:\\Docs\r\rto the Shortcut?");
  EXPECT_EQ(host.DoEventsCalls(), 2);

  platform::Shortcut link;
  ASSERT_TRUE(platform::LoadShortcut(plain, link));
  EXPECT_EQ(link.target, "T:\\TC\\Ambler.exe");
  EXPECT_EQ(link.arguments, "-d T:\\Docs");
  EXPECT_EQ(link.iconFile, "T:\\TC\\Ambler.exe");
  EXPECT_EQ(link.iconIndex, 0);
  EXPECT_EQ(link.windowStyle, 1);
  ASSERT_TRUE(platform::LoadShortcut(setup, link));
  EXPECT_EQ(link.arguments, "/?");

  // No to the first question: nothing is written.
  EXPECT_TRUE(platform::RemoveFile(plain));
  EXPECT_TRUE(platform::RemoveFile(setup));
  host.Answer({MsgResult::No});
  form.Picture1->UserClick();
  EXPECT_FALSE(platform::FileExists(plain));
}

TEST_F(Import, HiddenOrSystemIniIsLeftAloneAndAnEmptyPortableIniIsUsed) {
  medium.MakeDirectory("TC");
  medium.PutTotalCommander("TC\\TOTALCMD64.EXE");
  const std::string original = "[Configuration]\r\nInstallDir=T:\\TC\r\n";
  medium.Write("TC\\wincmd.ini", original);
  medium.Write("TC\\wcx_ftp.ini", original);
  ASSERT_EQ(platform::RunAndWait("cmd /c attrib +h T:\\TC\\wincmd.ini", 60000), 0u);
  ASSERT_EQ(platform::RunAndWait("cmd /c attrib +s T:\\TC\\wcx_ftp.ini", 60000), 0u);
  ASSERT_FALSE(platform::FileExists(medium.Path("TC\\wincmd.ini")));
  ASSERT_FALSE(platform::FileExists(medium.Path("TC\\wcx_ftp.ini")));

  host.OnModal([](ui::Window& window) { window.RequestClose(); });  // the plugin window
  Start("");
  EXPECT_EQ(medium.Read("TC\\TC_portable_wincmd.ini"),
            "[Buttonbar]\r\nButtonbar=%COMMANDER_PATH%\\TC_portable_Default.bar\r\n");
  EXPECT_EQ(medium.Read("TC\\TC_portable_wcx_ftp.ini"), "");
  EXPECT_EQ(medium.Read("TC\\wincmd.ini"), original);
  EXPECT_EQ(medium.Read("TC\\wcx_ftp.ini"), original);
  EXPECT_TRUE(host.Messages().empty());
  EXPECT_EQ(host.ShownWindows(), (std::vector<std::string>{"*PluginSearch"}));
  EXPECT_EQ(medium.Received("TC")[0].commandLine,
            "T:\\TC\\TOTALCMD64.EXE  /i=T:\\TC\\TC_portable_wincmd.ini /f=T:\\TC\\TC_portable_wcx_ftp.ini");
}

TEST_F(Import, AFrozenIniGivesAWritableCopyAndAPortableIniTheUserHidOrFrozeIsKept) {
  medium.MakeDirectory("TC");
  medium.PutTotalCommander("TC\\TOTALCMD64.EXE");
  medium.Write("TC\\wincmd.ini", "[Configuration]\r\nInstallDir=T:\\TC\r\n");
  medium.Write("TC\\DEFAULT.BAR", "[Buttonbar]\r\n");
  test::SetAttributes(medium.HostWindowsPath("TC\\wincmd.ini"), test::kReadOnly);
  host.AnswerUnscripted([](const test::ShownMessage&) { return MsgResult::No; });
  host.OnUnscriptedModal([](ui::Window& window) { window.RequestClose(); });
  Start("");
  const std::string portable = "TC\\TC_portable_wincmd.ini";
  EXPECT_EQ(test::Attributes(medium.HostWindowsPath(portable)), 0u);
  EXPECT_EQ(medium.Read(portable), "[Configuration]\r\nInstallDir=%COMMANDER_PATH%\r\n"
                                   "[Buttonbar]\r\nButtonbar=%COMMANDER_PATH%\\TC_portable_Default.bar\r\n");
  for (const auto& entry : std::filesystem::directory_iterator(medium.HostWindowsPath("TC")))
    EXPECT_FALSE(Contains(entry.path().filename().string(), "ambler-")) << entry.path();

  // The user's own settings in a hidden portable ini: used, not imported over.
  const std::string own = "[Configuration]\r\nInstallDir=D:\\Mine\r\n";
  medium.Write(portable, own);
  test::SetAttributes(medium.HostWindowsPath(portable), test::kHidden);
  const std::size_t asked = host.Messages().size();
  Start("");
  EXPECT_EQ(medium.Read(portable), own);
  EXPECT_EQ(test::Attributes(medium.HostWindowsPath(portable)), static_cast<unsigned long>(test::kHidden));
  EXPECT_EQ(host.Messages().size(), asked);
  EXPECT_EQ(medium.Received("TC", 2).back().commandLine,
            "T:\\TC\\TOTALCMD64.EXE  /i=T:\\TC\\TC_portable_wincmd.ini /f=T:\\TC\\TC_portable_wcx_ftp.ini");

  // A frozen portable ini that a start would change says so, once.
  test::SetAttributes(medium.HostWindowsPath(portable), test::kReadOnly);
  Start("");
  EXPECT_EQ(medium.Read(portable), own);
  EXPECT_EQ(host.Said().size(), asked + 1);
  EXPECT_TRUE(host.Said().back().starts_with("Not saved|"));
  test::SetAttributes(medium.HostWindowsPath(portable), 0);
}

TEST_F(Import, WindowsDirectoryOfTheDesktopsDriveIsOffered) {
  const std::string desktop = GetDesktopFolder();
  ASSERT_FALSE(desktop.empty());
  const std::string windowsIni = desktop.substr(0, 1) + ":\\Windows\\ambler-offer.ini";
  test::WriteFile(windowsIni, "x=T:\\TC\\y\r\n");
  medium.MakeDirectory("TC");
  Form1& form = Start("/?");
  host.Answer({MsgResult::Yes});
  form.Work().CopyAndParseFile(medium.Path("TC\\ambler-offer.ini"), medium.Path("TC\\P.ini"), "T:\\TC", "",
                        "%COMMANDER_PATH%");
  platform::RemoveFile(windowsIni);
  EXPECT_EQ(host.Said(), Texts{"First Start: Import from Windows directory?|Import from Windows directory?\r\r" +
                                windowsIni + "\r\rImportant: original file will not be changed!!"});
  EXPECT_TRUE(form.State().FilesImported);
  EXPECT_EQ(medium.Read("TC\\P.ini"), "x=%COMMANDER_PATH%\\y\r\n");
}

TEST_F(Import, TotalCommanderAtTheDriveRoot) {
  medium.PutTotalCommander("TOTALCMD64.EXE");
  medium.Write("wincmd.ini", "[Configuration]\r\nInstallDir=T:\\\r\nx=T:\\plugins\\a.wfx\r\n");
  medium.Write("wcx_ftp.ini", "");
  host.OnModal([](ui::Window& window) { window.RequestClose(); });  // the plugin window
  host.Answer({MsgResult::No});
  Form1& form = Start("", "T:\\");
  EXPECT_EQ(form.Work().Folder().dir, "T:");
  EXPECT_EQ(medium.Read("TC_portable_wincmd.ini"),
            "[Configuration]\r\nInstallDir=%COMMANDER_PATH%\\\r\nx=%COMMANDER_PATH%\\plugins\\a.wfx\r\n"
            "[Buttonbar]\r\nButtonbar=%COMMANDER_PATH%\\TC_portable_Default.bar\r\n");
  EXPECT_EQ(medium.Received("")[0].commandLine,
            "T:\\TOTALCMD64.EXE  /i=T:\\TC_portable_wincmd.ini /f=T:\\TC_portable_wcx_ftp.ini");
}

TEST_F(Import, PatchButtonBarRewritesThePortableBarInPlace) {
  LayOutTotalCommander();
  medium.Write("TC\\TC_portable_Default.bar", "[Buttonbar]\r\ncmd1=T:\\TC\\x.exe\r\ncmd2=t:\\Tools\\y.exe\r\n");
  Form1& form = Start("x /setup");
  EXPECT_TRUE(form.IsVisible());

  // No companion yet: the bar is patched, the key is not set.
  form.PatchBtnBar->UserClick();
  EXPECT_EQ(medium.Read("TC\\TC_portable_Default.bar"),
            "[Buttonbar]\r\ncmd1=%COMMANDER_PATH%\\x.exe\r\ncmd2=%COMMANDER_DRIVE%\\Tools\\y.exe\r\n");
  EXPECT_EQ(host.Said(), Texts{"Cancled|Import cancled!"});
  EXPECT_EQ(IniReadValue("Buttonbar", "Buttonbar", medium.Path("TC\\TC_portable_wincmd.ini"), "", false), "");

  medium.Write("TC\\TC_portable_Default.br1", "companion");
  form.PatchBtnBar->UserClick();
  EXPECT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(IniReadValue("Buttonbar", "Buttonbar", medium.Path("TC\\TC_portable_wincmd.ini"), "", false),
            "%COMMANDER_PATH%\\TC_portable_Default.bar");
  EXPECT_EQ(medium.Read("TC\\TC_portable_Default.br1"), "companion");
}

TEST_F(Import, ButtonBarChosenInTheDialogBecomesThePortableBar) {
  LayOutTotalCommander();
  medium.MakeDirectory("Bars");
  medium.Write("Bars\\MY.BAR", "[Buttonbar]\r\ncmd1=T:\\TC\\x.exe\r\n");
  medium.Write("Bars\\MY.br1", "companion");
  Form1& form = Start("x /setup");
  host.OnModal([](ui::Window& window) {
    auto& dialog = static_cast<Files&>(window);
    EXPECT_EQ(dialog.Caption(), "Please import - ButtonBar File  (eg.: Default.bar)     (\"*.bar\")");
    dialog.KomplettPfadText->SetText("T:\\Bars\\MY.BAR");
    dialog.Ok->UserClick();
  });
  form.PatchBtnBar->UserClick();
  EXPECT_EQ(medium.Read("TC\\TC_portable_Default.bar"), "[Buttonbar]\r\ncmd1=%COMMANDER_PATH%\\x.exe\r\n");
  EXPECT_EQ(medium.Read("TC\\TC_portable_Default.br1"), "companion");
  EXPECT_EQ(medium.Read("Bars\\MY.BAR"), "[Buttonbar]\r\ncmd1=T:\\TC\\x.exe\r\n");
  EXPECT_EQ(IniReadValue("Buttonbar", "Buttonbar", medium.Path("TC\\TC_portable_wincmd.ini"), "", false),
            "%COMMANDER_PATH%\\TC_portable_Default.bar");
  EXPECT_TRUE(host.Messages().empty());

  // Accepting the dialog without a file: its result names no file, nothing happens.
  platform::RemoveFile(medium.Path("TC\\TC_portable_Default.bar"));
  host.OnModal([](ui::Window& window) { static_cast<Files&>(window).Ok->UserClick(); });
  form.PatchBtnBar->UserClick();
  EXPECT_FALSE(platform::FileExists(medium.Path("TC\\TC_portable_Default.bar")));
}

TEST_F(Import, IniLinesEndingInLineFeedsKeepEveryKeyAndTheUsersLookAlikeFilesStay) {
  struct Case { const char *folder, *wincmd, *portable; };
  const Case cases[] = {
      {"TC", "[Buttonbar]\r\nButtonbar=T:\\TC\\DEFAULT.BAR\nButtonheight=32\nFlatIcons=1\r\n",
       "[Buttonbar]\r\nButtonbar=%COMMANDER_PATH%\\TC_portable_Default.bar\nButtonheight=32\nFlatIcons=1\r\n"},
      // The rewrite ends the one line it sees with CR LF.
      {"Unix", "[Buttonbar]\nButtonbar=T:\\Unix\\DEFAULT.BAR\nFlatIcons=1\n",
       "[Buttonbar]\nButtonbar=%COMMANDER_PATH%\\TC_portable_Default.bar\nFlatIcons=1\n\r\n"},
  };
  const char* lookAlikes[] = {"notes.txt.ambler-done", "movie.ambler-part", "backup_temp2.txt", "notes.txt"};
  host.AnswerUnscripted([](const test::ShownMessage&) { return MsgResult::No; });
  host.OnUnscriptedModal([](ui::Window& window) { window.RequestClose(); });
  for (const Case& c : cases) {
    SCOPED_TRACE(c.wincmd);
    const std::string tc = c.folder;
    medium.MakeDirectory(tc);
    medium.MakeDirectory(tc + "\\backup");
    medium.PutTotalCommander(tc + "\\TOTALCMD64.EXE");
    medium.Write(tc + "\\wincmd.ini", c.wincmd);
    medium.Write(tc + "\\DEFAULT.BAR", "[Buttonbar]\r\n");
    for (const char* name : lookAlikes) medium.Write(tc + "\\" + name, name);
    Start("", "T:\\" + tc);
    EXPECT_EQ(medium.Read(tc + "\\TC_portable_wincmd.ini"), c.portable);
    for (const char* name : lookAlikes) EXPECT_EQ(medium.Read(tc + "\\" + name), name);
  }
}

TEST_F(Import, AHiddenOrSystemPortableBarOrCompanionIsNeverReplaced) {
  LayOutTotalCommander();
  medium.Write("TC\\MY.BAR", "[Buttonbar]\r\ncmd1=T:\\TC\\x.exe\r\n");
  medium.Write("TC\\MY.br1", "new companion");
  const unsigned long hidden = test::kHidden, system = test::kSystem;
  for (const std::string name : {"TC_portable_Default.bar", "TC_portable_Default.br1"}) {
    for (const unsigned long marks : {hidden, system}) {
      const std::string own = "TC\\" + name;
      medium.Write(own, "the user's");
      test::SetAttributes(medium.HostWindowsPath(own), marks);
      Form1& form = Start("x /setup");
      host.OnModal([](ui::Window& window) {
        static_cast<Files&>(window).KomplettPfadText->SetText("T:\\TC\\MY.BAR");
        static_cast<Files&>(window).Ok->UserClick();
      });
      host.AnswerUnscripted([](const test::ShownMessage&) { return MsgResult::Ok; });
      form.PatchBtnBar->UserClick();
      EXPECT_EQ(medium.Read(own), "the user's") << name << " " << marks;
      EXPECT_EQ(test::Attributes(medium.HostWindowsPath(own)), marks);
      test::SetAttributes(medium.HostWindowsPath(own), 0);
      platform::RemoveFile(medium.Path(own));
      platform::RemoveFile(medium.Path("TC\\TC_portable_Default.bar"));
    }
  }
}

}  // namespace
