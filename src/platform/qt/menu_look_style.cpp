#include "platform/qt/menu_look_style.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionMenuItem>

#include <algorithm>
#include <cmath>

#include "platform/qt/bgr_colour.h"

namespace orlevant {

namespace {

const QColor kDisabledText(0x8C, 0x8C, 0x8C);

// A gradient whose first and last colours fall exactly on the centres of the first and last pixel
// rows (or columns) of `r`.
QLinearGradient EdgeToEdge(const QRect& r, bool vertical) {
  return vertical ? QLinearGradient(r.left(), r.top() + 0.5, r.left(), r.bottom() + 0.5)
                  : QLinearGradient(r.left() + 0.5, r.top(), r.right() + 0.5, r.top());
}

double Distance(const QColor& a, const QColor& b) {
  const double dr = a.red() - b.red(), dg = a.green() - b.green(), db = a.blue() - b.blue();
  return std::sqrt(dr * dr + dg * dg + db * db);
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  const auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

// `wanted`, or where it is too close to `face` to be told apart, the same colour darkened (on a
// light face) or lightened (on a dark one) until it clearly differs.
QColor DistinctFrom(const QColor& wanted, const QColor& face) {
  if (Distance(wanted, face) >= MenuLookStyle::kClearlyDifferent) return wanted;
  const QColor toward = face.lightness() >= 128 ? QColor(Qt::black) : QColor(Qt::white);
  for (int step = 1; step <= 10; ++step) {
    const QColor candidate = Mix(wanted, toward, step / 10.0);
    if (Distance(candidate, face) >= MenuLookStyle::kClearlyDifferent) return candidate;
  }
  return toward;
}

}  // namespace

MenuLookStyle::MenuLookStyle(MenuLookKind kind, const MenuLook& look) : kind_(kind) {
  switch (kind) {
    case MenuLookKind::Gradient:
      face_ = QColor(0xF5, 0xF5, 0xF5);
      column_ = face_;
      border_ = QColor(0x9A, 0x9A, 0x9A);
      light_ = Qt::white;
      dark_ = QColor(0xA8, 0xA8, 0xA8);
      text_ = Qt::black;
      textSelected_ = Qt::black;
      gradientFrom_ = ColourFromBgr(look.MenuBackColor);
      gradientTo_ = ColourFromBgr(look.MenuBackColor2);
      gradient_ = look.Gradient == 1;
      vertical_ = look.GradientStyle == 1;
      break;
    case MenuLookKind::Flat:
      face_ = ColourFromBgr(look.XPBackColor);
      column_ = ColourFromBgr(look.XPBarColor);
      border_ = ColourFromBgr(look.XPBorderColor);
      light_ = face_;
      dark_ = border_;
      text_ = ColourFromBgr(look.XPTextColorAll);
      textSelected_ = ColourFromBgr(look.XPTextColor);
      selectFill_ = ColourFromBgr(look.XPFillColor);
      break;
    case MenuLookKind::Raised:
    case MenuLookKind::Plain:
      top_ = ColourFromBgr(look.New3DColor1);
      middle_ = ColourFromBgr(look.New3DColor2);
      bottom_ = ColourFromBgr(look.New3DColor3);
      face_ = middle_;
      column_ = face_;
      light_ = top_;
      dark_ = bottom_;
      border_ = bottom_.darker(130);
      text_ = Qt::black;
      textSelected_ = Qt::black;
      break;
  }
  MakeSelectionDistinct();
}

void MenuLookStyle::MakeSelectionDistinct() {
  // The highlighted item must stand out from the others whatever colours were chosen: a bar in the
  // menu's own colour (the flat look's default, say) would show no highlight at all.
  switch (kind_) {
    case MenuLookKind::Gradient:
      if (!gradient_) {
        gradientFrom_ = DistinctFrom(gradientFrom_, face_);
      } else if (Distance(Mix(gradientFrom_, gradientTo_, 0.5), face_) < kClearlyDifferent) {
        gradientFrom_ = DistinctFrom(gradientFrom_, face_);
        gradientTo_ = DistinctFrom(gradientTo_, face_);
      }
      break;
    case MenuLookKind::Flat:
      selectFill_ = DistinctFrom(selectFill_, face_);
      break;
    case MenuLookKind::Raised:
    case MenuLookKind::Plain: {
      // The bar runs top, middle, bottom over a face of the middle colour; where that is too alike,
      // the bar runs from top to bottom alone, and failing that in darker or lighter colours.
      barTop_ = top_;
      barMiddle_ = middle_;
      barBottom_ = bottom_;
      const auto mean = [this] { return Mix(Mix(barTop_, barBottom_, 0.5), barMiddle_, 0.5); };
      if (Distance(mean(), face_) < kClearlyDifferent) barMiddle_ = Mix(barTop_, barBottom_, 0.5);
      if (Distance(mean(), face_) < kClearlyDifferent) {
        barTop_ = DistinctFrom(barTop_, face_);
        barBottom_ = DistinctFrom(barBottom_, face_);
        barMiddle_ = DistinctFrom(Mix(barTop_, barBottom_, 0.5), face_);
      }
      break;
    }
  }
}

QColor MenuLookStyle::TextColour(bool selected, bool enabled) const {
  if (!enabled) return kDisabledText;
  return selected ? textSelected_ : text_;
}

void MenuLookStyle::PaintPanel(QPainter* p, const QRect& menuRect, int frameWidth) const {
  p->fillRect(menuRect, face_);
  if (kind_ == MenuLookKind::Flat) {
    p->fillRect(QRect(menuRect.left(), menuRect.top(), frameWidth + kIconColumn, menuRect.height()), column_);
  }
}

void MenuLookStyle::PaintFrame(QPainter* p, const QRect& menuRect) const {
  const QRect r = menuRect.adjusted(0, 0, -1, -1);
  p->save();
  p->setBrush(Qt::NoBrush);
  if (kind_ == MenuLookKind::Raised) {
    // Light from the top left: the top colour on the upper and left edges, the bottom colour below
    // and to the right, a second ring inside for depth.
    p->setPen(top_);
    p->drawLine(r.topLeft(), r.topRight());
    p->drawLine(r.topLeft(), r.bottomLeft());
    p->setPen(border_);
    p->drawLine(r.bottomLeft(), r.bottomRight());
    p->drawLine(r.topRight(), r.bottomRight());
    const QRect inner = r.adjusted(1, 1, -1, -1);
    p->setPen(top_.lighter(110));
    p->drawLine(inner.topLeft(), inner.topRight());
    p->drawLine(inner.topLeft(), inner.bottomLeft());
    p->setPen(bottom_);
    p->drawLine(inner.bottomLeft(), inner.bottomRight());
    p->drawLine(inner.topRight(), inner.bottomRight());
  } else {
    p->setPen(border_);
    p->drawRect(r);
  }
  p->restore();
}

void MenuLookStyle::PaintItemBackground(QPainter* p, const QRect& r) const {
  p->fillRect(r, face_);
  if (kind_ == MenuLookKind::Flat) p->fillRect(QRect(r.left(), r.top(), kIconColumn, r.height()), column_);
}

void MenuLookStyle::PaintSelection(QPainter* p, const QRect& r) const {
  switch (kind_) {
    case MenuLookKind::Gradient:
      if (gradient_) {
        QLinearGradient g = EdgeToEdge(r, vertical_);
        g.setColorAt(0, gradientFrom_);
        g.setColorAt(1, gradientTo_);
        p->fillRect(r, g);
      } else {
        p->fillRect(r, gradientFrom_);
      }
      break;
    case MenuLookKind::Flat:
      p->fillRect(r, border_);
      p->fillRect(r.adjusted(1, 1, -1, -1), selectFill_);
      break;
    case MenuLookKind::Raised:
    case MenuLookKind::Plain: {
      QLinearGradient g = EdgeToEdge(r, true);
      g.setColorAt(0, barTop_);
      g.setColorAt(0.5, barMiddle_);
      g.setColorAt(1, barBottom_);
      p->fillRect(r, g);
      break;
    }
  }
}

void MenuLookStyle::PaintSeparator(QPainter* p, const QRect& r) const {
  const int y = r.top() + r.height() / 2;
  p->save();
  if (kind_ == MenuLookKind::Flat) {
    p->setPen(border_);
    p->drawLine(r.left() + kIconColumn + kTextGap, y, r.right(), y);
  } else {
    p->setPen(dark_);
    p->drawLine(r.left() + 3, y - 1, r.right() - 3, y - 1);
    p->setPen(light_);
    p->drawLine(r.left() + 3, y, r.right() - 3, y);
  }
  p->restore();
}

void MenuLookStyle::PaintCheck(QPainter* p, const QRect& box, bool hasIcon, bool exclusive,
                               const QColor& mark) const {
  p->save();
  p->setRenderHint(QPainter::Antialiasing);
  // A checked item with an image shows the image on a sunken square; without one, a tick or a dot.
  const QRectF frame = QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5);
  p->setPen(border_);
  p->setBrush(kind_ == MenuLookKind::Flat ? selectFill_.lighter(130) : face_.darker(108));
  p->drawRect(frame);
  if (!hasIcon) {
    const QPointF c = frame.center();
    if (exclusive) {
      p->setPen(Qt::NoPen);
      p->setBrush(mark);
      p->drawEllipse(c, 3, 3);
    } else {
      QPainterPath tick;
      tick.moveTo(c.x() - 4, c.y());
      tick.lineTo(c.x() - 1, c.y() + 3);
      tick.lineTo(c.x() + 4, c.y() - 3);
      p->setBrush(Qt::NoBrush);
      p->setPen(QPen(mark, 2));
      p->drawPath(tick);
    }
  }
  p->restore();
}

void MenuLookStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const {
  switch (element) {
    case PE_PanelMenu:
      PaintPanel(painter, option->rect, pixelMetric(PM_MenuPanelWidth, option, widget));
      return;
    case PE_FrameMenu:
      PaintFrame(painter, option->rect);
      return;
    default:
      QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
}

void MenuLookStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
  if (element == CE_MenuEmptyArea) {
    PaintPanel(painter, option->rect, pixelMetric(PM_MenuPanelWidth, option, widget));
    return;
  }
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (element != CE_MenuItem || !item) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }

