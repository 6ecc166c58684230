#pragma once
// A fixed German names table, with the forms of the German locale, so that no test depends on which
// system locales are installed.

#include "platform/date_format.h"

namespace orlevant::testing {

inline const LocaleNames& GermanNames() {
  static const LocaleNames names{
      {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober", "November",
       "Dezember"},
      {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"},
      {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"},
      {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"},
      "%d.%m.%Y",
      "%T",
      "",
      "",
      "",
  };
  return names;
}

}  // namespace orlevant::testing
