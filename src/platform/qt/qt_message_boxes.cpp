#include "platform/qt/qt_message_boxes.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "platform/qt/display_text.h"

namespace orlevant {

namespace {

QMessageBox::Icon IconFor(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::None: return QMessageBox::NoIcon;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Critical: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

struct ButtonSet {
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton first;   // default: the first button, as Enter has always answered
  QMessageBox::StandardButton escape;  // the answer of Escape and of closing the box
};

ButtonSet ButtonsFor(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::Ok: return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
    case MsgButtons::OkCancel:
      return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel};
    case MsgButtons::YesNo: return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No};
    case MsgButtons::YesNoCancel:
      return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::Cancel};
  }
  return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
}

MsgAnswer AnswerForButton(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Ok: return MsgAnswer::Ok;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    default: return MsgAnswer::Cancel;
  }
}

}  // namespace

std::unique_ptr<QMessageBox> BuildMessageBox(MsgIcon icon, MsgButtons buttons, const std::string& title,
                                             const std::string& text, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setIcon(IconFor(icon));
  box->setWindowTitle(QString::fromStdString(title));
  box->setTextFormat(Qt::PlainText);
  box->setText(DisplayText(text));
  const ButtonSet set = ButtonsFor(buttons);
  box->setStandardButtons(set.buttons);
  box->setDefaultButton(set.first);
  box->setEscapeButton(set.escape);
  return box;
}

MsgAnswer AnswerOf(const QMessageBox& box, MsgButtons buttons) {
  QAbstractButton* clicked = box.clickedButton();
  if (!clicked) clicked = box.escapeButton();
  const QMessageBox::StandardButton button = box.standardButton(clicked);
  return button == QMessageBox::NoButton ? AnswerForButton(ButtonsFor(buttons).escape) : AnswerForButton(button);
}

MsgAnswer QtMessageBoxes::Show(MsgIcon icon, MsgButtons buttons, const std::string& title,
                               const std::string& text) {
  QWidget* parent = parent_ && parent_->isVisible() ? parent_.data() : nullptr;
  const std::unique_ptr<QMessageBox> box = BuildMessageBox(icon, buttons, title, text, parent);
  box->exec();
  return AnswerOf(*box, buttons);
}

}  // namespace orlevant
