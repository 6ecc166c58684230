#include "platform/date_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/german_names.h"

namespace orlevant {
namespace {

using namespace std::chrono;
using testing::GermanNames;

Date D(int y, unsigned m, unsigned d) { return sys_days{year{y} / month{m} / day{d}}; }

// 14:07:09 on Saturday 5 December 2026.
const DateTime kAfternoon{D(2026, 12, 5), 14, 7, 9};

TEST(FormatDate, EveryPatternTheCalendarUses) {
  struct Case { const char* pattern; const char* english; const char* german; };
  const Case cases[] = {
      {"h:mm AM/PM - dddd - mmmm d, yyyy", "2:07 PM - Saturday - December 5, 2026", "2:07 PM - Samstag - Dezember 5, 2026"},
      {"ddd - mmmm d, yyyy", "Sat - December 5, 2026", "Sa - Dezember 5, 2026"},
      {"d - mmm - yy", "5 - Dec - 26", "5 - Dez - 26"},
      {"yyyy - mm - dd", "2026 - 12 - 05", "2026 - 12 - 05"},
      {"yy - mm - dd", "26 - 12 - 05", "26 - 12 - 05"},
      {"m/d/yy", "12/5/26", "12/5/26"},
      {"h:mm:ss AM/PM", "2:07:09 PM", "2:07:09 PM"},
      {"hh:mm:ss", "14:07:09", "14:07:09"},
      {"mmmm yyyy", "December 2026", "Dezember 2026"},
      {"ddd. - mmm. d, yyyy", "Sat. - Dec. 5, 2026", "Sa. - Dez. 5, 2026"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatDate(kAfternoon, c.pattern, EnglishLocaleNames()), c.english) << c.pattern;
    EXPECT_EQ(FormatDate(kAfternoon, c.pattern, GermanNames()), c.german) << c.pattern;
  }
}

TEST(FormatDate, ClocksMinutesOrMonthsAndOtherLetters) {
  struct Case { int hour, minute, second; const char* pattern; const char* text; };
  const Case cases[] = {
      {0, 5, 3, "h:mm AM/PM", "12:05 AM"},       {0, 5, 3, "hh:mm", "00:05"},        {9, 5, 3, "hh:mm AM/PM", "09:05 AM"},
      {12, 0, 0, "h:mm AM/PM", "12:00 PM"},      {23, 59, 59, "h:mm:ss AM/PM", "11:59:59 PM"},
      {18, 30, 0, "AM/PM h", "PM 6"},            {18, 30, 0, "h:mm am/pm", "6:30 pm"},
      // Only an mm after the hour or before seconds is minutes; a blank ends the hour.
      {14, 7, 9, "h:mm - yyyy - mm - dd", "14:07 - 2026 - 12 - 05"}, {14, 7, 9, "hmm", "1407"},
      {14, 7, 9, "h:m", "14:7"},                 {14, 7, 9, "h mm", "14 12"},       {14, 7, 9, "mm:ss", "07:09"},
      {14, 7, 9, "m:s", "7:9"},                  {14, 7, 9, "hh:nn", "14:07"},      {14, 7, 9, "n", "7"},
      {14, 7, 9, "DD/MM/YYYY", "05/12/2026"},    {14, 7, 9, "H:MM", "14:07"},       {14, 7, 9, "Dddd", "Saturday"},
      {14, 7, 9, "y", "339"},                    {14, 7, 9, "[d], (m); !", "[5], (12); !"},
      {14, 7, 9, "d. mmmm \xE2\x80\x94 yyyy", "5. December \xE2\x80\x94 2026"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatDate(DateTime{D(2026, 12, 5), c.hour, c.minute, c.second}, c.pattern, EnglishLocaleNames()), c.text)
        << c.pattern << " at " << c.hour << ":" << c.minute;
}

TEST(FormatDate, NamesFollowTheDate) {
  const LocaleNames& en = EnglishLocaleNames();
  for (unsigned m = 1; m <= 12; ++m) {
    EXPECT_EQ(FormatDate(DateTime{D(2027, m, 1)}, "mmmm", GermanNames()), GermanNames().months[m - 1]);
    EXPECT_EQ(FormatDate(DateTime{D(2027, m, 1)}, "mmm", en), en.shortMonths[m - 1]);
  }
  for (int k = 0; k < 7; ++k) {  // 3 January 2027 is a Sunday
    EXPECT_EQ(FormatDate(DateTime{D(2027, 1, 3) + days{k}}, "dddd", en), en.weekdays[k]);
    EXPECT_EQ(FormatDate(DateTime{D(2027, 1, 3) + days{k}}, "ddd", GermanNames()), GermanNames().shortWeekdays[k]);
  }
  EXPECT_EQ(FormatDate(DateTime{D(2028, 12, 31)}, "y", en), "366");
  EXPECT_EQ(FormatDate(DateTime{D(2005, 1, 1)}, "yy y", en), "05 1");
}

// A run of one letter is taken in pieces, each as long as the letter's longest form allows: four d
// or m (a name), four, two or one y, two h, n or s.
TEST(FormatDate, ARepeatedLetterReadsAsItsPieces) {
  struct Case { const char* pattern; const char* text; };
  const Case cases[] = {
      {"ddddd", "Saturday5"},   {"dDdDdDdDd", "SaturdaySaturday5"}, {"ddddddd", "SaturdaySat"},
      {"mmmmmm", "December12"}, {"yyyyyyy", "202626339"},           {"hhhhh", "141414"},
      {"nnn", "077"},           {"<ddddddd>", "<SaturdaySat>"},     {"h:mmmmm", "14:December12"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDate(kAfternoon, c.pattern, EnglishLocaleNames()), c.text) << c.pattern;

  // However long the run, and between other text, the pieces formatted one by one.
  struct Run { char letter; std::vector<std::size_t> pieces; };  // longest first
  const Run runs[] = {{'d', {4, 3, 2, 1}}, {'M', {4, 3, 2, 1}}, {'y', {4, 2, 1}},
                      {'h', {2, 1}},       {'n', {2, 1}},       {'s', {2, 1}}, {'x', {1}}};
  for (const Run& r : runs) {
    for (const std::size_t length : {5u, 6u, 7u, 13u, 80000u, 80003u}) {
      std::string expected = "[";
      for (std::size_t left = length; left > 0;) {
        const std::size_t piece = *std::find_if(r.pieces.begin(), r.pieces.end(), [&](std::size_t p) { return p <= left; });
        expected += FormatDate(kAfternoon, std::string(piece, r.letter), EnglishLocaleNames());
        left -= piece;
      }
      expected += "] ";
      const std::string pattern = "[" + std::string(length, r.letter) + "] ";
      ASSERT_EQ(FormatDate(kAfternoon, pattern, EnglishLocaleNames()), expected) << r.letter << " x " << length;
    }
  }
}

TEST(FormatDate, KeysAreTheSameInEveryLocale) {
  const LocaleNames* tables[] = {&EnglishLocaleNames(), &GermanNames(), &SystemLocaleNames()};
  for (Date d = D(2024, 1, 1); d <= D(2028, 12, 31); d += days{1}) {
    for (const LocaleNames* names : tables) {
      ASSERT_EQ(FormatDate(DateTime{d}, "dd/mm/yyyy", *names), FormatDayMonthYear(d));
      ASSERT_EQ(FormatDate(DateTime{d}, "mm/yyyy", *names), FormatMonthYear(YearOf(d), MonthOf(d)));
    }
  }
}

// Sets or unsets (null) `name`.
void SetEnv(const char* name, const char* value) {
  if (value) ::setenv(name, value, 1); else ::unsetenv(name);
}

TEST(LocaleNames, PlainAndMissingLocalesGiveEnglish) {
  const char* const vars[] = {"LC_ALL", "LC_TIME", "LANG"};
  std::optional<std::string> saved[3];
  for (int i = 0; i < 3; ++i)
    if (const char* old = std::getenv(vars[i])) saved[i] = old;
  using Row = std::array<const char*, 3>;  // LC_ALL, LC_TIME, LANG
  const Row cases[] = {{"C", nullptr, nullptr}, {"C.UTF-8", "xx_NOWHERE.UTF-8", nullptr}, {"xx_NOWHERE.UTF-8", nullptr, nullptr},
                       {nullptr, "xx_NOWHERE.ISO-8859-1", "C"}, {nullptr, nullptr, "xx_NOWHERE"}, {nullptr, nullptr, nullptr}};
  for (const Row& c : cases) {
    for (int i = 0; i < 3; ++i) SetEnv(vars[i], c[static_cast<std::size_t>(i)]);
    EXPECT_EQ(ReadLocaleNames(), EnglishLocaleNames()) << (c[0] ? c[0] : "-") << " " << (c[1] ? c[1] : "-");
  }
  for (int i = 0; i < 3; ++i) SetEnv(vars[i], saved[i] ? saved[i]->c_str() : nullptr);
}

}  // namespace
}  // namespace orlevant
