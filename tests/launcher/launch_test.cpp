// The real Ambler.exe, started as a user starts it, on a test medium: what the
// stand-in Total Commander receives, character for character.
#include <gtest/gtest.h>

#include <cstdio>


#include "common/medium.h"
#include "common/scripted_host.h"
#include "launcher/form1.h"
#include "platform/file_system.h"
#include "platform/process.h"

namespace {

struct Case {
  const char* name;
  const char* launcher;       // where Ambler.exe lies
  const char* totalCommander; // the folder of the stand-in TOTALCMD64.EXE
  const char* arguments;      // what follows the program's name (after one blank)
  const char* expected;       // the stand-in's command line
};

const Case kCases[] = {
    {"plain start", "TC\\Ambler.exe", "TC", "",
     "T:\\TC\\TOTALCMD64.EXE  /i=T:\\TC\\TC_portable_wincmd.ini /f=T:\\TC\\TC_portable_wcx_ftp.ini"},
    {"user's words passed on", "TC\\Ambler.exe", "TC", "  C:\\Docs  /O ",
     "T:\\TC\\TOTALCMD64.EXE C:\\Docs  /O /i=T:\\TC\\TC_portable_wincmd.ini /f=T:\\TC\\TC_portable_wcx_ftp.ini"},
    {"blanks in the path", "Tools Dir\\Total Cmd\\Ambler.exe", "Tools Dir\\Total Cmd", "/F=ftp.ini",
     "\"T:\\Tools Dir\\Total Cmd\\TOTALCMD64.EXE\" /F=ftp.ini /i=\"T:\\Tools Dir\\Total Cmd\\TC_portable_wincmd.ini\" "
     "/f=\"T:\\Tools Dir\\Total Cmd\\TC_portable_wcx_ftp.ini\""},
    {"drive root", "Ambler.exe", "", "",
     "T:\\TOTALCMD64.EXE  /i=T:\\TC_portable_wincmd.ini /f=T:\\TC_portable_wcx_ftp.ini"},
    // Folders of every script: one outside the Western code page, one whose
    // last character ends in the byte of "\" in the Japanese code page, one
    // outside the Japanese code page, one outside every code page.
    {"Cyrillic", "Тотал Командер\\Ambler.exe", "Тотал Командер", "",
     "\"T:\\Тотал Командер\\TOTALCMD64.EXE\"  /i=\"T:\\Тотал Командер\\TC_portable_wincmd.ini\" "
     "/f=\"T:\\Тотал Командер\\TC_portable_wcx_ftp.ini\""},
    {"trail byte 0x5C", "表\\Ambler.exe", "表", "",
     "T:\\表\\TOTALCMD64.EXE  /i=T:\\表\\TC_portable_wincmd.ini /f=T:\\表\\TC_portable_wcx_ftp.ini"},
    {"umlaut, one folder above", "Müller\\Ambler.exe", "Müller\\TC", "",
     "T:\\Müller\\TC\\TOTALCMD64.EXE  /i=T:\\Müller\\TC\\TC_portable_wincmd.ini "
     "/f=T:\\Müller\\TC\\TC_portable_wcx_ftp.ini"},
    {"outside every code page", "🧰\\Ambler.exe", "🧰", "C:\\Тест\\表 /O",
     "T:\\🧰\\TOTALCMD64.EXE C:\\Тест\\表 /O /i=T:\\🧰\\TC_portable_wincmd.ini /f=T:\\🧰\\TC_portable_wcx_ftp.ini"},
};

TEST(Launch, TotalCommanderReceivesExactlyTheBuiltCommandLine) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    test::Medium medium;
    const std::string tc = c.totalCommander[0] ? std::string(c.totalCommander) + "\\" : "";
    if (!tc.empty()) medium.MakeDirectory(c.totalCommander);
    medium.PutTotalCommander(tc + "TOTALCMD64.EXE");
    medium.Write(tc + "TC_portable_wincmd.ini", "[Configuration]\r\n");
    medium.Write(tc + "TC_portable_wcx_ftp.ini", "");
    medium.PutLauncher(c.launcher);

