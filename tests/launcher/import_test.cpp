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

// Hidden or system originals are left alone, LF line ends keep every key, and the user's files that look like
// scratch names stay.
TEST_F(Import, FirstStartMakesThePortableFilesAndChangesNothingElse) {
  using Files = std::map<std::string, std::string>;
  struct Case {
    std::string folder;
    Files originals, portable;  // an original named "hidden x" or "system x" is x with that mark
    Texts said;
  };
  const Texts shortcut = {"Desktop Shortcut?|Create a Destkop-Shortcut?"};
  const Files lookAlikes = {{"notes.txt.ambler-done", "a"}, {"movie.ambler-part", "b"}, {"backup_temp2.txt", "c"},
                            {"notes.txt", "d"}, {"backup\\x", "e"}};
  const auto with = [](Files files, const Files& more) { return files.insert(more.begin(), more.end()), files; };
  const Case cases[] = {
      {"Marked",
       {{"hidden wincmd.ini", "[Configuration]\r\nInstallDir=T:\\Marked\r\n"}, {"system wcx_ftp.ini", "[x]\r\n"}},
       {{"wincmd.ini", "[Buttonbar]\r\n" + kPortableBar}, {"wcx_ftp.ini", ""}}, {}},
      {"", {{"wincmd.ini", "[Configuration]\r\nInstallDir=T:\\\r\nx=T:\\plugins\\a.wfx\r\n"}, {"wcx_ftp.ini", ""}},
       {{"wincmd.ini", "[Configuration]\r\nInstallDir=%COMMANDER_PATH%\\\r\nx=%COMMANDER_PATH%\\plugins\\a.wfx\r\n"
                       "[Buttonbar]\r\n" + kPortableBar}, {"wcx_ftp.ini", ""}},
       shortcut},
      {"LF",
       with({{"wincmd.ini", "[Buttonbar]\r\nButtonbar=T:\\LF\\DEFAULT.BAR\nButtonheight=32\nFlatIcons=1\r\n"},
             {"wcx_ftp.ini", ""}, {"DEFAULT.BAR", "[Buttonbar]\r\n"}}, lookAlikes),
       {{"wincmd.ini", "[Buttonbar]\r\n" + kPortableBar.substr(0, kPortableBar.size() - 2) +
                           "\nButtonheight=32\nFlatIcons=1\r\n"}},
       shortcut},
      // The rewrite ends the one line it sees with CR LF.
      {"Unix",
       with({{"wincmd.ini", "[Buttonbar]\nButtonbar=T:\\Unix\\DEFAULT.BAR\nFlatIcons=1\n"}, {"wcx_ftp.ini", ""},
             {"DEFAULT.BAR", "[Buttonbar]\r\n"}}, lookAlikes),
       {{"wincmd.ini", "[Buttonbar]\nButtonbar=%COMMANDER_PATH%\\TC_portable_Default.bar\nFlatIcons=1\n\r\n"}},
       shortcut},
  };
  DeclineEverything();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    const std::string at = c.folder.empty() ? "" : c.folder + "\\";
    medium.PutTotalCommander(at + "TOTALCMD64.EXE");
    for (const auto& [name, content] : c.originals) {
      const std::string file = at + name.substr(name.find(' ') + 1);
      medium.Write(file, content);
      if (name != file.substr(at.size()))
        test::SetAttributes(medium.HostWindowsPath(file), name.starts_with("hidden") ? test::kHidden : test::kSystem);
    }
    const std::size_t asked = host.Said().size();
    Start("", "T:\\" + c.folder);
    for (const auto& [name, content] : c.portable) EXPECT_EQ(medium.Read(at + "TC_portable_" + name), content) << name;
    for (const auto& [name, content] : c.originals) EXPECT_EQ(medium.Read(at + name.substr(name.find(' ') + 1)), content);
    const Texts said = host.Said();
    EXPECT_EQ(Texts(said.begin() + static_cast<long>(asked), said.end()), c.said);
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
  EXPECT_EQ(host.Said().at(2), "Ambler|Add your Command-Line:\r\r-d T:\\Docs\r\rto the Shortcut?");
  platform::Shortcut link;
  ASSERT_TRUE(platform::LoadShortcut(plain, link));
  EXPECT_EQ(link.target + " " + link.arguments, "T:\\TC\\Ambler.exe -d T:\\Docs");
  ASSERT_TRUE(platform::LoadShortcut(setup, link));
  EXPECT_EQ(link.target + " " + link.arguments, "T:\\TC\\Ambler.exe /?");

  EXPECT_TRUE(platform::RemoveFile(plain) && platform::RemoveFile(setup));
  host.Answer({MsgResult::No});
  form.Picture1->UserClick();
  EXPECT_FALSE(platform::FileExists(plain));
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
  EXPECT_EQ(host.Said(), Texts{"Cancled|Import cancled!"});
  EXPECT_EQ(BarKey(), "");
  medium.Write(companion, "companion");
  form.PatchBtnBar->UserClick();
  EXPECT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(BarKey(), "%COMMANDER_PATH%\\TC_portable_Default.bar");
  EXPECT_EQ(medium.Read(companion), "companion");

  const auto removePortableBar = [&] { platform::RemoveFile(medium.Path(bar)), platform::RemoveFile(medium.Path(companion)); };
  removePortableBar();
  medium.Write("Bars\\MY.BAR", "[Buttonbar]\r\ncmd1=T:\\TC\\x.exe\r\n");
  medium.Write("Bars\\MY.br1", "new companion");
  ImportChosen("");
  EXPECT_FALSE(platform::FileExists(medium.Path(bar)));
  ImportChosen("T:\\Bars\\MY.BAR");
  EXPECT_EQ(medium.Read(bar) + medium.Read(companion), "[Buttonbar]\r\ncmd1=%COMMANDER_PATH%\\x.exe\r\nnew companion");
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
