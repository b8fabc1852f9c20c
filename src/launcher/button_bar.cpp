// Import of a chosen button bar into the portable one, patched in place.
#include "launcher/form1.h"
#include "launcher/portable_rewrite.h"
#include "platform/files.h"
#include "platform/host.h"
#include "support/file_copy.h"
#include "support/ini.h"
#include "support/path_text.h"

void Form1::ImportButtonBar(bool FORCE) {
  LauncherState& s = state_;
  const std::string B = s.TCPath + kPortableBar;
  const std::string R = s.TCPath + kPortableBarCompanion;

  std::string bar = B;
  if (!FORCE || !platform::FileExists(B))
    bar = BrowseForFile(platform::CurrentDirectory(), "Please import - ButtonBar File  (eg.: Default.bar) ", "*.bar");
  if (bar == "*.bar" || Trim(bar).empty() || !platform::FileExists(bar)) return;

  if (bar != B) CopyFileOver(bar, B, true);
  PortablePasses(bar, B, true, true);
  if (bar.size() >= 4) CopyFileOver(bar.substr(0, bar.size() - 4) + ".br1", R, true);

  if (platform::FileExists(R)) {
    if (!s.PortableIni.empty()) UsePortableBar(s.PortableIni);
  } else {
    platform::ShowMessage("Import cancled!", platform::MsgButtons::Ok, platform::MsgIcon::Information, "Cancled");
  }
}
