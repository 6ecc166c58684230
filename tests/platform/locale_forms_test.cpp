// The locale's own date and time forms, in the C library's notation, and the general date-and-time
// form made of them.

#include "platform/locale_forms.h"

#include <gtest/gtest.h>

#include "support/german_names.h"

namespace orlevant {
namespace {

using testing::GermanNames;

// The forms the C library gives the United States and Great Britain.
LocaleNames American() {
  LocaleNames names = EnglishLocaleNames();
  names.dateForm = "%m/%d/%Y";
  names.timeForm = "%r";
  return names;
}
LocaleNames British() {
  LocaleNames names = EnglishLocaleNames();
  names.dateForm = "%d/%m/%y";
  names.timeForm = "%T";
  names.amPmTimeForm = "%l:%M:%S %P %Z";
  names.am = "am";
  names.pm = "pm";
  return names;
}

// 14:07:09 on Saturday 5 December 2026, and 00:05:03 on Tuesday 12 May 2026.
const DateTime kAfternoon{DateSerial(2026, 12, 5), 14, 7, 9};
const DateTime kMidnight{DateSerial(2026, 5, 12), 0, 5, 3};

TEST(FormatLocaleForm, EveryConversion) {
  const LocaleNames american = American();
  const LocaleNames british = British();
  LocaleNames selfNamed = EnglishLocaleNames();
  selfNamed.timeForm = "%X";
  struct Case {
    const char* form;
    const LocaleNames* names;
    DateTime when;
    const char* text;
  };
  const Case cases[] = {
      {"%m/%d/%Y %r", &american, kAfternoon, "12/05/2026 02:07:09 PM"},
      {"%x %X", &american, kMidnight, "05/12/2026 12:05:03 AM"},
      {"%d.%m.%Y %T", &GermanNames(), kAfternoon, "05.12.2026 14:07:09"},
      {"%x %X", &british, kAfternoon, "05/12/26 14:07:09"},
      {"%r", &british, kAfternoon, " 2:07:09 pm "},  // no zone in a DateTime
      {"%I %l %p %P", &EnglishLocaleNames(), DateTime{kAfternoon.date, 12, 0, 0}, "12 12 PM pm"},
      {"%e|%k|%-d|%-I|%_m|%0e|%-S", &EnglishLocaleNames(), kAfternoon, " 5|14|5|2|12|05|9"},
      {"%a %A %b %h %B", &GermanNames(), kAfternoon, "Sa Samstag Dez Dez Dezember"},
      {"%C %y %Y %D %F %R", &EnglishLocaleNames(), kAfternoon, "20 26 2026 12/05/26 2026-12-05 14:07"},
      {"%Ex %OH:%OM", &american, kAfternoon, "12/05/2026 14:07"},
      {"%% a%nb%tc %Q %", &EnglishLocaleNames(), kAfternoon, "% a\nb\tc %Q %"},
      // A locale without a 12-hour form or AM and PM words still writes the hour.
      {"%r", &GermanNames(), kAfternoon, "02:07:09 "},
      {"[%X]", &selfNamed, kAfternoon, "[]"},
      {"", &american, kAfternoon, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatLocaleForm(c.when, c.form, *c.names), c.text) << c.form;
}

// The alert window's tests go through the American and German forms.
TEST(FormatGeneralDate, TheShortDateThenTheTimeOrTheTimeAlone) {
  const LocaleNames british = British();
  LocaleNames noDate = GermanNames();
  noDate.dateForm.clear();
  struct Case {
    const char* name;
    const LocaleNames* names;
    bool withDate;
    const char* text;
  };
  const Case cases[] = {
      {"Great Britain", &british, true, "05/12/26 14:07:09"},
      {"Great Britain, time", &british, false, "14:07:09"},
      {"C", &EnglishLocaleNames(), true, "12/05/26 14:07:09"},
      {"no date form", &noDate, true, "14:07:09"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatGeneralDate(kAfternoon, c.withDate, *c.names), c.text) << c.name;
}

}  // namespace
}  // namespace orlevant
