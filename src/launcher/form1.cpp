#include "launcher/form1.h"

#include "controls/resource_ids.h"
#include "launcher/version.h"
#include "launcher/web_page.h"
#include "platform/host.h"
#include "platform/process.h"
#include "support/associations.h"
#include "support/user_texts.h"

namespace {

constexpr ui::Color kDarkBlue{0, 0, 192};

ui::Font SansSerif(double points, bool bold = false, bool underline = false) {
  ui::Font font;
  font.points = points;
  font.bold = bold;
  font.underline = underline;
  return font;
}

}  // namespace

Form1::Form1(StartInfo start) : ui::Window("Form1"), launcher_(std::move(start)) {
  SetCaption(texts::kMainCaption);
  SetClientSize(7065, 4005);
  SetIcon(IDI_AMBLER);
  SetFixedDialogFrame(true);
}

void Form1::Design() {
  SetCaption(texts::kMainCaption);
  Picture1 = &Add<ui::Picture>("Picture1", ui::Rect{240, 120, 1185, 1095});
  Picture1->SetImage(IDB_LOGO);
  Picture1->SetTabIndex(6);

  TitelLable = &Add<ui::Label>("TitelLable", ui::Rect{1080, 480, 5895, 375});
  TitelLable->SetCaption("Ambler (Total Commander  - Portable)");
  TitelLable->SetAlignment(ui::Alignment::Center);
  TitelLable->SetForeColor(kDarkBlue);
  TitelLable->SetFont(SansSerif(9.75, true));
  TitelLable->SetTabIndex(7);

  PatchBtnBar = &Add<ui::Button>("PatchBtnBar", ui::Rect{240, 1320, 2655, 495});
  PatchBtnBar->SetCaption("Import Button Bar (*.bar)");
  PatchBtnBar->SetToolTip("Patch a Button Bar to relative pathes (if possible)");
  PatchBtnBar->SetTabIndex(8);

  Label1 = &Add<ui::Label>("Label1", ui::Rect{3120, 1560, 3735, 975});
  Label1->SetFont(SansSerif(9.75));
  Label1->SetTabIndex(4);

  Command3 = &Add<ui::Button>("Command3", ui::Rect{240, 1920, 2655, 495});
  Command3->SetCaption(" Import TC-Ini-Files >>");
  Command3->SetTabIndex(1);

  Command2 = &Add<ui::Button>("Command2", ui::Rect{240, 2520, 2655, 495});
  Command2->SetCaption("Import Plugins");
  Command2->SetTabIndex(9);

  Command4 = &Add<ui::Button>("Command4", ui::Rect{4440, 2760, 2295, 495});
  Command4->SetCaption("Create Destktop Shortcut >>");
  Command4->SetTabIndex(2);

  Command1 = &Add<ui::Button>("Command1", ui::Rect{240, 3240, 2655, 495});
  Command1->SetCaption("Close");
  Command1->SetFont(SansSerif(8.25, true));
  Command1->SetTabIndex(0);

  Label2 = &Add<ui::Label>("Label2", ui::Rect{5040, 3600, 1710, 195});
  Label2->SetForeColor(kDarkBlue);
  Label2->SetCaption(kWebPageHost);
  Label2->SetFont(SansSerif(8.25, false, true));
  Label2->SetTabIndex(5);

  Dir1 = &Add<ui::DirList>("Dir1", ui::Rect{6120, 0, 855, 315});
  Dir1->SetVisible(false);
  Dir1->SetTabIndex(3);

  Command1->Click = [] { platform::EndProgram(); };
  Command2->Click = [this] { launcher_.ShowPluginWindow(); };
  Command3->Click = [this] {
    ImportIni(Force::Yes);
    ImportFTPIni(Force::Yes);
  };
  Command4->Click = [this] { CreateDesktopShortCut(); };
  Picture1->Click = [this] { CreateDesktopShortCut(); };
  PatchBtnBar->Click = [this] { ImportButtonBar(Force::Yes); };
  Label2->Click = [this] { OpenWebPage(); };
}

bool Form1::OnCloseRequest() {
  platform::EndProgram();
  return true;
}

void Form1::Form_Load() {
  switch (launcher_.StartUp()) {
    case Launcher::Outcome::Help: ShowHelpWindow(); break;
    case Launcher::Outcome::Setup: Show(); break;
    case Launcher::Outcome::Launched: platform::EndProgram(); break;
  }
}

void Form1::ShowHelpWindow() {
  TitelLable->SetCaption(std::string("Ambler - TC-Mobile Launcher (V.") + AMBLER_VERSION_TEXT + ")");
  Label1->SetCaption(texts::kHelpText);
  Show();
  SetCaption(Caption() + "  V." + AMBLER_VERSION_TEXT);
}

void Form1::OpenWebPage() {
  Label2->SetVisible(false);
  OpenUrlInBrowser(kWebPageAddress, platform::kNormalWindowWithFocus);
  Label2->SetVisible(true);
}
