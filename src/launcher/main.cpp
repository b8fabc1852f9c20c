// Ambler's entry point. Linked as a GUI program: no console window opens.

#include "launcher/form1.h"
#include "platform/program.h"
#include "platform/win32_ui.h"

int main() {
  platform::RestrictDllSearchToSystem();
  platform::InstallWin32WindowSystem();
  Form1 form(StartInfo{platform::RawCommandLine(), platform::ExecutableDirectory(), platform::ExecutableBaseName()});
  form.Load();
  return platform::RunMessageLoop();
}
