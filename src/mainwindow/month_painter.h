#pragma once
// Draws the month model onto the main window's controls: the window's size and place, the title
// strip, the headings, the 42 day boxes, their reminder marks and the size menu's checks. The
// window keeps the rules of its states; this unit only turns the model into pixels.

#include <QPixmap>

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "core/twips.h"
#include "monthview/month_view.h"

namespace orlevant {

class frmMain;
struct MonthPixels;

// The day boxes' reminder mark (green while reminders are on, red while off) and the title's tips
// icon, drawn in code.
QPixmap ReminderPicture(int picture);
QPixmap TipsPicture(int size);

class MonthPainter {
 public:
  explicit MonthPainter(frmMain& window) : window_(window) {}

  // Everything, in the order the eye meets it.
  void DrawMonth(MonthView& m);
  // The window's size, and its place when the model asks for a new one (PositionMainWindow, a
  // collapse or expand, a drag). A window the desktop has moved (a drag with a modifier key, a
  // panel kept clear) otherwise stays where it is, and the model takes its real place.
  void DrawWindowGeometry(MonthView& m);
  void DrawTitle(const MonthView& m);
  void DrawReminderIcons(const MonthView& m);
  void DrawSizeChecks(const MonthView& m);

  // What a label was last given: the part of the model's caption it shows, and its tooltip text.
  struct ShownText {
    std::string caption;
    std::string toolTip;
  };

 private:
  // The month's pixel places, worked out once for all that a draw places.
  void DrawHeadings(const MonthView& m, const MonthPixels& px);
  void DrawBoxes(const MonthView& m, const MonthPixels& px);
  void DrawReminderIcons(const MonthView& m, const MonthPixels& px);

  struct Place {
    int left = 0;
    int top = 0;
    int placements = 0;
    friend bool operator==(const Place&, const Place&) = default;
  };

  frmMain& window_;
  std::array<ShownText, 42> shownText_{};     // the event-text labels
  std::array<ShownText, 42> shownDayText_{};  // the day-number labels
  // The model's place as last drawn; while the model still says the same, it asks for no move.
  std::optional<Place> drawnPlace_;
  // The title strip as last drawn.
  ShownText shownTitle_;
  std::optional<std::pair<LabelState, LabelState>> drawnArrows_;  // previous, next
  std::optional<ImageState> drawnTips_;
};

}  // namespace orlevant
