#pragma once
// The launcher's own modal file selection dialog: choose an existing file, a
// name to save under, or a directory. Four views of one choice (drive list,
// directory list, file list with the file-name box, and the full-path box)
// keep each other in step through their change handlers.

#include <memory>
#include <string>

#include "controls/always_on_top.h"
#include "controls/window.h"

class Files : public ui::Window {
 public:
  Files();
  ~Files() override;

  // The chosen path, or empty text when the user cancelled or closed the
  // dialog; any other result begins with a directory that ends in "\".
  std::string FileOpenDialog(std::string DefaultPath = "", const std::string& WindowCaption = "",
                             const std::string& DefaultFilename = "");
  // The other two entry points are offered but never called by Ambler: they
  // are defined in services/dialog_services.cpp, in the library
  // ambler_services, which Ambler.exe does not link.
  std::string filesaveDialog(std::string DefaultPath = "", const std::string& DefaultFilename = "",
                             const std::string& WindowCaption = "");
  std::string FileDirSelectDialog(const std::string& DefaultPath = "", const std::string& WindowCaption = "");

  // "*." and what follows the last "\" or "." of the name, or empty text.
  static std::string GetFilterPattern(const std::string& name);
  // What follows the last "\" or "/" of the path, or empty text.
  static std::string GetNamePart(const std::string& path);

  // Writes the file list's path and selected name into the full-path box.
  void UpdateFullPath();

  ui::Frame* Frame1 = nullptr;
  ui::Picture* Command1 = nullptr;
  ui::Picture* StartmenüBtn = nullptr;
  ui::Picture* Picture3 = nullptr;
  ui::Picture* Picture1 = nullptr;
  ui::Picture* Picture4 = nullptr;
  ui::Picture* Picture2 = nullptr;
  std::unique_ptr<ui::AlwaysOnTop> AlwaysOnTop1;
  ui::TextBox* KomplettPfadText = nullptr;
  ui::DriveList* Drive1 = nullptr;
  ui::DirList* Dir1 = nullptr;
  ui::TextBox* FileName = nullptr;
  ui::FileList* File1 = nullptr;
  ui::Frame* Frame2 = nullptr;
  ui::Button* Ok = nullptr;
  ui::Button* Abbruch = nullptr;
  ui::Button* OkBtn2 = nullptr;
  ui::Button* AbbruchBtn2 = nullptr;
  ui::Timer* EnableTimer = nullptr;

 protected:
  void Design() override;
  void OnLoad() override;
  bool OnCloseRequest() override;

 private:
  void ParseFullPath();
  void LeaveFullPath();
  void WriteFullPath(const std::string& name);
  void Jump(const std::string& path);
  void OkAction();
  void CancelAction();
  void CloseDialog();
  // Takes the result and unloads the window.
  std::string Finish();

  // What the dialog is opened for; None while it is being set up.
  enum class Mode { None, File, SaveFile, Dir };
  Mode DialogMode = Mode::None;
  std::string DialogResult;
};
