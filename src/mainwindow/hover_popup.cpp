#include "mainwindow/hover_popup.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>

#include "mainwindow/day_text_label.h"
#include "platform/qt/display_text.h"
#include "platform/qt/twips.h"

namespace orlevant {

void MakeHoverPopup(QWidget& popup) {
  // A tool-tip window: no frame or caption from the window manager, placed exactly where it is
  // moved, above the calendar, and never activated, so the calendar keeps its keys.
  popup.setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
  popup.setMouseTracking(true);
  popup.setAttribute(Qt::WA_ShowWithoutActivating);
  popup.setFocusPolicy(Qt::NoFocus);
  QPalette pal = popup.palette();
  pal.setColor(QPalette::Window, QColor(0xFF, 0xFD, 0xE8));
  pal.setColor(QPalette::WindowText, QColor(0x20, 0x20, 0x20));
  popup.setPalette(pal);
  popup.setAutoFillBackground(true);
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
  label.setText(DisplayText(FirstLines(message, MostLinesIn(label.font(), TwipsToPixels(room)))));
  return std::min(NeededHeightTwips(label, designHeight), room);
}

int NeededWidthTwips(const QLabel& label) {
  return PixelsToTwips(label.fontMetrics().horizontalAdvance(label.text()) + 2 * label.indent() + 4);
}

void PaintPopupFrame(QWidget& popup) {
  QPainter p(&popup);
  p.setPen(QColor(0x80, 0x80, 0x80));
  p.drawRect(popup.rect().adjusted(0, 0, -1, -1));
}

void ShowPopupAt(QWidget& popup, int left, int top, int width, int height) {
  popup.setGeometry(QRect(TwipsToPixels(QPoint(left, top)), TwipsToPixels(QSize(width, height))));
  if (!popup.isVisible()) popup.show();
  popup.raise();
}

}  // namespace orlevant
