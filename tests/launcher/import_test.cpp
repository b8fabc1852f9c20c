#include "files_dialog/files.h"
#include "launcher/launcher_test.h"
#include "platform/shell.h"
#include "support/ini.h"
#include "support/shell_links.h"

namespace {

using platform::MsgResult;

using Import = LauncherTest;
using test::Sayings;

const std::string kPortableBar = "Buttonbar=%COMMANDER_PATH%\\TC_portable_Default.bar\r\n";

TEST_F(Import, WithoutForceTheSameFileIsRefusedAndAMissingOneOffersBrowsingThenMakesAnEmptyFile) {
  medium.Write("TC\\a.ini", "x=T:\\TC\r\n");
  Form1& form = Start("/?");
  form.Work().CopyAndParseFile(medium.Path("TC\\a.ini"), medium.Path("TC\\A.INI"), "T:\\TC", "", "%P%");
  EXPECT_EQ(host.Messages().at(0).icon, platform::MsgIcon::Critical);
  EXPECT_EQ(medium.Read("TC\\a.ini"), "x=T:\\TC\r\n");

  host.Answer({MsgResult::No});
  form.Work().CopyAndParseFile(medium.Path("TC\\wincmd.ini"), medium.Path("TC\\P.ini"), "T:\\TC", "", "%P%");
  EXPECT_EQ(host.Said(), (Sayings{{"Error: same file selected!",
                                     "Source & Destination Files are the same:\r\r" + medium.Path("TC\\a.ini")},
                                    {"First Start: Browse for File?",
                                     "Browse for wincmd.ini File now?\r\rTarget: T:\\TC\\P.ini"},
                                    {"Cancled", "Import cancled!"}}));
  EXPECT_EQ(medium.Read("TC\\P.ini"), "");
}

// Every path into Total Commander's folder and onto its drive made portable, with the launcher beside it, one
// folder above it and at the drive's root; hidden or system originals are left alone.
TEST_F(Import, FirstStartMakesThePortableFilesAndChangesNothingElse) {
  using Files = std::map<std::string, std::string>;
  struct Case {
    std::string folder = {};    // Total Commander's
    std::string launcher = {};  // where it is not Total Commander's folder
    Files originals;
    std::map<std::string, unsigned long> marks = {};  // of originals
    Files portable;             // by the name behind "TC_portable_"
    Sayings said = {};
  };
  const Sayings shortcut = {{"Desktop Shortcut?", "Create a Destkop-Shortcut?"}};
  const Case cases[] = {
      {.folder = "TC",
       .originals = {{"wincmd.ini", "[Configuration]\r\nInstallDir=T:\\TC\r\n[Buttonbar]\r\nBUTTONBAR=t:\\tc\\default.bar\r\n"},
                     {"wcx_ftp.ini", "[ftp]\r\nlocaldir=T:\\Downloads\r\nplugin=t:\\TC\\x.wfx\r\n"},
                     {"DEFAULT.BAR", "[Buttonbar]\r\nbutton1=T:\\TC\\TOTALCMD64.EXE,1\r\ncmd1=T:\\Tools\\x.exe\r\n"},
                     {"DEFAULT.br1", "companion"}},
       .portable = {{"wincmd.ini", "[Configuration]\r\nInstallDir=%COMMANDER_PATH%\r\n[Buttonbar]\r\n"
                                   "BUTTONBAR=%COMMANDER_PATH%\\TC_portable_Default.bar\r\n"},
                    {"wcx_ftp.ini", "[ftp]\r\nlocaldir=%COMMANDER_DRIVE%\\Downloads\r\nplugin=%COMMANDER_PATH%\\x.wfx\r\n"},
                    {"Default.bar", "[Buttonbar]\r\nbutton1=%COMMANDER_PATH%\\TOTALCMD64.EXE,1\r\n"
                                    "cmd1=%COMMANDER_DRIVE%\\Tools\\x.exe\r\n"},
                    {"Default.br1", "companion"}},
       .said = shortcut},
      {.folder = "Apps\\TC",
       .launcher = "Apps",
       .originals = {{"wincmd.ini", "[Configuration]\r\nInstallDir=T:\\Apps\\TC\r\n"}, {"wcx_ftp.ini", ""}},
       .portable = {{"wincmd.ini", "[Configuration]\r\nInstallDir=%COMMANDER_PATH%\r\n[Buttonbar]\r\n" + kPortableBar}},
       .said = shortcut},
      {.folder = "Marked",
       .originals = {{"wincmd.ini", "[Configuration]\r\nInstallDir=T:\\Marked\r\n"}, {"wcx_ftp.ini", "[x]\r\n"}},
       .marks = {{"wincmd.ini", test::kHidden}, {"wcx_ftp.ini", test::kSystem}},
       .portable = {{"wincmd.ini", "[Buttonbar]\r\n" + kPortableBar}, {"wcx_ftp.ini", ""}}},
      {.originals = {{"wincmd.ini", "[Configuration]\r\nInstallDir=T:\\\r\nx=T:\\plugins\\a.wfx\r\n"}, {"wcx_ftp.ini", ""}},
       .portable = {{"wincmd.ini", "[Configuration]\r\nInstallDir=%COMMANDER_PATH%\\\r\nx=%COMMANDER_PATH%\\plugins\\a.wfx\r\n"
                                   "[Buttonbar]\r\n" + kPortableBar}},
       .said = shortcut},
  };
  DeclineEverything();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    const std::string at = c.folder.empty() ? "" : c.folder + "\\";
    medium.PutTotalCommander(at + "TOTALCMD64.EXE");
    for (const auto& [name, content] : c.originals) medium.Write(at + name, content);
    for (const auto& [name, marks] : c.marks) test::SetAttributes(medium.HostWindowsPath(at + name), marks);
    const std::size_t asked = host.Said().size();
    Start("", "T:\\" + (c.launcher.empty() ? c.folder : c.launcher));
    for (const auto& [name, content] : c.portable) EXPECT_EQ(medium.Read(at + "TC_portable_" + name), content) << name;
    const Sayings said = host.Said();
    EXPECT_EQ(Sayings(said.begin() + static_cast<long>(asked), said.end()), c.said);
    EXPECT_EQ(medium.Received(c.folder).at(0).commandLine, "T:\\" + at + "TOTALCMD64.EXE  /i=T:\\" + at +
                                                                "TC_portable_wincmd.ini /f=T:\\" + at + "TC_portable_wcx_ftp.ini");
  }
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
  EXPECT_EQ(host.Said().at(2), (test::Saying{"Ambler", "Add your Command-Line:\r\r-d T:\\Docs\r\rto the Shortcut?"}));
  platform::Shortcut link;
  ASSERT_TRUE(platform::LoadShortcut(plain, link));
  EXPECT_EQ(link.target, "T:\\TC\\Ambler.exe");
  EXPECT_EQ(link.arguments, "-d T:\\Docs");
  ASSERT_TRUE(platform::LoadShortcut(setup, link));
  EXPECT_EQ(link.arguments, "/?");

