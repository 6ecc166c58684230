#include "mainwindow/hover_popup.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "mainwindow/day_text_label.h"
#include "mainwindow/main_input.h"
#include "platform/qt/display_text.h"
#include "platform/qt/twips.h"

namespace orlevant {

HoverPopup::HoverPopup(const char* name, KeyUpHandler keyUp, PointerHandler pointerMoved, QWidget* parent)
    : QWidget(parent), keyUp_(std::move(keyUp)), pointerMoved_(std::move(pointerMoved)) {
  setObjectName(QLatin1String(name));
  // A tool-tip window: no frame or caption from the window manager, placed exactly where it is
  // moved, above the calendar, and never activated, so the calendar keeps its keys.
  setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(0xFF, 0xFD, 0xE8));
  pal.setColor(QPalette::WindowText, QColor(0x20, 0x20, 0x20));
  setPalette(pal);
  setAutoFillBackground(true);
  lblTitle = NewPopupLabel(this, "lblTitle", true);
  lblDate = NewPopupLabel(this, "lblDate");
  auto* message = new DayTextLabel(this);
  message->SetMarksCut(true);
  lblMessage = NewPopupLabel(this, "lblMessage", false, message);
  lblMessage->setWordWrap(true);
  // The label reaches the window's right edge (in the event pop-up, as designed, a pixel past it),
  // where the frame is drawn: a full line would lose its last letter under the frame.
  lblMessage->setContentsMargins(0, 0, 3, 0);
}

void HoverPopup::ShowAt(int left, int top) {
  setGeometry(QRect(TwipsToPixels(QPoint(left, top)), TwipsToPixels(QSize(widthTwips_, heightTwips_))));
  if (!isVisible()) show();
  raise();
}

void HoverPopup::keyReleaseEvent(QKeyEvent* event) {
  if (event->isAutoRepeat()) return;
  Form_KeyUp(KeyCodeOf(*event), static_cast<int>(event->modifiers()));
}

void HoverPopup::Form_KeyUp(int KeyCode, int Shift) {
  if (keyUp_) keyUp_(KeyCode, Shift);
}

void HoverPopup::mouseMoveEvent(QMouseEvent* event) {
  if (pointerMoved_) pointerMoved_(event->globalPosition().toPoint());
}

void HoverPopup::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  // The thin frame around the pop-up.
  QPainter p(this);
  p.setPen(QColor(0x80, 0x80, 0x80));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

QLabel* NewPopupLabel(QWidget* parent, const char* name, bool bold, QLabel* label) {
  if (!label) label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setTextFormat(Qt::PlainText);
  // The pop-up itself sees every move over it.
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setIndent(4);
  QFont font = label->font();
  font.setPixelSize(11);
  font.setBold(bold);
  label->setFont(font);
  return label;
}

int NeededHeightTwips(const QLabel& label, int designHeight) {
  const QRect room(0, 0, std::max(1, label.width() - 2 * label.indent()), 100000);
  const QRect needed = label.fontMetrics().boundingRect(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                                        label.text());
  // A top-aligned label starts its text one indent down; two pixels keep the last line's
  // descenders clear of the window's frame.
  return std::max(designHeight, PixelsToTwips(label.indent() + needed.height() + 2));
}

int FillMessageLabel(QLabel& label, std::string_view message, int designHeight, int roomHeight) {
  const int room = std::max(designHeight, roomHeight);
  label.setText(DisplayPart(FirstLines(message, MostLinesIn(label.font(), TwipsToPixels(room)))));
  return std::min(NeededHeightTwips(label, designHeight), room);
}

int NeededWidthTwips(const QLabel& label) {
  return PixelsToTwips(label.fontMetrics().horizontalAdvance(label.text()) + 2 * label.indent() + 4);
}

}  // namespace orlevant
