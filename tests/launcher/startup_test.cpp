#include "common/test_files.h"
#include "launcher/launcher_test.h"

namespace {

using platform::MsgIcon;

using Startup = LauncherTest;
using test::Sayings;

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
  EXPECT_EQ(setup.Caption(), "Ambler - Total Commander mobile launcher");
  EXPECT_EQ(setup.TitelLable->Caption(), "Ambler (Total Commander  - Portable)");
  EXPECT_EQ(setup.Label1->Caption(), "");
  Form1& help = Start("/?");
  EXPECT_EQ(help.Caption(), "Ambler - Total Commander mobile launcher  V.1.4");
  EXPECT_EQ(help.TitelLable->Caption(), "Ambler - TC-Mobile Launcher (V.1.4)");
  // Total Commander, one folder below, is not looked for.
  EXPECT_EQ(help.getTCPath(), "T:\\TC\\");
  EXPECT_EQ(help.State().TCPathMatch, "");
  EXPECT_TRUE(host.Messages().empty());
  EXPECT_TRUE(medium.Received("TC\\sub", 0).empty());
  EXPECT_EQ(host.Ended(), 0);
  EXPECT_THROW(help.Command1->UserClick(), test::ProgramEnded);
  EXPECT_THROW(help.RequestClose(), test::ProgramEnded);
  EXPECT_EQ(host.Ended(), 2);
}

TEST_F(Startup, TheWebLinkOpensThePageInTheHtmlProgramAndShowsAgain) {
  medium.PutTotalCommander("Web Browser\\browser.exe");
  const test::Association html("html", "T:\\Web Browser\\browser.exe");
  if (!html.IsActive()) GTEST_SKIP() << "this prefix associates html files already";
  Form1& help = Start("/?");
  help.Label2->UserClick();
  EXPECT_EQ(medium.Received("Web Browser").at(0).commandLine, "\"T:\\Web Browser\\browser.exe\" https://ambler.example.org/");
  EXPECT_TRUE(help.Label2->Visible());
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
  EXPECT_EQ(host.ShownWindows(), (Strings{"Form1", "*PluginSearch", "*PluginSearch", "*PluginSearch"}));
  EXPECT_EQ(host.Ended(), 0);
}

std::string PortableSwitches(const std::string& folder) {
  return " /i=T:\\" + folder + "\\TC_portable_wincmd.ini /f=T:\\" + folder + "\\TC_portable_wcx_ftp.ini";
}

