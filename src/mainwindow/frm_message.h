#pragma once
// The event pop-up: a small frameless window beside the main window that tells about the day under
// the mouse: its date, its events and how far it lies from today, with a ball that is green while
// reminders are on and red while they are off. It never takes the keyboard from the main window;
// a key released while it has it all the same is handed to the main window.

#include <QPoint>
#include <QWidget>

#include <functional>
#include <string>

class QLabel;

namespace orlevant {

class frmMessage : public QWidget {
  Q_OBJECT

 public:
  using KeyUpHandler = std::function<void(int KeyCode, int Shift)>;
  // The pointer moved over the pop-up, at this place on the screen.
  using PointerHandler = std::function<void(QPoint globalPos)>;

  // `remindersOn` chooses the ball's picture for the life of the window; `keyUp` receives the key
  // releases, `pointerMoved` the mouse moves over it.
  frmMessage(bool remindersOn, KeyUpHandler keyUp, PointerHandler pointerMoved, QWidget* parent = nullptr);

  // The texts; the message may hold several lines.
  // maxHeightTwips: the screen's height; the window grows no taller.
  void Fill(const std::string& date, const std::string& message, const std::string& future, bool ball,
            int maxHeightTwips);
  // Moves the window to (left, top) twips and shows it without taking the keyboard.
  void ShowAt(int left, int top);
  // Size in twips, grown from the designed size when a text needs more room.
  int WidthTwips() const { return widthTwips_; }
  int HeightTwips() const { return heightTwips_; }

  QLabel* lblTitle = nullptr;
  QLabel* lblDate = nullptr;
  QLabel* lblMessage = nullptr;
  QLabel* lblFuture = nullptr;
  QLabel* imgBall = nullptr;
  // The ball's picture: 1 green, 2 red.
  int BallPicture() const { return ballPicture_; }

 protected:
  void keyReleaseEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Form_Load(bool remindersOn);
  void Form_KeyUp(int KeyCode, int Shift);

  KeyUpHandler keyUp_;
  PointerHandler pointerMoved_;
  int ballPicture_ = 1;
  int widthTwips_ = 0;
  int heightTwips_ = 0;
};

}  // namespace orlevant
