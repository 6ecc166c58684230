#pragma once
// Dates as values: a day is a std::chrono::sys_days. These helpers give the calendar arithmetic the
// rest of the program speaks in (weekday 1 = Sunday, a date built from parts that may roll over).

#include <chrono>
#include <string>

namespace orlevant {

using Date = std::chrono::sys_days;

// The "no date" value: what an event that belongs to no day reports as its next occurrence.
inline constexpr Date kZeroDate = Date{std::chrono::year{1899} / 12 / 30};

// Builds a date from year, month and day where the month and day may lie outside their range and
// roll over: day 0 is the last day of the previous month, month 13 is January of the next year.
Date DateSerial(int year, int month, int day);

int YearOf(Date d);
int MonthOf(Date d);
int DayOf(Date d);

// 1 = Sunday .. 7 = Saturday.
int WeekdayOf(Date d);

int DaysInMonthOf(int year, int month);

// Whole days from a to b (b later gives a positive number).
inline int DaysBetween(Date a, Date b) { return static_cast<int>((b - a).count()); }

// "dd/mm/yyyy" and "mm/yyyy" with zero-padded numbers and a literal "/", whatever the locale.
std::string FormatDayMonthYear(Date d);
std::string FormatMonthYear(int year, int month);

}  // namespace orlevant