  const QRect r = item->rect;
  painter->save();
  PaintItemBackground(painter, r);
  if (item->menuItemType == QStyleOptionMenuItem::Separator) {
    PaintSeparator(painter, r);
    painter->restore();
    return;
  }

  const bool enabled = item->state & State_Enabled;
  const bool selected = enabled && (item->state & State_Selected);
  if (selected) PaintSelection(painter, r);
  const QColor textColour = TextColour(selected, enabled);

  const QRect column(r.left(), r.top(), kIconColumn, r.height());
  const bool checked = item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked;
  const QRect iconBox(column.center().x() - kIconSize / 2 - 2, column.center().y() - kIconSize / 2 - 2,
                      kIconSize + 4, kIconSize + 4);
  if (checked) {
    PaintCheck(painter, iconBox, !item->icon.isNull(), item->checkType == QStyleOptionMenuItem::Exclusive,
               textColour);
  }
  if (!item->icon.isNull()) {
    const QIcon::Mode mode = !enabled ? QIcon::Disabled : (selected ? QIcon::Active : QIcon::Normal);
    const QPixmap pixmap = item->icon.pixmap(QSize(kIconSize, kIconSize), painter->device()->devicePixelRatioF(),
                                             mode, checked ? QIcon::On : QIcon::Off);
    const QRect target(column.center().x() - kIconSize / 2, column.center().y() - kIconSize / 2, kIconSize,
                       kIconSize);
    painter->drawPixmap(target, pixmap);
  }

