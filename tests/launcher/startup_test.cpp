// Start-up in the launcher's own process: the main window's load event on a
// real test medium, with the scripted host answering for the user.
#include "common/test_files.h"
#include "launcher/launcher_test.h"

namespace {

using platform::MsgIcon;

using Startup = LauncherTest;

const std::string kHelpText =
    "Run this file from your TC dirctory.\r\rParameter for this screen: '/?'\r\r..for more infos: check the Web-page";

TEST_F(Startup, HelpParametersShowOnlyTheHelpWindow) {
  LayOutTotalCommander("TC\\sub");
  for (const std::string raw : {"/?", "?", "-?", "-setup", "-SeTuP"}) {
    Form1& form = Start(raw);
    EXPECT_TRUE(form.IsVisible()) << raw;
    EXPECT_EQ(form.Caption(), "Ambler - Total Commander mobile launcher  V.1.4");
    EXPECT_EQ(form.TitelLable->Caption(), "Ambler - TC-Mobile Launcher (V.1.4)");
    EXPECT_EQ(form.Label1->Caption(), kHelpText);
    EXPECT_EQ(form.Label2->Caption(), "ambler.example.org");
    // Nothing was searched: the launcher's own folder stands, though Total
    // Commander lies below it.
    EXPECT_EQ(form.getTCPath(), "T:\\TC\\");
    EXPECT_EQ(form.State().TCDir, "T:\\TC");
    EXPECT_EQ(form.State().TCPathMatch, "");
    EXPECT_EQ(form.getPortableINI(), "T:\\TC\\TC_portable_wincmd.ini");
  }
  EXPECT_TRUE(host.Messages().empty());
  EXPECT_EQ(host.Ended(), 0);
  EXPECT_TRUE(medium.Received("TC\\sub", 0).empty());
  // Only exactly as given: with a blank behind it, the switch is passed on.
  Start("-SETUP ");
  EXPECT_EQ(medium.Received("TC\\sub")[0].commandLine,
            "T:\\TC\\sub\\TOTALCMD64.EXE -SETUP /i=T:\\TC\\sub\\TC_portable_wincmd.ini /f=T:\\TC\\sub\\TC_portable_wcx_ftp.ini");
}

TEST_F(Startup, AHelpModeImportFinishesAReplacementAPulledStickLeftFirst) {
  medium.MakeDirectory("TC");
  medium.Write("TC\\wincmd.ini", "[Configuration]\r\nInstallDir=T:\\TC\r\n");
  // Pulled between the two renames: the target gone, its complete version beside it.
  medium.Write("TC\\TC_portable_wincmd.ini.ambler-done", "[Configuration]\r\nMine=T:\\TC\\mine\r\n");
  Form1& form = Start("/?");
  // Nothing is written before a button asks for it.
  EXPECT_TRUE(test::Exists(medium.HostWindowsPath("TC\\TC_portable_wincmd.ini.ambler-done")));
  host.OnUnscriptedModal([](ui::Window& window) { window.RequestClose(); });
  form.Command3->UserClick();  // " Import TC-Ini-Files >>"
  EXPECT_TRUE(
      medium.Read("TC\\TC_portable_wincmd.ini").starts_with("[Configuration]\r\nMine=%COMMANDER_PATH%\\mine\r\n"));
  EXPECT_FALSE(test::Exists(medium.HostWindowsPath("TC\\TC_portable_wincmd.ini.ambler-done")));
}

TEST_F(Startup, CloseButtonAndCloseBoxEndTheProgram) {
  Form1& form = Start("/?");
  EXPECT_THROW(form.Command1->UserClick(), test::ProgramEnded);
  EXPECT_EQ(host.Ended(), 1);
  EXPECT_THROW(form.RequestClose(), test::ProgramEnded);
  EXPECT_EQ(host.Ended(), 2);
}

TEST_F(Startup, SetupButtonsImportIntoTheLaunchersFolderAndOpenThePluginWindowEachTime) {
  medium.MakeDirectory("TC");
  medium.Write("TC\\wincmd.ini", "[Configuration]\r\nInstallDir=T:\\TC\r\n");
  Form1& form = Start("/?");
  auto close = [](ui::Window& window) { window.RequestClose(); };
  host.OnModal(close);
  form.Command3->UserClick();  // " Import TC-Ini-Files >>"
  EXPECT_EQ(medium.Read("TC\\TC_portable_wincmd.ini"),
            "[Configuration]\r\nInstallDir=%COMMANDER_PATH%\r\n[Buttonbar]\r\n"
            "Buttonbar=%COMMANDER_PATH%\\TC_portable_Default.bar\r\n");
  EXPECT_EQ(medium.Read("TC\\TC_portable_wcx_ftp.ini"), "");
  host.OnModal(close);
  host.OnModal(close);
  form.Command2->UserClick();  // "Import Plugins", twice
  form.Command2->UserClick();
  EXPECT_EQ(host.ShownWindows(), (std::vector<std::string>{"Form1", "*PluginSearch", "*PluginSearch", "*PluginSearch"}));
  EXPECT_EQ(host.Ended(), 0);
}

TEST_F(Startup, TheWebAddressOpensInTheHtmlProgram) {
  medium.MakeDirectory("Browser");
  medium.PutTotalCommander("Browser\\browser.exe");
  test::Association html("html", medium.Path("Browser\\browser.exe"));
  if (!html.IsActive()) GTEST_SKIP() << "this prefix associates html files already";
  Form1& form = Start("/?");
  form.Label2->UserClick();
  EXPECT_TRUE(form.Label2->Visible());
  const auto starts = medium.Received("Browser");
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].commandLine, "T:\\Browser\\browser.exe https://ambler.example.org/");
}