    const std::string launcher = medium.Path(c.launcher);
    const std::string quoted = launcher.find(' ') == std::string::npos ? launcher : "\"" + launcher + "\"";
    const std::string arguments = c.arguments;
    const auto exitCode = platform::RunAndWait(quoted + (arguments.empty() ? "" : " " + arguments), 60000);
    ASSERT_TRUE(exitCode.has_value()) << "the launcher did not end";

    const auto starts = medium.Received(c.totalCommander);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].commandLine + "|" + starts[0].directory, std::string(c.expected) + "|" +
              medium.Path(c.totalCommander).substr(0, tc.empty() ? 3 : std::string::npos));
  }
}

TEST(Launch, VeryLongAndOddlyQuotedCommandLinesArePassedOn) {
  test::Medium medium;
  medium.PutTotalCommander("TC\\TOTALCMD64.EXE");
  medium.Write("TC\\TC_portable_wincmd.ini", "[Configuration]\r\n");
  medium.PutLauncher("TC\\Ambler.exe");
  const std::string odd = "\"unclosed \"\" quotes\" \\\"x";
  const std::string longWords(32000 - 200, 'w');
  std::size_t starts = 0;
  for (const std::string& arguments : {odd, longWords}) {
    ASSERT_TRUE(platform::RunAndWait("T:\\TC\\Ambler.exe " + arguments, 60000).has_value());
    // Total Commander counts every quote: an odd one is closed, or it would
    // swallow the portable files. Compared as one truth value: a failure
    // should not print 32 KB twice.
    const std::string received = medium.Received("TC", ++starts).back().commandLine;
    EXPECT_TRUE(received == "T:\\TC\\TOTALCMD64.EXE " + arguments + (arguments == odd ? "\"" : "") +
                               " /i=T:\\TC\\TC_portable_wincmd.ini /f=T:\\TC\\TC_portable_wcx_ftp.ini")
        << received.substr(0, 200);
  }
}

TEST(Launch, TwoHundredStartsLeaveThePortableFilesAsTheFirstMadeThem) {
  test::Medium medium;
  medium.PutTotalCommander("TC\\TOTALCMD64.EXE");
  medium.PutLauncher("TC\\Ambler.exe");
  medium.Write("TC\\wincmd.ini", "[Configuration]\r\nInstallDir=T:\\TC\r\n[Buttonbar]\r\nButtonbar=T:\\TC\\Default.bar\r\n");
  medium.Write("TC\\wcx_ftp.ini", "[x]\r\nlocaldir=T:\\Downloads\r\n");
  medium.Write("TC\\Default.bar", "[Buttonbar]\r\ncmd1=T:\\TC\\x.exe\r\n");
  medium.Write("TC\\Default.br1", "companion");
  {
    // The first start asks its questions; the scripted host answers them.
    test::ScriptedHost host;
    host.OnModal(test::Close);
    host.Answer({platform::MsgResult::No});
    const std::string before = platform::CurrentDirectory();
    EXPECT_THROW(Form1(StartInfo{"", "T:\\TC", "Ambler"}).Load(), test::ProgramEnded);
    platform::ChangeDirectory(before);
  }
  ASSERT_EQ(medium.Received("TC").size(), 1u);  // the first start's Total Commander has recorded its start
  // Every file of the folder but the growing record of starts.
  const auto files = [&] {
    std::string all;
    for (const std::string& name : test::Names(medium.HostWindowsPath("TC")))
      if (name != "received.txt") all += name + "=" + medium.Read("TC\\" + name) + "\n";
    return all;
  };
  const std::string first = files();

  // One start after the other, each until its Total Commander has recorded it.
  // Wine now and then fails to create one process of a long quick series (the
  // launcher, or the Total Commander it starts); the soak is about the files,
  // so such a start is made once more.
  std::size_t recorded = 1;
  auto start = [&] {
    const bool ended = platform::RunAndWait("T:\\TC\\Ambler.exe", 60000).has_value();
    return ended && medium.Received("TC", recorded + 1).size() > recorded;
  };
  for (std::size_t i = 0; i < 200; ++i) {
    bool started = start();
    if (!started) {
      std::fprintf(stderr, "soak: start %zu was made once more\n", i);
      started = start();
    }
    ASSERT_TRUE(started) << "start " << i;
    recorded = medium.Received("TC", 0).size();
  }
  EXPECT_TRUE(files() == first) << "the starts changed or added a file";
}

}  // namespace
