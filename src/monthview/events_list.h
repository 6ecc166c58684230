#pragma once
// The printed list of the shown month's events: one line per day that has events, in day order,
// read from the day boxes as the month view filled them.

#include <string>
#include <vector>

#include "monthview/month_view.h"

namespace orlevant {

inline constexpr const char* kEventsListHeading = "Events List:";
inline constexpr const char* kEventsListDatePattern = "ddd - mmm. d";

// The lines under the heading: the day as "ddd - mmm. d" followed by the box's text (DayCellText)
// with every line break turned into " - ", so a day with a newer event Dentist (with a reminder)
// and an older one Meeting reads "Mon - Jan. 5 - .Dentist - Meeting". Days without events give no
// line. The names come from month.FormatDateText, or the system locale when it is empty.
std::vector<std::string> EventsListLines(const MonthView& month);

}  // namespace orlevant
