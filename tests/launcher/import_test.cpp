// The first-start imports, the button bar imports and the shortcuts on a real
// test medium.
#include "files_dialog/files.h"
#include "launcher/launcher_test.h"
#include "platform/shell.h"
#include "support/ini.h"
#include "support/shell_links.h"

namespace {

using platform::MsgResult;

using Import = LauncherTest;
using Texts = std::vector<std::string>;

const std::string kPortableBar = "Buttonbar=%COMMANDER_PATH%\\TC_portable_Default.bar\r\n";

TEST_F(Import, WithoutForceTheSameFileIsRefusedAndAMissingOneOffersBrowsingThenMakesAnEmptyFile) {
  medium.Write("TC\\a.ini", "x=T:\\TC\r\n");
  Form1& form = Start("/?");
  form.Work().CopyAndParseFile(medium.Path("TC\\a.ini"), medium.Path("TC\\A.INI"), "T:\\TC", "", "%P%");
  EXPECT_EQ(host.Messages().at(0).icon, platform::MsgIcon::Critical);
  EXPECT_EQ(medium.Read("TC\\a.ini"), "x=T:\\TC\r\n");

  host.Answer({MsgResult::No});
  form.Work().CopyAndParseFile(medium.Path("TC\\wincmd.ini"), medium.Path("TC\\P.ini"), "T:\\TC", "", "%P%");
  EXPECT_EQ(host.Said(), (Texts{"Error: same file selected!|Source & Destination Files are the same:\r\r" +
                                    medium.Path("TC\\a.ini"),
                                "First Start: Browse for File?|Browse for wincmd.ini File now?\r\rTarget: T:\\TC\\P.ini",
                                "Cancled|Import cancled!"}));
  EXPECT_EQ(medium.Read("TC\\P.ini"), "");
}

TEST_F(Import, FirstStartImportsEverything) {
  medium.PutTotalCommander("TC\\TOTALCMD64.EXE");
  medium.Write("TC\\wincmd.ini",
               "[Configuration]\r\nInstallDir=T:\\TC\r\n[Buttonbar]\r\nButtonbar=t:\\tc\\DEFAULT.BAR\r\n"
               "[FileSystemPlugins]\r\nftp=T:\\TC\\plugins\\ftp.wfx\r\n");
  medium.Write("TC\\wcx_ftp.ini", "[Demo]\r\nlocaldir=T:\\Downloads\r\n");
  medium.Write("TC\\DEFAULT.BAR", "[Buttonbar]\r\nbutton1=T:\\TC\\TOTALCMD64.EXE,1\r\ncmd1=T:\\Tools\\x.exe\r\n");
  medium.Write("TC\\DEFAULT.br1", "companion");

  host.OnModal(test::Close);      // the plugin window
  host.Answer({MsgResult::No});  // the desktop shortcuts
  Start("");
  EXPECT_EQ(medium.Read("TC\\TC_portable_wincmd.ini"),
            "[Configuration]\r\nInstallDir=%COMMANDER_PATH%\r\n[Buttonbar]\r\n" + kPortableBar +
                "[FileSystemPlugins]\r\nftp=%COMMANDER_PATH%\\plugins\\ftp.wfx\r\n");
  EXPECT_EQ(medium.Read("TC\\TC_portable_wcx_ftp.ini"), "[Demo]\r\nlocaldir=%COMMANDER_DRIVE%\\Downloads\r\n");
  EXPECT_EQ(medium.Read("TC\\TC_portable_Default.bar"),
            "[Buttonbar]\r\nbutton1=%COMMANDER_PATH%\\TOTALCMD64.EXE,1\r\ncmd1=%COMMANDER_DRIVE%\\Tools\\x.exe\r\n");
  EXPECT_EQ(medium.Read("TC\\TC_portable_Default.br1"), "companion");
  EXPECT_EQ(medium.Read("TC\\wincmd.ini").find("%"), std::string::npos);
  EXPECT_EQ(host.Said(), Texts{"Desktop Shortcut?|Create a Destkop-Shortcut?"});
  EXPECT_EQ(medium.Received("TC").at(0).commandLine, kPlainLaunch);
}

TEST_F(Import, DesktopShortcutsStartTheLauncherPlainAndWithHelp) {
  const std::string desktop = GetDesktopFolder();
  const std::string plain = desktop + "Total Commander (mobile).lnk";
  const std::string setup = desktop + "Total Commander (mobile - Setup).lnk";
  platform::RemoveFile(plain);
  platform::RemoveFile(setup);

  medium.MakeDirectory("TC");
  Form1& form = Start("-d T:\\Docs", "T:\\TC");  // Total Commander is missing: the help window
  host.Answer({MsgResult::Yes, MsgResult::Yes});
  form.Command4->UserClick();
  EXPECT_EQ(host.Said().at(2), "Ambler|Add your Command-Line:\r\r-d T:\\Docs\r\rto the Shortcut?");
  EXPECT_EQ(host.DoEventsCalls(), 2);
  platform::Shortcut link;
  ASSERT_TRUE(platform::LoadShortcut(plain, link));
  EXPECT_EQ(link.target + " " + link.arguments, "T:\\TC\\Ambler.exe -d T:\\Docs");
  ASSERT_TRUE(platform::LoadShortcut(setup, link));
  EXPECT_EQ(link.target + " " + link.arguments, "T:\\TC\\Ambler.exe /?");

  // No to the first question: nothing is written.
  EXPECT_TRUE(platform::RemoveFile(plain) && platform::RemoveFile(setup));
  host.Answer({MsgResult::No});
  form.Picture1->UserClick();
  EXPECT_FALSE(platform::FileExists(plain));
}

TEST_F(Import, HiddenOrSystemOriginalsAreLeftAloneAndEmptyPortableFilesAreUsed) {
  medium.PutTotalCommander("TC\\TOTALCMD64.EXE");
  const std::string original = "[Configuration]\r\nInstallDir=T:\\TC\r\n";
  medium.Write("TC\\wincmd.ini", original);
  medium.Write("TC\\wcx_ftp.ini", original);
  test::SetAttributes(medium.HostWindowsPath("TC\\wincmd.ini"), test::kHidden);
  test::SetAttributes(medium.HostWindowsPath("TC\\wcx_ftp.ini"), test::kSystem);

  host.OnModal(test::Close);  // the plugin window
  Start("");
  EXPECT_EQ(medium.Read("TC\\TC_portable_wincmd.ini"), "[Buttonbar]\r\n" + kPortableBar);
  EXPECT_EQ(medium.Read("TC\\TC_portable_wcx_ftp.ini"), "");
  EXPECT_EQ(medium.Read("TC\\wincmd.ini") + medium.Read("TC\\wcx_ftp.ini"), original + original);
  EXPECT_TRUE(host.Messages().empty());
  EXPECT_EQ(medium.Received("TC").at(0).commandLine, kPlainLaunch);
}

TEST_F(Import, AFrozenIniGivesAWritableCopyAndAPortableIniTheUserHidOrFrozeIsKept) {
  medium.PutTotalCommander("TC\\TOTALCMD64.EXE");
  medium.Write("TC\\wincmd.ini", "[Configuration]\r\nInstallDir=T:\\TC\r\n");
  medium.Write("TC\\DEFAULT.BAR", "[Buttonbar]\r\n");
  test::SetAttributes(medium.HostWindowsPath("TC\\wincmd.ini"), test::kReadOnly);
  DeclineEverything();
  Start("");
  const std::string portable = "TC\\TC_portable_wincmd.ini";
  EXPECT_EQ(test::Attributes(medium.HostWindowsPath(portable)), 0u);
  EXPECT_EQ(medium.Read(portable), "[Configuration]\r\nInstallDir=%COMMANDER_PATH%\r\n[Buttonbar]\r\n" + kPortableBar);
  for (const std::string& name : test::Names(medium.HostWindowsPath("TC"))) EXPECT_FALSE(Contains(name, "ambler-"));

  // The user's own settings in a hidden portable ini: used, not imported over.
  const std::string own = "[Configuration]\r\nInstallDir=D:\\Mine\r\n";
  medium.Write(portable, own);
  test::SetAttributes(medium.HostWindowsPath(portable), test::kHidden);
  const std::size_t asked = host.Messages().size();
  Start("");
  EXPECT_EQ(medium.Read(portable), own);
  EXPECT_EQ(test::Attributes(medium.HostWindowsPath(portable)), static_cast<unsigned long>(test::kHidden));
  EXPECT_EQ(host.Messages().size(), asked);
  EXPECT_EQ(medium.Received("TC", 2).back().commandLine, kPlainLaunch);

  // A frozen portable ini that a start would change says so, once.
  test::SetAttributes(medium.HostWindowsPath(portable), test::kReadOnly);
  Start("");
  EXPECT_EQ(medium.Read(portable), own);
  EXPECT_EQ(host.Said().size(), asked + 1);
  EXPECT_TRUE(host.Said().back().starts_with("Not saved|"));
  test::SetAttributes(medium.HostWindowsPath(portable), 0);
}

TEST_F(Import, WindowsDirectoryOfTheDesktopsDriveIsOffered) {
  const std::string windowsIni = GetDesktopFolder().substr(0, 1) + ":\\Windows\\ambler-offer.ini";
  test::WriteFile(windowsIni, "x=T:\\TC\\y\r\n");
  medium.MakeDirectory("TC");
  Form1& form = Start("/?");
  host.Answer({MsgResult::Yes});
  form.Work().CopyAndParseFile(medium.Path("TC\\ambler-offer.ini"), medium.Path("TC\\P.ini"), "T:\\TC", "",
                               "%COMMANDER_PATH%");
  platform::RemoveFile(windowsIni);
  EXPECT_EQ(host.Said(), Texts{"First Start: Import from Windows directory?|Import from Windows directory?\r\r" +
                               windowsIni + "\r\rImportant: original file will not be changed!!"});
  EXPECT_EQ(medium.Read("TC\\P.ini"), "x=%COMMANDER_PATH%\\y\r\n");
}

TEST_F(Import, TotalCommanderAtTheDriveRoot) {
  medium.PutTotalCommander("TOTALCMD64.EXE");
  medium.Write("wincmd.ini", "[Configuration]\r\nInstallDir=T:\\\r\nx=T:\\plugins\\a.wfx\r\n");
  medium.Write("wcx_ftp.ini", "");
  DeclineEverything();
  Start("", "T:\\");
  EXPECT_EQ(medium.Read("TC_portable_wincmd.ini"),
            "[Configuration]\r\nInstallDir=%COMMANDER_PATH%\\\r\nx=%COMMANDER_PATH%\\plugins\\a.wfx\r\n"
            "[Buttonbar]\r\n" + kPortableBar);
  EXPECT_EQ(medium.Received("")[0].commandLine,
            "T:\\TOTALCMD64.EXE  /i=T:\\TC_portable_wincmd.ini /f=T:\\TC_portable_wcx_ftp.ini");
}

std::string BarKey(const test::Medium& medium) {
  return IniReadValue("Buttonbar", "Buttonbar", medium.Path("TC\\TC_portable_wincmd.ini"), "", false);
}

// The file dialog answered with that path.
void ChooseInTheDialog(test::ScriptedHost& host, const std::string& path) {
  host.OnModal([path](ui::Window& window) {
    if (!path.empty()) static_cast<Files&>(window).KomplettPfadText->SetText(path);
    static_cast<Files&>(window).Ok->UserClick();
  });
}

// "Import Button Bar": a portable bar is rewritten in place, and named in the
// ini once it has its companion; without one, the bar chosen in the dialog is
// imported with its companion. A hidden or system portable bar or companion
// is never replaced.
TEST_F(Import, ImportButtonBarRewritesOrImportsAndNeverReplacesAHiddenOrSystemFile) {
  LayOutTotalCommander();
  const std::string bar = "TC\\TC_portable_Default.bar", companion = "TC\\TC_portable_Default.br1";
  medium.Write(bar, "[Buttonbar]\r\ncmd1=T:\\TC\\x.exe\r\ncmd2=t:\\Tools\\y.exe\r\n");
  Form1& form = Start("x /setup");
  form.PatchBtnBar->UserClick();
  EXPECT_EQ(medium.Read(bar), "[Buttonbar]\r\ncmd1=%COMMANDER_PATH%\\x.exe\r\ncmd2=%COMMANDER_DRIVE%\\Tools\\y.exe\r\n");
  EXPECT_EQ(host.Said(), Texts{"Cancled|Import cancled!"});
  EXPECT_EQ(BarKey(medium), "");
  medium.Write(companion, "companion");
  form.PatchBtnBar->UserClick();
  EXPECT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(BarKey(medium), "%COMMANDER_PATH%\\TC_portable_Default.bar");
  EXPECT_EQ(medium.Read(companion), "companion");

  const auto removePortableBar = [&] {
    for (const std::string& name : {bar, companion}) platform::RemoveFile(medium.Path(name));
  };
  removePortableBar();
  medium.Write("Bars\\MY.BAR", "[Buttonbar]\r\ncmd1=T:\\TC\\x.exe\r\n");
  medium.Write("Bars\\MY.br1", "new companion");
  ChooseInTheDialog(host, "");  // accepted without a file: nothing happens
  form.PatchBtnBar->UserClick();
  EXPECT_FALSE(platform::FileExists(medium.Path(bar)));
  ChooseInTheDialog(host, "T:\\Bars\\MY.BAR");
  form.PatchBtnBar->UserClick();
  EXPECT_EQ(medium.Read(bar) + medium.Read(companion), "[Buttonbar]\r\ncmd1=%COMMANDER_PATH%\\x.exe\r\nnew companion");
  EXPECT_EQ(medium.Read("Bars\\MY.BAR"), "[Buttonbar]\r\ncmd1=T:\\TC\\x.exe\r\n");
  EXPECT_EQ(host.Messages().size(), 1u);

  removePortableBar();
  host.AnswerUnscripted([](const test::ShownMessage&) { return MsgResult::Ok; });
  for (const std::string& name : {bar, companion}) {
    for (const unsigned long marks : {test::kHidden, test::kSystem}) {
      medium.Write(name, "the user's");
      test::SetAttributes(medium.HostWindowsPath(name), marks);
      ChooseInTheDialog(host, "T:\\Bars\\MY.BAR");
      form.PatchBtnBar->UserClick();
      EXPECT_EQ(medium.Read(name), "the user's") << name << " " << marks;
      EXPECT_EQ(test::Attributes(medium.HostWindowsPath(name)), marks);
      test::SetAttributes(medium.HostWindowsPath(name), 0);
      removePortableBar();
    }
  }
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
  DeclineEverything();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.wincmd);
    const std::string tc = c.folder;
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

}  // namespace
