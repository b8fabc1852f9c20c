// The least a launcher can do: start Total Commander beside it and end. It
// sets up the same window system as Ambler, so that both load the same DLLs.
#include "platform/program.h"
#include "platform/process.h"
#include "platform/win32_ui.h"

int main() {
  platform::InstallWin32WindowSystem();
  const std::string folder = platform::ExecutableDirectory();
  platform::StartProgram(folder + "\\TOTALCMD64.EXE " + platform::RawCommandLine(),
                         platform::WindowStyle::NormalWithFocus);
  return 0;
}
