#pragma once
// A dialog opened from the tray or a hidden calendar has no parent on the screen to sit over, so it
// opens in the middle of the screen. The frame counts: the title bar is part of what the user sees.

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace orlevant {

inline void CentreOnScreen(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = window.frameGeometry();
  frame.moveCenter(screen->geometry().center());
  window.move(frame.topLeft());
}

}  // namespace orlevant
