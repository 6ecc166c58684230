#include "core/calendar_date.h"

#include <cstdio>

namespace orlevant {

using namespace std::chrono;

Date DateSerial(int year, int month, int day) {
  // Normalise the month first (it may be 0, negative or above 12), then count days from day 1.
  const int m0 = month - 1;
  const int yearShift = m0 >= 0 ? m0 / 12 : -((11 - m0) / 12);
  const int m = m0 - yearShift * 12 + 1;
  const year_month_day first{std::chrono::year{year + yearShift}, std::chrono::month{static_cast<unsigned>(m)},
                             std::chrono::day{1}};
  return sys_days{first} + days{day - 1};
}

int YearOf(Date d) { return static_cast<int>(year_month_day{d}.year()); }
int MonthOf(Date d) { return static_cast<int>(static_cast<unsigned>(year_month_day{d}.month())); }
int DayOf(Date d) { return static_cast<int>(static_cast<unsigned>(year_month_day{d}.day())); }

int WeekdayOf(Date d) { return static_cast<int>(weekday{d}.c_encoding()) + 1; }

int DaysInMonthOf(int y, int m) {
  const year_month_day_last last{std::chrono::year{y}, month_day_last{std::chrono::month{static_cast<unsigned>(m)}}};
  return static_cast<int>(static_cast<unsigned>(last.day()));
}

std::string FormatDayMonthYear(Date d) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", DayOf(d), MonthOf(d), YearOf(d));
  return buf;
}

std::string FormatMonthYear(int year, int month) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d/%04d", month, year);
  return buf;
}

}  // namespace orlevant
