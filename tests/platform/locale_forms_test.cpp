// The locale's own date and time forms, in the C library's notation. The general date-and-time form
// made of them is held by the alert window's test, in the American and the German forms.

#include "platform/locale_forms.h"

#include <gtest/gtest.h>

#include "support/german_names.h"

namespace orlevant {
namespace {

using testing::GermanNames;

TEST(FormatLocaleForm, EveryConversion) {
  // The forms the C library gives Great Britain.
  LocaleNames british = EnglishLocaleNames();
  british.dateForm = "%d/%m/%y";
  british.timeForm = "%T";
  british.amPmTimeForm = "%l:%M:%S %P %Z";
  british.am = "am";
  british.pm = "pm";
  LocaleNames selfNamed = EnglishLocaleNames();
  selfNamed.timeForm = "%X";
  const DateTime afternoon{DateSerial(2026, 12, 5), 14, 7, 9};  // a Saturday
  struct Case {
    const char* form;
    const LocaleNames* names;
    DateTime when;
    const char* text;
  };
  const Case cases[] = {
      {"%r", &british, afternoon, " 2:07:09 pm "},  // no zone in a DateTime
      {"%r", &EnglishLocaleNames(), DateTime{afternoon.date, 0, 5, 3}, "12:05:03 AM"},
      {"%I %l %p %P", &EnglishLocaleNames(), DateTime{afternoon.date, 12, 0, 0}, "12 12 PM pm"},
      {"%e|%k|%-d|%-I|%_m|%0e|%-S", &EnglishLocaleNames(), afternoon, " 5|14|5|2|12|05|9"},
      {"%a %A %b %h %B", &GermanNames(), afternoon, "Sa Samstag Dez Dez Dezember"},
      {"%C %y %Y %D %F %R", &EnglishLocaleNames(), afternoon, "20 26 2026 12/05/26 2026-12-05 14:07"},
      {"%Ex %OH:%OM", &british, afternoon, "05/12/26 14:07"},
      {"%% a%nb%tc %Q %", &EnglishLocaleNames(), afternoon, "% a\nb\tc %Q %"},
      // A locale without a 12-hour form or AM and PM words still writes the hour.
      {"%r", &GermanNames(), afternoon, "02:07:09 "},
      {"[%X]", &selfNamed, afternoon, "[]"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatLocaleForm(c.when, c.form, *c.names), c.text) << c.form;
}

}  // namespace
}  // namespace orlevant
