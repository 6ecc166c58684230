#pragma once
// The screen as it is at the time of asking. A dialog opened from the tray or a hidden calendar has
// no parent on the screen to sit over, so it opens in the middle of the screen; the frame counts:
// the title bar is part of what the user sees. The main window's fixed places are worked out on
// the part of the screen that its panels leave free, read again for every placement, since a panel
// may come, go or move while the program runs.

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <optional>

namespace orlevant {

// In pixels: the whole screen, and the part of it that its panels leave free.
struct ScreenArea {
  QRect screen;
  QRect free;
};

inline std::optional<ScreenArea> PrimaryScreenArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return std::nullopt;
  return ScreenArea{screen->geometry(), screen->availableGeometry()};
}

inline void CentreOnScreen(QWidget& window) {
  const std::optional<ScreenArea> area = PrimaryScreenArea();
  if (!area) return;
  QRect frame = window.frameGeometry();
  frame.moveCenter(area->screen.center());
  window.move(frame.topLeft());
}

}  // namespace orlevant
