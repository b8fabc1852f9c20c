// The two desktop shortcuts that start the launcher.
#include "launcher/launcher.h"

#include "platform/host.h"
#include "platform/path.h"
#include "support/shell_links.h"
#include "support/user_texts.h"

void Launcher::CreateDesktopShortCut() {
  if (!platform::Ask(texts::kCreateDesktopShortcut, texts::kDesktopShortcutTitle)) return;

  const std::string& directory = start_.executableDirectory;
  const std::string exe = platform::JoinPath(directory, start_.executableBaseName + ".exe");
  std::string args;
  if (switches_.passesArguments && platform::Ask(texts::AddCommandLine(start_.rawCommandLine), ""))
    args = start_.rawCommandLine;
  const std::string workingDirectory = platform::WithoutSeparator(directory, true);
  platform::DoEvents();
  CreateDesktopLink(exe, texts::kShortcutName, args, texts::kShortcutDescription, workingDirectory);
  platform::DoEvents();
  CreateLink(exe, texts::kSetupShortcutName, "/?", texts::kSetupShortcutDescription, workingDirectory, true, 0);
}