TEST_F(Startup, TotalCommanderReceivesTheCommandLineAndThePortableFilesAndTheLauncherEnds) {
  struct Case {
    Strings executables;  // each with both portable files beside it
    std::string launcherFolder;
    std::string raw = {};
    Sayings said = {};
    std::string started = {};  // the folder of the program started, where it is not the launcher's
    std::string commandLine;
  };
  const Case cases[] = {
      {.executables = {"A\\Totalcmd.exe", "A\\TOTALCMD64.EXE"},
       .launcherFolder = "A",
       .commandLine = "T:\\A\\TOTALCMD64.EXE " + PortableSwitches("A")},
      // One folder below, the first in the list's order; the 32-bit name in lower case.
      {.executables = {"B\\tc2\\TOTALCMD64.EXE", "B\\TC\\Totalcmd.exe"},
       .launcherFolder = "B",
       .started = "B\\TC",
       .commandLine = "T:\\B\\TC\\totalcmd.exe " + PortableSwitches("B\\TC")},
      // The user's own ini option counts only after a blank; then it imports, and no /i= is added.
      {.executables = {"C\\TOTALCMD64.EXE"},
       .launcherFolder = "C",
       .raw = "T:\\Data /I=C:\\x.ini",
       .commandLine = "T:\\C\\TOTALCMD64.EXE T:\\Data /I=C:\\x.ini /f=T:\\C\\TC_portable_wcx_ftp.ini"},
      {.executables = {"D\\TOTALCMD64.EXE"},
       .launcherFolder = "D",
       .raw = "/I=C:\\x.ini",
       .commandLine = "T:\\D\\TOTALCMD64.EXE /I=C:\\x.ini" + PortableSwitches("D")},
      // The bare word asks for the shortcuts, then launches.
      {.executables = {"E\\TOTALCMD64.EXE"},
       .launcherFolder = "E",
       .raw = " SETUP",
       .said = {{"Desktop Shortcut?", "Create a Destkop-Shortcut?"}},
       .commandLine = "T:\\E\\TOTALCMD64.EXE SETUP" + PortableSwitches("E")},
      // Folders with blanks, and of a script outside every code page: the command line goes to Windows in
      // UTF-16 whatever the machine's code page is.
      {.executables = {"Tools Dir\\Total Cmd\\TOTALCMD64.EXE"},
       .launcherFolder = "Tools Dir\\Total Cmd",
       .raw = "/F=ftp.ini",
       .commandLine = "\"T:\\Tools Dir\\Total Cmd\\TOTALCMD64.EXE\" /F=ftp.ini "
                      "/i=\"T:\\Tools Dir\\Total Cmd\\TC_portable_wincmd.ini\" "
                      "/f=\"T:\\Tools Dir\\Total Cmd\\TC_portable_wcx_ftp.ini\""},
      {.executables = {"🧰\\TOTALCMD64.EXE"},
       .launcherFolder = "🧰",
       .raw = "C:\\Тест\\表 /O",
       .commandLine = "T:\\🧰\\TOTALCMD64.EXE C:\\Тест\\表 /O" + PortableSwitches("🧰")},
      // Total Commander counts every quote: one left open is closed, or it would swallow the portable files. A
      // command line near the limit.
      {.executables = {"F\\TOTALCMD64.EXE"},
       .launcherFolder = "F",
       .raw = "\"unclosed \"\" quotes\" \\\"x",
       .commandLine = "T:\\F\\TOTALCMD64.EXE \"unclosed \"\" quotes\" \\\"x\"" + PortableSwitches("F")},
      {.executables = {"G\\TOTALCMD64.EXE"},
       .launcherFolder = "G",
       .raw = std::string(31800, 'w'),
       .commandLine = "T:\\G\\TOTALCMD64.EXE " + std::string(31800, 'w') + PortableSwitches("G")},
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
    const Sayings said = host.Said();
    EXPECT_EQ(Sayings(said.begin() + static_cast<long>(asked), said.end()), c.said);
    EXPECT_EQ(host.Ended(), ended + 1);
    const std::string started = c.started.empty() ? c.launcherFolder : c.started;
    const auto starts = medium.Received(started);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].commandLine, c.commandLine);
    EXPECT_EQ(starts[0].directory, "T:\\" + started);
  }
}

TEST_F(Startup, ATotalCommanderMissingUnstartableOrVanishedIsReported) {
  medium.MakeDirectory("Empty\\Sub");
  Form1& form = Start("", "T:\\Empty");
  EXPECT_EQ(host.Said(), (Sayings{{"File not found!", "Total Commander not found!\rRun the Ambler.exe in the TC directory."}}));
  EXPECT_EQ(host.Messages()[0].icon, MsgIcon::Information);
  EXPECT_EQ(form.Label1->Caption(), kHelpText);  // then the help window
  EXPECT_EQ(host.Ended(), 0);
  // Without Total Commander's folder no path is known to be its own: the import leaves them all.
  const std::string ini = "[Configuration]\r\nInstallDir=T:\\Empty\r\nx=T:\\Empty\\plugins\\a.wfx\r\npath=T:\\Data\\\r\n";
  medium.Write("Empty\\wincmd.ini", ini);
  medium.Write("Empty\\usercmd.ini", ini);
  host.OnUnscriptedModal(test::Close);
  form.Command3->UserClick();
  EXPECT_EQ(medium.Read("Empty\\TC_portable_wincmd.ini"),
            ini + "[Buttonbar]\r\nButtonbar=%COMMANDER_PATH%\\TC_portable_Default.bar\r\n");
  EXPECT_EQ(medium.Read("Empty\\usercmd.ini"), ini);

  LayOutTotalCommander();
  medium.Write("TC\\TOTALCMD64.EXE", "not a program");
  Start("");
  EXPECT_EQ(host.Said().at(1), (test::Saying{"Ambler", "T:\\TC\\TOTALCMD64.EXE\r\rWindows could not start this program."}));
  EXPECT_EQ(host.Messages()[1].icon, platform::MsgIcon::Critical);

  LayOutTotalCommander("Gone");
  host.BeforeEachPause([] { platform::RemoveFile("T:\\Gone\\TOTALCMD64.EXE"); });  // while it asks
  host.Answer({platform::MsgResult::No});
  Start("SETUP", "T:\\Gone");
  EXPECT_EQ(host.Said().back(), (test::Saying{"File not found!", "Total Commander not found!"}));
  EXPECT_EQ(host.Ended(), 2);
  EXPECT_TRUE(medium.Received("Gone", 0).empty());
}

}  // namespace
