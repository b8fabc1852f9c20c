#pragma once
// Everything that waits for the user goes through the current host: the real
// one shows Windows' own boxes, a scripted one answers in tests.

#include <optional>
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
  // A one-line input box; nothing when the user cancels.
  virtual std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                              const std::string& preset) = 0;
  virtual void Beep() = 0;
  // Lets the events that wait in the queue run.
  virtual void DoEvents() = 0;
  // Ends the program at once: nothing behind the call runs (a test's host
  // records it and throws).
  [[noreturn]] virtual void EndProgram() = 0;
};

// The host in use: the one installed, else Windows' own boxes without a
// window of the program's (the window binding installs a host that has its
// input box).
Host& CurrentHost();
// Windows' own boxes: the message box, the beep, the message loop.
Host& Win32Host();
// Installs a host for the rest of the run; nullptr brings back the Win32 host.
void SetHost(Host* host);

// A message box; an empty title shows the application's title.
MsgResult ShowMessage(const std::string& prompt, MsgButtons buttons, MsgIcon icon, const std::string& title = {});
// A Yes/No question with the question icon; true for Yes.
bool Ask(const std::string& question, const std::string& title = {});
// A notice with an OK button.
void Tell(const std::string& notice, MsgIcon icon, const std::string& title = {});

}  // namespace platform

namespace platform {

std::optional<std::string> InputBox(const std::string& prompt, const std::string& title, const std::string& preset);
void Beep();
void DoEvents();
[[noreturn]] void EndProgram();

}  // namespace platform
