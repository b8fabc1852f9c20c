// The least a launcher can do: start Total Commander beside it and end. It
// links the same window system and shell services as Ambler (unused), so that
// both load the same DLLs and only Ambler's own work differs.
#include "platform/program.h"
#include "platform/process.h"
#include "platform/shell.h"
#include "win32_ui/win32_ui.h"

int main() {
  win32_ui::InstallWin32WindowSystem();
  volatile auto shell = &platform::SaveShortcut;
  (void)shell;
  const std::string folder = platform::ExecutableDirectory();
  platform::StartProgram(folder + "\\TOTALCMD64.EXE " + platform::RawCommandLine(),
                         platform::WindowStyle::NormalWithFocus);
  return 0;
}
