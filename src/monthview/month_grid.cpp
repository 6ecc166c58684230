// The 42 day boxes of the shown month: numbers, colours of each box's role, today, the month keys
// that events are matched against, and the window's height for four, five or six rows.

#include <string>

#include "core/calendar_date.h"
#include "core/events_file.h"
#include "core/settings.h"
#include "monthview/month_layout_rules.h"
#include "monthview/month_view.h"

namespace orlevant {

namespace {

// Leading and trailing boxes belong to the neighbouring months: greyed out, and never given events.
void LookNotUsed(LabelState& day, LabelState& data, const Settings& s) {
  day.Opaque = true;
  day.Enabled = false;
  day.BackColor = s.BackGroundNotUsed;
  day.ForeColor = s.ForeGroundDay;
  data.Caption = "\r\n";
  data.Opaque = true;
  data.Enabled = false;
  data.BackColor = s.BackGroundNotUsed;
  data.ForeColor = s.ForeGroundData;
}

void LookDay(LabelState& day, LabelState& data, const Settings& s) {
  day.Opaque = true;
  day.Enabled = true;
  day.BackColor = s.BackGroundDay;
  day.ForeColor = s.ForeGroundDay;
  data.Caption.clear();
  data.Opaque = true;
  data.Enabled = true;
  data.BackColor = s.BackGroundData;
  data.ForeColor = s.ForeGroundData;
}

}  // namespace

void MonthView::FillMonthGrid(Date shownDate, const Settings& settings, const EventLines& records,
                              int eventCount) {
  const int year = YearOf(shownDate);
  const int month = MonthOf(shownDate);

  // The grid is always made with the first weekday the settings hold; a value from outside 1..7
  // (a hand-edited store) is brought back into the week.
  FirstDay = ((settings.FirstDay - 1) % 7 + 7) % 7 + 1;
  MonthStartWeekday = WeekdayOf(DateSerial(year, month, 1));
  GridOffset = MonthStartWeekday - FirstDay;
  if (GridOffset < 0) GridOffset += 7;
  DaysInMonth = DaysInMonthOf(year, month);
  const int previousMonthDays = DayOf(DateSerial(year, month, 0));

  // Built from numbers and a literal "/", so events match whatever the locale's date separator.
  MonthKey = FormatMonthYear(year, month);
  YearlyMonthKey = MonthKey.substr(0, 3) + "9999";

  const bool currentMonth = ShowsCurrentMonth();
  int trailing = 0;
  for (int i = 0; i < kDayBoxCount; ++i) {
    LabelState& day = lblDay[i];
    LabelState& data = lblData[i];
    imgRemind[i].Visible = false;
    BoxLines[i].clear();
    placedCount_[i] = 0;
    cellText_[i].reset();
    day.ToolTipText.clear();
    data.ToolTipText.clear();
    if (i < GridOffset) {
      day.Caption = std::to_string(previousMonthDays - GridOffset + 1 + i);
      LookNotUsed(day, data, settings);
    } else if (i - GridOffset >= DaysInMonth) {
      day.Caption = std::to_string(++trailing);
      LookNotUsed(day, data, settings);
    } else {
      const int n = i - GridOffset + 1;
      day.Caption = std::to_string(n);
      LookDay(day, data, settings);
      if (currentMonth && n == CurrentDay) {
        day.BackColor = settings.BackGroundToday;
        data.BackColor = settings.BackGroundToday;
      }
    }
  }
  TrailingCells = trailing;

  // ExpandedWidth/ExpandedHeight always describe the expanded calendar of this month; a collapsed
  // window keeps its title-strip size until it is expanded.
  ExpandedHeight = FullHeight - RowsCutFor(TrailingCells) * lblData[0].Geometry.Height;
  ExpandedWidth = FullWidth;
  if (!CompactMode) WindowHeight = ExpandedHeight;

  PlaceMonthEvents(settings, records, eventCount);
}

void MonthView::FillMonthGrid(Date shownDate, const Settings& settings, const EventStore& events) {
  FillMonthGrid(shownDate, settings, events.EventRecords, events.EventCount);
}

void MonthView::ShowRemindersOnOff(const Settings& settings) {
  const int picture = settings.Reminders == 1 ? kReminderOnPicture : kReminderOffPicture;
  for (ImageState& icon : imgRemind) icon.Picture = picture;
}

}  // namespace orlevant