  const QString& all = item->text;
  const qsizetype tab = all.indexOf(QLatin1Char('\t'));
  const QRect textRect(r.left() + kIconColumn + kTextGap, r.top(),
                       r.width() - kIconColumn - kTextGap - kArrowColumn, r.height());
  constexpr int flags = Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine | Qt::TextDontClip;
  painter->setFont(item->font);
  painter->setPen(textColour);
  painter->drawText(textRect, flags | Qt::AlignLeft, tab < 0 ? all : all.left(tab));
  if (tab >= 0) painter->drawText(textRect, flags | Qt::AlignRight, all.mid(tab + 1));

  if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
    const QPointF tip(r.right() - kArrowColumn / 2.0 + 2.5, r.center().y() + 0.5);
    QPainterPath arrow;
    arrow.moveTo(tip.x() - 4, tip.y() - 4);
    arrow.lineTo(tip);
    arrow.lineTo(tip.x() - 4, tip.y() + 4);
    arrow.closeSubpath();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(textColour);
    painter->drawPath(arrow);
  }
  painter->restore();
}

int MenuLookStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  switch (metric) {
    case PM_MenuPanelWidth: return kind_ == MenuLookKind::Raised ? 2 : 1;
    case PM_MenuHMargin: return 0;
    case PM_MenuVMargin: return kind_ == MenuLookKind::Flat ? 1 : 2;
    default: return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

QSize MenuLookStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contentsSize,
                                      const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (type != CT_MenuItem || !item) return QProxyStyle::sizeFromContents(type, option, contentsSize, widget);
  if (item->menuItemType == QStyleOptionMenuItem::Separator) {
    return {kIconColumn + kTextGap, kind_ == MenuLookKind::Flat ? 5 : 7};
  }
  int width = kIconColumn + kTextGap + contentsSize.width() + kArrowColumn;
  if (item->text.contains(QLatin1Char('\t'))) width += kShortcutGap;
  const int height = std::max(contentsSize.height(), kIconSize) + kItemPadding;
  return {width, height};
}

}  // namespace orlevant
