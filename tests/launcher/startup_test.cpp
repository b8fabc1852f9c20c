#include "common/test_files.h"
#include "launcher/launcher_test.h"

namespace {

using platform::MsgIcon;

using Startup = LauncherTest;
using Texts = std::vector<std::string>;

const std::string kHelpText =
    "Run this file from your TC dirctory.\r\rParameter for this screen: '/?'\r\r..for more infos: check the Web-page";

TEST_F(Startup, HelpAndSetupParametersShowTheirWindowOnlyAndTheHelpsCloseButtonsEnd) {
  LayOutTotalCommander("TC\\sub");
  for (const std::string raw : {"/?", "?", "-?", "-setup", "-SeTuP"}) {
    Form1& form = Start(raw);
    EXPECT_TRUE(form.IsVisible()) << raw;
    EXPECT_EQ(form.Label1->Caption(), kHelpText);
  }
  Form1& setup = Start(" /SeTup ");
  EXPECT_EQ(setup.Caption() + "|" + setup.TitelLable->Caption() + "|" + setup.Label1->Caption(),
            "Ambler - Total Commander mobile launcher|Ambler (Total Commander  - Portable)|");
  Form1& help = Start("/?");
  EXPECT_EQ(help.Caption() + "|" + help.TitelLable->Caption(),
            "Ambler - Total Commander mobile launcher  V.1.4|Ambler - TC-Mobile Launcher (V.1.4)");
  EXPECT_TRUE(host.Messages().empty());
  EXPECT_TRUE(medium.Received("TC\\sub", 0).empty());
  EXPECT_EQ(host.Ended(), 0);
  EXPECT_THROW(help.Command1->UserClick(), test::ProgramEnded);
  EXPECT_THROW(help.RequestClose(), test::ProgramEnded);
  EXPECT_EQ(host.Ended(), 2);
}

TEST_F(Startup, SetupButtonsImportIntoTheLaunchersFolderAndOpenThePluginWindowEachTime) {
  medium.Write("TC\\wincmd.ini", "[Configuration]\r\nInstallDir=T:\\TC\r\n");
  // Pulled between the two renames: the target gone, its complete version beside it.
  const std::string done = medium.HostWindowsPath("TC\\TC_portable_wincmd.ini.ambler-done");
  test::WriteFile(done, "[Configuration]\r\nMine=T:\\TC\\mine\r\n");
  Form1& form = Start("/?");
  EXPECT_TRUE(test::Exists(done));  // nothing is written before a button asks for it
  host.OnUnscriptedModal(test::Close);
  form.Command3->UserClick();  // " Import TC-Ini-Files >>"
  EXPECT_EQ(medium.Read("TC\\TC_portable_wincmd.ini"),
            "[Configuration]\r\nMine=%COMMANDER_PATH%\\mine\r\n[Buttonbar]\r\n"
            "Buttonbar=%COMMANDER_PATH%\\TC_portable_Default.bar\r\n");
  EXPECT_EQ(medium.Read("TC\\TC_portable_wcx_ftp.ini"), "");
  EXPECT_FALSE(test::Exists(done));
  for (int i = 0; i < 2; ++i) form.Command2->UserClick();  // "Import Plugins"
  EXPECT_EQ(host.ShownWindows(), (Texts{"Form1", "*PluginSearch", "*PluginSearch", "*PluginSearch"}));
  EXPECT_EQ(host.Ended(), 0);
}

std::string PortableSwitches(const std::string& folder) {
  return " /i=T:\\" + folder + "\\TC_portable_wincmd.ini /f=T:\\" + folder + "\\TC_portable_wcx_ftp.ini";
}

TEST_F(Startup, TotalCommanderReceivesTheCommandLineAndThePortableFilesAndTheLauncherEnds) {
  struct Case {
    Texts executables;  // each with both portable files beside it
    std::string launcherFolder, raw;
    Texts said;
    std::string started, commandLine;  // the folder of the program started, and what it received
  };
  const Case cases[] = {
      {{"A\\Totalcmd.exe", "A\\TOTALCMD64.EXE"}, "A", "", {}, "A", "T:\\A\\TOTALCMD64.EXE " + PortableSwitches("A")},
      // One folder below, the first in the list's order; the 32-bit name in lower case.
      {{"B\\tc2\\TOTALCMD64.EXE", "B\\TC\\Totalcmd.exe"}, "B", "", {}, "B\\TC",
       "T:\\B\\TC\\totalcmd.exe " + PortableSwitches("B\\TC")},
      // The user's own ini option counts only after a blank; then it imports, and no /i= is added.
      {{"C\\TOTALCMD64.EXE"}, "C", "T:\\Data /I=C:\\x.ini", {}, "C",
       "T:\\C\\TOTALCMD64.EXE T:\\Data /I=C:\\x.ini /f=T:\\C\\TC_portable_wcx_ftp.ini"},
      {{"D\\TOTALCMD64.EXE"}, "D", "/I=C:\\x.ini", {}, "D", "T:\\D\\TOTALCMD64.EXE /I=C:\\x.ini" + PortableSwitches("D")},
      // The bare word asks for the shortcuts, then launches.
      {{"E\\TOTALCMD64.EXE"}, "E", " SETUP", {"Desktop Shortcut?|Create a Destkop-Shortcut?"}, "E",
       "T:\\E\\TOTALCMD64.EXE SETUP" + PortableSwitches("E")},
      // Folders of every script: with blanks, outside the Western code page, one whose last character ends in
      // the byte of "\\" in the Japanese code page, outside the Japanese one, outside every one.
      {{"Tools Dir\\Total Cmd\\TOTALCMD64.EXE"}, "Tools Dir\\Total Cmd", "/F=ftp.ini", {}, "Tools Dir\\Total Cmd",
       "\"T:\\Tools Dir\\Total Cmd\\TOTALCMD64.EXE\" /F=ftp.ini /i=\"T:\\Tools Dir\\Total Cmd\\TC_portable_wincmd.ini\" "
       "/f=\"T:\\Tools Dir\\Total Cmd\\TC_portable_wcx_ftp.ini\""},
      {{"Тотал Командер\\TOTALCMD64.EXE"}, "Тотал Командер", "", {}, "Тотал Командер",
       "\"T:\\Тотал Командер\\TOTALCMD64.EXE\"  /i=\"T:\\Тотал Командер\\TC_portable_wincmd.ini\" "
       "/f=\"T:\\Тотал Командер\\TC_portable_wcx_ftp.ini\""},
      {{"表\\TOTALCMD64.EXE"}, "表", "", {}, "表", "T:\\表\\TOTALCMD64.EXE " + PortableSwitches("表")},
      {{"Müller\\TC\\TOTALCMD64.EXE"}, "Müller", "", {}, "Müller\\TC",
       "T:\\Müller\\TC\\TOTALCMD64.EXE " + PortableSwitches("Müller\\TC")},
      {{"🧰\\TOTALCMD64.EXE"}, "🧰", "C:\\Тест\\表 /O", {}, "🧰",
       "T:\\🧰\\TOTALCMD64.EXE C:\\Тест\\表 /O" + PortableSwitches("🧰")},
      // Total Commander counts every quote: one left open is closed, or it would swallow the portable files. A
      // command line near the limit.
      {{"F\\TOTALCMD64.EXE"}, "F", "\"unclosed \"\" quotes\" \\\"x", {}, "F",
       "T:\\F\\TOTALCMD64.EXE \"unclosed \"\" quotes\" \\\"x\"" + PortableSwitches("F")},
      {{"G\\TOTALCMD64.EXE"}, "G", std::string(31800, 'w'), {}, "G",
       "T:\\G\\TOTALCMD64.EXE " + std::string(31800, 'w') + PortableSwitches("G")},
  };
  DeclineEverything();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.raw + " in " + c.launcherFolder);
    for (const std::string& executable : c.executables) {
      const std::string folder = executable.substr(0, executable.rfind('\\'));
      LayOutTotalCommander(folder, executable.substr(folder.size() + 1));
    }
    const std::size_t asked = host.Messages().size();
    const int ended = host.Ended();
    Start(c.raw, "T:\\" + c.launcherFolder);
    const Texts said = host.Said();
    EXPECT_EQ(Texts(said.begin() + static_cast<long>(asked), said.end()), c.said);
    EXPECT_EQ(host.Ended(), ended + 1);
    const auto starts = medium.Received(c.started);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].commandLine + "|" + starts[0].directory, c.commandLine + "|T:\\" + c.started);
  }
}

