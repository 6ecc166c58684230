#include "monthview/day_popups.h"

#include <algorithm>

#include "core/event_line.h"
#include "core/reminder_code.h"
#include "core/rounding.h"
#include "core/text_encoding.h"

namespace orlevant {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

std::string FormatBoxDate(const MonthView& m, Date d) {
  const DateTime when{d};
  return m.FormatDateAs(when, kPopupDatePattern);
}

int LongestLine(std::string_view text) {
  int longest = 0;
  while (true) {
    const std::size_t end = text.find(kLineBreak);
    longest = std::max(longest, CharacterCount(text.substr(0, end)));
    if (end == std::string_view::npos) return longest;
    text.remove_prefix(end + kLineBreak.size());
  }
}

bool InBox(int box) { return box >= 0 && box < kDayBoxCount; }

}  // namespace

Date DateOfBox(const MonthView& m, int box) {
  return DateSerial(YearOf(m.ShownMonthDate), MonthOf(m.ShownMonthDate), m.DayNumberShownIn(box));
}

int EventInfoMargin(int boxStyle) { return boxStyle == 0 ? 30 : 100; }

std::optional<EventInfo> EventInfoFor(const MonthView& m, int boxStyle, int box, double x, double y) {
  if (!InBox(box)) return std::nullopt;
  const int margin = EventInfoMargin(boxStyle);
  const TwipRect& first = m.lblData[0].Geometry;
  const int right = first.Width - margin;
  const int bottom = first.Height - margin;
  const std::string& caption = m.DayCellText(box);
  if (caption.empty() || x < margin || x > right || y < margin || y > bottom) return std::nullopt;

  EventInfo info;
  const Date d = DateOfBox(m, box);
  info.DateText = FormatBoxDate(m, d);
  info.Message = caption.starts_with(kLineBreak) ? caption.substr(kLineBreak.size()) : caption;
  info.Future = OccursText(DaysBetween(m.Today, d));
  info.Ball = m.imgRemind[static_cast<std::size_t>(box)].Visible;
  return info;
}

std::string OccursText(int daysFromToday) {
  if (daysFromToday == 0) return "Occurs Today!";
  const int n = daysFromToday < 0 ? -daysFromToday : daysFromToday;
  const char* unit = n == 1 ? " day " : " days ";
  return daysFromToday < 0 ? "Occurred " + std::to_string(n) + unit + "in the past."
                           : "Occurs " + std::to_string(n) + unit + "in the future.";
}

PopupPlace PlaceEventInfo(const TwipRect& window, int popupWidth, int popupHeight, int screenWidth) {
  PopupPlace place;
  place.Left = window.Left + window.Width;
  if (place.Left + popupWidth > screenWidth) place.Left = window.Left - popupWidth;
  place.Top = window.Top + RoundHalfToEven((window.Height - popupHeight) / 2.0);
  return place;
}

bool InsideReminderIcon(double x, double y) { return x >= 5 && x <= 55 && y >= 5 && y <= 55; }

std::optional<ReminderInfo> ReminderInfoFor(const MonthView& m, const EventLines& records, int box,
                                            double x, double y, int presentWidth) {
  if (!InBox(box)) return std::nullopt;
  if (m.lblDay[static_cast<std::size_t>(box)].Caption.empty() || !InsideReminderIcon(x, y)) return std::nullopt;

  ReminderInfo info;
  info.DateText = FormatBoxDate(m, DateOfBox(m, box));
  const int present = RoundHalfToEven(presentWidth / static_cast<double>(kTwipsPerCharacter));
  int characters = present;
  // Looked up by line, not searched: a busy day lists thousands of events.
  std::vector<bool> listed(records.size());
  for (const int index : m.BoxLines[static_cast<std::size_t>(box)]) {
    if (index <= 0 || index >= static_cast<int>(records.size())) continue;
    const auto at = static_cast<std::size_t>(index);
    const std::string_view line = records[at];
    if (!HasReminder(line)) continue;
    // An event that falls on the day twice (its fourth and last weekday) is one event.
    if (listed[at]) continue;
    listed[at] = true;
    const std::string text = TildesToLineBreaks(TextField(line));
    info.Message += text;
    info.Message += kLineBreak;
    info.Message += "     Every: ";
    info.Message += ReminderIntervalText(ReminderField(line));
    info.Message += kLineBreak;
    characters = std::max(characters, LongestLine(text));
  }
  // A longer text wraps within the screen's width: one pasted word of megabytes would otherwise ask
  // for a window millions of pixels wide.
  info.Width = std::min(characters, std::max(present, m.ScreenWidth / kTwipsPerCharacter)) * kTwipsPerCharacter;
  return info;
}

PopupPlace PlaceReminderInfo(const MonthView& m, int box, int windowLeft, int windowTop, int popupWidth,
                             int popupHeight) {
  const TwipRect& day = m.lblDay.at(static_cast<std::size_t>(box)).Geometry;
  const int dayWidth = m.lblDay[0].Geometry.Width;
  PopupPlace place{day.Left + windowLeft + dayWidth, day.Top + windowTop};
  if (place.Left + popupWidth > m.ScreenWidth) place.Left = place.Left - popupWidth - dayWidth;
  if (place.Top + popupHeight > m.ScreenHeight) place.Top = place.Top - popupHeight;
  return place;
}

PopupPlace KeepOnScreen(PopupPlace place, int width, int height, const TwipRect& screen) {
  place.Left = std::min(place.Left, screen.Left + screen.Width - width);
  place.Top = std::min(place.Top, screen.Top + screen.Height - height);
  place.Left = std::max(place.Left, screen.Left);
  place.Top = std::max(place.Top, screen.Top);
  return place;
}

}  // namespace orlevant
