#pragma once
// A host for tests: answers message boxes in the order a test gave, records
// every box it was shown, and is installed for as long as it lives.

#include <deque>
#include <string>
#include <vector>

#include "platform/host.h"

namespace test {

struct ShownMessage {
  std::string prompt;
  platform::MsgButtons buttons;
  platform::MsgIcon icon;
  std::string title;
};

class ScriptedHost final : public platform::Host {
 public:
  ScriptedHost();
  ~ScriptedHost() override;

  // The answers to the next Yes/No boxes, in order; an OK box needs none.
  void Answer(std::initializer_list<platform::MsgResult> answers);

  const std::vector<ShownMessage>& Messages() const { return messages_; }

  platform::MsgResult ShowMessage(const std::string& prompt, platform::MsgButtons buttons, platform::MsgIcon icon,
                                  const std::string& title) override;

 private:
  std::deque<platform::MsgResult> answers_;
  std::vector<ShownMessage> messages_;
};

}  // namespace test