TEST_F(Startup, ATotalCommanderMissingUnstartableOrVanishedIsReported) {
  medium.MakeDirectory("Empty\\Sub");
  Form1& form = Start("", "T:\\Empty");
  EXPECT_EQ(host.Said(), (Texts{"File not found!|Total Commander not found!\rRun the Ambler.exe in the TC directory."}));
  EXPECT_EQ(host.Messages()[0].icon, MsgIcon::Information);
  EXPECT_EQ(form.Label1->Caption(), kHelpText);  // then the help window
  EXPECT_EQ(host.Ended(), 0);

  LayOutTotalCommander();
  medium.Write("TC\\TOTALCMD64.EXE", "not a program");
  Start("");
  EXPECT_EQ(host.Said().at(1), "Ambler|T:\\TC\\TOTALCMD64.EXE\r\rWindows could not start this program.");
  EXPECT_EQ(host.Messages()[1].icon, platform::MsgIcon::Critical);

  LayOutTotalCommander("Gone");
  host.BeforeEachPause([] { platform::RemoveFile("T:\\Gone\\TOTALCMD64.EXE"); });  // while it asks
  host.Answer({platform::MsgResult::No});
  Start("SETUP", "T:\\Gone");
  EXPECT_EQ(host.Said().back(), "File not found!|Total Commander not found!");
  EXPECT_EQ(host.Ended(), 2);
  EXPECT_TRUE(medium.Received("Gone", 0).empty());
}

}  // namespace
