#pragma once
// A message-box layer for tests: records every box and answers from a script, so no test ever
// blocks on a dialog. Installs itself for its lifetime.

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/message_box.h"

namespace orlevant::testing {

struct ShownBox {
  MsgIcon icon;
  MsgButtons buttons;
  std::string title;
  std::string text;
};

class ScriptedMessageBoxes final : public MessageBoxes {
 public:
  ScriptedMessageBoxes() { SetAppMessageBoxes(this); }
  ~ScriptedMessageBoxes() override { SetAppMessageBoxes(nullptr); }
  ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
  ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

  // Answers given in order to the boxes that ask a question; boxes with only OK need no answer.
  void Answer(MsgAnswer a) { answers_.push_back(a); }

  MsgAnswer Show(MsgIcon icon, MsgButtons buttons, const std::string& title, const std::string& text) override {
    shown.push_back({icon, buttons, title, text});
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    if (answers_.empty()) throw std::logic_error("unexpected question: " + title);
    const MsgAnswer a = answers_.front();
    answers_.pop_front();
    return a;
  }

  std::vector<ShownBox> shown;

 private:
  std::deque<MsgAnswer> answers_;
};

}  // namespace orlevant::testing
