// Ambler's entry point. Linked as a GUI program: no console window opens.

#include "launcher/form1.h"
#include "platform/program.h"
#include "win32_ui/win32_ui.h"

int main() {
  platform::RestrictDllSearchToSystem();
  platform::KeepMediaErrorsQuiet();
  win32_ui::InstallWin32WindowSystem();
  Form1 form(StartInfo{platform::RawCommandLine(), platform::ExecutableDirectory(), platform::ExecutableBaseName()});
  form.Load();
  return win32_ui::RunMessageLoop();
}
