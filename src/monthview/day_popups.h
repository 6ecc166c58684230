#pragma once
// What the two small windows that open while the mouse rests on a day box say, and where they
// stand: the event pop-up beside the main window, over a box's events, and the reminder pop-up
// beside the box, over its reminder icon. All in twips, read from the month model; the windows
// themselves only show the result.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar_date.h"
#include "monthview/month_view.h"

namespace orlevant {

struct Settings;

// Designed client sizes of the two pop-ups.
inline constexpr int kEventPopupWidth = 2256;
inline constexpr int kEventPopupHeight = 1980;
inline constexpr int kReminderPopupWidth = 3384;
inline constexpr int kReminderPopupHeight = 2244;
// The width one character of an event text is given in the reminder pop-up.
inline constexpr int kTwipsPerCharacter = 85;

inline constexpr std::string_view kEventPopupTitle = "Event Information...";
inline constexpr std::string_view kReminderPopupTitle = "Reminder Information...";
// How the day is written at the top of both pop-ups.
inline constexpr std::string_view kPopupDatePattern = "ddd. - mmm. d, yyyy";

struct PopupPlace {
  int Left = 0;
  int Top = 0;
  friend bool operator==(const PopupPlace&, const PopupPlace&) = default;
};

// The day of box `box`: the shown month and year, and the number the box shows.
Date DateOfBox(const MonthView& m, int box);

// ---------------------------------------------------------------- the event pop-up

// How far from a box's edges the pointer must stay: 30 in the Small calendar, 100 otherwise.
int EventInfoMargin(int boxStyle);

struct EventInfo {
  std::string DateText;  // the day, kPopupDatePattern
  std::string Message;   // the day's events, one per line, as the box lists them
  std::string Future;    // "Occurs ...", "Occurred ..."
  bool Ball = false;     // the status ball: one of the day's events has a reminder
};

// The event pop-up for the pointer at (x, y) inside box `box` (twips); nothing when the box has
// no events or the pointer is within the margin of its edges (the first box's size stands for
// every box), and the pop-up is to close.
std::optional<EventInfo> EventInfoFor(const MonthView& m, int boxStyle, int box, double x, double y);

// "Occurs Today!", "Occurs 1 day in the future.", "Occurred 2 days in the past.".
std::string OccursText(int daysFromToday);

// Right of the main window, or left of it where the screen ends first; centred on it from top to
// bottom. `window` is the main window's place and size.
PopupPlace PlaceEventInfo(const TwipRect& window, int popupWidth, int popupHeight, int screenWidth);

// ---------------------------------------------------------------- the reminder pop-up

// The pointer is within 5..55 twips of the icon's top-left corner on both axes.
bool InsideReminderIcon(double x, double y);

struct ReminderInfo {
  std::string DateText;
  // Each of the day's events with a reminder, once, in the box's order: its text, a line break,
  // "     Every: " and its interval, then a line break.
  std::string Message;
  // twips: a whole number of characters, never narrower than the pop-up was, nor wider than the
  // screen where it was not
  int Width = 0;
};

// The reminder pop-up for the pointer at (x, y) inside the icon of box `box`; nothing when the
// pointer is off the icon's middle and the pop-up is to close. `presentWidth` is the pop-up's
// width now. The events are the lines the month model placed in the box.
std::optional<ReminderInfo> ReminderInfoFor(const MonthView& m, const EventLines& records, int box,
                                            double x, double y, int presentWidth);

// At the box's right edge and top, moved left of the box and above it where the screen ends.
// `windowLeft`, `windowTop` are the main window's place.
PopupPlace PlaceReminderInfo(const MonthView& m, int box, int windowLeft, int windowTop, int popupWidth,
                             int popupHeight);

// ---------------------------------------------------------------- both

// The place moved the least distance that puts the whole pop-up on `screen`; a pop-up larger than
// the screen keeps its top-left corner on it.
PopupPlace KeepOnScreen(PopupPlace place, int width, int height, const TwipRect& screen);

}  // namespace orlevant
