#pragma once
// The message boxes of the windowed program, over QMessageBox. Start-up installs one with
// SetAppMessageBoxes; from then on every box the program shows comes through here.
//
// The title and text are shown as given, the text as plain text so that nothing in it (an event's
// text, say) is ever taken for markup, and as much of it as a window shows of any text (DisplayPart):
// a box would otherwise lay out a pasted word of megabytes for minutes. Escape, or closing the box,
// answers No or Cancel, and OK where OK is the only button.

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>

#include "core/message_box.h"

class QMessageBox;

namespace orlevant {

class QtMessageBoxes final : public MessageBoxes {
 public:
  // Boxes are centred on `parent` when it is given and shown, else on the screen.
  explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}

  MsgAnswer Show(MsgIcon icon, MsgButtons buttons, const std::string& title, const std::string& text) override;

 private:
  QPointer<QWidget> parent_;
};

// The box Show() runs, built but not yet shown. A text that would not fit on the screen (taller or
// wider than two thirds of `screenArea`, by default the available area of the screen the box comes
// up on) is shown in a scrollable, read-only text area of a size that fits; title, icon, buttons
// and answers stay as they are, and text() gives the text shown. Any other text is as wide
// as its longest line, within two thirds of the screen, so that its lines break only where the
// text breaks them. The box has a fixed dialog frame.
std::unique_ptr<QMessageBox> BuildMessageBox(MsgIcon icon, MsgButtons buttons, const std::string& title,
                                             const std::string& text, QWidget* parent = nullptr,
                                             std::optional<QRect> screenArea = std::nullopt);

// The answer of a box that has closed: the button pressed, or the box's escape button when it was
// closed without one.
MsgAnswer AnswerOf(const QMessageBox& box, MsgButtons buttons);

}  // namespace orlevant
