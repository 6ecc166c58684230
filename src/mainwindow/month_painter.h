#pragma once
// Draws the month model onto the main window's controls: the window's size and place, the title
// strip, the headings, the 42 day boxes, their reminder marks and the size menu's checks. The
// window keeps the rules of its states; this unit only turns the model into pixels.

#include <QPixmap>

#include "core/twips.h"

namespace orlevant {

class frmMain;
struct MonthView;

// The day boxes' reminder mark (green while reminders are on, red while off) and the title's tips
// icon, drawn in code.
QPixmap ReminderPicture(int picture);
QPixmap TipsPicture(int size);

class MonthPainter {
 public:
  explicit MonthPainter(frmMain& window) : window_(window) {}

  // Everything, in the order the eye meets it.
  void DrawMonth(const MonthView& m);
  void DrawWindowGeometry(const MonthView& m);
  void DrawTitle(const MonthView& m);
  void DrawHeadings(const MonthView& m);
  void DrawBoxes(const MonthView& m);
  void DrawReminderIcons(const MonthView& m);
  void DrawSizeChecks(const MonthView& m);

 private:
  frmMain& window_;
};

}  // namespace orlevant
