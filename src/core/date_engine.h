#pragma once
// Recurrence arithmetic over the date field of an event line (its columns 1-10): the day of the n-th
// weekday of a month, the next occurrence on or after today, days from today, and the short sortable
// text that describes an event's date in lists.
//
// Digits: ordinal 8 First, 7 Second, 6 Third, 5 Fourth, 4 Last; weekday 1 Sunday .. 7 Saturday.
// A digit outside those ranges selects no day: the functions give 0 (a day) or kZeroDate (a date).
// A weekly head that is neither "99" nor one of the 20 week combinations selects no day either.
//
// Everything here is stateless and cheap: the reminder list and the events overview call these
// functions once for each of up to 32000 lines.

#include <string>
#include <string_view>

#include "core/calendar_date.h"

namespace orlevant {

// What the month grid knows about the month it shows.
struct MonthShape {
  int FirstDay = 1;           // weekday of the grid's first column
  int MonthStartWeekday = 1;  // weekday of day 1
  int GridOffset = 0;         // grid cell of day 1, 0..6
  int DaysInMonth = 31;
};

// The shape of the month holding anyDay when the grid's rows start with firstDay (1 = Sunday).
MonthShape MonthShapeOf(Date anyDay, int firstDay);

// Day of the shown month that is the o-th weekday w; 0 when o or w is no known digit.
// nthWeekRow (when given) receives the number of grid rows between that day and the day
// c0 = w + 1 - FirstDay - GridOffset (the day the first row shows for w, less 7 when w comes before
// FirstDay), plus 1 for Last: the entry dialog's week-of-month test reads it. 0 for an unknown digit.
int NthWeekdayInShownMonth(const MonthShape& shown, int ordinal, int weekday, int* nthWeekRow = nullptr);

// Day of the month of inMonth that is the o-th weekday w; 0 for an unknown digit.
int NthWeekdayOfMonth(Date inMonth, int ordinal, int weekday);

// The date of a one-off event (code below "4000", read as the year); kZeroDate when the field is no
// one-off or names a day no calendar has.
Date OneOffDateOf(std::string_view dateField);

// Whole days from the system's current date (AppClock) to d; negative for the past.
int DaysFromToday(Date d);

// The sortable text of a date field: "2026/12/05", "Yearly/12/05", "Quarterly/12/FirstMon",
// "Monthly/05", "Monthly/LastFri", "Weekly/Mondays(All)", "Weekly/Mondays(1,3)"; empty for a code
// no reader knows.
std::string DescribeEventDate(std::string_view dateField);
// "First" .. "Last" for "8" .. "4"; empty otherwise.
std::string_view OrdinalName(std::string_view digit);
// "(1,2)" .. "(4,L)" for the 20 combination codes; empty otherwise.
std::string_view WeekListText(std::string_view combinationCode);
// "Sunday" .. "Saturday" for "1" .. "7"; empty otherwise.
std::string_view WeekdayNameFromCode(std::string_view digit);

// Next occurrence on or after today (one-off: its own date, even in the past): the first day on or
// after today on which the month grid shows the event. kZeroDate when the line belongs to no day.
// The first form takes today from AppClock.
Date NextOccurrence(std::string_view dateField);
Date NextOccurrence(std::string_view dateField, Date today);

// The first of the listed weeks (combination digits d1 d2, weekday from the tail's second digit)
// whose day in the month of inMonth is not before placeDay; if none is, the day of the last listed
// week. 0 for a combination or weekday no reader knows.
int NextListedWeekday(Date inMonth, int digit1, int digit2, std::string_view tail, int placeDay);

}  // namespace orlevant
