// What a session wrote, made portable at the next start, on a medium that changes its letter.
#include <array>
#include <memory>

#include "launcher/launcher_test.h"
#include "platform/process.h"
#include "support/config_web.h"
#include "support/ini.h"
#include "support/session_memory.h"

namespace {

class Session : public LauncherTest {
 protected:
  void SetUp() override {
    LauncherTest::SetUp();
    LayOutTotalCommander();
    DeclineEverything();
  }
  // Until its Total Commander has recorded the start: the letter is gone after.
  void StartOn(char letter) {
    other_.reset();
    if (letter != 'T') other_ = std::make_unique<test::MappedDrive>(letter, medium.HostWindowsPath(""));
    Start("", std::string(1, letter) + ":\\TC");
    ++starts_;
    ASSERT_EQ(medium.Received("TC", starts_).size(), starts_);
  }
  void Writes(const std::string& section, const std::string& key, const std::string& value) {
    IniWriteValue(section, key, value, medium.HostWindowsPath("TC\\TC_portable_wincmd.ini"), false);
  }
  std::string Reads(const std::string& section, const std::string& key) {
    return IniReadValue(section, key, medium.HostWindowsPath("TC\\TC_portable_wincmd.ini"), "", false);
  }

 private:
  std::unique_ptr<test::MappedDrive> other_;
  std::size_t starts_ = 0;
};

TEST_F(Session, WhatTheSessionWroteIsMadePortableWithItsLaunchsLetterAndOnlyThat) {
  struct Day {
    char letter;
    std::vector<std::array<std::string, 3>> writes;  // by Total Commander that day
  };
  // Nothing is remembered yet: the portable ini is made portable with today's letter, and the start remembers.
  medium.Write("TC\\TC_portable_wincmd.ini", "[right]\r\nold=T:\\Old\r\n");
  const Day days[] = {
      {'T',
       {{"left", "path", "T:\\Data\\Projects\\"},
        {"FileSystemPlugins", "new", "T:\\TC\\plugins\\wfx\\new\\new.wfx"},
        {"Configuration", "Editor", "T:\\Tools\\ed.exe"},
        {"Configuration", "Keep", "/T: h:mm:ss TYPE:1 t:\\tc2\\x"},
        {"ButtonbarVertical", "Buttonbar", "T:\\TC\\bars\\new.bar"},
        // X: is a disk of this host.
        {"right", "path", "X:\\Photos\\"}}},
      {'U', {{"left", "path", "U:\\Data\\"}}},
      {'X', {}},
      {'V', {}},
  };
  StartOn('T');
  EXPECT_EQ(Reads("right", "old"), "%COMMANDER_DRIVE%\\Old");
  medium.Write("TC\\bars\\new.bar", "[Buttonbar]\r\ncmd1=T:\\Tools\\n.exe\r\n");  // by the first session
  for (const Day& day : days) {
    if (&day != days) StartOn(day.letter);
    for (const auto& [section, key, value] : day.writes) Writes(section, key, value);
  }
  // A bar the first session made joins the web: written with T:, as its name in the ini was.
  const std::string newBar = PortableCopyName(medium.Path("TC\\bars\\new.bar"));
  EXPECT_EQ(Reads("ButtonbarVertical", "Buttonbar"), "%COMMANDER_PATH%\\" + newBar);
  EXPECT_EQ(medium.Read("TC\\" + newBar), "[Buttonbar]\r\ncmd1=%COMMANDER_DRIVE%\\Tools\\n.exe\r\n");
  StartOn('V');
  const std::pair<std::array<std::string, 2>, std::string> expected[] = {
      {{"left", "path"}, "%COMMANDER_DRIVE%\\Data\\"},
      {{"FileSystemPlugins", "new"}, "%COMMANDER_PATH%\\plugins\\wfx\\new\\new.wfx"},
      {{"Configuration", "Editor"}, "%COMMANDER_DRIVE%\\Tools\\ed.exe"},
      {{"Configuration", "Keep"}, "/T: h:mm:ss TYPE:1 %COMMANDER_DRIVE%\\tc2\\x"},
      {{"right", "path"}, "X:\\Photos\\"},  // written when the medium was T:, and kept when it was X:
      {{"right", "old"}, "%COMMANDER_DRIVE%\\Old"}};
  for (const auto& [key, value] : expected) EXPECT_EQ(Reads(key[0], key[1]), value) << key[1];

  // A start that finds nothing changed writes nothing, the memory included.
  const std::string before = PortableFiles();
  StartOn('V');
  EXPECT_TRUE(PortableFiles() == before) << PortableFiles();
}

// At work the stick is D: and the host has an E:; at home the stick is E:. Total Commander renumbers its history:
// a value handed over stays so under any key.
TEST_F(Session, AHostPathThatTotalCommanderRenumbersStaysAsItIs) {
  StartOn('D');
  Writes("LeftHistory", "0", "E:\\HostApps\\");
  StartOn('E');
  Writes("LeftHistory", "0", "E:\\Music\\");
  Writes("LeftHistory", "1", "E:\\HostApps\\");
  StartOn('D');
  EXPECT_EQ(Reads("LeftHistory", "0"), "%COMMANDER_DRIVE%\\Music\\");
  EXPECT_EQ(Reads("LeftHistory", "1"), "E:\\HostApps\\");
}

// A bar written at home (the stick E:, a data disk D:) and named by a button added at work (the stick D:) was not
// written with the last start's letter: it is made portable as at a first start.
TEST_F(Session, AnOlderFileThatASessionNewlyNamesIsMadePortableWithTodaysLetter) {
  StartOn('E');
  medium.Write("TC\\more.bar", "[Buttonbar]\r\ncmd1=D:\\Photos\\view.exe\r\ncmd2=E:\\Tools\\x.exe\r\n");
  StartOn('D');
  Writes("ButtonbarVertical", "Buttonbar", "D:\\TC\\more.bar");
  StartOn('E');
  EXPECT_EQ(medium.Read("TC\\" + PortableCopyName(medium.Path("TC\\more.bar"))),
            "[Buttonbar]\r\ncmd1=D:\\Photos\\view.exe\r\ncmd2=%COMMANDER_DRIVE%\\Tools\\x.exe\r\n");
}

// Ambler's own memory, made read-only (restored from a CD), is replaced all the same, and keeps its other marks.
TEST_F(Session, AReadOnlyMemoryIsReplaced) {
  StartOn('T');
  const std::string memory = medium.HostWindowsPath("TC\\TC_portable_handed-over.ambler");
  test::SetAttributes(memory, test::kReadOnly | test::kHidden);
  Writes("left", "path", "T:\\Data\\");
  StartOn('U');
  Writes("right", "path", "U:\\Photos\\");
  StartOn('T');
  EXPECT_EQ(Reads("left", "path"), "%COMMANDER_DRIVE%\\Data\\");
  EXPECT_EQ(Reads("right", "path"), "%COMMANDER_DRIVE%\\Photos\\");
  EXPECT_EQ(test::Attributes(memory), static_cast<unsigned long>(test::kHidden));
}

// The user commands become portable where Total Commander reads them; a plugin's own settings, which it reads
// as they are, keep the stick's paths on the day's letter and a host disk's on its own, also after a day on which
// the stick had that disk's letter.
TEST_F(Session, UserCommandsTravelAndPluginSettingsKeepTheStickOnTheDaysLetter) {
  medium.Write("TC\\TC_portable_wincmd.ini",
               "[ReplaceIniLocation]\r\npass.wfx=%COMMANDER_PATH%\\plugins\\pass\\passStore.ini\r\n");
  const std::string commands = "[em_copy]\r\ncmd=T:\\TC\\FastCopy\\FastCopy.exe\r\n"
                               "button=T:\\TC\\FastCopy\\FastCopy.exe,6\r\n[em_gitk]\r\ncmd=*T:\\Tools\\gitk.exe\r\nparam=\"\"T:\\TC\\bin\\gitk\" --all --\"\r\n";
  medium.Write("TC\\usercmd.ini", commands);
  medium.Write("TC\\lsplugin.ini", "[pdfview]\r\nexepath='T:\\Tools\\gs\\gs.exe'\r\n");
  medium.Write("TC\\plugins\\pass\\passStore.ini",
               InForm("[MAIN]\r\ndatafile=T:\\TC\\plugins\\db.xml\r\n", platform::TextEncoding::Utf16));
  const auto value = [&](const std::string& file, const std::string& section, const std::string& key) {
    return IniReadValue(section, key, medium.HostWindowsPath("TC\\" + file), "", false);
  };
  StartOn('T');
  EXPECT_EQ(medium.Read("TC\\TC_portable_usercmd.ini.original"), commands);
  EXPECT_EQ(value("usercmd.ini", "em_copy", "button"), "%COMMANDER_PATH%\\FastCopy\\FastCopy.exe,6");
  EXPECT_EQ(value("usercmd.ini", "em_gitk", "cmd"), "*%COMMANDER_DRIVE%\\Tools\\gitk.exe");
  EXPECT_EQ(value("usercmd.ini", "em_gitk", "param"), "\"%COMMANDER_PATH%\\bin\\gitk\" --all --");
  // The session adds a user command, a plugin's tool and a host disk's program.
  IniWriteValue("em_new", "cmd", "T:\\Tools\\new.exe", medium.HostWindowsPath("TC\\usercmd.ini"), false);
  IniWriteValue("pdfview", "tool", "T:\\Tools\\t.exe", medium.HostWindowsPath("TC\\lsplugin.ini"), false);
  IniWriteValue("pdfview", "host", "X:\\Host\\h.exe", medium.HostWindowsPath("TC\\lsplugin.ini"), false);
  for (const char letter : {'U', 'X', 'T'}) {
    StartOn(letter);
    const std::string drive = std::string(1, letter) + ":";
    EXPECT_EQ(value("usercmd.ini", "em_new", "cmd"), "%COMMANDER_DRIVE%\\Tools\\new.exe");
    EXPECT_TRUE(Contains(medium.Read("TC\\lsplugin.ini"), "exepath='" + drive + "\\Tools\\gs\\gs.exe'\r\n"));
    EXPECT_EQ(value("lsplugin.ini", "pdfview", "tool"), drive + "\\Tools\\t.exe");
    EXPECT_EQ(value("lsplugin.ini", "pdfview", "host"), "X:\\Host\\h.exe");
    EXPECT_EQ(value("plugins\\pass\\passStore.ini", "MAIN", "datafile"), drive + "\\TC\\plugins\\db.xml");
  }
  EXPECT_TRUE(medium.Read("TC\\plugins\\pass\\passStore.ini").starts_with("\xFF\xFE"));
  EXPECT_EQ(medium.Read("TC\\TC_portable_usercmd.ini.original"), commands);
}

// Real users' commands and plugins' settings (their C: paths moved onto the stick, D: at work): only
// the paths on the stick change, and the settings follow it to E: at home.
TEST_F(Session, RealUserCommandsAndPluginSettingsKeepEverythingButTheSticksPaths) {
  for (const char* name : {"Envl-reinstall-soft-configuration-usercmd.ini", "dmitriyK1-configs-usercmd.ini",
                           "huleiak47-hl-configs-usercmd.ini", "igorepst-windowsConfig-usercmd.ini"}) {
    const std::string source = test::CorpusFile(name);
    if (source.empty()) GTEST_SKIP() << "no corpus beside this checkout";
    SCOPED_TRACE(name);
    std::string hostDrive = "C:\\";
    const std::string commands = ReplaceText(test::ReadFile(source), hostDrive, "D:\\", false);
    medium.Write("TC\\usercmd.ini", commands);
    std::filesystem::remove(test::Fs(medium.HostWindowsPath("TC\\TC_portable_usercmd.ini.original")));
    StartOn('D');
    const std::string portable = medium.Read("TC\\usercmd.ini");
    EXPECT_NE(portable, commands);
    EXPECT_EQ(ExpandedUpper(portable, "D:\\TC"), ExpandedUpper(commands, "D:\\TC"));
    EXPECT_EQ(medium.Read("TC\\TC_portable_usercmd.ini.original"), commands);
  }
  const std::pair<const char*, const char*> settings[] = {{"cviorel-tc-lsplugin.ini", "lsplugin.ini"},
                                                          {"bvcft6-totalcmd-fsplugin.ini", "fsplugin.ini"},
                                                          {"Envl-reinstall-soft-configuration-passStore.ini", "contplug.ini"}};
  Strings laidOut;
  for (const auto& [name, file] : settings) {
    std::string hostDrive = "C:\\";
    laidOut.push_back(ReplaceText(test::ReadFile(test::CorpusFile(name)), hostDrive, "D:\\", false));
    medium.Write("TC\\" + std::string(file), laidOut.back());
  }
  StartOn('D');
  StartOn('E');
  for (std::size_t i = 0; i < laidOut.size(); ++i) {
    std::string stick = "D:\\";
    EXPECT_EQ(platform::UpperCase(medium.Read("TC\\" + std::string(settings[i].second))),
              platform::UpperCase(ReplaceText(laidOut[i], stick, "E:\\", false)));
  }
}

// A hidden usercmd.ini is the user's own: Total Commander reads it, Ambler leaves it.
TEST_F(Session, AHiddenUserCommandsFileIsLeftAlone) {
  const std::string commands = "[em_x]\r\ncmd=T:\\TC\\x.exe\r\n";
  medium.Write("TC\\usercmd.ini", commands);
  test::SetAttributes(medium.HostWindowsPath("TC\\usercmd.ini"), test::kHidden);
  StartOn('T');
  EXPECT_EQ(medium.Read("TC\\usercmd.ini"), commands);
  EXPECT_FALSE(test::Exists(medium.HostWindowsPath("TC\\TC_portable_usercmd.ini.original")));
}

TEST_F(Session, OnWindowsOwnDriveOnlyTheFolderIsMadePortable) {
  const std::string folder = medium.HostWindowsPath("TC");
  ASSERT_EQ(folder.substr(0, 2), platform::SystemDrive()) << "the tests' temp folder lies on Windows' drive";
  Start("", folder);
  Writes("left", "path", folder + "\\plugins\\");
  Writes("right", "path", folder.substr(0, 3) + "Tools\\");
  Start("", folder);
  EXPECT_EQ(Reads("left", "path"), "%COMMANDER_PATH%\\plugins\\");
  EXPECT_EQ(Reads("right", "path"), folder.substr(0, 3) + "Tools\\");
}

}  // namespace
