#pragma once
// The launcher's main window: start-up in its load event, the help and setup
// window, and the routines that work on the launcher's state.

#include <string>

#include "controls/window.h"
#include "launcher/launcher_state.h"
#include "plugins/plugin_search.h"

// What the launcher learns from the platform when it starts.
struct StartInfo {
  // What followed the program's name on its command line, untrimmed.
  std::string rawCommandLine;
  // The folder that holds the launcher.
  std::string executableDirectory;
  // The launcher's file name without extension.
  std::string executableBaseName;
};

class Form1 : public ui::Window, public TotalCommanderFiles {
 public:
  explicit Form1(StartInfo start);

  // Total Commander's directory, with its trailing separator.
  std::string getTCPath() const override;
  // The portable ini's full name, whether or not the file exists.
  std::string getPortableINI() const override;

  // The portable form of a value turned back into an absolute one.
  std::string RemoveDRIVE_and_PATH(const std::string& SourceString) const;
  // Brings a file into a portable destination and rewrites its paths.
  void CopyAndParseFile(const std::string& SourceFile, const std::string& DestinationFile,
                        const std::string& FindSTr1, const std::string& FindStr2, const std::string& replacestring,
                        bool FORCE = false);
  void ImportIni(bool FORCE = false);
  void ImportFTPIni(bool FORCE = false);
  void ImportButtonBar(bool FORCE = false);
  void CreateDesktopShortCut();

  const LauncherState& State() const { return state_; }

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
  std::string FindTCSubDirectory(const std::string& Path);
  void StartTotalCommander();
  void ShowPluginWindow();
  void OpenWebPage();
  // The path pass, then the drive pass (when the directory has a drive).
  void PortablePasses(const std::string& source, const std::string& destination, bool pathForce, bool driveForce);
  std::string GetDesktopFolderPath() const;
  // Points the portable ini at the portable button bar, but only while both
  // exist: after a failed copy (a full stick) the ini keeps naming the bar it
  // had, so Total Commander keeps a bar and the next start tries again.
  void UsePortableBar(const std::string& ini);
  // The file selection dialog: the chosen file, or empty text.
  std::string BrowseForFile(const std::string& defaultPath, const std::string& caption,
                            const std::string& defaultName);

  StartInfo start_;
  LauncherState state_;
};

inline constexpr const char* kVersion = "1.4";
inline constexpr const char* kDesignCaption = "Ambler - Total Commander mobile launcher";
