// The portable rewrite and the first-start import on a real test medium.
#include "files_dialog/files.h"
#include "launcher/launcher_test.h"
#include "support/portable_rewrite.h"
#include "platform/path.h"
#include "platform//files.h"
#include "platform/process.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "support/ini.h"
#include "support/line_text.h"
#include "support/path_text.h"
#include "support/shell_links.h"

namespace {

using platform::MsgResult;

using Import = LauncherTest;

// Both passes of the portable rewrite on a file, in place, for Total Commander
// in that directory; no scratch file may stay behind.
void MakePortable(Form1& form, const std::string& file, const std::string& directory) {
  form.Work().CopyAndParseFile(file, file, directory, directory + "\\", "%COMMANDER_PATH%", true);
  form.Work().CopyAndParseFile(file, file, platform::DriveOf(directory), platform::DriveOf(directory), "%COMMANDER_DRIVE%", true);
  EXPECT_FALSE(test::Exists(file + "_temp2.txt"));
}

TEST_F(Import, RewriteFollowsTheRuleLineByLineAndDropsTheLastBlankLine) {
  medium.MakeDirectory("TC");
  const std::string P = medium.Path("TC\\P.ini");
  medium.Write("TC\\P.ini",
               "[Configuration]\r\nInstallDir=t:\\tc\r\nTYPE:1\r\nx=T:\\TC2\\y\r\nz=T:\\Tools\\a.exe\r\n"
               "lf\nkept\r\n\r\n");
  Form1& form = Start("/?");
  MakePortable(form, P, "T:\\TC");
  EXPECT_TRUE(form.State().LineFound);
  EXPECT_EQ(medium.Read("TC\\P.ini"),
            "[Configuration]\r\nInstallDir=%COMMANDER_PATH%\r\nTYPE:1\r\nx=%COMMANDER_PATH%2\\y\r\n"
            "z=%COMMANDER_DRIVE%\\Tools\\a.exe\r\nlf\nkept\r\n");
  EXPECT_TRUE(host.Messages().empty());
}

TEST_F(Import, FileWithoutMatchesIsNotTouched) {
  medium.MakeDirectory("TC");
  medium.Write("TC\\a.ini", "[x]\r\nk=C:\\Other\r\n\r\n");
  const auto before = test::ModificationTime(medium.Path("TC\\a.ini"));
  Form1& form = Start("/?");
  form.Work().CopyAndParseFile(medium.Path("TC\\a.ini"), medium.Path("TC\\a.ini"), "T:\\TC", "T:\\TC\\", "%P%", true);
  EXPECT_FALSE(form.State().LineFound);
  EXPECT_EQ(medium.Read("TC\\a.ini"), "[x]\r\nk=C:\\Other\r\n\r\n");
  EXPECT_EQ(test::ModificationTime(medium.Path("TC\\a.ini")), before);
  EXPECT_FALSE(test::Exists(medium.Path("TC\\a.ini_temp2.txt")));
}

TEST_F(Import, SameFileWithoutForceIsRefused) {
  medium.MakeDirectory("TC");
  medium.Write("TC\\a.ini", "x=T:\\TC\r\n");
  Form1& form = Start("/?");
  form.Work().CopyAndParseFile(medium.Path("TC\\a.ini"), medium.Path("TC\\A.INI"), "T:\\TC", "", "%P%");
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(host.Messages()[0].prompt, "Source & Destination Files are the same:\r\r" + medium.Path("TC\\a.ini"));
  EXPECT_EQ(host.Messages()[0].title, "Error: same file selected!");
  EXPECT_EQ(host.Messages()[0].icon, platform::MsgIcon::Critical);
  EXPECT_EQ(medium.Read("TC\\a.ini"), "x=T:\\TC\r\n");
}

TEST_F(Import, MissingSourceWithoutForceOffersBrowsingThenCreatesAnEmptyFile) {
  medium.MakeDirectory("TC");
  Form1& form = Start("/?");
  host.Answer({MsgResult::No});
  form.Work().CopyAndParseFile(medium.Path("TC\\wincmd.ini"), medium.Path("TC\\P.ini"), "T:\\TC", "", "%P%");
  ASSERT_EQ(host.Messages().size(), 2u);
  EXPECT_EQ(host.Messages()[0].title, "First Start: Browse for File?");
  EXPECT_EQ(host.Messages()[0].prompt, "Browse for wincmd.ini File now?\r\rTarget: T:\\TC\\P.ini");
  EXPECT_EQ(host.Messages()[1].prompt, "Import cancled!");
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
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(host.Messages()[0].prompt, "Create a Destkop-Shortcut?");
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
  ASSERT_EQ(host.Messages().size(), 3u);
  EXPECT_EQ(host.Messages()[2].prompt, "Add your Command-Line:\r\r-d T:\\Docs\r\rto the Shortcut?");
  EXPECT_EQ(host.Messages()[2].title, "Ambler");
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

// Every line of a rewritten file, with both variables expanded again, reads
// as before (ignoring case): nothing but the paths changed.
void ExpectOnlyPathsRewritten(const std::vector<std::string>& before, const std::vector<std::string>& after,
                              const std::string& directory) {
  std::size_t expected = before.size();
  if (!before.empty() && before.back().empty()) --expected;  // the dropped last blank line
  ASSERT_EQ(after.size(), expected);
  std::size_t rewritten = 0;
  for (std::size_t i = 0; i < after.size(); ++i) {
    EXPECT_EQ(ExpandedUpper(after[i], directory), ExpandedUpper(before[i], directory)) << "line " << i + 1;
    if (after[i] != before[i]) ++rewritten;
    std::string find = directory;
    EXPECT_EQ(ReplaceAtWordStart(after[i], find, "#"), after[i]) << "line " << i + 1 << " still holds the directory";
  }
  EXPECT_GT(rewritten, 0u);
}

std::vector<std::string> LinesOf(const std::string& file) {
  std::vector<std::string> lines;
  platform::TextFileReader reader(file);
  std::string line;
  while (reader.ReadLine(line)) lines.push_back(line);
  return lines;
}

// Real files and the folders their authors had Total Commander in.
const std::pair<const char*, std::string> kCorpus[] = {{"samrain-wincmd.ini", "c:\\totalcmd"},
                                                       {"jwu-wincmd.ini", "C:\\Program Files\\totalcmd"},
                                                       {"fanhongtao-wincmd.ini", "D:\\Program Files\\totalcmd"},
                                                       {"fanhongtao-default.bar", "D:\\Program Files\\totalcmd"}};

TEST_F(Import, RealConfigurationFilesKeepEverythingButTheirPaths) {
  medium.MakeDirectory("TC");
  Form1& form = Start("/?");
  for (const auto& [name, directory] : kCorpus) {
    const std::string source = test::CorpusFile(name);
    if (source.empty()) GTEST_SKIP() << "no corpus beside this checkout";
    SCOPED_TRACE(name);
    const std::string portable = medium.Path("TC\\portable.ini");
    platform::RemoveFile(portable);
    form.Work().CopyAndParseFile(source, portable, directory, std::string(directory) + "\\", "%COMMANDER_PATH%", true);
    form.Work().CopyAndParseFile(portable, portable, platform::DriveOf(directory), platform::DriveOf(directory), "%COMMANDER_DRIVE%", true);
    ExpectOnlyPathsRewritten(LinesOf(source), LinesOf(portable), directory);
  }
}

// The lines a file says, in whichever form it has.
std::vector<std::string> TextsOf(const std::string& file) {
  std::vector<std::string> texts;
  platform::TextFileReader reader(file);
  std::string line;
  while (reader.ReadLine(line)) texts.push_back(LineText(line, reader.Encoding()));
  return texts;
}

// A file made of these lines in one form, each ended by CR LF.
std::string InForm(const std::vector<std::string>& texts, platform::TextEncoding encoding) {
  std::string text;
  for (const std::string& line : texts) text += line + "\r\n";
  if (encoding == platform::TextEncoding::Utf16) return "\xFF\xFE" + Utf8ToUtf16(text);
  if (encoding == platform::TextEncoding::Utf8) return "\xEF\xBB\xBF" + text;
  std::string ansi;
  EXPECT_TRUE(platform::Utf8ToAnsi(text, ansi));
  return ansi;
}

constexpr platform::TextEncoding kUnicodeForms[] = {platform::TextEncoding::Utf8, platform::TextEncoding::Utf16};

// Total Commander in a folder that no code page holds: its paths are found in
// a UTF-8 or UTF-16 file, and behind the mark in an ANSI one, and every other
// byte stays as it was.
TEST_F(Import, AFolderOfAnyScriptIsRewrittenInEveryForm) {
  const std::string folder = "Тотал 🧰";
  medium.MakeDirectory(folder);
  const std::string directory = "T:\\" + folder;
  const std::string P = medium.Path(folder + "\\P.ini");
  Form1& form = Start("/?");
  auto rewrite = [&](const std::string& bytes) {
    medium.Write(folder + "\\P.ini", bytes);
    MakePortable(form, P, directory);
    return medium.Read(folder + "\\P.ini");
  };
  const std::vector<std::string> before = {"[Configuration]", "a=T:\\Тотал 🧰\\plugins\\x.wfx", "b=t:\\тотал 🧰\\y",
                                           "TYPE:1", "c=T:\\Tools\\z.exe", "d=Ĳ ∂ 表"};
  const std::vector<std::string> after = {"[Configuration]", "a=%COMMANDER_PATH%\\plugins\\x.wfx",
                                          "b=%COMMANDER_PATH%\\y", "TYPE:1", "c=%COMMANDER_DRIVE%\\Tools\\z.exe",
                                          "d=Ĳ ∂ 表"};
  for (const platform::TextEncoding encoding : kUnicodeForms)
    EXPECT_EQ(rewrite(InForm(before, encoding)), InForm(after, encoding));
  const std::string mark = "\xEF\xBB\xBF";
  EXPECT_EQ(rewrite("[1]\r\n3=" + mark + "T:\\Тотал 🧰\\10 минут_files\\\r\nTYPE:1\r\n4=" + mark + "\xC3\x28T:\\x\r\n"),
            "[1]\r\n3=" + mark + "%COMMANDER_PATH%\\10 минут_files\\\r\nTYPE:1\r\n4=" + mark +
                "\xC3\x28%COMMANDER_DRIVE%\\x\r\n");  // bytes that are no UTF-8 stay
}

// The corpus in each other form a file may have: rewritten in that form, it
// says what its ANSI form says after the rewrite.
TEST_F(Import, EveryFormOfARealFileSaysWhatItsAnsiFormSays) {
  medium.MakeDirectory("TC");
  Form1& form = Start("/?");
  const std::string portable = medium.Path("TC\\portable.ini");
  auto rewritten = [&](const std::string& bytes, const std::string& directory) {
    medium.Write("TC\\portable.ini", bytes);
    MakePortable(form, portable, directory);
    return TextsOf(portable);
  };
  for (const auto& [name, directory] : kCorpus) {
    const std::string source = test::CorpusFile(name);
    if (source.empty()) GTEST_SKIP() << "no corpus beside this checkout";
    SCOPED_TRACE(name);
    // The lines this machine's code page reads.
    std::vector<std::string> texts;
    for (const std::string& line : LinesOf(source)) {
      std::string text;
      if (platform::AnsiToUtf8(line, text)) texts.push_back(text);
    }
    const auto ansi = rewritten(InForm(texts, platform::TextEncoding::Ansi), directory);
    for (const platform::TextEncoding encoding : kUnicodeForms) {
      EXPECT_EQ(rewritten(InForm(texts, encoding), directory), ansi);
      EXPECT_EQ(platform::EncodingOf(medium.Read("TC\\portable.ini")), encoding);
    }
  }
}

// Broken files in the Unicode forms: an odd length and binary content behind
// the UTF-16 mark, bytes that are no UTF-8 behind the UTF-8 mark. What they say
// is rewritten, and they keep their form and every other byte.
TEST_F(Import, BrokenUnicodeFilesLoseNoByte) {
  medium.MakeDirectory("TC");
  Form1& form = Start("/?");
  const std::string portable = medium.Path("TC\\portable.ini");
  std::string binary = "\xFF\xFE";
  unsigned state = 54321;
  while (binary.size() < 4 * 1024 * 1024) {
    state = state * 1103515245 + 12345;
    binary += static_cast<char>(state >> 16);
    if ((state & 0xFFFF) < 40) binary += Utf8ToUtf16(" T:\\TC\\x ");
  }
  const std::vector<std::string> broken = {"\xFF\xFE" + Utf8ToUtf16("a=T:\\TC\\x\r\nb=1\r\n") + "\x41", binary + "\x42",
                                           "\xEF\xBB\xBF" "a=\xC3\x28T:\\TC\\x\r\nb=\xFF T:\\TC\r\n"};
  for (const std::string& content : broken) {
    medium.Write("TC\\portable.ini", content);
    const auto before = TextsOf(portable);
    MakePortable(form, portable, "T:\\TC");
    EXPECT_EQ(platform::EncodingOf(medium.Read("TC\\portable.ini")), platform::EncodingOf(content));
    ExpectOnlyPathsRewritten(before, TextsOf(portable), "T:\\TC");
  }
  EXPECT_TRUE(medium.Read("TC\\portable.ini").starts_with("\xEF\xBB\xBF" "a=\xC3\x28%COMMANDER_PATH%\\x\r\n"));
}

TEST_F(Import, HostileFilesAreRewrittenWithoutHarm) {
  medium.MakeDirectory("TC");
  Form1& form = Start("/?");
  const std::string portable = medium.Path("TC\\portable.ini");
  std::string binary;
  binary.reserve(50 * 1024 * 1024);
  unsigned state = 12345;
  while (binary.size() < 50 * 1024 * 1024) {
    state = state * 1103515245 + 12345;
    binary += static_cast<char>(state >> 16);
    if ((state & 0xFFFF) < 40) binary += " T:\\TC\\x ";
  }
  const std::vector<std::string> hostile = {
      binary,
      std::string("a=T:\\TC\0\0b\r\nnul\0=t:\\tc\\p\r\n", 27),
      "lf=T:\\TC\\a\nonly=T:\\TC\\b\n",
      "caf\xE9=T:\\TC\\\xE4\xF6\xFC.wfx\r\n\xE9T:\\TC\r\n"};
  for (const std::string& content : hostile) {
    medium.Write("TC\\portable.ini", content);
    const auto before = LinesOf(portable);
    MakePortable(form, portable, "T:\\TC");
    if (content.size() < 1000) ExpectOnlyPathsRewritten(before, LinesOf(portable), "T:\\TC");
  }
  EXPECT_EQ(LinesOf(portable)[0], "caf\xE9=%COMMANDER_PATH%\\\xE4\xF6\xFC.wfx");
  EXPECT_EQ(LinesOf(portable)[1], "\xE9T:\\TC");
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
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(host.Messages()[0].title, "First Start: Import from Windows directory?");
  EXPECT_EQ(host.Messages()[0].prompt, "Import from Windows directory?\r\r" + windowsIni +
                                           "\r\rImportant: original file will not be changed!!");
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
  EXPECT_EQ(form.State().TCDir, "T:");
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
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(host.Messages()[0].prompt, "Import cancled!");
  EXPECT_EQ(host.Messages()[0].title, "Cancled");
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

}  // namespace
