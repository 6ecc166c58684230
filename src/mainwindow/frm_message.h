#pragma once
// The event pop-up: a small frameless window beside the main window that tells about the day under
// the mouse: its date, its events and how far it lies from today, with a ball that is green while
// reminders are on and red while they are off. It never takes the keyboard from the main window;
// a key released while it has it all the same is handed to the main window.

#include <string>

#include "mainwindow/hover_popup.h"

class QLabel;

namespace orlevant {

class frmMessage : public HoverPopup {
  Q_OBJECT

 public:
  // `remindersOn` chooses the ball's picture for the life of the window; `keyUp` receives the key
  // releases, `pointerMoved` the mouse moves over it.
  frmMessage(bool remindersOn, KeyUpHandler keyUp, PointerHandler pointerMoved, QWidget* parent = nullptr);

  // The texts; the message may hold several lines. The window grows from its designed size when
  // a text needs more room.
  // maxHeightTwips: the screen's height; the window grows no taller.
  void Fill(const std::string& date, const std::string& message, const std::string& future, bool ball,
            int maxHeightTwips);

  QLabel* lblFuture = nullptr;
  QLabel* imgBall = nullptr;
  // The ball's picture: 1 green, 2 red.
  int BallPicture() const { return ballPicture_; }

 private:
  void Form_Load(bool remindersOn);

  int ballPicture_ = 1;
};

}  // namespace orlevant