TEST_F(Startup, MissingTotalCommanderIsReportedThenHelpIsShown) {
  medium.MakeDirectory("Empty\\Sub");
  Form1& form = Start("", "T:\\Empty");
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(host.Messages()[0].prompt, "Total Commander not found!\rRun the Ambler.exe in the TC directory.");
  EXPECT_EQ(host.Messages()[0].title, "File not found!");
  EXPECT_EQ(host.Messages()[0].icon, MsgIcon::Information);
  EXPECT_TRUE(form.IsVisible());
  EXPECT_EQ(form.Label1->Caption(), kHelpText);
  EXPECT_EQ(form.State().TCDir, "");
  EXPECT_EQ(form.getTCPath(), "T:\\Empty\\");
  EXPECT_EQ(host.Ended(), 0);
}

TEST_F(Startup, SetupShowsTheSetupWindowInsteadOfLaunching) {
  LayOutTotalCommander();
  Form1& form = Start(" /SeTup ");
  EXPECT_TRUE(form.IsVisible());
  EXPECT_EQ(form.Caption(), "Ambler - Total Commander mobile launcher");
  EXPECT_EQ(form.TitelLable->Caption(), "Ambler (Total Commander  - Portable)");
  EXPECT_EQ(form.Label1->Caption(), "");
  EXPECT_EQ(form.Label2->Caption(), "ambler.example.org");
  EXPECT_EQ(form.State().TCCommandLine,
            "/SeTup /i=T:\\TC\\TC_portable_wincmd.ini /f=T:\\TC\\TC_portable_wcx_ftp.ini");
  EXPECT_EQ(host.Ended(), 0);
  EXPECT_TRUE(medium.Received("TC", 0).empty());
}

TEST_F(Startup, LaunchStartsThe64BitTotalCommanderWithThePortableFilesAndEnds) {
  LayOutTotalCommander("TC", "Totalcmd.exe");
  medium.PutTotalCommander("TC\\TOTALCMD64.EXE");
  Start("");
  EXPECT_EQ(host.Ended(), 1);
  const auto starts = medium.Received("TC");
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].commandLine,
            "T:\\TC\\TOTALCMD64.EXE  /i=T:\\TC\\TC_portable_wincmd.ini /f=T:\\TC\\TC_portable_wcx_ftp.ini");
  EXPECT_EQ(starts[0].directory, "T:\\TC");
  EXPECT_EQ(platform::CurrentDirectory(), "T:\\TC");
  EXPECT_TRUE(host.Messages().empty());
}

