#include <windows.h>

#include "platform/host.h"

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
    const int answer = MessageBoxA(GetActiveWindow(), prompt.c_str(), title.c_str(), style);
    if (buttons == MsgButtons::Ok) return MsgResult::Ok;
    return answer == IDYES ? MsgResult::Yes : MsgResult::No;
  }
};

}  // namespace

Host& Win32Host() {
  static Win32HostImpl host;
  return host;
}

}  // namespace platform
