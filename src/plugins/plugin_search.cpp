#include "plugins/plugin_search.h"

#include <algorithm>
#include <deque>

#include "platform/file_system.h"
#include "platform/host.h"
#include "platform/path.h"
#include "platform/process.h"
#include "platform/text.h"
#include "support/ini.h"
#include "support/path_text.h"
#include "support/portable_rewrite.h"
#include "support/user_texts.h"

namespace {

// The four kinds of plugin, in the order a directory's files are listed.
constexpr const char* kPluginExtensions[] = {".WFX", ".WCX", ".WLX", ".WDX"};

// Sorted without regard to case, so that the order is the same on every file system.
std::vector<std::string> Sorted(std::vector<std::string> names) {
  platform::SortIgnoringCase(names);
  return names;
}

bool HasExtension(const std::string& upperName, const std::string& extension) {
  return upperName.size() > extension.size() &&
         upperName.compare(upperName.size() - extension.size(), extension.size(), extension) == 0;
}

}  // namespace

PluginSearch::PluginSearch(const TotalCommanderFolder& folder, int icon)
    : ui::Window("PluginSearch"), folder_(folder), mainIcon_(icon) {
  SetCaption(texts::kPluginCaption);
  SetClientSize(9555, 6240);
}

void PluginSearch::Design() {
  auto list = [this](const char* name, ui::Rect rect, int tab) -> ui::ListBox& {
    auto& box = Add<ui::ListBox>(name, rect);
    box.SetTabIndex(tab);
    return box;
  };
  auto button = [this](const char* name, const char* caption, ui::Rect rect, int tab) -> ui::Button& {
    auto& b = Add<ui::Button>(name, rect);
    b.SetCaption(caption);
    b.SetTabIndex(tab);
    return b;
  };
  List1Name = &list("List1Name", {1080, 360, 2055, 2205}, 11);
  List2Name = &list("List2Name", {1080, 3120, 2055, 2205}, 10);
  AllBtn = &button("AllBtn", "ALL >>", {120, 2160, 735, 375}, 9);
  ReloadBtn = &button("ReloadBtn", "ReScan", {120, 240, 735, 375}, 8);
  File1 = &Add<ui::FileList>("File1", ui::Rect{5760, 120, 1215, 675});
  File1->SetTabIndex(6);
  File1->SetVisible(false);
  Dir1 = &Add<ui::DirList>("Dir1", ui::Rect{5880, 240, 1575, 765});
  Dir1->SetTabIndex(5);
  Dir1->SetVisible(false);
  List2 = &list("List2", {3360, 3120, 6015, 2205}, 4);
  List1 = &list("List1", {3240, 360, 6015, 2205}, 3);
  Command4 = &button("Command4", "Browse Ini File", {1200, 5520, 1695, 495}, 2);
  SaveBtn = &button("SaveBtn", "Save to portable - Ini", {3360, 5520, 2055, 495}, 1);
  CloseBtn = &button("CloseBtn", "Cancel", {5640, 5520, 2295, 495}, 0);
  Label2 = &Add<ui::Label>("Label2", ui::Rect{1080, 120, 1815, 375});
  Label2->SetCaption("Plugins found:");
  Label2->SetTabIndex(13);
  Label1 = &Add<ui::Label>("Label1", ui::Rect{1080, 2760, 1815, 375});
  Label1->SetCaption("Installed Plugins");
  Label1->SetTabIndex(12);

  List1->Click = [this] { MoveSelected(*List1, *List1Name, *List2, *List2Name); };
  List2->Click = [this] { MoveSelected(*List2, *List2Name, *List1, *List1Name); };
  List1Name->Click = [this] { OfferRename(*List1Name, *List1); };
  List2Name->Click = [this] { OfferRename(*List2Name, *List2); };
  List2Name->DblClick = [this] {
    List2->SetListIndex(List2Name->ListIndex());
    MoveSelected(*List2, *List2Name, *List1, *List1Name);
  };
  AllBtn->Click = [this] {
    for (int i = List1->ListCount() - 1; i >= 0; --i) List1->SetListIndex(i);
  };
  ReloadBtn->Click = [this] { LoadHandling(); };
  SaveBtn->Click = [this] { Save(); };
  Command4->Click = [this] {
    const std::string notepad = platform::SystemProgram("notepad.exe");
    if (!notepad.empty())
      platform::StartProgram(QuotePath(notepad) + " \"" + iniFile_ + "\"", platform::WindowStyle::NormalWithFocus);
  };
  CloseBtn->Click = [this] { Unload(); };
}

