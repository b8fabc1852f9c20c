// Prints what a shortcut file holds, one field per line (target, arguments,
// icon file, icon index, window style), for the window tests that check the
// desktop shortcuts the real program made. Exit code 1: not readable.
#include <cstdio>

#include "platform/program.h"
#include "platform/shell.h"
#include "support/path_text.h"

int main() {
  platform::Shortcut link;
  if (!platform::LoadShortcut(StripQuotes(platform::RawCommandLine()), link)) return 1;
  std::printf("%s\n%s\n%s\n%d\n%d\n", link.target.c_str(), link.arguments.c_str(), link.iconFile.c_str(),
              link.iconIndex, link.windowStyle);
  return 0;
}
