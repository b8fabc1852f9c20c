// A medium that fails under the program: it fills up, it is write-protected, files vanish between two steps, or
// it is pulled. Whatever happens, the originals stay as they were, every portable file is whole or missing, no
// scratch file remains, and Total Commander starts.
#include <algorithm>
#include <filesystem>
#include <map>
#include <thread>

#include "launcher/launcher_test.h"
#include "platform/medium_changes.h"
#include "plugins/plugin_search.h"
#include "support/ini.h"
#include "support/session_memory.h"

namespace {

using platform::MsgResult;
using Files = std::map<std::string, std::string>;

Strings LinesOf(const std::string& bytes) {
  Strings lines;
  for (std::size_t start = 0, end = 0; start < bytes.size(); start = end + 2)
    lines.push_back(bytes.substr(start, (end = std::min(bytes.find("\r\n", start), bytes.size())) - start));
  return lines;
}

// Lines made from their numbers until the text has that size.
template <typename Line>
std::string Grown(std::string text, std::size_t size, Line line) {
  for (int i = 0; text.size() < size; ++i) text += line(std::to_string(i));
  return text;
}

// Paths in every form the rewrite handles; the import needs several hundred kilobytes.
const Files& Originals() {
  static const Files files = {
      {"wincmd.ini", Grown("[Configuration]\r\nInstallDir=T:\\TC\r\n[Buttonbar]\r\nButtonbar=t:\\tc\\DEFAULT.BAR\r\n"
                           "[FileSystemPlugins]\r\nftp=T:\\TC\\plugins\\ftp.wfx\r\n[DirMenu]\r\n",
                           150 * 1024,
                           [](const std::string& i) { return "menu" + i + "=cd T:\\TC\\dir" + i + " TYPE:1 t:\\data\r\n"; })},
      {"wcx_ftp.ini", Grown("[connections]\r\n", 40 * 1024,
                            [](const std::string& i) { return "localdir" + i + "=T:\\Downloads\\x\r\n"; })},
      {"DEFAULT.BAR", Grown("[Buttonbar]\r\n", 40 * 1024,
                            [](const std::string& i) {
                              return "button" + i + "=T:\\TC\\TOTALCMD64.EXE,1\r\ncmd" + i + "=T:\\Tools\\x.exe\r\n";
                            })},
      {"DEFAULT.br1", "companion"}};
  return files;
}

const Files kPortableOf = {{"TC_portable_wincmd.ini", "wincmd.ini"},
                           {"TC_portable_wcx_ftp.ini", "wcx_ftp.ini"},
                           {"TC_portable_Default.bar", "DEFAULT.BAR"},
                           {"TC_portable_Default.br1", "DEFAULT.br1"}};

const std::string kBarKey = "Buttonbar=%COMMANDER_PATH%\\TC_portable_Default.bar";

class FaultyMedium : public LauncherTest {
 protected:
  void LayOut(bool plugins = false) {
    medium.PutTotalCommander("TC\\TOTALCMD64.EXE");
    for (const auto& [name, content] : Originals()) medium.Write("TC\\" + name, content);
    for (const std::string plugin : {"a", "b", "c"})
      if (plugins) medium.Write("TC\\plugins\\" + plugin + "\\" + plugin + ".wlx", "plugin");
  }

  bool Has(const std::string& name) const { return test::Exists(medium.HostWindowsPath("TC\\" + name)); }

  // Every offer taken but the shortcuts; the plugin window and the file dialog closed.
  void StartTryingEveryOffer() {
    host.AnswerUnscripted([](const test::ShownMessage& message) {
      return message.title == "Desktop Shortcut?" ? MsgResult::No : MsgResult::Yes;
    });
    host.OnUnscriptedModal(test::Close);
    Start("", launcherFolder);
  }

