#pragma once
// What the two hover pop-ups of the month window share: a small frameless window that stays above
// the main window, never takes the keyboard from it and is placed by the program, drawn as a pale
// card with a thin frame. The reminder pop-up lies over the boxes next to its own: the pointer
// moving on over it is handed to the calendar as a move over the box beneath, so the pop-up
// still closes at its box's edge.

#include <QPoint>
#include <QWidget>

#include <functional>
#include <string_view>

class QLabel;

namespace orlevant {

// Such a window, with the title, date and message labels both pop-ups have. A key released while
// it has the keyboard all the same, and every move of the pointer over it, go to the handlers it
// was made with.
class HoverPopup : public QWidget {
  Q_OBJECT

 public:
  using KeyUpHandler = std::function<void(int KeyCode, int Shift)>;
  // The pointer moved over the pop-up, at this place on the screen.
  using PointerHandler = std::function<void(QPoint globalPos)>;

  // Moves the window to (left, top) twips and shows it without taking the keyboard.
  void ShowAt(int left, int top);
  // Size in twips: the designed size, then as the last Fill left it.
  int WidthTwips() const { return widthTwips_; }
  int HeightTwips() const { return heightTwips_; }

  QLabel* lblTitle = nullptr;
  QLabel* lblDate = nullptr;
  QLabel* lblMessage = nullptr;  // a DayTextLabel that wraps its lines

 protected:
  // `name` is the window's object name.
  HoverPopup(const char* name, KeyUpHandler keyUp, PointerHandler pointerMoved, QWidget* parent);

  void keyReleaseEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

  int widthTwips_ = 0;
  int heightTwips_ = 0;

 private:
  void Form_KeyUp(int KeyCode, int Shift);

  KeyUpHandler keyUp_;
  PointerHandler pointerMoved_;
};

// A label of a pop-up: plain text, since it shows the user's own texts. `label`, when given, is
// made such a label instead of a new one.
QLabel* NewPopupLabel(QWidget* parent, const char* name, bool bold = false, QLabel* label = nullptr);
// Gives a pop-up's event label (a DayTextLabel) `message` and returns the height in twips it takes:
// what its whole text needs, never less than `designHeight`, and never more than `roomHeight`. A
// day with more events than a screen can hold shows those that fit, cut at whole lines, and the
// window keeps its date and last line on the screen.
int FillMessageLabel(QLabel& label, std::string_view message, int designHeight, int roomHeight);
// The height in twips that `label` needs for its whole text at its present width, never less
// than `designHeight`.
int NeededHeightTwips(const QLabel& label, int designHeight);
// The width in twips that `label` needs to show its text on one line.
int NeededWidthTwips(const QLabel& label);
}  // namespace orlevant
