#include "core/message_box.h"

namespace orlevant {

namespace {

class SafeAnswers final : public MessageBoxes {
 public:
  MsgAnswer Show(MsgIcon, MsgButtons buttons, const std::string&, const std::string&) override {
    switch (buttons) {
      case MsgButtons::Ok: return MsgAnswer::Ok;
      case MsgButtons::OkCancel: return MsgAnswer::Cancel;
      case MsgButtons::YesNo: return MsgAnswer::No;
      case MsgButtons::YesNoCancel: return MsgAnswer::Cancel;
    }
    return MsgAnswer::Cancel;
  }
};

SafeAnswers safeAnswers;
MessageBoxes* installed = nullptr;

#define ORLEVANT_STR2(x) #x
#define ORLEVANT_STR(x) ORLEVANT_STR2(x)

}  // namespace

MessageBoxes& AppMessageBoxes() { return installed ? *installed : safeAnswers; }
void SetAppMessageBoxes(MessageBoxes* boxes) { installed = boxes; }

const std::string& ProductTitle() {
  static const std::string title = "Orlevant";
  return title;
}

const std::string& AppTitle() {
  static const std::string title =
      ProductTitle() + " " ORLEVANT_STR(ORLEVANT_VERSION_MAJOR) "." ORLEVANT_STR(ORLEVANT_VERSION_MINOR);
  return title;
}

}  // namespace orlevant