  // The originals as they were, every portable file missing or whole, nothing else in the folder, and Total
  // Commander started with exactly the portable files that exist.
  void ExpectNothingLost(std::size_t starts = 1, const std::string& removed = "") {
    Strings expected = {"TOTALCMD64.EXE"};
    for (const auto& [name, content] : Originals()) {
      if (name == removed) continue;
      EXPECT_TRUE(medium.Read("TC\\" + name) == content) << name << " changed";
      expected.push_back(name);
    }
    for (const auto& [portable, original] : kPortableOf) {
      if (!Has(portable)) continue;
      expected.push_back(portable);
      const auto before = LinesOf(Originals().at(original)), after = LinesOf(medium.Read("TC\\" + portable));
      if (original == removed && after.empty()) continue;  // made empty for want of an original
      ASSERT_EQ(after.size(), before.size()) << portable << " is cut short";
      for (std::size_t i = 0; i < after.size(); ++i) {
        if (after[i] == kBarKey) continue;  // checked below
        ASSERT_EQ(ExpandedUpper(after[i], "T:\\TC"), platform::UpperCase(before[i])) << portable << " line " << i + 1;
      }
    }
    EXPECT_TRUE(!Contains(medium.Read("TC\\TC_portable_wincmd.ini"), kBarKey) || removed == "TC_portable_Default.bar" ||
                Has("TC_portable_Default.bar"));
    if (Has("plugins")) expected.push_back("plugins");  // laid out by some tests
    if (Has(std::string(kHandedOverFile))) {
      expected.emplace_back(kHandedOverFile);
      EXPECT_TRUE(ReadHandedOver(medium.Read("TC\\" + std::string(kHandedOverFile))).has_value());
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(test::Names(medium.HostWindowsPath("TC")), expected);

    const auto started = recorded.Starts(starts);
    ASSERT_EQ(started.size(), starts);
    std::string commandLine = "T:\\TC\\TOTALCMD64.EXE ";
    if (Has("TC_portable_wincmd.ini")) commandLine += " /i=T:\\TC\\TC_portable_wincmd.ini";
    if (Has("TC_portable_wcx_ftp.ini")) commandLine += " /f=T:\\TC\\TC_portable_wcx_ftp.ini";
    EXPECT_EQ(started.back().commandLine, Trim(commandLine));
  }

  // Every portable file there, and the portable ini naming the portable bar.
  void ExpectEverythingImported() {
    EXPECT_TRUE(Contains(medium.Read("TC\\TC_portable_wincmd.ini"), kBarKey));
    for (const auto& [portable, original] : kPortableOf) EXPECT_TRUE(Has(portable)) << portable;
  }

  // Each portable file byte for byte as a start that was not pulled left it: a copy that a pull left
  // unrewritten reads back as its original, and only its bytes tell.
  void ExpectAsUnpulled(const Files& unpulled) {
    for (const auto& [portable, original] : kPortableOf)
      EXPECT_TRUE(medium.Read("TC\\" + portable) == unpulled.at(portable)) << portable << " differs from an unpulled start's";
  }

  // Total Commander itself may still run.
  Files TotalCommandersFolder() const {
    Files files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(medium.HostWindowsPath("TC")))
      if (entry.is_regular_file() && entry.path().filename() != "TOTALCMD64.EXE")
        files[std::filesystem::relative(entry.path(), medium.HostWindowsPath("TC")).string()] =
            test::ReadFile(entry.path().string());
    return files;
  }

  // The memory's stamps hold the times its files were written, which differ from run to run.
  static Files WithoutStamps(Files files) {
    std::string& memory = files.at(std::string(kHandedOverFile));
    for (auto at = memory.find("stamp="); at != std::string::npos; at = memory.find("stamp=", at))
      memory.erase(at, memory.find("\r\n", at) + 2 - at);
    return files;
  }

  void PutBack(const Files& files) {
    for (const auto& entry : std::filesystem::directory_iterator(medium.HostWindowsPath("TC")))
      if (entry.path().filename() != "TOTALCMD64.EXE") std::filesystem::remove_all(entry.path());
    for (const auto& [name, content] : files) medium.Write("TC\\" + name, content);
    recorded.Clear();
  }

