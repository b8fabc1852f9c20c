#include "platform/host.h"

#include <cstdlib>

namespace platform {


namespace {
Host* installed = nullptr;
}

Host& CurrentHost() { return installed ? *installed : Win32Host(); }

void SetHost(Host* host) { installed = host; }

MsgResult ShowMessage(const std::string& prompt, MsgButtons buttons, MsgIcon icon, const std::string& title) {
  return CurrentHost().ShowMessage(prompt, buttons, icon, title.empty() ? std::string(kApplicationTitle) : title);
}

bool Ask(const std::string& question, const std::string& title) {
  return ShowMessage(question, MsgButtons::YesNo, MsgIcon::Question, title) == MsgResult::Yes;
}

void Tell(const std::string& notice, MsgIcon icon, const std::string& title) {
  ShowMessage(notice, MsgButtons::Ok, icon, title);
}

}  // namespace platform

namespace platform {

std::optional<std::string> InputBox(const std::string& prompt, const std::string& title, const std::string& preset) {
  return CurrentHost().InputBox(prompt, title.empty() ? std::string(kApplicationTitle) : title, preset);
}

void Beep() { CurrentHost().Beep(); }
void DoEvents() { CurrentHost().DoEvents(); }
void EndProgram() {
  CurrentHost().EndProgram();
  std::abort();  // no host returns from it
}

}  // namespace platform
