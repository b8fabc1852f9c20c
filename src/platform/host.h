#pragma once
// Everything that waits for the user goes through the current host: the real
// one shows Windows' own boxes, a scripted one answers in tests.

#include <string>
#include <string_view>

namespace platform {

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Critical, Question, Information };
enum class MsgResult { Ok, Yes, No };

inline constexpr std::string_view kApplicationTitle = "Ambler";

class Host {
 public:
  virtual ~Host() = default;
  // Line breaks in the prompt are single CR characters.
  virtual MsgResult ShowMessage(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                                const std::string& title) = 0;
};

// The host in use; the Win32 host unless a test installed its own.
Host& CurrentHost();
// Installs a host for the rest of the run; nullptr brings back the Win32 host.
void SetHost(Host* host);

// A message box; an empty title shows the application's title.
MsgResult ShowMessage(const std::string& prompt, MsgButtons buttons, MsgIcon icon, const std::string& title = {});

}  // namespace platform
