// A medium that fails under the program: it fills up, it is write-protected,
// or files vanish between two steps. Whatever happens, the originals stay as
// they were, every portable file is whole or missing, no scratch file remains,
// and Total Commander starts.
#include <algorithm>
#include <filesystem>
#include <map>
#include <thread>

#include "launcher/launcher_test.h"
#include "platform/file_system.h"
#include "platform/medium_changes.h"
#include "plugins/plugin_search.h"
#include "support/portable_rewrite.h"
#include "platform/text.h"
#include "support/file_copy.h"
#include "support/ini.h"
#include "support/path_text.h"

namespace {

using platform::MsgResult;

std::vector<std::string> LinesOf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    lines.push_back(bytes.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return lines;
}

// Total Commander's files with paths in every form the rewrite handles, large
// enough that the first start's import needs several hundred kilobytes.
const std::map<std::string, std::string>& Originals() {
  static const std::map<std::string, std::string> files = [] {
    std::string ini =
        "[Configuration]\r\nInstallDir=T:\\TC\r\n[Buttonbar]\r\nButtonbar=t:\\tc\\DEFAULT.BAR\r\n"
        "[FileSystemPlugins]\r\nftp=T:\\TC\\plugins\\ftp.wfx\r\n[DirMenu]\r\n";
    for (int i = 0; ini.size() < 150 * 1024; ++i)
      ini += "menu" + std::to_string(i) + "=cd T:\\TC\\dir" + std::to_string(i) + " TYPE:1 t:\\data\r\n";
    std::string ftp = "[connections]\r\n";
    for (int i = 0; ftp.size() < 40 * 1024; ++i) ftp += "localdir" + std::to_string(i) + "=T:\\Downloads\\x\r\n";
    std::string bar = "[Buttonbar]\r\n";
    for (int i = 0; bar.size() < 40 * 1024; ++i)
      bar += "button" + std::to_string(i) + "=T:\\TC\\TOTALCMD64.EXE,1\r\ncmd" + std::to_string(i) + "=T:\\Tools\\x.exe\r\n";
    return std::map<std::string, std::string>{
        {"wincmd.ini", ini}, {"wcx_ftp.ini", ftp}, {"DEFAULT.BAR", bar}, {"DEFAULT.br1", "companion"}};
  }();
  return files;
}

// Each portable file and the original it is made from.
const std::map<std::string, std::string> kPortableOf = {{"TC_portable_wincmd.ini", "wincmd.ini"},
                                                        {"TC_portable_wcx_ftp.ini", "wcx_ftp.ini"},
                                                        {"TC_portable_Default.bar", "DEFAULT.BAR"},
                                                        {"TC_portable_Default.br1", "DEFAULT.br1"}};

const std::string kBarKey = "Buttonbar=%COMMANDER_PATH%\\TC_portable_Default.bar";

class FaultyMedium : public LauncherTest {
 protected:
  void LayOut() {
    medium.MakeDirectory("TC");
    medium.PutTotalCommander("TC\\TOTALCMD64.EXE");
    for (const auto& [name, content] : Originals()) medium.Write("TC\\" + name, content);
  }

  // A start that tries every offer it gets and declines the shortcuts; the
  // plugin window and the file dialog are closed.
  void StartTryingEveryOffer() {
    host.AnswerUnscripted([](const test::ShownMessage& message) {
      return message.title == "Desktop Shortcut?" ? MsgResult::No : MsgResult::Yes;
    });
    host.OnUnscriptedModal([](ui::Window& window) { window.RequestClose(); });
    Start("");
  }

  // Whatever failed: the originals as they were (but the one the test
  // removed), every portable file missing or whole (its lines read as the
  // original's once the variables are expanded), nothing else in the folder,
  // and one start of Total Commander with exactly the portable files that exist.
  void ExpectNothingLost(std::size_t starts = 1, const std::string& removed = "") {
    std::vector<std::string> expected = {"TOTALCMD64.EXE"};
    for (const auto& [name, content] : Originals()) {
      if (name == removed) continue;
      EXPECT_TRUE(medium.Read("TC\\" + name) == content) << name << " changed";
      expected.push_back(name);
    }
    for (const auto& [portable, original] : kPortableOf) {
      if (!test::Exists(medium.HostWindowsPath("TC\\" + portable))) continue;
      expected.push_back(portable);
      const auto before = LinesOf(Originals().at(original));
      const auto after = LinesOf(medium.Read("TC\\" + portable));
      if (original == removed && after.empty()) continue;  // made empty for want of an original
      ASSERT_EQ(after.size(), before.size()) << portable << " is cut short";
      for (std::size_t i = 0; i < after.size(); ++i) {
        if (after[i] == kBarKey) continue;  // checked below
        ASSERT_EQ(ExpandedUpper(after[i], "T:\\TC"), platform::UpperCase(before[i]))
            << portable << " line " << i + 1;
      }
    }
    const std::string ini = medium.Read("TC\\TC_portable_wincmd.ini");
    if (Contains(ini, kBarKey) && removed != "TC_portable_Default.bar") {
      EXPECT_TRUE(test::Exists(medium.HostWindowsPath("TC\\TC_portable_Default.bar")));
    }
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(medium.HostWindowsPath("TC")))
      if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);

