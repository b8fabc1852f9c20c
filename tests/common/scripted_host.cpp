#include "common/scripted_host.h"

#include <gtest/gtest.h>

namespace test {

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

void ScriptedHost::Answer(std::initializer_list<platform::MsgResult> answers) {
  for (const auto answer : answers) AnswerAfter(answer, nullptr);
}

void ScriptedHost::AnswerAfter(platform::MsgResult answer, std::function<void()> action) {
  answers_.push_back({answer, std::move(action)});
}

platform::MsgResult ScriptedHost::ShowMessage(const std::string& prompt, platform::MsgButtons buttons,
                                              platform::MsgIcon icon, const std::string& title) {
  if (beforePause_) beforePause_();
  messages_.push_back({prompt, buttons, icon, title});
  if (buttons == platform::MsgButtons::Ok) return platform::MsgResult::Ok;
  if (answers_.empty() && unscripted_) return unscripted_(messages_.back());
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected question: " << prompt;
    return platform::MsgResult::No;
  }
  const Scripted scripted = std::move(answers_.front());
  answers_.pop_front();
  if (scripted.action) scripted.action();
  return scripted.answer;
}

std::vector<std::string> ScriptedHost::Said() const {
  std::vector<std::string> said;
  for (const ShownMessage& message : messages_) said.push_back(message.title + "|" + message.prompt);
  return said;
}

void ScriptedHost::AnswerInput(std::initializer_list<std::optional<std::string>> answers) {
  inputAnswers_.insert(inputAnswers_.end(), answers);
}

std::optional<std::string> ScriptedHost::InputBox(const std::string& prompt, const std::string& title,
                                                  const std::string& preset) {
  inputs_.push_back({prompt, title, preset});
  if (inputAnswers_.empty()) {
    ADD_FAILURE() << "unexpected input box: " << prompt;
    return std::nullopt;
  }
  auto answer = inputAnswers_.front();
  inputAnswers_.pop_front();
  return answer;
}

void ScriptedHost::Shown(ui::Window& window) {
  shownWindows_.push_back(window.IsModal() ? "*" + window.Name() : window.Name());
}

void ScriptedHost::RunModal(ui::Window& window) {
  if (beforePause_) beforePause_();
  if (modalActions_.empty() && unscriptedModal_) {
    unscriptedModal_(window);
  } else if (modalActions_.empty()) {
    ADD_FAILURE() << "unexpected modal window: " << window.Name();
  } else {
    auto action = std::move(modalActions_.front());
    modalActions_.pop_front();
    action(window);
  }
  if (window.IsVisible()) {
    ADD_FAILURE() << "modal window " << window.Name() << " is still open after its scripted action";
    window.Hide();
  }
}

}  // namespace test
