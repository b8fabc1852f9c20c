#include "launcher/launcher_user.h"

#include "controls/resource_ids.h"
#include "files_dialog/files.h"
#include "plugins/plugin_search.h"

bool DialogUser::Ask(const std::string& question, const std::string& title) {
  return platform::ShowMessage(question, platform::MsgButtons::YesNo, platform::MsgIcon::Question, title) ==
         platform::MsgResult::Yes;
}

void DialogUser::Tell(const std::string& notice, platform::MsgIcon icon, const std::string& title) {
  platform::ShowMessage(notice, platform::MsgButtons::Ok, icon, title);
}

void DialogUser::Beep() { platform::Beep(); }

std::string DialogUser::BrowseForFile(const std::string& folder, const std::string& caption,
                                      const std::string& defaultName) {
  Files dialog;
  return dialog.FileOpenDialog(folder, caption, defaultName);
}

void DialogUser::ShowPluginWindow(const TotalCommanderFolder& folder) {
  // It carries the main window's icon.
  PluginSearch window(folder, IDI_AMBLER);
  window.ShowModal();
}
