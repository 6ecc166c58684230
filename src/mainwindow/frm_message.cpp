#include "mainwindow/frm_message.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>

#include "monthview/day_popups.h"
#include "platform/qt/display_text.h"
#include "platform/qt/twips.h"

namespace orlevant {

namespace {

// Designed places in twips.
constexpr int kLabelWidth = 2268;
constexpr int kMessageTop = 432;
constexpr int kMessageHeight = 1356;
constexpr int kFutureTop = 1764;
constexpr int kFutureHeight = 216;
constexpr int kBallLeft = 1980;
constexpr int kBallSize = 120;

QPixmap Ball(bool green) {
  const int size = TwipsToPixels(kBallSize);
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient shine(size * 0.35, size * 0.35, size * 0.7);
  shine.setColorAt(0, green ? QColor(0xB8, 0xF0, 0xB0) : QColor(0xFF, 0xC0, 0xB0));
  shine.setColorAt(1, green ? QColor(0x18, 0x90, 0x30) : QColor(0xC0, 0x20, 0x18));
  p.setPen(Qt::NoPen);
  p.setBrush(shine);
  p.drawEllipse(QRectF(0, 0, size, size));
  return pixmap;
}

}  // namespace

frmMessage::frmMessage(bool remindersOn, KeyUpHandler keyUp, PointerHandler pointerMoved, QWidget* parent)
    : HoverPopup("frmMessage", std::move(keyUp), std::move(pointerMoved), parent) {
  lblFuture = NewPopupLabel(this, "lblFuture");
  imgBall = new QLabel(this);
  imgBall->setObjectName(QStringLiteral("imgBall"));
  imgBall->setAttribute(Qt::WA_TransparentForMouseEvents);
  lblTitle->setGeometry(TwipsToPixels(0, 0, kLabelWidth, 252));
  lblDate->setGeometry(TwipsToPixels(0, 252, kLabelWidth, 252));
  lblMessage->setGeometry(TwipsToPixels(0, kMessageTop, kLabelWidth, kMessageHeight));
  lblFuture->setGeometry(TwipsToPixels(0, kFutureTop, kLabelWidth, kFutureHeight));
  imgBall->setGeometry(TwipsToPixels(kBallLeft, 0, kBallSize, kBallSize).translated(-3, 3));
  widthTwips_ = kEventPopupWidth;
  heightTwips_ = kEventPopupHeight;
  resize(TwipsToPixels(QSize(kEventPopupWidth, kEventPopupHeight)));
  Form_Load(remindersOn);
}

void frmMessage::Form_Load(bool remindersOn) {
  ballPicture_ = remindersOn ? 1 : 2;
  imgBall->setPixmap(Ball(remindersOn));
}

void frmMessage::Fill(const std::string& date, const std::string& message, const std::string& future, bool ball,
                      int maxHeightTwips) {
  lblTitle->setText(DisplayText(kEventPopupTitle));
  lblDate->setText(DisplayText(date));
  lblFuture->setText(DisplayText(future));
  imgBall->setVisible(ball);
  // The one-line texts are never cut: a desktop font wider than the designed one makes the window
  // wider, keeping the ball clear of the title.
  const int ballRoom = kEventPopupWidth - kBallLeft;
  widthTwips_ = std::max({kEventPopupWidth, NeededWidthTwips(*lblTitle) + ballRoom, NeededWidthTwips(*lblDate),
                          NeededWidthTwips(*lblFuture)});
  const int labelWidth = widthTwips_ + (kLabelWidth - kEventPopupWidth);
  lblTitle->setGeometry(TwipsToPixels(0, 0, labelWidth, 252));
  lblDate->setGeometry(TwipsToPixels(0, 252, labelWidth, 252));
  imgBall->setGeometry(TwipsToPixels(widthTwips_ - ballRoom, 0, kBallSize, kBallSize).translated(-3, 3));
  // The last line ends the window: where the desktop's font is taller than designed, the window
  // grows rather than cut it.
  lblFuture->setGeometry(TwipsToPixels(0, kFutureTop, labelWidth, kFutureHeight));
  const int futureHeight = NeededHeightTwips(*lblFuture, kFutureHeight);
  // Every event is shown that the screen has room for: a day with more than the designed room
  // makes the window taller, up to the screen's height.
  lblMessage->setGeometry(TwipsToPixels(0, kMessageTop, labelWidth, kMessageHeight));
  const int otherParts = kEventPopupHeight - kMessageHeight + futureHeight - kFutureHeight;
  const int messageHeight = FillMessageLabel(*lblMessage, message, kMessageHeight, maxHeightTwips - otherParts);
  const int extra = messageHeight - kMessageHeight;
  lblMessage->setGeometry(TwipsToPixels(0, kMessageTop, labelWidth, messageHeight));
  lblFuture->setGeometry(TwipsToPixels(0, kFutureTop + extra, labelWidth, futureHeight));
  heightTwips_ = kEventPopupHeight + extra + futureHeight - kFutureHeight;
}

}  // namespace orlevant
