#pragma once
// The main window started in the test's own process on a test medium (T:), with the scripted host answering for
// the user.

#include <gtest/gtest.h>

#include <memory>

#include "common/medium.h"
#include "common/portable_lines.h"
#include "common/scripted_host.h"
#include "launcher/form1.h"
#include "platform/file_system.h"
#include "platform/text.h"
#include "support/path_text.h"

inline const std::string kPlainLaunch =
    "T:\\TC\\TOTALCMD64.EXE  /i=T:\\TC\\TC_portable_wincmd.ini /f=T:\\TC\\TC_portable_wcx_ftp.ini";

class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override { before_ = platform::CurrentDirectory(); }
  void TearDown() override { platform::ChangeDirectory(before_); }

  void LayOutTotalCommander(const std::string& folder = "TC", const std::string& exe = "TOTALCMD64.EXE") {
    medium.PutTotalCommander(folder + "\\" + exe);
    medium.Write(folder + "\\TC_portable_wincmd.ini", "[Configuration]\r\n");
    medium.Write(folder + "\\TC_portable_wcx_ftp.ini", "");
  }

  // As if the launcher lay in that folder.
  Form1& Start(const std::string& raw, const std::string& launcherFolder = "T:\\TC") {
    form_ = std::make_unique<Form1>(StartInfo{raw, launcherFolder, "Ambler"});
    try {
      form_->Load();
    } catch (const test::ProgramEnded&) {
      // The launch ends the program; what it did stays to be checked.
    }
    return *form_;
  }

  std::string PortableFiles() const { return medium.FilesWithTimes("TC", "TC_portable_"); }

  // Every question without a scripted answer answered No, every window closed.
  void DeclineEverything() {
    host.AnswerUnscripted([](const test::ShownMessage&) { return platform::MsgResult::No; });
    host.OnUnscriptedModal(test::Close);
  }

  test::Medium medium;
  test::ScriptedHost host;

 private:
  std::string before_;
  std::unique_ptr<Form1> form_;
};
