#pragma once
// The drawing side of the menu styler: a style for QMenu that paints the panel, the frame and every
// item in one of the three looks, from the colours of a MenuLook. Everything else is left to the
// desktop's own style.

#include <QProxyStyle>

#include "platform/qt/menu_styler.h"

namespace orlevant {

class MenuLookStyle final : public QProxyStyle {
  Q_OBJECT

 public:
  // Geometry of an item, in pixels: the icon column on the left, the text after a gap, the column
  // for a submenu's arrow on the right, and the room kept between a text and its shortcut.
  static constexpr int kIconColumn = 24;
  static constexpr int kIconSize = 16;
  static constexpr int kTextGap = 6;
  static constexpr int kArrowColumn = 18;
  static constexpr int kShortcutGap = 24;
  static constexpr int kItemPadding = 6;
  // How far apart (in RGB) the highlighted item's colour and the menu's face are at the least.
  static constexpr double kClearlyDifferent = 90.0;

  MenuLookStyle(MenuLookKind kind, const MenuLook& look);

  MenuLookKind Kind() const { return kind_; }

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contentsSize,
                         const QWidget* widget = nullptr) const override;

 private:
  void MakeSelectionDistinct();
  void PaintPanel(QPainter* p, const QRect& menuRect, int frameWidth) const;
  void PaintFrame(QPainter* p, const QRect& menuRect) const;
  void PaintItemBackground(QPainter* p, const QRect& r) const;
  void PaintSelection(QPainter* p, const QRect& r) const;
  void PaintSeparator(QPainter* p, const QRect& r) const;
  void PaintCheck(QPainter* p, const QRect& box, bool hasIcon, bool exclusive, const QColor& mark) const;
  QColor TextColour(bool selected, bool enabled) const;

  MenuLookKind kind_;
  QColor face_;
  QColor column_;
  QColor border_;
  QColor light_;
  QColor dark_;
  QColor text_;
  QColor textSelected_;
  QColor selectFill_;  // the flat look's highlight
  QColor gradientFrom_;
  QColor gradientTo_;
  bool gradient_ = true;
  bool vertical_ = false;
  QColor top_;
  QColor middle_;
  QColor bottom_;
  // The highlight bar of the raised look: top, middle and bottom.
  QColor barTop_;
  QColor barMiddle_;
  QColor barBottom_;
};

}  // namespace orlevant