    const auto started = recorded.Starts(starts);
    ASSERT_EQ(started.size(), starts);
    std::string commandLine = "T:\\TC\\TOTALCMD64.EXE ";
    if (test::Exists(medium.HostWindowsPath("TC\\TC_portable_wincmd.ini")))
      commandLine += " /i=T:\\TC\\TC_portable_wincmd.ini";
    if (test::Exists(medium.HostWindowsPath("TC\\TC_portable_wcx_ftp.ini")))
      commandLine += " /f=T:\\TC\\TC_portable_wcx_ftp.ini";
    EXPECT_EQ(started.back().commandLine, Trim(commandLine));
  }

  // Every portable file there, the ini naming the portable bar; with
  // complete, every path rewritten as well.
  void ExpectEverythingImported(bool complete) {
    EXPECT_TRUE(Contains(medium.Read("TC\\TC_portable_wincmd.ini"), kBarKey));
    for (const auto& [portable, original] : kPortableOf) {
      EXPECT_TRUE(test::Exists(medium.HostWindowsPath("TC\\" + portable))) << portable;
      if (!complete) continue;
      std::string expected;
      for (const auto& line : LinesOf(Originals().at(original))) {
        const bool barKey = portable == "TC_portable_wincmd.ini" && line.starts_with("Buttonbar=");
        expected += (barKey ? kBarKey : PortableValue(line, "T:\\TC")) + "\r\n";
      }
      if (original == "DEFAULT.br1") expected = Originals().at(original);
      EXPECT_TRUE(medium.Read("TC\\" + portable) == expected) << portable << " is not rewritten in full";
    }
  }

  test::TempDir elsewhere;
  // A full or write-protected medium gives the stand-in no room to record.
  const test::StandInRecord recorded{elsewhere / "received.txt"};
};

TEST_F(FaultyMedium, AStickThatFillsUpDuringARewriteOrAKeyWriteLosesNothing) {
  // Room for the stand-in Total Commander and about 1 MB more.
  const auto standIn = static_cast<int>(std::filesystem::file_size(test::StandInExe()) / 1024);
  if (!medium.MountTmpfs(standIn + 1024)) GTEST_SKIP() << "this machine allows no mounts";
  medium.MakeDirectory("TC");
  medium.PutTotalCommander("TC\\TOTALCMD64.EXE");
  medium.Write("TC\\TC_portable_wcx_ftp.ini", "");
  // Every line grows in the rewrite, and the new copy does not fit beside the old.
  std::string ini = "[DirMenu]\r\n";
  for (int i = 0; ini.size() < 600 * 1024; ++i) ini += "menu" + std::to_string(i) + "=cd T:\\TC\\dir\r\n";
  medium.Write("TC\\TC_portable_wincmd.ini", ini);

  Form1& form = Start("/?");
  const std::string P = medium.Path("TC\\TC_portable_wincmd.ini");
  form.Work().CopyAndParseFile(P, P, "T:\\TC", "T:\\TC\\", "%COMMANDER_PATH%", Force::Yes);
  EXPECT_TRUE(form.State().LineFound);
  // A key that does not fit either leaves the file whole.
  IniWriteValue("Buttonbar", "Buttonbar", std::string(600 * 1024, 'x'), P, false);
  const std::string after = medium.Read("TC\\TC_portable_wincmd.ini");
  EXPECT_TRUE(after == ini) << "the portable ini changed: " << ini.size() << " bytes before, " << after.size()
                            << " after, beginning " << after.substr(0, 120);
  EXPECT_FALSE(test::Exists(medium.Path("TC\\TC_portable_wincmd.ini_temp2.txt")));

  // A copy onto an existing file that does not fit leaves that file as it was.
  medium.Write("TC\\small.ini", "small");
  EXPECT_FALSE(CopyFileOver(P, medium.Path("TC\\small.ini"), true));
  EXPECT_EQ(medium.Read("TC\\small.ini"), "small");

  // Total Commander still starts, with the ini as it was.
  Start("");
  const auto starts = recorded.Starts();
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].commandLine,
            "T:\\TC\\TOTALCMD64.EXE  /i=T:\\TC\\TC_portable_wincmd.ini /f=T:\\TC\\TC_portable_wcx_ftp.ini");
}

