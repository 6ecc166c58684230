#include "mainwindow/app_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace orlevant {

QPixmap DrawAppIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 64.0, size / 64.0);

  // The page, its blue head and the two rings it hangs from; the same design as the installed
  // scalable icon.
  QPainterPath page;
  page.addRoundedRect(QRectF(6, 10, 52, 48), 6, 6);
  p.fillPath(page, QColor(0xFF, 0xFF, 0xFF));
  p.save();
  p.setClipPath(page);
  p.fillRect(QRectF(6, 10, 52, 14), QColor(0x2F, 0x6D, 0xB5));
  p.restore();
  p.setPen(QPen(QColor(0x23, 0x4E, 0x80), 2));
  p.drawPath(page);

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x55, 0x55, 0x55));
  p.drawRoundedRect(QRectF(17, 5, 5, 12), 2.5, 2.5);
  p.drawRoundedRect(QRectF(42, 5, 5, 12), 2.5, 2.5);

  // Three rows of four days; one of them is today.
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 4; ++col) {
      const QRectF day(12 + col * 11, 29 + row * 9, 8, 6);
      const bool today = row == 1 && col == 2;
      p.setBrush(today ? QColor(0xE0, 0x4B, 0x3A) : QColor(0xC9, 0xD6, 0xE6));
      p.drawRect(day);
    }
  }
  return pixmap;
}

const QIcon& AppIcon() {
  static const QIcon icon = [] {
    QIcon i;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) i.addPixmap(DrawAppIcon(size));
    return i;
  }();
  return icon;
}

}  // namespace orlevant
