#pragma once
// The reminder pop-up: a small frameless window beside a day box that lists the day's events that
// have a reminder, each with how often it reminds. It grows wider for a long event text and taller
// for many events. Like the event pop-up it leaves the keyboard to the main window and hands on a
// key released while it has it.

#include <QPoint>
#include <QWidget>

#include <functional>
#include <string>

class QLabel;

namespace orlevant {

class frmReminderPop : public QWidget {
  Q_OBJECT

 public:
  using KeyUpHandler = std::function<void(int KeyCode, int Shift)>;
  // The pointer moved over the pop-up, at this place on the screen.
  using PointerHandler = std::function<void(QPoint globalPos)>;

  frmReminderPop(KeyUpHandler keyUp, PointerHandler pointerMoved, QWidget* parent = nullptr);

  // The texts; the message's width in twips is the window's width.
  // maxHeightTwips: the screen's height; the window grows no taller.
  void Fill(const std::string& date, const std::string& message, int widthTwips, int maxHeightTwips);
  // Moves the window to (left, top) twips and shows it without taking the keyboard.
  void ShowAt(int left, int top);
  int WidthTwips() const { return widthTwips_; }
  int HeightTwips() const { return heightTwips_; }

  QLabel* lblTitle = nullptr;
  QLabel* lblDate = nullptr;
  QLabel* lblMessage = nullptr;

 protected:
  void keyReleaseEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Form_KeyUp(int KeyCode, int Shift);

  KeyUpHandler keyUp_;
  PointerHandler pointerMoved_;
  int widthTwips_ = 0;
  int heightTwips_ = 0;
};

}  // namespace orlevant