TEST_F(FaultyMedium, AWriteProtectedStickStillStartsTotalCommanderWithoutPortableFiles) {
  medium.MakeDirectory("TC");
  medium.PutTotalCommander("TC\\TOTALCMD64.EXE");
  const std::string original = "[Configuration]\r\nInstallDir=T:\\TC\r\n";
  medium.Write("TC\\wincmd.ini", original);
  if (!medium.MountReadOnly()) GTEST_SKIP() << "this machine allows no mounts";

  // The drive pass finds no portable ini and offers the source; a copy was
  // tried, so the shortcuts are offered too.
  host.OnModal([](ui::Window& window) { window.RequestClose(); });  // the plugin window
  host.Answer({MsgResult::Yes, MsgResult::No});
  Form1& form = Start("");
  std::vector<std::string> titles;
  for (const auto& message : host.Messages()) titles.push_back(message.title);
  EXPECT_EQ(titles, (std::vector<std::string>{"First Start: Import file?", "Cancled", "Import failed", "Ambler",
                                              "Desktop Shortcut?"}));
  EXPECT_EQ(host.Messages()[3].prompt, "Ini not found");  // the plugin window
  EXPECT_EQ(host.Messages()[2].prompt, "Import canceled!");
  EXPECT_EQ(host.Beeps(), 1);
  EXPECT_EQ(form.State().PortableIni, "");
  const auto starts = recorded.Starts();
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].commandLine, "T:\\TC\\TOTALCMD64.EXE");
  EXPECT_EQ(medium.Read("TC\\wincmd.ini"), original);
}

// Free kilobytes left on the stick when the first start begins.
class FullStick : public FaultyMedium, public ::testing::WithParamInterface<int> {};

TEST_P(FullStick, FirstStartLosesNothingAndTheNextStartWithRoomImportsEverything) {
  if (!medium.MountTmpfs(4 * 1024)) GTEST_SKIP() << "this machine allows no mounts";
  LayOut();
  // The filler takes all room but what the test leaves.
  const std::string filler = medium.HostPath("filler");
  test::RunUnix("dd if=/dev/zero of=" + filler + " bs=4k >/dev/null 2>&1; truncate -s -" +
                std::to_string(GetParam()) + "k " + filler);
  StartTryingEveryOffer();
  ExpectNothingLost();
  if (GetParam() >= 1024) ExpectEverythingImported(true);

  // With room again, the next start imports what is missing. (A file whose
  // rewrite did not fit keeps its absolute paths until the next import from
  // the setup window: still right, only not yet portable.)
  test::RunUnix("rm -f " + filler);
  StartTryingEveryOffer();
  ExpectNothingLost(2);
  ExpectEverythingImported(false);
}

INSTANTIATE_TEST_SUITE_P(FreeKilobytes, FullStick, ::testing::Values(0, 8, 100, 180, 240, 300, 400, 1024));

// A file that vanishes while the first start waits for the user: in the
// plugin window (pause 0) or at the shortcut question (pause 1).
class VanishingFile : public FaultyMedium, public ::testing::WithParamInterface<std::tuple<std::string, int>> {};

TEST_P(VanishingFile, FirstStartGoesOnWithWhatIsLeft) {
  const auto& [name, pause] = GetParam();
  LayOut();
  int pauses = 0;
  host.BeforeEachPause([&, name = name, pause = pause] {
    if (pauses++ == pause) std::filesystem::remove(medium.HostWindowsPath("TC\\" + name));
  });
  StartTryingEveryOffer();
  EXPECT_EQ(pauses, 2);
  ExpectNothingLost(1, name);
}

INSTANTIATE_TEST_SUITE_P(
    RemovedWhileWaiting, VanishingFile,
    ::testing::Combine(::testing::Values("wincmd.ini", "wcx_ftp.ini", "DEFAULT.BAR", "TC_portable_wincmd.ini",
                                         "TC_portable_wcx_ftp.ini", "TC_portable_Default.bar"),
                       ::testing::Values(0, 1)),
    [](const auto& test) {
      std::string name = std::get<0>(test.param) + "_at_pause_" + std::to_string(std::get<1>(test.param));
      std::replace(name.begin(), name.end(), '.', '_');
      return name;
    });

