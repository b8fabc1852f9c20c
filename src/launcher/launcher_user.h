#pragma once
// How the launcher reaches its user: questions, notices, the file dialog and
// the plugin window. The launcher's logic knows nothing else of windows.

#include <string>

#include "platform/host.h"
#include "support/total_commander_folder.h"

class LauncherUser {
 public:
  virtual ~LauncherUser() = default;
  // A Yes/No question; true for Yes. An empty title shows the program's.
  virtual bool Ask(const std::string& question, const std::string& title) = 0;
  virtual void Tell(const std::string& notice, platform::MsgIcon icon, const std::string& title) = 0;
  virtual void Beep() = 0;
  // The file the user chose, or empty text.
  virtual std::string BrowseForFile(const std::string& folder, const std::string& caption,
                                    const std::string& defaultName) = 0;
  // Returns when the user has closed it.
  virtual void ShowPluginWindow(const TotalCommanderFolder& folder) = 0;
};

// The real one: message boxes of the current host, the program's own file
// dialog and plugin window, each made when needed and gone afterwards.
class DialogUser final : public LauncherUser {
 public:
  bool Ask(const std::string& question, const std::string& title) override;
  void Tell(const std::string& notice, platform::MsgIcon icon, const std::string& title) override;
  void Beep() override;
  std::string BrowseForFile(const std::string& folder, const std::string& caption,
                            const std::string& defaultName) override;
  void ShowPluginWindow(const TotalCommanderFolder& folder) override;
};
