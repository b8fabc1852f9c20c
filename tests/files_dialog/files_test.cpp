#include "files_dialog/files.h"

#include <gtest/gtest.h>

#include "common/medium.h"
#include "common/scripted_host.h"
#include "files_dialog/system_paths.h"
#include "platform/file_system.h"

namespace {

class FilesDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    before_ = platform::CurrentDirectory();
    for (const char* name : {"docs\\a.txt", "docs\\b.bar", "docs\\C2.BAR", "docs\\sub\\x.txt"}) medium.Write(name, "x");
    platform::ChangeDirectory("T:\\docs\\sub");
  }
  void TearDown() override { platform::ChangeDirectory(before_); }

  template <typename Call>
  std::string Run(Call&& call, std::function<void(Files&)> action) {
    host.OnModal([&](ui::Window&) { action(dialog); });
    return call(dialog);
  }
  std::string Open(const std::string& path, std::function<void(Files&)> action, const std::string& pattern = "") {
    return Run([&](Files& d) { return d.FileOpenDialog(path, "", pattern); }, std::move(action));
  }

  test::Medium medium;
  test::ScriptedHost host;
  Files dialog;

 private:
  std::string before_;
};

TEST_F(FilesDialog, OpenWithAPatternShowsItAndReturnsItWhenAcceptedAtOnce) {
  const std::string result = Open("T:\\docs", [](Files& d) {
    EXPECT_EQ(d.Caption(), "Open File    (\"*.bar\")");
    EXPECT_EQ(d.File1->Items(), (Strings{"b.bar", "C2.BAR"}));
    EXPECT_EQ(d.Dir1->Path(), "T:\\docs");
    EXPECT_TRUE(d.IsTopmost() && d.Ok->Enabled());
    d.Ok->UserClick();
  }, "*.bar");
  EXPECT_EQ(result, "T:\\docs\\*.bar");
  EXPECT_FALSE(dialog.IsLoaded());
  EXPECT_EQ(Run([](Files& d) { return d.FileOpenDialog("T:\\docs", "Please import - ButtonBar File  (eg.: Default.bar) ",
                                                       "*.bar"); },
                [](Files& d) {
                  EXPECT_EQ(d.Caption(), "Please import - ButtonBar File  (eg.: Default.bar)     (\"*.bar\")");
                  d.Abbruch->UserClick();
                }),
            "");
}

TEST_F(FilesDialog, TypedPathsMoveTheListsAndFillTheNameBox) {
  const std::string result = Open("T:\\docs\\sub", [](Files& d) {
    d.KomplettPfadText->SetText("t:\\DOCS\\A.TXT");
    EXPECT_EQ(d.Drive1->Drive(), "t:");
    EXPECT_EQ(d.Dir1->Path(), "t:\\DOCS");
    EXPECT_EQ(d.File1->Path(), "t:\\DOCS");
    EXPECT_EQ(d.FileName->Text(), "a.txt");  // as the file system spells it

    // A folder offers its first plain file; a folder without separator is split like a file path; a quoted path
    // moves nothing until the box is left.
    const auto expectShown = [&](const std::string& dir, const std::string& name) {
      EXPECT_EQ(d.Dir1->Path(), dir);
      EXPECT_EQ(d.FileName->Text(), name);
    };
    d.KomplettPfadText->SetText("T:\\docs\\");
    expectShown("T:\\docs", "a.txt");
    d.KomplettPfadText->SetText("T:\\docs");
    expectShown("T:\\", "docs");
    d.KomplettPfadText->SetText("\"T:\\docs\\sub\\x.txt\"");
    expectShown("T:\\", "x.txt\"");
    d.KomplettPfadText->UserLeave();
    EXPECT_EQ(d.KomplettPfadText->Text(), "T:\\docs\\sub\\x.txt");
    expectShown("T:\\docs\\sub", "x.txt");

    d.KomplettPfadText->SetText("\\\\server\\share\\dir\\file.txt");
    EXPECT_EQ(d.Drive1->Drive(), "t:");
    EXPECT_EQ(d.FileName->Text(), "file.txt");
    d.FileName->SetText("  y.txt ");
    d.Ok->UserClick();
  });
  EXPECT_EQ(result, "T:\\docs\\sub\\  y.txt ");
}

