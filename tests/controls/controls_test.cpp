#include "controls/window.h"
#include "controls/always_on_top.h"
#include "controls/input_box_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "common/scripted_host.h"
#include "common/test_files.h"

namespace {

class Probe : public ui::Window {
 public:
  Probe() : ui::Window("Probe") {}
  Strings log;
  ui::TextBox *text = nullptr, *echo = nullptr;
  ui::ListBox* list = nullptr;
  ui::Button* ok = nullptr;
  ui::Frame* frame = nullptr;
  ui::DirList* dirs = nullptr;
  ui::FileList* files = nullptr;
  ui::DriveList* drives = nullptr;
  std::unique_ptr<ui::AlwaysOnTop> pin;
  int loads = 0;

 protected:
  void Design() override {
    SetCaption("Probe");
    frame = &Add<ui::Frame>("frame", ui::Rect{100, 100, 2000, 2000});
    text = &Add<ui::TextBox>("text", ui::Rect{0, 0, 1000, 300}, frame);
    echo = &Add<ui::TextBox>("echo", ui::Rect{0, 400, 1000, 300});
    list = &Add<ui::ListBox>("list", ui::Rect{});
    ok = &Add<ui::Button>("ok", ui::Rect{}, frame);
    ok->SetCaption("Ok");
    ok->SetEnabled(false);
    dirs = &Add<ui::DirList>("dirs", ui::Rect{});
    files = &Add<ui::FileList>("files", ui::Rect{});
    drives = &Add<ui::DriveList>("drives", ui::Rect{});
    pin = std::make_unique<ui::AlwaysOnTop>(*this, "AlwaysOnTop1", 795, 45);

    // A chain: text sets echo, whose handler logs; the log shows the nesting.
    text->Change = [this] {
      log.push_back("text:" + text->Text());
      echo->SetText("<" + text->Text() + ">");
      log.push_back("text done");
    };
    echo->Change = [this] { log.push_back("echo:" + echo->Text()); };
    list->Click = [this] { log.push_back("list:" + list->Text()); };
    ok->Click = [this] { log.push_back("ok"); };
    dirs->Change = [this] {
      log.push_back("dirs");
      files->SetPath(dirs->Path());
    };
    drives->Change = [this] { log.push_back("drive:" + drives->Drive()); };
  }
  void OnLoad() override { ++loads; }
};

TEST(Controls, HandlersRunNestedWhenTheProgramChangesAValueAndOnlyOnARealChange) {
  Probe window;
  window.Load();
  window.text->SetText("a");
  window.text->SetText("a");
  window.echo->SetText("<a>");
  EXPECT_EQ(window.log, (Strings{"text:a", "echo:<a>", "text done"}));
  window.log.clear();

  window.list->AddItem("x");
  window.list->AddItem("y");
  window.list->AddItem("w", 0);
  EXPECT_EQ(window.list->Items(), (Strings{"w", "x", "y"}));
  for (const int index : {2, 2, 7}) window.list->SetListIndex(index);
  EXPECT_EQ(window.log, (Strings{"list:y"}));
  window.list->RemoveItem(0);
  EXPECT_EQ(window.list->ListIndex(), 1);
  window.list->RemoveItem(1);
  EXPECT_EQ(window.list->ListIndex(), -1);
  EXPECT_EQ(window.list->Text(), "");
  EXPECT_EQ(window.list->List(5), "");
}

TEST(Controls, UserInputReachesOnlyUsableControls) {
  test::ScriptedHost host;
  Probe window;
  window.Show();
  window.ok->UserClick();  // disabled
  window.ok->SetEnabled(true);
  window.frame->SetVisible(false);
  window.ok->UserClick();  // in a hidden frame
  window.frame->SetVisible(true);
  window.ok->UserClick();
  window.Hide();
  window.ok->UserClick();
  EXPECT_EQ(window.log, (Strings{"ok"}));
}

// The rows a directory list shows above its subdirectories: a share is a folder of its own.
TEST(Lists, AncestorsOfDrivePathsAndSharesAreTheirOwnFolders) {
  EXPECT_EQ(ui::DirectoryAncestors("C:\\a\\b"), (Strings{"C:\\", "C:\\a", "C:\\a\\b"}));
  EXPECT_EQ(ui::DirectoryAncestors("C:\\"), (Strings{"C:\\"}));
  EXPECT_EQ(ui::DirectoryAncestors("\\\\srv\\share\\dir"), (Strings{"\\\\srv\\share\\", "\\\\srv\\share\\dir"}));
  EXPECT_EQ(ui::DirectoryAncestors("\\\\srv\\share"), (Strings{"\\\\srv\\share\\"}));
}

TEST(Windows, ModalShowReturnsWhenHiddenAndEveryLoadStartsFromTheDesign) {
  test::ScriptedHost host;
  Probe window;
  host.OnModal([](ui::Window& w) {
    static_cast<Probe&>(w).text->SetText("typed");
    w.Hide();
  });
  window.ShowModal();
  EXPECT_TRUE(window.IsLoaded() && !window.IsVisible());
  EXPECT_EQ(window.text->Text(), "typed");

  window.Unload();
  EXPECT_TRUE(window.Controls().empty());
  host.OnModal(test::Close);
  window.ShowModal();
  EXPECT_EQ(window.loads, 2);
  EXPECT_FALSE(window.IsLoaded());
  EXPECT_EQ(host.ShownWindows(), (Strings{"*Probe", "*Probe"}));
  window.Load();
  EXPECT_EQ(window.text->Text(), "");
  EXPECT_FALSE(window.ok->Enabled());
}

TEST(Windows, TheInputBoxAnswersEnterEscapeAndTheCloseBox) {
  test::ScriptedHost host;
  const std::pair<void (ui::Window::*)(), std::optional<std::string>> keys[] = {
      {&ui::Window::UserPressedEnter, "typed"}, {&ui::Window::UserPressedEscape, std::nullopt},
      {&ui::Window::RequestClose, std::nullopt}};
  for (const auto& [key, answer] : keys) {
    ui::InputBoxWindow box("Enter new name:", "Enter Title", "preset");
    host.OnModal([key = key](ui::Window& w) {
      EXPECT_EQ(static_cast<ui::InputBoxWindow&>(w).Text->Text(), "preset");
      static_cast<ui::InputBoxWindow&>(w).Text->SetText("typed");
      (w.*key)();
    });
    EXPECT_EQ(box.Run(), answer);
  }
}

TEST(Lists, ReadTheRealFileSystemAndTheDrivesOfTheSystem) {
  test::TempDir dir;
  for (const char* name : {"b.ini", "A.bar", "c.ini", "hidden.ini"}) test::WriteFile(dir / name, "x");
  test::SetAttributes(dir / "hidden.ini", test::kHidden);
  for (const char* folder : {"zeta", "Alpha", "dir.ini"}) std::filesystem::create_directory(dir / folder);
  Probe window;
  window.Load();
  EXPECT_TRUE(window.dirs->SetPath(dir.Path() + "\\"));
  EXPECT_EQ(window.dirs->Items(), (Strings{dir / "Alpha", dir / "dir.ini", dir / "zeta"}));
  EXPECT_EQ(window.files->Items(), (Strings{"A.bar", "b.ini", "c.ini"}));
  EXPECT_FALSE(window.dirs->SetPath(dir / "missing"));
  EXPECT_EQ(window.dirs->Path(), dir.Path());
  EXPECT_EQ(window.files->Path(), dir.Path());
  window.files->SetFileName("C.INI");
  EXPECT_EQ(window.files->FileName(), "c.ini");

  test::MappedDrive drive('T', dir.Path());
  EXPECT_TRUE(window.drives->SetDrive("T:\\anything"));
  EXPECT_FALSE(window.drives->SetDrive("\\\\server"));
  EXPECT_FALSE(window.drives->SetDrive(""));
  EXPECT_EQ(window.log, (Strings{"dirs", "drive:t:"}));
}

TEST(AlwaysOnTop, PinsAndReleasesItsHostThroughItsThreeStates) {
  test::ScriptedHost host;
  Probe window;
  window.Show();
  ui::AlwaysOnTop& pin = *window.pin;
  EXPECT_EQ(pin.AOT_Enabled->ToolTip(), "Always on top");
  // The picture shown, then whether the window and the pin say "on top".
  const auto state = [&] {
    return std::string(pin.AOT_Disabled->Visible() ? "Off" : "") + (pin.AOT_MouseMove->Visible() ? "Hover" : "") +
           (pin.AOT_Enabled->Visible() ? "On" : "") + (window.IsTopmost() ? "+top" : "") + (pin.GetIsOnTop() ? "+on" : "");
  };
  const std::pair<std::function<void()>, const char*> steps[] = {
      {[] {}, "Off"},
      {[&] { pin.AOT_Disabled->UserMouseMove(); }, "Hover"},
      {[&] { pin.Surface->UserMouseMove(); }, "Off"},
      {[&] { pin.AOT_Disabled->UserClick(); }, "On+top+on"},
      {[&] { pin.AOT_Enabled->UserClick(); }, "Hover"},
      {[&] { pin.SetToTop(true); }, "On+top+on"},
  };
  for (const auto& [step, expected] : steps) {
    step();
    EXPECT_EQ(state(), expected);
  }
}

}  // namespace
