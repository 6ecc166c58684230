#pragma once
// Small helpers shared by the month view tests: event lines built from their parts, a clock that
// stands at a chosen moment for one test, and the usual "show this month" sequence.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar_date.h"
#include "core/settings.h"
#include "monthview/month_view.h"
#include "platform/date_format.h"
#include "support/scoped_clock.h"

namespace orlevant::testing {

// "dd/mm/" & code & reminder & "=" & text.
inline std::string MakeLine(int day, int month, std::string_view code, std::string_view text,
                            std::string_view reminder = "000000") {
  char head[8];
  std::snprintf(head, sizeof head, "%02d/%02d/", day, month);
  std::string line(head);
  line.append(code).append(reminder).append("=").append(text);
  return line;
}

// EventRecords as the store keeps them: element 0 unused, then the lines.
inline EventLines Records(std::vector<std::string> lines) {
  lines.insert(lines.begin(), std::string());
  return EventLines(lines);
}

// A model whose title uses fixed English names, laid out Medium, standing at `today`.
inline MonthView MakeView(Date today) {
  MonthView view;
  view.FormatDateText = [](const DateTime& when, std::string_view pattern) {
    return FormatDate(when, pattern, EnglishLocaleNames());
  };
  view.SetToday(today);
  return view;
}

// The redraw sequence for the month of `shown`.
inline void ShowMonth(MonthView& view, Date shown, Settings& settings, const EventLines& records) {
  view.ShowMonthTitle(shown, settings);
  view.ShowWeekdayHeadings(0, settings);
  view.FillMonthGrid(shown, settings, records, static_cast<int>(records.size()) - 1);
}

}  // namespace orlevant::testing
