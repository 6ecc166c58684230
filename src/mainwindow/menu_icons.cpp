#include "mainwindow/menu_icons.h"

#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <vector>

#include "mainwindow/app_icon.h"

namespace orlevant {

namespace {

// Every picture is drawn on a 16 x 16 grid and scaled to the size asked for.
const QColor kOutline(0x3A, 0x3A, 0x3A);
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kBlue(0x2F, 0x6D, 0xB5);
const QColor kLightBlue(0xC9, 0xD6, 0xE6);
const QColor kRed(0xD9, 0x3B, 0x2B);
const QColor kGreen(0x2E, 0x9E, 0x44);
const QColor kYellow(0xF2, 0xC2, 0x30);
const QColor kGrey(0x8A, 0x8F, 0x96);
const QColor kOrange(0xE8, 0x84, 0x1A);
const QColor kTeal(0x1F, 0x8A, 0x8A);

QPen Outline(qreal width = 1.0) { return QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// A calendar page with a coloured head; `cells` marks grid cells (column, row) of a 4 x 3 grid.
void Page(QPainter& p, const QColor& head, const std::vector<std::pair<int, int>>& marked = {},
          const QColor& mark = kRed) {
  const QRectF page(1.5, 2.5, 13, 12);
  p.setPen(Outline());
  p.setBrush(kPaper);
  p.drawRoundedRect(page, 1.5, 1.5);
  p.setPen(Qt::NoPen);
  p.setBrush(head);
  p.drawRect(QRectF(2, 3, 12, 3));
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 4; ++col) {
      bool on = false;
      for (const auto& [c, r] : marked) on = on || (c == col && r == row);
      p.setBrush(on ? mark : kLightBlue);
      p.drawRect(QRectF(3 + col * 2.6, 7.2 + row * 2.3, 1.8, 1.5));
    }
  }
}

void Badge(QPainter& p, const QString& text, const QColor& colour) {
  p.setPen(QPen(colour.darker(140), 1));
  p.setBrush(colour);
  p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(text.size() > 1 ? 8 : 10);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, text);
}

void Bell(QPainter& p, const QColor& colour, qreal scale = 1.0) {
  p.save();
  p.scale(scale, scale);
  QPainterPath bell;
  bell.moveTo(8, 2);
  bell.cubicTo(4.5, 2, 4, 5, 4, 8);
  bell.lineTo(3, 11.5);
  bell.lineTo(13, 11.5);
  bell.lineTo(12, 8);
  bell.cubicTo(12, 5, 11.5, 2, 8, 2);
  p.setPen(Outline());
  p.setBrush(colour);
  p.drawPath(bell);
  p.drawEllipse(QPointF(8, 13), 1.5, 1.5);
  p.restore();
}

void Tick(QPainter& p, const QColor& colour, QPointF at, qreal r) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(at, r, r);
  QPainterPath tick;
  tick.moveTo(at.x() - r * 0.5, at.y());
  tick.lineTo(at.x() - r * 0.1, at.y() + r * 0.45);
  tick.lineTo(at.x() + r * 0.55, at.y() - r * 0.4);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(tick);
}

void Cross(QPainter& p, const QColor& colour, QPointF at, qreal r) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(at, r, r);
  const qreal d = r * 0.45;
  p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(at.x() - d, at.y() - d), QPointF(at.x() + d, at.y() + d));
  p.drawLine(QPointF(at.x() - d, at.y() + d), QPointF(at.x() + d, at.y() - d));
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
  p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(from, to);
  const qreal angle = std::atan2(to.y() - from.y(), to.x() - from.x());
  const qreal len = 3.5;
  for (const qreal side : {2.5, -2.5}) {
    const QPointF wing(to.x() - len * std::cos(angle + side * 0.3), to.y() - len * std::sin(angle + side * 0.3));
    p.drawLine(to, wing);
  }
}

void Window(QPainter& p, const QRectF& r) {
  p.setPen(Outline());
  p.setBrush(kPaper);
  p.drawRect(r);
  p.setPen(Qt::NoPen);
  p.setBrush(kBlue);
  p.drawRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 0.5, std::min<qreal>(2.5, r.height() / 3)));
}

using Painter = std::function<void(QPainter&)>;

