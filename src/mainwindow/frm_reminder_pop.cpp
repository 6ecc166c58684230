#include "mainwindow/frm_reminder_pop.h"

#include <QLabel>

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
    : HoverPopup("frmReminderPop", std::move(keyUp), std::move(pointerMoved), parent) {
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

}  // namespace orlevant
