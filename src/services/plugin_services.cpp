// The plugin window's public operations that Ambler itself never calls.
#include "platform/file_system.h"
#include "platform/host.h"
#include "platform/path.h"
#include "platform/text.h"
#include "plugins/plugin_search.h"
#include "support/path_text.h"
#include "support/user_texts.h"

void PluginSearch::AddValue(const std::string& Name, const std::string& FullPath) {
  const std::string file = platform::UpperCase(ExtractFileName(FullPath));
  if (file.empty()) return;
  for (int i = 0; i < List2->ListCount(); ++i) {
    if (!Contains(platform::UpperCase(List2->List(i)), file)) continue;
    if (platform::ShowMessage(texts::kPluginExists, platform::MsgButtons::YesNo, platform::MsgIcon::Question,
                              texts::kOverwriteEntryTitle) == platform::MsgResult::Yes) {
      List2->SetList(i, FullPath);
      return;
    }
  }
  List2Name->AddItem(Name);
  List2->AddItem(FullPath);
}

void PluginSearch::SetFiles(const std::string& IniFilename, const std::string& DefaultSearchPath) {
  iniFile_ = IniFilename;
  if (!DefaultSearchPath.empty()) {
    searchRoot_ = platform::WithoutSeparator(DefaultSearchPath) + "\\";
  }
}

void PluginSearch::savetoini() {
  if (iniFile_.empty() || !platform::FileExists(iniFile_)) {
    platform::ShowMessage(texts::kIniNotFound, platform::MsgButtons::Ok, platform::MsgIcon::None);
    Unload();
  }
}