const std::map<std::string_view, Painter>& Painters() {
  static const std::map<std::string_view, Painter> painters = {
      {"Edit",
       [](QPainter& p) {
         p.translate(8, 8);
         p.rotate(-45);
         p.setPen(Outline());
         p.setBrush(kYellow);
         p.drawRect(QRectF(-4, -1.8, 8, 3.6));
         p.setBrush(QColor(0xF0, 0x9A, 0xA8));
         p.drawRect(QRectF(4, -1.8, 2.5, 3.6));
         QPainterPath tip;
         tip.moveTo(-4, -1.8);
         tip.lineTo(-7, 0);
         tip.lineTo(-4, 1.8);
         tip.closeSubpath();
         p.setBrush(QColor(0xE8, 0xD2, 0xA8));
         p.drawPath(tip);
       }},
      {"ClearAll",
       [](QPainter& p) {
         Page(p, kGrey);
         p.setPen(QPen(kRed, 2, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(4.5, 7), QPointF(11.5, 13));
         p.drawLine(QPointF(11.5, 7), QPointF(4.5, 13));
       }},
      {"Reminder", [](QPainter& p) { Bell(p, kYellow); }},
      {"Prefs",
       [](QPainter& p) {
         p.translate(8, 8);
         p.setPen(Outline());
         p.setBrush(kGrey);
         for (int i = 0; i < 8; ++i) {
           p.save();
           p.rotate(i * 45);
           p.drawRect(QRectF(-1.3, -7, 2.6, 3));
           p.restore();
         }
         p.drawEllipse(QPointF(0, 0), 4.8, 4.8);
         p.setBrush(kPaper);
         p.drawEllipse(QPointF(0, 0), 1.8, 1.8);
       }},
      {"Print",
       [](QPainter& p) {
         p.setPen(Outline());
         p.setBrush(kPaper);
         p.drawRect(QRectF(4.5, 1.5, 7, 5));
         p.setBrush(kGrey);
         p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1, 1);
         p.setBrush(kPaper);
         p.drawRect(QRectF(4.5, 9.5, 7, 5));
         p.setPen(QPen(kLightBlue.darker(130), 0.8));
         p.drawLine(QPointF(6, 11.5), QPointF(10, 11.5));
         p.drawLine(QPointF(6, 13), QPointF(10, 13));
         p.setPen(Qt::NoPen);
         p.setBrush(kGreen);
         p.drawEllipse(QPointF(12.5, 7.5), 0.8, 0.8);
       }},
      {"Tips",
       [](QPainter& p) {
         p.setPen(QPen(kBlue.darker(130), 1));
         p.setBrush(kBlue);
         p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
         QFont font(QStringLiteral("DejaVu Sans"));
         font.setBold(true);
         font.setPixelSize(11);
         p.setFont(font);
         p.setPen(Qt::white);
         p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
       }},
      {"Exit",
       [](QPainter& p) {
         p.setPen(Outline());
         p.setBrush(QColor(0x9C, 0x6B, 0x3E));
         p.drawRect(QRectF(2.5, 1.5, 7, 13));
         p.setBrush(kYellow);
         p.drawEllipse(QPointF(8, 8), 0.8, 0.8);
         Arrow(p, QPointF(7, 8), QPointF(14.5, 8), kRed);
       }},
      {"On",
       [](QPainter& p) {
         p.setPen(QPen(kGreen.darker(140), 1));
         p.setBrush(kGreen);
         p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
         p.setPen(Qt::NoPen);
         p.setBrush(QColor(255, 255, 255, 170));
         p.drawEllipse(QRectF(5, 4.5, 4, 3));
       }},
      {"Off",
       [](QPainter& p) {
         p.setPen(QPen(kRed.darker(140), 1));
         p.setBrush(kRed);
         p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
         p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(5.5, 8), QPointF(10.5, 8));
       }},
      {"OnCheck",
       [](QPainter& p) {
         Bell(p, kYellow, 0.85);
         Tick(p, kGreen, QPointF(11.5, 11.5), 4);
       }},
      {"OffCheck",
       [](QPainter& p) {
         Bell(p, kGrey, 0.85);
         Cross(p, kRed, QPointF(11.5, 11.5), 4);
       }},
      {"Days", [](QPainter& p) { Page(p, kRed, {{1, 1}, {2, 1}, {3, 1}}, kOrange); }},
      {"Hours",
       [](QPainter& p) {
         p.setPen(Outline());
         p.setBrush(kPaper);
         p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
         p.setPen(QPen(kOutline, 1.3, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(8, 8), QPointF(8, 4));
         p.drawLine(QPointF(8, 8), QPointF(11, 8));
         p.setPen(Qt::NoPen);
         p.setBrush(kRed);
         p.drawEllipse(QPointF(8, 8), 1, 1);
       }},
      {"Mins",
       [](QPainter& p) {
         p.setPen(Outline());
         p.setBrush(kPaper);
         QPainterPath glass;
         glass.moveTo(3.5, 1.5);
         glass.lineTo(12.5, 1.5);
         glass.lineTo(8.8, 8);
         glass.lineTo(12.5, 14.5);
         glass.lineTo(3.5, 14.5);
         glass.lineTo(7.2, 8);
         glass.closeSubpath();
         p.drawPath(glass);
         p.setPen(Qt::NoPen);
         p.setBrush(kYellow.darker(110));
         QPainterPath sand;
         sand.moveTo(5, 14);
         sand.lineTo(11, 14);
         sand.lineTo(8, 10.5);
         sand.closeSubpath();
         p.drawPath(sand);
       }},
      {"ToTray",
       [](QPainter& p) {
         p.setPen(Outline());
         p.setBrush(kLightBlue);
         p.drawRect(QRectF(1.5, 11.5, 13, 3));
         Arrow(p, QPointF(8, 1.5), QPointF(8, 9.5), kBlue);
       }},
      {"ToDesktop",
       [](QPainter& p) {
         Window(p, QRectF(1.5, 1.5, 13, 8));
         Arrow(p, QPointF(8, 15), QPointF(8, 7), kGreen);
       }},
      {"Today", [](QPainter& p) { Page(p, kBlue, {{2, 1}}, kRed); }},
      {"Month", [](QPainter& p) { Page(p, kBlue); }},
      {"Year",
       [](QPainter& p) {
         p.setPen(Outline());
         p.setBrush(kLightBlue);
         p.drawRoundedRect(QRectF(4.5, 0.5, 11, 10), 1.5, 1.5);
         p.translate(-1.5, 1.5);
         Page(p, kGreen);
       }},
      {"FirstDay",
       [](QPainter& p) { Page(p, kBlue, {{0, 0}, {0, 1}, {0, 2}}, kGreen); }},
      {"Small", [](QPainter& p) { Window(p, QRectF(4.5, 5.5, 7, 6)); }},
      {"Medium", [](QPainter& p) { Window(p, QRectF(2.5, 3.5, 11, 9)); }},
      {"Large", [](QPainter& p) { Window(p, QRectF(0.5, 1.5, 15, 13)); }},
      {"Expand",
       [](QPainter& p) {
         Window(p, QRectF(1.5, 1.5, 13, 3.5));
         p.setPen(QPen(kBlue, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
         p.setBrush(Qt::NoBrush);
         for (const qreal y : {7.5, 11.0}) {
           p.drawPolyline(QPolygonF({QPointF(4.5, y), QPointF(8, y + 3), QPointF(11.5, y)}));
         }
       }},
      {"One", [](QPainter& p) { Badge(p, QStringLiteral("1"), kOrange); }},
      {"Two", [](QPainter& p) { Badge(p, QStringLiteral("2"), kOrange); }},
      {"Three", [](QPainter& p) { Badge(p, QStringLiteral("3"), kOrange); }},
      {"Ten", [](QPainter& p) { Badge(p, QStringLiteral("10"), kTeal); }},
      {"Twenty", [](QPainter& p) { Badge(p, QStringLiteral("20"), kTeal); }},
      {"Thirty", [](QPainter& p) { Badge(p, QStringLiteral("30"), kTeal); }},
  };
  return painters;
}

}  // namespace

namespace {
int drawnCount = 0;
}  // namespace

int MenuIconsDrawn() { return drawnCount; }

QPixmap DrawMenuIcon(std::string_view key, int size) {
  ++drawnCount;
  if (key == "Calendar") return DrawAppIcon(size);
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  const auto& painters = Painters();
  const auto it = painters.find(key);
  if (it == painters.end()) return pixmap;
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(size / 16.0, size / 16.0);
  it->second(p);
  return pixmap;
}

DrawnMenuIcon::DrawnMenuIcon(std::string_view key) : key_(key), cache_(std::make_shared<Cache>()) {}

QPixmap DrawnMenuIcon::Drawn(int side, QIcon::Mode mode) const {
  const auto found = cache_->find({side, mode});
  if (found != cache_->end()) return found->second;
  QPixmap pixmap = DrawMenuIcon(key_, side);
  if (mode != QIcon::Normal) {
    // A greyed or highlighted item: the desktop style's own rendering of the picture.
    QStyleOption option;
    option.palette = QGuiApplication::palette();
    if (const QStyle* style = QApplication::style()) pixmap = style->generatedIconPixmap(mode, pixmap, &option);
  }
  cache_->emplace(std::pair{side, mode}, pixmap);
  return pixmap;
}

QPixmap DrawnMenuIcon::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) {
  return Drawn(std::max(1, std::min(size.width(), size.height())), mode);
}

QPixmap DrawnMenuIcon::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) {
  const int side = std::max(1, static_cast<int>(std::lround(std::min(size.width(), size.height()) * scale)));
  QPixmap pixmap = Drawn(side, mode);
  pixmap.setDevicePixelRatio(scale);
  return pixmap;
}

void DrawnMenuIcon::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) {
  const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
  painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, scale));
}

QSize DrawnMenuIcon::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
  const int side = std::min(size.width(), size.height());
  return {side, side};
}

QList<QSize> DrawnMenuIcon::availableSizes(QIcon::Mode, QIcon::State) {
  return {QSize(16, 16), QSize(24, 24), QSize(32, 32)};
}

MenuImageList BuildMenuImageList() {
  MenuImageList list;
  for (const std::string_view key : kMenuIconKeys) list.Add(std::string(key), QIcon(new DrawnMenuIcon(key)));
  return list;
}

}  // namespace orlevant