TEST_F(Startup, TotalCommanderOneFolderBelowIsFoundInListOrder) {
  medium.MakeDirectory("Apps\\Other");
  LayOutTotalCommander("Apps\\tc2", "TOTALCMD64.EXE");
  LayOutTotalCommander("Apps\\TC", "Totalcmd.exe");
  Form1& form = Start("", "T:\\Apps");
  EXPECT_EQ(form.State().TCDir, "T:\\Apps\\TC");
  EXPECT_EQ(form.getTCPath(), "T:\\Apps\\TC\\");
  EXPECT_EQ(form.State().TCPathMatch, "T:\\Apps\\TC\\");
  EXPECT_EQ(form.State().TCExe32, "T:\\Apps\\TC\\totalcmd.exe");
  const auto starts = medium.Received("Apps\\TC");
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].commandLine, "T:\\Apps\\TC\\totalcmd.exe  /i=T:\\Apps\\TC\\TC_portable_wincmd.ini "
                                   "/f=T:\\Apps\\TC\\TC_portable_wcx_ftp.ini");
}

TEST_F(Startup, UsersOwnIniOptionIsPassedOnAndOnlyRecognisedAfterABlank) {
  LayOutTotalCommander();
  host.OnModal([](ui::Window& window) { window.RequestClose(); });  // the plugin window of the import
  Start("T:\\Data /I=C:\\x.ini");
  auto starts = medium.Received("TC");
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].commandLine, "T:\\TC\\TOTALCMD64.EXE T:\\Data /I=C:\\x.ini /f=T:\\TC\\TC_portable_wcx_ftp.ini");

  medium.Write("TC\\received.txt", "");
  Start("/I=C:\\x.ini");
  starts = medium.Received("TC");
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].commandLine, "T:\\TC\\TOTALCMD64.EXE /I=C:\\x.ini /i=T:\\TC\\TC_portable_wincmd.ini "
                                   "/f=T:\\TC\\TC_portable_wcx_ftp.ini");
}

TEST_F(Startup, BareSetupAsksForTheShortcutsThenLaunches) {
  LayOutTotalCommander();
  host.Answer({platform::MsgResult::No});
  Start(" SETUP");
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(host.Messages()[0].prompt, "Create a Destkop-Shortcut?");
  const auto starts = medium.Received("TC");
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].commandLine, "T:\\TC\\TOTALCMD64.EXE SETUP /i=T:\\TC\\TC_portable_wincmd.ini "
                                   "/f=T:\\TC\\TC_portable_wcx_ftp.ini");
}

TEST_F(Startup, ATotalCommanderThatWindowsCannotStartIsReported) {
  LayOutTotalCommander();
  medium.Write("TC\\TOTALCMD64.EXE", "not a program");
  Start("");
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(host.Messages()[0].prompt, "T:\\TC\\TOTALCMD64.EXE\r\rWindows could not start this program.");
  EXPECT_EQ(host.Messages()[0].icon, platform::MsgIcon::Critical);
}

TEST_F(Startup, ExecutablesThatVanishBeforeTheStartAreReported) {
  LayOutTotalCommander();
  host.AnswerAfter(platform::MsgResult::No, [] { platform::RemoveFile("T:\\TC\\TOTALCMD64.EXE"); });
  Start("SETUP");
  ASSERT_EQ(host.Messages().size(), 2u);
  EXPECT_EQ(host.Messages()[1].prompt, "Total Commander not found!");
  EXPECT_EQ(host.Messages()[1].title, "File not found!");
  EXPECT_EQ(host.Ended(), 1);
  EXPECT_TRUE(medium.Received("TC", 0).empty());
}

}  // namespace