  // Runs once unpulled to count the changes, then pulled at each, each followed by a start with the stick back
  // and the check.
  template <typename Run, typename Check>
  std::size_t PullAtEveryChange(Run run, Check check) {
    const auto before = TotalCommandersFolder();
    platform::PullMediumAtChange(0);
    run();
    const std::size_t changes = platform::MediumChangesCounted();
    for (std::size_t k = 1; k <= changes && !HasFailure(); ++k) {
      SCOPED_TRACE("pulled at change " + std::to_string(k) + " of " + std::to_string(changes));
      PutBack(before);
      platform::PullMediumAtChange(k);
      run();
      platform::PullMediumAtChange(0);
      StartTryingEveryOffer();
      check();
    }
    std::cout << "[ pull points ] " << changes << "\n";
    return changes;
  }

  void SaveAllPlugins() {
    host.OnUnscriptedModal([](ui::Window& window) {
      auto& plugins = dynamic_cast<PluginSearch&>(window);
      plugins.AllBtn->UserClick();
      plugins.SaveBtn->UserClick();
      window.RequestClose();
    });
    Start("/?").Work().ShowPluginWindow();
    host.OnUnscriptedModal(test::Close);
  }

  std::string launcherFolder = "T:\\TC";
  test::TempDir elsewhere;
  // A full or write-protected medium gives the stand-in no room to record.
  const test::StandInRecord recorded{elsewhere / "received.txt"};
};

TEST_F(FaultyMedium, AWriteProtectedStickStillStartsTotalCommanderWithoutPortableFiles) {
  medium.PutTotalCommander("TC\\TOTALCMD64.EXE");
  const std::string original = "[Configuration]\r\nInstallDir=T:\\TC\r\n";
  medium.Write("TC\\wincmd.ini", original);
  if (!medium.MountReadOnly()) GTEST_SKIP() << "this machine allows no mounts";

  // A copy was tried, so the shortcuts are offered too. The plugin window finds no ini.
  host.OnModal(test::Close);
  host.Answer({MsgResult::Yes, MsgResult::No});
  Start("");
  Strings titles;
  for (const auto& message : host.Messages()) titles.push_back(message.title);
  EXPECT_EQ(titles, (Strings{"First Start: Import file?", "Cancled", "Import failed", "Ambler",
                                              "Desktop Shortcut?"}));
  EXPECT_EQ(host.Messages().at(3).prompt, "Ini not found");
  EXPECT_EQ(host.Beeps(), 1);
  EXPECT_EQ(recorded.Starts().at(0).commandLine, "T:\\TC\\TOTALCMD64.EXE");
  EXPECT_EQ(medium.Read("TC\\wincmd.ini"), original);
}

// Free kilobytes left on the stick when the first start begins.
class FullStick : public FaultyMedium, public ::testing::WithParamInterface<int> {};

TEST_P(FullStick, FirstStartLosesNothingAndTheNextStartWithRoomImportsEverything) {
  if (!medium.MountTmpfs(4 * 1024)) GTEST_SKIP() << "this machine allows no mounts";
  LayOut();
  const std::string filler = medium.HostPath("filler");
  test::RunUnix("dd if=/dev/zero of=" + filler + " bs=4k >/dev/null 2>&1; truncate -s -" +
                std::to_string(GetParam()) + "k " + filler);
  StartTryingEveryOffer();
  ExpectNothingLost();
  if (GetParam() >= 1024) ExpectEverythingImported();

  // With room, the next start imports what is missing: a copy whose rewrite did not fit was never made.
  test::RunUnix("rm -f " + filler);
  StartTryingEveryOffer();
  ExpectNothingLost(2);
  ExpectEverythingImported();
}

INSTANTIATE_TEST_SUITE_P(FreeKilobytes, FullStick, ::testing::Values(0, 8, 100, 180, 240, 300, 400, 1024));

// At home the stick is E:; at work (the stick D:) it is full. What the session at home wrote waits, with E:, for a
// start with room.
TEST_F(FaultyMedium, WhatAFullStickKeptFromBeingConvertedIsConvertedWithItsLetterOnceThereIsRoom) {
  if (!medium.MountTmpfs(4 * 1024)) GTEST_SKIP() << "this machine allows no mounts";
  LayOut();
  const test::MappedDrive home('E', medium.HostWindowsPath("")), work('D', medium.HostWindowsPath(""));
  launcherFolder = "E:\\TC";
  StartTryingEveryOffer();
  const std::string ini = medium.HostWindowsPath("TC\\TC_portable_wincmd.ini");
  IniWriteValue("left", "path", "E:\\Data\\Projects\\", ini, false);
  const std::string filler = medium.HostPath("filler");
  test::RunUnix("dd if=/dev/zero of=" + filler + " bs=4k >/dev/null 2>&1; truncate -s -64k " + filler);
  launcherFolder = "D:\\TC";
  StartTryingEveryOffer();
  EXPECT_EQ(host.Said().back().title, "Not saved");
  test::RunUnix("rm -f " + filler);
  StartTryingEveryOffer();
  EXPECT_EQ(IniReadValue("left", "path", ini, "", false), "%COMMANDER_DRIVE%\\Data\\Projects\\");
  EXPECT_EQ(recorded.Starts(3).size(), 3u);
}

// Removed in the plugin window (pause 0) or at the shortcut question (pause 1).
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

INSTANTIATE_TEST_SUITE_P(RemovedWhileWaiting, VanishingFile,
                         ::testing::Combine(::testing::Values("wincmd.ini", "wcx_ftp.ini", "DEFAULT.BAR",
                                                              "TC_portable_wincmd.ini", "TC_portable_wcx_ftp.ini",
                                                              "TC_portable_Default.bar"),
                                            ::testing::Values(0, 1)));

using PulledStick = FaultyMedium;

TEST_F(PulledStick, AtAnyChangeOfAFirstStartNothingIsLost) {
  LayOut();
  Files unpulled;
  // Each pulled start is recorded before the next, so that the starts are recorded in order.
  const std::size_t changes = PullAtEveryChange(
      [&] {
        StartTryingEveryOffer();
        EXPECT_EQ(recorded.Starts().size(), 1u);
        if (unpulled.empty()) unpulled = TotalCommandersFolder();
        // Files that nothing writes after their import appear only rewritten, whenever the stick is pulled.
        for (const std::string portable : {"TC_portable_wcx_ftp.ini", "TC_portable_Default.bar"})
          EXPECT_TRUE(!Has(portable) || medium.Read("TC\\" + portable) == unpulled.at(portable)) << portable;
      },
      [&] {
        ExpectNothingLost(2);
        ExpectEverythingImported();
        ExpectAsUnpulled(unpulled);
      });
  EXPECT_GE(changes, 30u);
}

TEST_F(PulledStick, AtAnyChangeOfAPluginSaveTheIniHoldsTheKeysSavedSoFar) {
  LayOut(true);
  StartTryingEveryOffer();
  recorded.Starts();  // before the record is cleared
  const std::string ini = "TC\\TC_portable_wincmd.ini";
  const std::string before = medium.Read(ini);
  const auto beforeSave = TotalCommandersFolder();
  SaveAllPlugins();
  // Each key write replaces the whole ini: a pull leaves the keys saved so far.
  const std::string after = medium.Read(ini);
  ASSERT_TRUE(after.starts_with(before));
  ASSERT_EQ(LinesOf(after).size(), LinesOf(before).size() + 4);
  PutBack(beforeSave);
  EXPECT_GE(PullAtEveryChange([&] { SaveAllPlugins(); },
                              [&] {
                                const std::string now = medium.Read(ini);
                                EXPECT_TRUE(now.size() >= before.size() && after.starts_with(now) &&
                                            now.ends_with("\r\n"))
                                    << now.size() << " bytes";
                                // 9 files, the memory and the plugins folder: no scratch file is left.
                                EXPECT_EQ(test::Names(medium.HostWindowsPath("TC")).size(), 11u);
                                EXPECT_EQ(recorded.Starts().at(0).commandLine, kPlainLaunch);
                              }),
            12u);
}

// A session wrote the day's letter and a host disk's, into the ini, new user commands and a plugin's settings:
// pulled anywhere, the next start (the stick now U:) ends as an unpulled one would.
TEST_F(PulledStick, AtAnyChangeOfAStartAfterASessionNothingIsConvertedTwiceOrByMistake) {
  LayOutTotalCommander();
  StartTryingEveryOffer();
  const std::string ini = "TC\\TC_portable_wincmd.ini";
  medium.Write(ini, medium.Read(ini) + "[Session]\r\nnew=T:\\TC\\plugins\\new.wfx\r\nphotos=X:\\Photos\\\r\n"
                                      "editor=T:\\Tools\\ed.exe /T:\r\n");
  medium.Write("TC\\usercmd.ini", "[em_new]\r\ncmd=T:\\Tools\\new.exe\r\n");
  medium.Write("TC\\lsplugin.ini", "[x]\r\np=T:\\Tools\\p.exe\r\nh=X:\\Photos\r\n");
  const test::MappedDrive u('U', medium.HostWindowsPath(""));
  launcherFolder = "U:\\TC";
  const auto before = TotalCommandersFolder();
  StartTryingEveryOffer();
  const auto after = TotalCommandersFolder();
  ASSERT_TRUE(Contains(after.at("TC_portable_wincmd.ini"), "[Session]\r\nnew=%COMMANDER_PATH%\\plugins\\new.wfx\r\n"
                                                            "photos=X:\\Photos\\\r\neditor=%COMMANDER_DRIVE%\\Tools\\ed.exe /T:\r\n"));
  ASSERT_EQ(after.at("usercmd.ini"), "[em_new]\r\ncmd=%COMMANDER_DRIVE%\\Tools\\new.exe\r\n");
  ASSERT_EQ(after.at("lsplugin.ini"), "[x]\r\np=U:\\Tools\\p.exe\r\nh=X:\\Photos\r\n");
  PutBack(before);
  EXPECT_GE(PullAtEveryChange([&] { StartTryingEveryOffer(); },
                              [&] {
                                EXPECT_TRUE(WithoutStamps(TotalCommandersFolder()) == WithoutStamps(after));
                              }),
            2u);
}

// A real exFAT stick. Unpulled: everything imported, and a second start changes nothing. Then pulled at the
// plugin window (pause 0), at the shortcut question (pause 1), or some milliseconds after the start began;
// after repair, a start with the stick back loses nothing.
TEST_F(FaultyMedium, OnAnExfatStickAFirstStartImportsEverythingTheNextChangesNothingAndAPullLosesNothing) {
  if (!medium.MountExfat(32)) GTEST_SKIP() << "this machine cannot mount an exFAT stick (root, FUSE, a loop device, exfat-fuse)";
  LayOut();
  medium.Replug();
  const auto before = TotalCommandersFolder();
  StartTryingEveryOffer();
  ExpectNothingLost();
  ExpectEverythingImported();
  const auto imported = TotalCommandersFolder();
  StartTryingEveryOffer();
  EXPECT_TRUE(TotalCommandersFolder() == imported) << "the second start changed the stick";
  PutBack(before);
  medium.Replug();
  const std::pair<int, int> moments[] = {{0, -1}, {1, -1}, {-1, 0}, {-1, 10}, {-1, 30}, {-1, 60}, {-1, 120}};
  for (const auto& [pause, afterMs] : moments) {
    SCOPED_TRACE("pause " + std::to_string(pause) + ", " + std::to_string(afterMs) + " ms");
    int pauses = 0;
    host.BeforeEachPause([&, pause = pause] {
      if (pauses++ == pause) medium.Pull();
    });
    std::thread puller;
    if (afterMs >= 0)
      puller = std::thread([&, afterMs = afterMs] {
        std::this_thread::sleep_for(std::chrono::milliseconds(afterMs));
        medium.Pull();
      });
    StartTryingEveryOffer();
    if (puller.joinable()) puller.join();
    host.BeforeEachPause([] {});
    medium.PlugIn();
    const std::size_t starts = recorded.Starts(0).size();
    StartTryingEveryOffer();
    ExpectNothingLost(starts + 1);
    ExpectEverythingImported();
    ExpectAsUnpulled(imported);
    if (HasFailure()) break;
    PutBack(before);
    medium.Replug();
  }
}

}  // namespace