// The stick pulled at one change of the medium after another, a run per
// change, each followed by a start with the stick back and no fault.
class PulledStick : public FaultyMedium {
 protected:
  void TearDown() override {
    platform::PullMediumAtChange(0);
    FaultyMedium::TearDown();
  }

  // Every file in Total Commander's folder but Total Commander, which may
  // still run.
  std::map<std::string, std::string> TotalCommandersFolder() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(medium.HostWindowsPath("TC")))
      if (entry.is_regular_file() && entry.path().filename() != "TOTALCMD64.EXE")
        files[std::filesystem::relative(entry.path(), medium.HostWindowsPath("TC")).string()] =
            test::ReadFile(entry.path().string());
    return files;
  }

  void PutBack(const std::map<std::string, std::string>& files) {
    for (const auto& entry : std::filesystem::directory_iterator(medium.HostWindowsPath("TC")))
      if (entry.path().filename() != "TOTALCMD64.EXE") std::filesystem::remove_all(entry.path());
    for (const auto& [name, content] : files) {
      std::filesystem::create_directories(std::filesystem::path(medium.HostWindowsPath("TC\\" + name)).parent_path());
      medium.Write("TC\\" + name, content);
    }
    std::filesystem::remove(elsewhere / "received.txt");
  }

  // Three lister plugins beside Total Commander.
  void LayOutPlugins() {
    for (const std::string plugin : {"a", "b", "c"}) {
      medium.MakeDirectory("TC\\plugins\\" + plugin);
      medium.Write("TC\\plugins\\" + plugin + "\\" + plugin + ".wlx", "plugin");
    }
  }

  // The plugin window opened from the setup window: all plugins saved.
  void SaveAllPlugins() {
    host.OnUnscriptedModal([](ui::Window& window) {
      auto& plugins = dynamic_cast<PluginSearch&>(window);
      plugins.AllBtn->UserClick();
      plugins.SaveBtn->UserClick();
      window.RequestClose();
    });
    Start("/?").Work().ShowPluginWindow();
    host.OnUnscriptedModal([](ui::Window& window) { window.RequestClose(); });
  }

  // One line a pull, for the notes: the files that differ from before, and their sizes.
  void PrintWhatThePullLeft(const std::string& pull, const std::map<std::string, std::string>& before) const {
    std::cout << "[ " << pull << " ] left:";
    for (const auto& [name, content] : TotalCommandersFolder())
      if (!before.contains(name) || before.at(name) != content) std::cout << " " << name << " " << content.size();
    std::cout << "\n";
  }

  // Runs once unpulled to count the changes, then once pulled at each. A run
  // that starts Total Commander is recorded before the next start, so that
  // the starts are recorded in order.
  template <typename Run, typename Check>
  std::size_t PullAtEveryChange(Run run, bool runStartsTotalCommander, Check check) {
    const auto before = TotalCommandersFolder();
    platform::PullMediumAtChange(0);
    run();
    const std::size_t changes = platform::MediumChangesCounted();
    if (runStartsTotalCommander) {
      EXPECT_EQ(recorded.Starts().size(), 1u);
    }
    for (std::size_t k = 1; k <= changes && !HasFailure(); ++k) {
      SCOPED_TRACE("pulled at change " + std::to_string(k) + " of " + std::to_string(changes));
      PutBack(before);
      platform::PullMediumAtChange(k);
      run();
      platform::PullMediumAtChange(0);
      PrintWhatThePullLeft("pulled at change " + std::to_string(k), before);
      if (runStartsTotalCommander) {
        EXPECT_EQ(recorded.Starts().size(), 1u);
      }
      StartTryingEveryOffer();
      check();
    }
    std::cout << "[ pull points ] " << changes << "\n";
    return changes;
  }
};

TEST_F(PulledStick, AtAnyChangeOfAFirstStartNothingIsLost) {
  LayOut();
  const std::size_t changes = PullAtEveryChange([&] { StartTryingEveryOffer(); }, true, [&] {
    ExpectNothingLost(2);
    ExpectEverythingImported(false);
  });
  EXPECT_GE(changes, 30u);
}

