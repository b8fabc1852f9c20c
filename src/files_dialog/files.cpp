#include "files_dialog/files.h"

#include "controls/resource_ids.h"
#include "files_dialog/system_paths.h"
#include "platform/file_system.h"
#include "platform/path.h"
#include "support/path_lookup.h"
#include "support/path_text.h"
#include "support/user_texts.h"

Files::Files() : ui::Window("Files") {
  SetCaption(texts::kOpenFile);
  SetClientSize(9225, 5565);
  SetIcon(IDI_AMBLER);
}

Files::~Files() = default;

void Files::Design() {
  SetCaption(texts::kOpenFile);
  SetClientSize(9225, 5565);
  ui::Font bold;
  bold.bold = true;

  Frame1 = &Add<ui::Frame>("Frame1", ui::Rect{0, 0, 735, 5535});
  Frame1->SetBackColor(ui::Color{171, 171, 171});  // the application workspace's grey
  Frame1->SetTabIndex(3);
  auto picture = [&](const char* name, ui::Rect rect, int image, bool visible, int tab) {
    ui::Picture& p = Add<ui::Picture>(name, rect, Frame1);
    p.SetImage(image);
    p.SetVisible(visible);
    p.SetTabIndex(tab);
    return &p;
  };
  Command1 = picture("Command1", {120, 240, 480, 495}, IDB_DESKTOP, true, 7);
  StartmenüBtn = picture("StartmenüBtn", {120, 960, 510, 495}, IDB_STARTMENU, true, 8);
  Picture3 = picture("Picture3", {120, 2520, 480, 495}, IDB_DESKTOP, false, 10);
  Picture1 = picture("Picture1", {120, 3720, 480, 495}, IDB_DESKTOP_GREY, false, 11);
  Picture4 = picture("Picture4", {120, 3240, 510, 495}, IDB_STARTMENU, false, 12);
  Picture2 = picture("Picture2", {120, 4320, 510, 495}, IDB_STARTMENU_GREY, false, 13);

  AlwaysOnTop1 = std::make_unique<ui::AlwaysOnTop>(*this, "AlwaysOnTop1", 795, 45);
  AlwaysOnTop1->Surface->SetTabIndex(17);
  KomplettPfadText = &Add<ui::TextBox>("KomplettPfadText", ui::Rect{1080, 120, 8055, 375});
  KomplettPfadText->SetTabIndex(16);
  Drive1 = &Add<ui::DriveList>("Drive1", ui::Rect{1080, 600, 4455, 315});
  Drive1->SetTabIndex(0);
  Dir1 = &Add<ui::DirList>("Dir1", ui::Rect{1080, 960, 4455, 3690});
  Dir1->SetTabIndex(1);
  FileName = &Add<ui::TextBox>("FileName", ui::Rect{5760, 600, 3375, 345});
  FileName->SetVisible(false);
  FileName->SetTabIndex(2);
  File1 = &Add<ui::FileList>("File1", ui::Rect{5760, 960, 3375, 3600});
  File1->SetTabIndex(9);
  Frame2 = &Add<ui::Frame>("Frame2", ui::Rect{5760, 4800, 3615, 495});
  Frame2->SetTabIndex(4);
  auto button = [&](const char* name, const char* caption, ui::Rect rect, ui::Control* container, int tab) {
    ui::Button& b = Add<ui::Button>(name, rect, container);
    b.SetCaption(caption);
    b.SetFont(bold);
    b.SetTabIndex(tab);
    return &b;
  };
  Ok = button("Ok", "Ok", {120, 0, 1455, 375}, Frame2, 6);
  Ok->SetEnabled(false);
  Abbruch = button("Abbruch", "Abbruch", {1920, 0, 1455, 375}, Frame2, 5);
  OkBtn2 = button("OkBtn2", "Ok", {1080, 4800, 1455, 375}, nullptr, 14);
  OkBtn2->SetVisible(false);
  AbbruchBtn2 = button("AbbruchBtn2", "Abbruch", {2880, 4800, 1455, 375}, nullptr, 15);
  AbbruchBtn2->SetVisible(false);
  EnableTimer = &Add<ui::Timer>("EnableTimer", 1000);

  Drive1->Change = [this] {
    platform::ChangeDrive(Drive1->Drive()[0]);
    Dir1->SetPath(platform::CurrentDirectory());
  };
  Drive1->LostFocus = [this] { UpdateFullPath(); };
  Dir1->Change = [this] {
    if (DialogMode == Mode::Dir)
      Ok->SetEnabled(true);
    else
      File1->SetPath(Dir1->Path());
  };
  File1->Click = [this] {
    if (DialogMode != Mode::Dir) {
      FileName->SetText(File1->FileName());
      UpdateFullPath();
    }
    Ok->SetEnabled(File1->ListCount() > 0);
  };
  File1->DblClick = [this] {
    File1->Click();
    if (!FileName->Text().empty() && Ok->Enabled()) OkAction();
    UpdateFullPath();
  };
  FileName->Change = [this] {
    if (!FileName->Text().empty()) Ok->SetEnabled(true);
  };
  // The typed name is kept: the OK actions read it from the box.
  FileName->LostFocus = [this] { WriteFullPath(FileName->Text()); };
  KomplettPfadText->Change = [this] { ParseFullPath(); };
  KomplettPfadText->LostFocus = [this] { LeaveFullPath(); };
  Ok->Click = [this] { OkAction(); };
  OkBtn2->Click = [this] { OkAction(); };
  Abbruch->Click = [this] { CancelAction(); };
  AbbruchBtn2->Click = [this] { CancelAction(); };
  Command1->Click = [this] {
    Jump(GetDesktopPath());
    Command1->SetEnabled(false);
    Command1->SetImage(Picture1->Image());
    EnableTimer->SetEnabled(true);
  };
  StartmenüBtn->Click = [this] {
    Jump(GetStartMenuPath());
    StartmenüBtn->SetImage(Picture2->Image());
    EnableTimer->SetEnabled(true);
  };
  EnableTimer->Tick = [this] {
    Command1->SetEnabled(true);
    EnableTimer->SetEnabled(false);
    Command1->SetImage(Picture3->Image());
    StartmenüBtn->SetImage(Picture4->Image());
    StartmenüBtn->SetEnabled(true);
  };
}

