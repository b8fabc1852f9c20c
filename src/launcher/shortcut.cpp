// The two desktop shortcuts that start the launcher.
#include "launcher/form1.h"
#include "platform/host.h"
#include "platform/text.h"
#include "support/path_text.h"
#include "support/shell_links.h"

void Form1::CreateDesktopShortCut() {
  using platform::MsgButtons;
  using platform::MsgIcon;
  using platform::MsgResult;
  if (platform::ShowMessage("Create a Destkop-Shortcut?", MsgButtons::YesNo, MsgIcon::Question,
                            "Desktop Shortcut?") == MsgResult::No)
    return;

  const std::string& directory = start_.executableDirectory;
  std::string exe = directory;
  if (exe.empty() || (exe.back() != '\\' && exe.back() != '/')) exe += Contains(directory, "/") ? "/" : "\\";
  exe += start_.executableBaseName + ".exe";

  std::string args;
  const std::string& raw = start_.rawCommandLine;
  const std::string c = Trim(platform::UpperCase(raw));
  if (!c.empty() && c != "/SETUP" && c != "SETUP" && c != "/?" && c != "-SETUP") {
    if (platform::ShowMessage("Add your Command-Line:\r\r" + raw + "\r\rto the Shortcut?", MsgButtons::YesNo,
                              MsgIcon::Question) == MsgResult::Yes)
      args = raw;
  }
  std::string workingDirectory = directory;
  if (workingDirectory.size() > 3 && (workingDirectory.back() == '\\' || workingDirectory.back() == '/'))
    workingDirectory.pop_back();
  platform::DoEvents();
  CreateDesktopLink(exe, "Total Commander (mobile)", args, "Total Commander - mobile", workingDirectory);
  platform::DoEvents();
  CreateLink(exe, "Total Commander (mobile - Setup)", "/?", "Total Commander - mobile Setup", workingDirectory, true,
             0);
}