TEST_F(PulledStick, AtAnyChangeOfAPluginSaveTheIniHoldsTheKeysSavedSoFar) {
  LayOut();
  LayOutPlugins();
  StartTryingEveryOffer();
  const std::string ini = "TC\\TC_portable_wincmd.ini";
  const std::string before = medium.Read(ini);

  auto save = [&] { SaveAllPlugins(); };
  // Each key write replaces the whole ini: it holds the lines it had and the
  // first of the new ones, in the order they are saved.
  std::vector<std::string> states;
  auto check = [&] {
    const std::string now = medium.Read(ini);
    EXPECT_TRUE(std::find(states.begin(), states.end(), now) != states.end()) << now.size() << " bytes";
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(medium.HostWindowsPath("TC")))
      names.push_back(entry.path().filename().string());
    EXPECT_EQ(names.size(), 10u) << "a scratch file is left";  // 9 files and the plugins folder
    const auto started = recorded.Starts();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].commandLine,
              "T:\\TC\\TOTALCMD64.EXE  /i=T:\\TC\\TC_portable_wincmd.ini /f=T:\\TC\\TC_portable_wcx_ftp.ini");
  };
  const auto beforeSave = TotalCommandersFolder();
  save();
  const std::string after = medium.Read(ini);
  std::vector<std::string> added;
  for (const std::string& line : LinesOf(after))
    if (!Contains(before, line + "\r\n")) added.push_back(line);
  ASSERT_EQ(added.size(), 4u);  // the section and its three keys
  for (std::size_t kept = 0; kept <= added.size(); ++kept) {
    std::string state;
    std::size_t seen = 0;
    for (const std::string& line : LinesOf(after)) {
      const bool isAdded = std::find(added.begin(), added.end(), line) != added.end();
      if (!isAdded || seen++ < kept) state += line + "\r\n";
    }
    states.push_back(state);
  }
  PutBack(beforeSave);
  EXPECT_GE(PullAtEveryChange(save, false, check), 12u);
}

// A real exFAT stick, through FUSE on a loop device.
class ExfatStick : public PulledStick {
 protected:
  void SetUp() override {
    PulledStick::SetUp();
    if (!medium.MountExfat(32))
      GTEST_SKIP() << "this machine cannot mount an exFAT stick (root, FUSE, a loop device, exfat-fuse)";
    LayOut();
    LayOutPlugins();
    medium.Replug();
  }
};

TEST_F(ExfatStick, FirstStartSecondStartAndPluginSave) {
  StartTryingEveryOffer();
  ExpectNothingLost();
  ExpectEverythingImported(true);
  const auto imported = TotalCommandersFolder();
  StartTryingEveryOffer();
  EXPECT_TRUE(TotalCommandersFolder() == imported) << "the second start changed the stick";
  SaveAllPlugins();
  medium.Replug();
  const std::string ini = medium.Read("TC\\TC_portable_wincmd.ini");
  EXPECT_TRUE(Contains(ini, "[ListerPlugins]\r\n0=%COMMANDER_PATH%\\plugins\\c\\c.wlx\r\n"
                            "1=%COMMANDER_PATH%\\plugins\\b\\b.wlx\r\n2=%COMMANDER_PATH%\\plugins\\a\\a.wlx\r\n"))
      << ini.substr(ini.size() > 300 ? ini.size() - 300 : 0);
}

// The stick pulled for real during a first start: at the plugin window, at
// the shortcut question, and at moments after the start began, wherever the
// run then is. After repair, a start with the stick back loses nothing.
TEST_F(ExfatStick, PulledForRealDuringAFirstStartLosesNothing) {
  const auto before = TotalCommandersFolder();
  struct Moment {
    int pause;         // pulled at this pause, or
    int afterMs;       // this long after the start began
  };
  for (const Moment moment : {Moment{0, -1}, Moment{1, -1}, Moment{-1, 0}, Moment{-1, 10}, Moment{-1, 30},
                              Moment{-1, 60}, Moment{-1, 120}}) {
    SCOPED_TRACE("pulled at pause " + std::to_string(moment.pause) + ", " + std::to_string(moment.afterMs) + " ms");
    int pauses = 0;
    host.BeforeEachPause([&] {
      if (pauses++ == moment.pause) medium.Pull();
    });
    std::thread puller;
    if (moment.afterMs >= 0)
      puller = std::thread([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(moment.afterMs));
        medium.Pull();
      });
    StartTryingEveryOffer();
    if (puller.joinable()) puller.join();
    host.BeforeEachPause([] {});
    medium.PlugIn();
    PrintWhatThePullLeft("real pull at pause " + std::to_string(moment.pause) + ", " +
                             std::to_string(moment.afterMs) + " ms",
                         before);
    const std::size_t starts = recorded.Starts(0).size();
    StartTryingEveryOffer();
    ExpectNothingLost(starts + 1);
    ExpectEverythingImported(false);
    if (HasFailure()) break;
    PutBack(before);
    medium.Replug();
  }
}

}  // namespace
