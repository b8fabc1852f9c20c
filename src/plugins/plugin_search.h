#pragma once
// The plugin window: finds the plugin files in Total Commander's tree and
// registers the chosen file-system and lister plugins in the portable ini.

#include <string>

#include "controls/window.h"
#include "support/total_commander_folder.h"

class PluginSearch : public ui::Window {
 public:
  // icon: the main window's, which this window takes over.
  PluginSearch(const TotalCommanderFolder& folder, int icon);

  // The three operations below are offered to other windows but never called
  // by Ambler: they are defined in services/plugin_services.cpp, in the
  // library ambler_services, which Ambler.exe does not link.

  // Adds an installed entry, asking before it overwrites one of the same file.
  void AddValue(const std::string& Name, const std::string& FullPath);
  // The ini to write, and the directory to scan (when not empty).
  void SetFiles(const std::string& IniFilename, const std::string& DefaultSearchPath);
  // Closes the window when its ini does not exist.
  void savetoini();

  const std::string& IniFile() const { return iniFile_; }
  const std::string& SearchRoot() const { return searchRoot_; }

  ui::ListBox* List1Name = nullptr;
  ui::ListBox* List2Name = nullptr;
  ui::Button* AllBtn = nullptr;
  ui::Button* ReloadBtn = nullptr;
  ui::FileList* File1 = nullptr;
  ui::DirList* Dir1 = nullptr;
  ui::ListBox* List2 = nullptr;
  ui::ListBox* List1 = nullptr;
  ui::Button* Command4 = nullptr;
  ui::Button* SaveBtn = nullptr;
  ui::Button* CloseBtn = nullptr;
  ui::Label* Label2 = nullptr;
  ui::Label* Label1 = nullptr;

 protected:
  void Design() override;
  void OnLoad() override { LoadHandling(); }

 private:
  void LoadHandling();
  void ScanForPlugins();
  // Moves the selected entry of one pair of lists to the end of the other.
  void MoveSelected(ui::ListBox& fromPaths, ui::ListBox& fromNames, ui::ListBox& toPaths, ui::ListBox& toNames);
  void OfferRename(ui::ListBox& names, ui::ListBox& paths);
  void Save();

  const TotalCommanderFolder& folder_;
  int mainIcon_;
  std::string searchRoot_;
  std::string iniFile_;
};