  EXPECT_TRUE(platform::RemoveFile(plain) && platform::RemoveFile(setup));
  host.Answer({MsgResult::No});
  form.Picture1->UserClick();
  EXPECT_FALSE(platform::FileExists(plain));
}

TEST_F(Import, APortableIniTheUserHidOrFrozeIsKept) {
  LayOutTotalCommander();
  medium.Write("TC\\DEFAULT.BAR", "[Buttonbar]\r\n");
  DeclineEverything();
  const std::string portable = "TC\\TC_portable_wincmd.ini";
  // The user's own settings in a hidden portable ini: used, not imported over.
  const std::string own = "[Configuration]\r\nInstallDir=D:\\Mine\r\n";
  medium.Write(portable, own);
  test::SetAttributes(medium.HostWindowsPath(portable), test::kHidden);
  Start("");
  EXPECT_EQ(medium.Read(portable), own);
  EXPECT_EQ(test::Attributes(medium.HostWindowsPath(portable)), static_cast<unsigned long>(test::kHidden));
  EXPECT_TRUE(host.Messages().empty());
  EXPECT_EQ(medium.Received("TC").back().commandLine, kPlainLaunch);

  // A frozen portable ini that a start would change says so, once; the bar it imports asks for the shortcuts.
  test::SetAttributes(medium.HostWindowsPath(portable), test::kReadOnly);
  Start("");
  EXPECT_EQ(medium.Read(portable), own);
  ASSERT_EQ(host.Messages().size(), 2u);
  EXPECT_EQ(host.Messages()[0].title, "Not saved");
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
  EXPECT_EQ(host.Said(), (Sayings{{"First Start: Import from Windows directory?",
                                    "Import from Windows directory?\r\r" + windowsIni +
                                        "\r\rImportant: original file will not be changed!!"}}));
  EXPECT_EQ(medium.Read("TC\\P.ini"), "x=%COMMANDER_PATH%\\y\r\n");
}

