#include "platform/host.h"

namespace platform {

Host& Win32Host();  // host_win32.cpp

namespace {
Host* installed = nullptr;
}

Host& CurrentHost() { return installed ? *installed : Win32Host(); }

void SetHost(Host* host) { installed = host; }

MsgResult ShowMessage(const std::string& prompt, MsgButtons buttons, MsgIcon icon, const std::string& title) {
  return CurrentHost().ShowMessage(prompt, buttons, icon, title.empty() ? std::string(kApplicationTitle) : title);
}

}  // namespace platform
