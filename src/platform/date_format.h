#pragma once
// Dates and times as text in the user's patterns ("dddd - mmmm d, yyyy", "h:mm AM/PM", "dd/mm/yyyy").
//
// The pattern language: d, dd (day), ddd, dddd (short and full weekday name), m, mm (month),
// mmm, mmmm (short and full month name), y (day of the year), yy, yyyy (year), h, hh (hour),
// n, nn (minutes), s, ss (seconds), AM/PM (AM or PM; its presence makes h a 12-hour clock, 1..12).
// An m or mm right after an hour (a ":" may stand between) or right before seconds means minutes.
// Letters match in either case; every other character, "/" and ":" included, stands for itself, so
// "dd/mm/yyyy" gives the same text in every locale.

#include <array>
#include <string>
#include <string_view>

#include "core/clock.h"

namespace orlevant {

// Month and weekday names in UTF-8; weekdays Sunday first.
struct LocaleNames {
  std::array<std::string, 12> months;
  std::array<std::string, 12> shortMonths;
  std::array<std::string, 7> weekdays;
  std::array<std::string, 7> shortWeekdays;
  // The locale's own forms, in the C library's notation (see locale_forms.h): its short date
  // ("%m/%d/%Y", "%d.%m.%Y"), its time ("%r", "%T"), the 12-hour time that "%r" stands for, and
  // its words for AM and PM (empty where the locale has none).
  std::string dateForm;
  std::string timeForm;
  std::string amPmTimeForm;
  std::string am;
  std::string pm;

  friend bool operator==(const LocaleNames&, const LocaleNames&) = default;
};

// "January", "Jan", "Sunday", "Sun" ..., with the forms of the C library's own "C" locale.
const LocaleNames& EnglishLocaleNames();

// The names of the time locale the environment chooses now (LC_ALL, LC_TIME, LANG), converted to
// UTF-8; English when that locale is not installed or its names cannot be read.
LocaleNames ReadLocaleNames();

// ReadLocaleNames() as it was on the first call; the locale of a running program does not change.
// While names are installed with SetAppLocaleNames, those.
const LocaleNames& SystemLocaleNames();
// Installs the names of a locale for the whole program in place of the system's, so that tests can
// stand in any locale; nullptr goes back to the system's. The caller keeps ownership and must keep
// them alive while installed.
void SetAppLocaleNames(const LocaleNames* names);

std::string FormatDate(const DateTime& when, std::string_view pattern, const LocaleNames& names);
// With the system locale's names.
std::string FormatDate(const DateTime& when, std::string_view pattern);

}  // namespace orlevant