// A portable bar is rewritten in place, and named in the ini once it has its companion; without one, the bar
// chosen in the dialog is imported with its companion.
TEST_F(Import, ImportButtonBarRewritesOrImportsAndNeverReplacesAHiddenOrSystemFile) {
  LayOutTotalCommander();
  const std::string bar = "TC\\TC_portable_Default.bar", companion = "TC\\TC_portable_Default.br1";
  medium.Write(bar, "[Buttonbar]\r\ncmd1=T:\\TC\\x.exe\r\ncmd2=t:\\Tools\\y.exe\r\n");
  Form1& form = Start("x /setup");
  const auto BarKey = [&] { return IniReadValue("Buttonbar", "Buttonbar", medium.Path("TC\\TC_portable_wincmd.ini"), "", false); };
  // The path typed in the dialog, or none: the dialog accepted as it opens.
  const auto ImportChosen = [&](const std::string& path) {
    host.OnModal([path](ui::Window& window) {
      if (!path.empty()) static_cast<Files&>(window).KomplettPfadText->SetText(path);
      static_cast<Files&>(window).Ok->UserClick();
    });
    form.PatchBtnBar->UserClick();
  };
  form.PatchBtnBar->UserClick();
  EXPECT_EQ(medium.Read(bar), "[Buttonbar]\r\ncmd1=%COMMANDER_PATH%\\x.exe\r\ncmd2=%COMMANDER_DRIVE%\\Tools\\y.exe\r\n");
  EXPECT_EQ(host.Said(), (Sayings{{"Cancled", "Import cancled!"}}));
  EXPECT_EQ(BarKey(), "");
  medium.Write(companion, "companion");
  form.PatchBtnBar->UserClick();
  EXPECT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(BarKey(), "%COMMANDER_PATH%\\TC_portable_Default.bar");
  EXPECT_EQ(medium.Read(companion), "companion");

  const auto removePortableBar = [&] {
    platform::RemoveFile(medium.Path(bar));
    platform::RemoveFile(medium.Path(companion));
  };
  removePortableBar();
  medium.Write("Bars\\MY.BAR", "[Buttonbar]\r\ncmd1=T:\\TC\\x.exe\r\n");
  medium.Write("Bars\\MY.br1", "new companion");
  ImportChosen("");
  EXPECT_FALSE(platform::FileExists(medium.Path(bar)));
  ImportChosen("T:\\Bars\\MY.BAR");
  EXPECT_EQ(medium.Read(bar), "[Buttonbar]\r\ncmd1=%COMMANDER_PATH%\\x.exe\r\n");
  EXPECT_EQ(medium.Read(companion), "new companion");
  EXPECT_EQ(medium.Read("Bars\\MY.BAR"), "[Buttonbar]\r\ncmd1=T:\\TC\\x.exe\r\n");
  EXPECT_EQ(host.Messages().size(), 1u);

  removePortableBar();
  host.AnswerUnscripted([](const test::ShownMessage&) { return MsgResult::Ok; });
  for (const std::string& name : {bar, companion}) {
    for (const unsigned long marks : {test::kHidden, test::kSystem}) {
      medium.Write(name, "the user's");
      test::SetAttributes(medium.HostWindowsPath(name), marks);
      ImportChosen("T:\\Bars\\MY.BAR");
      EXPECT_EQ(medium.Read(name), "the user's") << name << " " << marks;
      EXPECT_EQ(test::Attributes(medium.HostWindowsPath(name)), marks);
      test::SetAttributes(medium.HostWindowsPath(name), 0);
      removePortableBar();
    }
  }
}

}  // namespace
