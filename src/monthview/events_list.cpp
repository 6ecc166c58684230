#include "monthview/events_list.h"

#include <string_view>

#include "core/event_line.h"
#include "core/shown_text.h"

namespace orlevant {

std::vector<std::string> EventsListLines(const MonthView& month) {
  const int year = YearOf(month.ShownMonthDate);
  const int monthNumber = MonthOf(month.ShownMonthDate);
  const int lastDay = DaysInMonthOf(year, monthNumber);
  std::vector<std::string> lines;
  for (int box = month.GridOffset; box < month.GridOffset + lastDay && box < kDayBoxCount; ++box) {
    if (box < 0) continue;
    const std::string& text = month.DayCellText(box);
    if (text.empty()) continue;
    const int day = month.DayNumberShownIn(box);
    // A box is numbered by the fill; one that is not (a model never filled) has no day to print.
    if (day < 1 || day > lastDay) continue;
    const DateTime when{DateSerial(year, monthNumber, day), 0, 0, 0};
    std::string line = month.FormatDateAs(when, kEventsListDatePattern);
    // The box's lines on one printed line, each event as much of it as a window shows: a pasted
    // word of megabytes would fill hundreds of pages.
    line += ReplaceLineBreaks(ShownLines(text), " - ");
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace orlevant