void PluginSearch::LoadHandling() {
  SetIcon(mainIcon_);
  List1->Clear();
  List2->Clear();
  List1Name->Clear();
  List2Name->Clear();
  searchRoot_ = folder_.getTCPath();
  iniFile_ = folder_.getPortableINI();
  // The window goes on with the portable ini's name: a save then creates it.
  if (iniFile_.empty() || !platform::FileExists(iniFile_))
    platform::ShowMessage(texts::kIniNotFound, platform::MsgButtons::Ok, platform::MsgIcon::None);
  ScanForPlugins();
}

void PluginSearch::ScanForPlugins() {
  List1->Clear();
  List1Name->Clear();
  const platform::DirectoryEntries rootEntries = platform::ListDirectory(searchRoot_);
  if (rootEntries.directories.empty()) return;

  std::string root = platform::WithoutSeparator(searchRoot_);
  // A real queue: taking the head off a list control would shift all its rows.
  std::deque<std::string> queue{searchRoot_};
  bool first = true;
  while (!queue.empty()) {
    const std::string directory = NormalizeDirectory(queue.front());
    queue.pop_front();
    const platform::DirectoryEntries entries = first ? rootEntries : platform::ListDirectory(directory);
    first = false;
    for (const std::string& subdirectory : Sorted(entries.directories)) queue.push_back(directory + subdirectory);

    std::string find = root;
    const std::string portableDirectory = ReplaceText(directory, find, kCommanderPath, false);
    const std::vector<std::string> files = Sorted(entries.files);
    std::vector<std::string> upperFiles;
    upperFiles.reserve(files.size());
    for (const std::string& file : files) upperFiles.push_back(platform::UpperCase(file));
    for (const std::string extension : kPluginExtensions) {
      for (std::size_t i = 0; i < files.size(); ++i) {
        if (!HasExtension(upperFiles[i], extension)) continue;
        List1->AddItem(portableDirectory + files[i]);
        List1Name->AddItem(extension == ".WFX" ? files[i].substr(0, files[i].size() - 4) : std::string());
      }
    }
  }
}

void PluginSearch::MoveSelected(ui::ListBox& fromPaths, ui::ListBox& fromNames, ui::ListBox& toPaths,
                                ui::ListBox& toNames) {
  const int k = fromPaths.ListIndex();
  if (k < 0 || fromPaths.List(k).empty()) return;
  toPaths.AddItem(fromPaths.List(k));
  toNames.AddItem(fromNames.List(k));
  fromNames.RemoveItem(k);
  fromPaths.RemoveItem(k);
  fromNames.SetListIndex(fromPaths.ListIndex());
}

void PluginSearch::OfferRename(ui::ListBox& names, ui::ListBox& paths) {
  const int k = names.ListIndex();
  if (k >= 0 && !names.List(k).empty()) {
    const auto name = platform::InputBox(texts::kEnterPluginName, texts::kEnterTitle, names.List(k));
    if (name && !name->empty()) names.SetList(k, *name);
  }
  paths.SetListIndex(k);
}

void PluginSearch::Save() {
  if (platform::ShowMessage(texts::SaveToIniNow(ExtractFileName(iniFile_)), platform::MsgButtons::YesNo,
                            platform::MsgIcon::None, texts::kSaveNowTitle) == platform::MsgResult::No)
    return;
  int lister = 0;
  for (int i = 0; i < List2->ListCount(); ++i) {
    const std::string name = List2Name->List(i);
    const std::string path = List2->List(i);
    const std::string upperPath = platform::UpperCase(path);
    bool stored = true;
    if (Contains(upperPath, ".WLX")) {
      stored = IniWriteValue("ListerPlugins", std::to_string(lister++), path, iniFile_, true);
    } else if (Contains(upperPath, ".WFX") && !name.empty()) {
      stored = IniWriteValue("FileSystemPlugins", name, path, iniFile_, true);
    }
    // Once one key could not be stored, the others would fail the same way.
    if (!stored) {
      platform::ShowMessage(texts::CannotWrite(iniFile_), platform::MsgButtons::Ok, platform::MsgIcon::Information,
                            texts::kNotSavedTitle);
      return;
    }
  }
}
