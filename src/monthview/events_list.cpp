#include "monthview/events_list.h"

#include <string_view>

namespace orlevant {

namespace {

// Line breaks of the box's text (CR LF, and a lone CR or LF should one ever get there) as " - ".
std::string JoinedLines(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      out += " - ";
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

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
    line += JoinedLines(text);
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace orlevant
