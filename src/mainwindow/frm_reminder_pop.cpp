#include "mainwindow/frm_reminder_pop.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>

#include "mainwindow/day_text_label.h"
#include "mainwindow/hover_popup.h"
#include "mainwindow/main_input.h"
#include "monthview/day_popups.h"
#include "platform/qt/display_text.h"
#include "platform/qt/twips.h"

namespace orlevant {

namespace {

// Designed places in twips.
constexpr int kTitleWidth = 2988;
constexpr int kMessageTop = 504;
constexpr int kMessageWidth = 3348;
constexpr int kMessageHeight = 1680;

}  // namespace

frmReminderPop::frmReminderPop(KeyUpHandler keyUp, PointerHandler pointerMoved, QWidget* parent)
    : QWidget(parent), keyUp_(std::move(keyUp)), pointerMoved_(std::move(pointerMoved)) {
  setObjectName(QStringLiteral("frmReminderPop"));
  MakeHoverPopup(*this);
  lblTitle = NewPopupLabel(this, "lblTitle", true);
  lblDate = NewPopupLabel(this, "lblDate");
  lblMessage = NewPopupLabel(this, "lblMessage", false, new DayTextLabel(this));
  lblMessage->setWordWrap(true);
  lblTitle->setGeometry(TwipsToPixels(0, 0, kTitleWidth, 252));
  lblDate->setGeometry(TwipsToPixels(0, 252, kTitleWidth, 252));
  lblMessage->setGeometry(TwipsToPixels(0, kMessageTop, kMessageWidth, kMessageHeight));
  widthTwips_ = kReminderPopupWidth;
  heightTwips_ = kReminderPopupHeight;
  resize(TwipsToPixels(QSize(widthTwips_, heightTwips_)));
}

void frmReminderPop::Fill(const std::string& date, const std::string& message, int widthTwips, int maxHeightTwips) {
  lblTitle->setText(DisplayText(kReminderPopupTitle));
  lblDate->setText(DisplayText(date));
  widthTwips_ = widthTwips;
  lblMessage->setGeometry(TwipsToPixels(0, kMessageTop, widthTwips, kMessageHeight));
  // Every entry is kept that the screen has room for: many of them make the window taller than
  // designed, up to the screen's height.
  const int messageHeight =
      FillMessageLabel(*lblMessage, message, kMessageHeight, maxHeightTwips - (kReminderPopupHeight - kMessageHeight));
  lblMessage->setGeometry(TwipsToPixels(0, kMessageTop, widthTwips, messageHeight));
  heightTwips_ = kReminderPopupHeight + messageHeight - kMessageHeight;
}

void frmReminderPop::ShowAt(int left, int top) { ShowPopupAt(*this, left, top, widthTwips_, heightTwips_); }

void frmReminderPop::keyReleaseEvent(QKeyEvent* event) {
  if (event->isAutoRepeat()) return;
  Form_KeyUp(KeyCodeOf(*event), static_cast<int>(event->modifiers()));
}

void frmReminderPop::Form_KeyUp(int KeyCode, int Shift) {
  if (keyUp_) keyUp_(KeyCode, Shift);
}

void frmReminderPop::mouseMoveEvent(QMouseEvent* event) {
  if (pointerMoved_) pointerMoved_(event->globalPosition().toPoint());
}

void frmReminderPop::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  PaintPopupFrame(*this);
}

}  // namespace orlevant
