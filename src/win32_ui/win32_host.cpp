// The host of a program whose windows are bound: Windows' own boxes, and the
// input box as a window object of its own.
#include <cstdlib>

#include "controls/input_box_window.h"
#include "platform/host.h"
#include "win32_ui/win32_ui.h"

namespace win32_ui {
namespace {

class BoundHost final : public platform::Host {
 public:
  platform::MsgResult ShowMessage(const std::string& prompt, platform::MsgButtons buttons, platform::MsgIcon icon,
                                  const std::string& title) override {
    return system_.ShowMessage(prompt, buttons, icon, title);
  }
  std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& preset) override {
    ui::InputBoxWindow box(prompt, title, preset);
    return box.Run();
  }
  void Beep() override { system_.Beep(); }
  void DoEvents() override { system_.DoEvents(); }
  [[noreturn]] void EndProgram() override {
    system_.EndProgram();
    std::abort();  // it never returns
  }

 private:
  platform::Host& system_ = platform::Win32Host();
};

}  // namespace

void InstallWin32Host() {
  static BoundHost host;
  platform::SetHost(&host);
}

}  // namespace win32_ui
