#pragma once
// The main window's menu images, drawn here rather than read from files: one small picture for
// each key an item's caption can name.

#include <QIconEngine>
#include <QPixmap>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "platform/qt/menu_styler.h"

namespace orlevant {

// The keys of imlMenu, in the list's order.
inline constexpr std::array<std::string_view, 31> kMenuIconKeys = {
    "Calendar", "Edit",    "ClearAll", "Reminder", "Prefs",    "Print", "Tips",   "Exit",
    "On",       "Off",     "OnCheck",  "OffCheck", "Days",     "Hours", "Mins",   "ToTray",
    "ToDesktop", "Today",  "Month",    "Year",     "FirstDay", "Small", "Medium", "Large",
    "Expand",   "One",     "Two",      "Three",    "Ten",      "Twenty", "Thirty"};

// The picture under `key` at `size` x `size` pixels; a transparent square for a key not listed.
QPixmap DrawMenuIcon(std::string_view key, int size);
// How many pictures DrawMenuIcon has drawn in this run.
int MenuIconsDrawn();

// A menu image that is drawn the first time it is shown, at the size it is shown at, and kept: a
// menu that is never opened costs nothing, one opened again costs nothing more. Copies of the icon
// share what was drawn.
class DrawnMenuIcon final : public QIconEngine {
 public:
  explicit DrawnMenuIcon(std::string_view key);

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
  QIconEngine* clone() const override { return new DrawnMenuIcon(*this); }
  QString key() const override { return QStringLiteral("DrawnMenuIcon"); }

 private:
  using Cache = std::map<std::pair<int, QIcon::Mode>, QPixmap>;
  QPixmap Drawn(int side, QIcon::Mode mode) const;

  std::string key_;
  std::shared_ptr<Cache> cache_;
};

// The 31 images under their keys; each is drawn only when first shown.
MenuImageList BuildMenuImageList();

}  // namespace orlevant
