#include "common/scripted_host.h"

#include <gtest/gtest.h>

namespace test {
namespace {

template <typename T>
std::optional<T> Next(std::deque<T>& queue) {
  if (queue.empty()) return std::nullopt;
  T front = std::move(queue.front());
  queue.pop_front();
  return front;
}

}  // namespace

ScriptedHost::ScriptedHost() {
  platform::SetHost(this);
  ui::SetWindowSystem(this);
}

ScriptedHost::~ScriptedHost() {
  platform::SetHost(nullptr);
  ui::SetWindowSystem(nullptr);
  EXPECT_TRUE(modalActions_.empty()) << modalActions_.size() << " scripted windows were never shown";
  EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answers were never asked for";
  EXPECT_TRUE(inputAnswers_.empty()) << inputAnswers_.size() << " scripted inputs were never asked for";
}

platform::MsgResult ScriptedHost::ShowMessage(const std::string& prompt, platform::MsgButtons buttons,
                                              platform::MsgIcon icon, const std::string& title) {
  if (beforePause_) beforePause_();
  messages_.push_back({prompt, buttons, icon, title});
  if (buttons == platform::MsgButtons::Ok) return platform::MsgResult::Ok;
  if (const auto answer = Next(answers_)) return *answer;
  if (unscripted_) return unscripted_(messages_.back());
  ADD_FAILURE() << "unexpected question: " << prompt;
  return platform::MsgResult::No;
}

Sayings ScriptedHost::Said() const {
  Sayings said;
  for (const ShownMessage& message : messages_) said.push_back({message.title, message.prompt});
  return said;
}

void PrintTo(const Saying& saying, std::ostream* out) {
  *out << "{\"" << saying.title << "\", \"" << saying.prompt << "\"}";
}

std::optional<std::string> ScriptedHost::InputBox(const std::string& prompt, const std::string& title,
                                                  const std::string& preset) {
  inputs_.push_back({prompt, title, preset});
  if (auto answer = Next(inputAnswers_)) return *answer;
  ADD_FAILURE() << "unexpected input box: " << prompt;
  return std::nullopt;
}

void ScriptedHost::Shown(ui::Window& window) {
  shownWindows_.push_back(window.IsModal() ? "*" + window.Name() : window.Name());
}

void ScriptedHost::RunModal(ui::Window& window) {
  if (beforePause_) beforePause_();
  if (const auto action = Next(modalActions_))
    (*action)(window);
  else if (unscriptedModal_)
    unscriptedModal_(window);
  else
    ADD_FAILURE() << "unexpected modal window: " << window.Name();
  if (window.IsVisible()) {
    ADD_FAILURE() << "modal window " << window.Name() << " is still open after its scripted action";
    window.Hide();
  }
}

}  // namespace test