// A button bar dialog never offers the program beside it.
TEST_F(FilesDialog, AFolderOffersOnlyFilesTheFilterShows) {
  medium.Write("TC\\Ambler.exe", "MZ");
  EXPECT_EQ(Open("T:\\TC", [](Files& d) {
    d.Drive1->UserLeave();  // writes the list's folder and no selected name
    EXPECT_EQ(d.KomplettPfadText->Text(), "T:\\TC\\");
    EXPECT_EQ(d.FileName->Text(), "");
    d.Ok->UserClick();
  }, "*.bar"), "T:\\TC\\");
}

TEST_F(FilesDialog, FileListClicksWriteTheFullPathAndADoubleClickChooses) {
  const std::string result = Open("T:\\docs", [](Files& d) {
    d.File1->SetListIndex(1);
    EXPECT_EQ(d.FileName->Text(), "b.bar");
    EXPECT_EQ(d.KomplettPfadText->Text(), "T:\\docs\\b.bar");
    // Another name typed, then a click on the row still selected: the row wins.
    d.FileName->SetText("typed.txt");
    d.File1->UserSelect(1);
    EXPECT_EQ(d.FileName->Text(), "b.bar");
    d.File1->UserDoubleClick();
  });
  EXPECT_EQ(result, "T:\\docs\\b.bar");
}

TEST_F(FilesDialog, SaveKeepsATypedNameAndDirectoryModeReturnsTheOpenDirectory) {
  EXPECT_EQ(Run([](Files& d) { return d.filesaveDialog("T:\\docs\\", "new.txt"); }, [](Files& d) {
    EXPECT_EQ(d.Caption(), "Save File as");
    d.FileName->SetText("typed.txt");
    d.FileName->UserLeave();
    EXPECT_EQ(d.FileName->Text(), "typed.txt");
    d.Ok->UserClick();
  }), "T:\\docs\\typed.txt");
  EXPECT_EQ(Run([](Files& d) { return d.filesaveDialog("T:\\docs"); }, [](Files& d) { d.Ok->UserClick(); }), "T:\\docs\\");
  EXPECT_EQ(Run([](Files& d) { return d.FileDirSelectDialog("T:\\docs"); }, [](Files& d) {
    EXPECT_EQ(d.Caption(), "Open Directory");
    EXPECT_TRUE(!d.File1->Visible() && d.OkBtn2->Visible());
    d.Dir1->SetListIndex(0);  // only highlighted: not returned
    d.OkBtn2->UserClick();
  }), "T:\\docs\\");
  EXPECT_EQ(Run([](Files& d) { return d.FileDirSelectDialog("T:\\docs"); }, [](Files& d) { d.AbbruchBtn2->UserClick(); }),
            "");
}

TEST_F(FilesDialog, DesktopJumpGreysItsButtonForATimerTick) {
  const std::string desktop = GetDesktopPath();
  ASSERT_TRUE(platform::HasDirectoryAttribute(desktop)) << desktop;
  Open("T:\\docs", [&](Files& d) {
    d.Command1->UserClick();
    EXPECT_EQ(d.Dir1->Path(), desktop);
    EXPECT_FALSE(d.Command1->Enabled());
    EXPECT_EQ(d.Command1->Image(), d.Picture1->Image());
    EXPECT_TRUE(d.EnableTimer->Enabled());
    d.Command1->UserClick();  // ignored while grey
    d.EnableTimer->Elapse();
    EXPECT_TRUE(d.Command1->Enabled() && !d.EnableTimer->Enabled());
    EXPECT_EQ(d.Command1->Image(), d.Picture3->Image());
    d.Abbruch->UserClick();
  });
}

}  // namespace
