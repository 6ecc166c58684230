#pragma once
// Dates and times in the locale's own forms, as the C library states them for each locale
// ("%m/%d/%Y" and "%r" in the United States, "%d.%m.%Y" and "%T" in Germany), written with the names
// and the AM and PM words of a LocaleNames table.
//
// The notation: %d %m %y %Y %C (day, month, two- and four-digit year, century), %e (day padded with a
// blank), %H %I (24- and 12-hour hour), %k %l (the same padded with a blank), %M %S, %p %P (AM/PM in
// the locale's case and in lower case), %a %A %b %h %B (names), %D %F %R %T %r %x %X (the compound
// forms, %r, %x and %X as the locale gives them), %n %t %%. A "-" after the "%" drops the padding,
// "_" pads with blanks, "0" with zeros; the E and O modifiers are read as the plain conversion. %Z and
// %z write nothing (a DateTime carries no time zone); anything else stands for itself.

#include <string>
#include <string_view>

#include "core/clock.h"
#include "platform/date_format.h"

namespace orlevant {

std::string FormatLocaleForm(const DateTime& when, std::string_view form, const LocaleNames& names);

// The locale's general date-and-time form: its short date, a blank and its time; with `withDate`
// false, the time alone.
std::string FormatGeneralDate(const DateTime& when, bool withDate, const LocaleNames& names);

}  // namespace orlevant
