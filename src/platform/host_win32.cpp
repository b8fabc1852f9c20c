#include <windows.h>

#include "platform/host.h"
#include "platform/win32_common.h"

namespace platform {
namespace {

class Win32HostImpl final : public Host {
 public:
  MsgResult ShowMessage(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                        const std::string& title) override {
    UINT style = MB_SETFOREGROUND | (buttons == MsgButtons::YesNo ? MB_YESNO : MB_OK);
    switch (icon) {
      case MsgIcon::Critical: style |= MB_ICONHAND; break;
      case MsgIcon::Question: style |= MB_ICONQUESTION; break;
      case MsgIcon::Information: style |= MB_ICONINFORMATION; break;
      case MsgIcon::None: break;
    }
    const int answer = MessageBoxW(GetActiveWindow(), ToWide(prompt).c_str(), ToWide(title).c_str(), style);
    if (buttons == MsgButtons::Ok) return MsgResult::Ok;
    return answer == IDYES ? MsgResult::Yes : MsgResult::No;
  }

  // The input box is a window of the binding layer (win32_ui), whose host
  // shows it; without the binding there is none to show, and the answer is
  // Cancel.
  std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }

  void Beep() override { MessageBeep(MB_OK); }

  void DoEvents() override {
    PumpUntil([] { return false; }, false);
  }

  [[noreturn]] void EndProgram() override { ExitProcess(0); }
};

}  // namespace

Host& Win32Host() {
  static Win32HostImpl host;
  return host;
}

}  // namespace platform
