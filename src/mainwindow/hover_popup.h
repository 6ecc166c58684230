#pragma once
// What the two hover pop-ups of the month window share: a small frameless window that stays above
// the main window, never takes the keyboard from it and is placed by the program, drawn as a pale
// card with a thin frame. The reminder pop-up lies over the boxes next to its own: the pointer
// moving on over it is handed to the calendar as a move over the box beneath, so the pop-up
// still closes at its box's edge.

#include <QWidget>

#include <string_view>

class QLabel;
class QKeyEvent;

namespace orlevant {

// Makes `popup` such a window.
void MakeHoverPopup(QWidget& popup);
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
// Draws the thin frame around the pop-up.
void PaintPopupFrame(QWidget& popup);
// Places the pop-up's window at (left, top) twips, `width` x `height` twips, and shows it.
void ShowPopupAt(QWidget& popup, int left, int top, int width, int height);

}  // namespace orlevant
