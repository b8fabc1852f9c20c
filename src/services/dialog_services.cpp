// The file dialog's entry points that Ambler itself never calls.
#include "files_dialog/files.h"
#include "platform/file_system.h"
#include "support/user_texts.h"

std::string Files::filesaveDialog(std::string DefaultPath, const std::string& DefaultFilename,
                                  const std::string& WindowCaption) {
  DialogMode = Mode::None;
  Load();
  if (DefaultPath.empty()) DefaultPath = platform::CurrentDirectory();
  DialogMode = Mode::SaveFile;
  SetCaption(WindowCaption.empty() ? texts::kSaveFileAs : WindowCaption);
  // The name part selects its file; it never becomes the filter.
  const std::string name = GetNamePart(DefaultPath);
  if (name.find_first_of("*?") == std::string::npos) File1->SetFileName(name);
  Drive1->SetDrive(DefaultPath.substr(0, 1));
  Dir1->SetPath(DefaultPath);
  FileName->SetText("");
  if (!DefaultFilename.empty()) FileName->SetText(DefaultFilename);
  FileName->SetVisible(true);
  ui::Rect list = File1->Position();
  list.top = 720;
  File1->SetPosition(list);
  Dir1->SetVisible(true);
  File1->SetVisible(true);
  Drive1->SetVisible(true);
  ShowModal();
  return Finish();
}

std::string Files::FileDirSelectDialog(const std::string& DefaultPath, const std::string& WindowCaption) {
  DialogMode = Mode::Dir;
  Load();
  // The left column whole: picture strip, drive and directory lists, the second buttons.
  SetClientSize(5610, 5565);
  ui::Rect box = KomplettPfadText->Position();
  box.width = 4455;
  KomplettPfadText->SetPosition(box);
  if (!DefaultPath.empty()) {
    Drive1->SetDrive(DefaultPath.size() > 1 && DefaultPath[1] == ':' ? DefaultPath.substr(0, 1) : "\\\\");
    Dir1->SetPath(DefaultPath);
  }
  FileName->SetVisible(false);
  File1->SetVisible(false);
  Dir1->SetVisible(true);
  Drive1->SetVisible(true);
  SetCaption(WindowCaption.empty() ? texts::kOpenDirectory : WindowCaption);
  Abbruch->SetVisible(false);
  Ok->SetVisible(false);
  OkBtn2->SetVisible(true);
  AbbruchBtn2->SetVisible(true);
  ShowModal();
  return Finish();
}
