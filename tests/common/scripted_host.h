#pragma once
// A host for tests: answers message boxes, input boxes and modal windows in the order a test gave, records what
// it was asked and shown, and is installed (as the host and as the window system) for as long as it lives.

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "controls/window.h"
#include "controls/window_system.h"
#include "platform/host.h"

namespace test {

struct ShownMessage { std::string prompt; platform::MsgButtons buttons; platform::MsgIcon icon; std::string title; };

struct ProgramEnded {};

// A message box as the user read it.
struct Saying {
  std::string title, prompt;
  bool operator==(const Saying&) const = default;
};
using Sayings = std::vector<Saying>;
void PrintTo(const Saying& saying, std::ostream* out);

inline void Close(ui::Window& window) { window.RequestClose(); }

class ScriptedHost final : public platform::Host, public ui::WindowSystem {
 public:
  ScriptedHost();
  ~ScriptedHost() override;

  // The answers to the next Yes/No boxes, in order; an OK box needs none.
  void Answer(std::initializer_list<platform::MsgResult> answers) { answers_.insert(answers_.end(), answers); }
  void AnswerUnscripted(std::function<platform::MsgResult(const ShownMessage&)> answer) {
    unscripted_ = std::move(answer);
  }
  // A seam for changing the medium between two steps of the program.
  void BeforeEachPause(std::function<void()> action) { beforePause_ = std::move(action); }

  const std::vector<ShownMessage>& Messages() const { return messages_; }
  Sayings Said() const;

  platform::MsgResult ShowMessage(const std::string& prompt, platform::MsgButtons buttons, platform::MsgIcon icon,
                                  const std::string& title) override;

  // The answers to the next input boxes, in order; nothing means Cancel.
  void AnswerInput(std::initializer_list<std::optional<std::string>> answers) {
    inputAnswers_.insert(inputAnswers_.end(), answers);
  }
  struct AskedInput { std::string prompt, title, preset; };
  const std::vector<AskedInput>& Inputs() const { return inputs_; }
  std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& preset) override;

  void Beep() override { ++beeps_; }
  int Beeps() const { return beeps_; }
  void DoEvents() override {}
  // Throws, so that, as with the real host, nothing behind the call runs.
  [[noreturn]] void EndProgram() override {
    ++ended_;
    throw ProgramEnded{};
  }
  int Ended() const { return ended_; }

  // In the next modal windows, in order; each action must end with the window hidden.
  using WindowAction = std::function<void(ui::Window&)>;
  void OnModal(WindowAction action) { modalActions_.push_back(std::move(action)); }
  void OnUnscriptedModal(WindowAction action) { unscriptedModal_ = std::move(action); }
  // "*" marks a modal one.
  const std::vector<std::string>& ShownWindows() const { return shownWindows_; }

  void Created(ui::Window&) override {}
  void Shown(ui::Window& window) override;
  void Hidden(ui::Window&) override {}
  void RunModal(ui::Window& window) override;
  void Destroyed(ui::Window&) override {}
  void WindowChanged(ui::Window&) override {}
  void ControlChanged(ui::Control&, const ui::ControlChange&) override {}

 private:
  std::deque<platform::MsgResult> answers_;
  std::function<platform::MsgResult(const ShownMessage&)> unscripted_;
  std::function<void()> beforePause_;
  WindowAction unscriptedModal_;
  std::vector<ShownMessage> messages_;
  std::deque<std::optional<std::string>> inputAnswers_;
  std::vector<AskedInput> inputs_;
  int beeps_ = 0;
  int ended_ = 0;
  std::deque<WindowAction> modalActions_;
  std::vector<std::string> shownWindows_;
};

}  // namespace test
