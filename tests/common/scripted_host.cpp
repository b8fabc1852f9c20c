#include "common/scripted_host.h"

#include <gtest/gtest.h>

namespace test {

ScriptedHost::ScriptedHost() { platform::SetHost(this); }

ScriptedHost::~ScriptedHost() {
  platform::SetHost(nullptr);
  EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answers were never asked for";
}

void ScriptedHost::Answer(std::initializer_list<platform::MsgResult> answers) {
  answers_.insert(answers_.end(), answers);
}

platform::MsgResult ScriptedHost::ShowMessage(const std::string& prompt, platform::MsgButtons buttons,
                                              platform::MsgIcon icon, const std::string& title) {
  messages_.push_back({prompt, buttons, icon, title});
  if (buttons == platform::MsgButtons::Ok) return platform::MsgResult::Ok;
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected question: " << prompt;
    return platform::MsgResult::No;
  }
  const auto answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace test