void Files::OnLoad() {
  DialogResult.clear();
  AlwaysOnTop1->SetToTop(false);
  const std::string current = platform::CurrentDirectory();
  if (!current.empty()) {
    Drive1->SetDrive(current.substr(0, 1));
    platform::ChangeDrive(current[0]);
  }
  Dir1->SetPath(platform::CurrentDirectory());
  File1->SetPath(Dir1->Path());
  AlwaysOnTop1->SetToTop(true);
  KomplettPfadText->SetText(File1->Path());
  LeaveFullPath();
}

bool Files::OnCloseRequest() {
  DialogResult.clear();
  CloseDialog();
  return false;  // CloseDialog has unloaded it
}

void Files::Jump(const std::string& path) {
  if (!path.empty()) Drive1->SetDrive(path.substr(0, 1));
  Dir1->SetPath(path);
}

void Files::ParseFullPath() {
  const std::string T = KomplettPfadText->Text();
  Dir1->SetPath(T);
  File1->SetPath(T);
  const bool network = T.rfind("\\\\", 0) == 0 || T.rfind("//", 0) == 0;
  if (network) {
    Dir1->SetPath(ExtractDirectory(T));
    Drive1->SetDrive("\\\\");
  } else {
    if (!T.empty()) Drive1->SetDrive(T.substr(0, 1));
    Dir1->SetPath(ExtractDirectory(T));
  }
  FileName->SetText(ExtractFileName(T));
  // A folder offers its first file that the list shows: the filter holds, so a
  // button bar dialog never offers the program file lying beside Total Commander.
  const std::string search = platform::EndsWithSeparator(T) ? T + File1->Pattern() : T;
  if (const auto found = platform::FirstOrdinaryFile(search)) FileName->SetText(*found);
}

void Files::LeaveFullPath() { KomplettPfadText->SetText(StripQuotes(KomplettPfadText->Text())); }

void Files::WriteFullPath(const std::string& name) {
  KomplettPfadText->SetText(platform::JoinPath(File1->Path(), name));
}

void Files::UpdateFullPath() { WriteFullPath(File1->FileName()); }

void Files::OkAction() {
  std::string R = Dir1->Path();
  if (!R.empty() && R.back() != '\\') R += '\\';  // "\" even behind "/": callers cut the name off at the last "\"
  if (DialogMode == Mode::File)
    R += Trim(FileName->Text()).empty() ? File1->FileName() : FileName->Text();
  else if (DialogMode == Mode::SaveFile)
    R += FileName->Text();
  DialogResult = R;
  Hide();
}

void Files::CancelAction() {
  Hide();
  DialogResult.clear();
  CloseDialog();
}

void Files::CloseDialog() {
  Hide();
  Unload();
}

std::string Files::Finish() {
  const std::string result = DialogResult;
  Unload();
  return result;
}

std::string Files::FileOpenDialog(std::string DefaultPath, const std::string& WindowCaption,
                                  const std::string& DefaultFilename) {
  DialogMode = Mode::None;
  Load();
  if (DefaultPath.empty()) DefaultPath = platform::CurrentDirectory();
  KomplettPfadText->SetText(NormalizeDirectory(DefaultPath) + DefaultFilename);
  LeaveFullPath();
  Drive1->SetDrive(DefaultPath.substr(0, 1));
  Dir1->SetPath(DefaultPath);
  std::string caption = WindowCaption.empty() ? texts::kOpenFile : WindowCaption;
  const std::string pattern = GetFilterPattern(DefaultFilename);
  if (!DefaultFilename.empty()) caption += "    (\"" + pattern + "\")";
  SetCaption(caption);
  if (!pattern.empty()) File1->SetPattern(pattern);
  FileName->SetVisible(true);
  FileName->SetText("");
  if (!DefaultFilename.empty()) FileName->SetText(DefaultFilename);
  File1->SetVisible(true);
  Drive1->SetVisible(true);
  DialogMode = Mode::File;
  ShowModal();
  return Finish();
}
