#pragma once
// The launcher's main window: the help and setup window. Its load event runs
// the launcher's start-up; its buttons call the launcher's routines.

#include <string>

#include "controls/window.h"
#include "launcher/launcher.h"

class Form1 : public ui::Window {
 public:
  explicit Form1(StartInfo start);

  Launcher& Work() { return launcher_; }
  const LauncherState& State() const { return launcher_.State(); }

  // The launcher's routines under the main window's names.
  std::string getTCPath() const { return launcher_.getTCPath(); }
  std::string getPortableINI() const { return launcher_.getPortableINI(); }
  void ImportIni(Force FORCE = Force::No) { launcher_.ImportIni(FORCE); }
  void ImportFTPIni(Force FORCE = Force::No) { launcher_.ImportFTPIni(FORCE); }
  void ImportButtonBar(Force FORCE = Force::No) { launcher_.ImportButtonBar(FORCE); }
  void CreateDesktopShortCut() { launcher_.CreateDesktopShortCut(); }

  // Controls, while the window is loaded.
  ui::Picture* Picture1 = nullptr;
  ui::Label* TitelLable = nullptr;
  ui::Button* PatchBtnBar = nullptr;
  ui::Label* Label1 = nullptr;
  ui::Button* Command3 = nullptr;
  ui::Button* Command2 = nullptr;
  ui::Button* Command4 = nullptr;
  ui::Button* Command1 = nullptr;
  ui::Label* Label2 = nullptr;
  ui::DirList* Dir1 = nullptr;

 protected:
  void Design() override;
  void OnLoad() override { Form_Load(); }
  bool OnCloseRequest() override;

 private:
  void Form_Load();
  void ShowHelpWindow();
  void OpenWebPage();

  Launcher launcher_;
};
