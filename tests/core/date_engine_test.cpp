#include "core/date_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/calendar_oracle.h"
#include "support/scoped_clock.h"

namespace orlevant {
namespace {

using namespace std::chrono;

Date D(int y, unsigned m, unsigned d) { return sys_days{year{y} / month{m} / day{d}}; }
std::string Show(Date d) { return d == kZeroDate ? "zero date" : FormatDayMonthYear(d); }

TEST(NthWeekday, EveryMonthAndFirstDayAgreesWithCounting) {
  for (int y = 2026; y <= 2028; ++y)
    for (unsigned m = 1; m <= 12; ++m)
      for (int firstDay = 1; firstDay <= 7; ++firstDay) {
        const MonthShape shape = MonthShapeOf(D(y, m, 1), firstDay);
        for (int w = 1; w <= 7; ++w) {
          SCOPED_TRACE(::testing::Message() << y << "-" << m << " first day " << firstDay << " weekday " << w);
          std::vector<int> daysOfW;  // counted
          for (unsigned d = 1; d <= static_cast<unsigned>(shape.DaysInMonth); ++d)
            if (static_cast<int>(weekday{D(y, m, d)}.c_encoding()) + 1 == w) daysOfW.push_back(static_cast<int>(d));
          for (int o = 8; o >= 5; --o) {
            EXPECT_EQ(NthWeekdayInShownMonth(shape, o, w), daysOfW[8 - o]) << "o=" << o;
            EXPECT_EQ(NthWeekdayOfMonth(D(y, m, 17), o, w), daysOfW[8 - o]) << "o=" << o;
          }
          EXPECT_EQ(NthWeekdayOfMonth(D(y, m, 1), 4, w), daysOfW.back());
          int firstRow = -1, lastRow = -1;
          EXPECT_EQ(NthWeekdayInShownMonth(shape, 8, w, &firstRow), daysOfW.front());
          EXPECT_EQ(NthWeekdayInShownMonth(shape, 4, w, &lastRow), daysOfW.back());
          // The entry dialog turns any day of weekday w into its week of the month with the row of
          // the first one, and the rows of First and Last span the count of that weekday.
          for (std::size_t k = 0; k < daysOfW.size(); ++k)
            EXPECT_EQ((daysOfW[k] + shape.GridOffset + firstDay - (w + 1)) / 7 + 1 - firstRow, static_cast<int>(k) + 1);
          EXPECT_EQ(lastRow - firstRow, static_cast<int>(daysOfW.size()));
        }
      }
}

TEST(NthWeekday, RowsOfAMonthAndDigitsNoReaderKnows) {
  // December 2026 begins on a Tuesday; Sunday first.
  const MonthShape shape = MonthShapeOf(D(2026, 12, 1), 1);
  struct Case { int ordinal, weekday, day, row; };
  const Case cases[] = {{8, 2, 7, 1}, {8, 4, 2, 0}, {4, 4, 30, 5}, {9, 2, 0, 0}, {3, 2, 0, 0},
                        {8, 0, 0, 0}, {8, 8, 0, 0}, {-1, 2, 0, 0}};
  for (const auto& c : cases) {
    int row = -1;
    EXPECT_EQ(NthWeekdayInShownMonth(shape, c.ordinal, c.weekday, &row), c.day) << c.ordinal << c.weekday;
    EXPECT_EQ(row, c.row) << c.ordinal << c.weekday;
    EXPECT_EQ(NthWeekdayOfMonth(D(2026, 12, 9), c.ordinal, c.weekday), c.day);
  }
}

// Worked out by hand, so that the oracle below cannot share a misreading with the program.
TEST(NextOccurrence, ExamplesOfTheCalendar) {
  struct Case { const char* field; Date today; Date next; };
  const Case cases[] = {
      {"05/12/9998", D(2026, 12, 20), D(2027, 1, 5)},   // monthly on the 5th
      {"31/01/9998", D(2026, 2, 5), D(2026, 3, 31)},    // the 31st skips February
      {"31/05/9989", D(2026, 9, 1), D(2026, 11, 30)},   // quarterly 31st: last day of a short month
      {"31/05/9989", D(2027, 12, 1), D(2028, 2, 29)},
      {"04/05/8299", D(2026, 5, 5), D(2027, 5, 3)},     // yearly first Monday of May
      {"07/12/8592", D(2026, 12, 22), D(2027, 1, 4)},   // weekly first and third Monday
      {"07/12/8592", D(2026, 12, 7), D(2026, 12, 7)},
      {"05/12/2025", D(2026, 12, 20), D(2025, 12, 5)},  // a one-off keeps its own date, even past
      {"29/02/9999", D(2028, 3, 1), D(2032, 2, 29)},    // a yearly 29 February waits for a leap year
      {"29/02/9999", D(2096, 3, 1), D(2104, 2, 29)},    // and 2100 is none
      {"29/02/9989", D(2027, 2, 1), D(2027, 2, 28)},    // quarterly takes February's last day
      {"05/12/3898", D(2026, 1, 1), D(3898, 12, 5)},    // below "4000": a one-off year
      {"31/02/2026", D(2026, 1, 1), kZeroDate},         // a one-off on a day that does not exist
      {"05/12/20", D(2026, 1, 1), kZeroDate},           // short field
      {"", D(2026, 1, 1), kZeroDate},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Show(NextOccurrence(c.field, c.today)), Show(c.next)) << c.field << " seen on " << Show(c.today);
}

// Compares NextOccurrence with a day-by-day walk over the oracle for every today in [first, last].
void ExpectAgreesWithOracle(const std::string& field, Date first, Date last) {
  const int todays = DaysBetween(first, last) + 1, span = todays + 3000;
  std::vector<Date> next(span + 1, kZeroDate);
  for (int i = span - 1; i >= 0; --i) next[i] = testing::OracleTimesOn(field, first + days{i}) ? first + days{i} : next[i + 1];
  const bool oneOff = field.substr(6, 4) < "4000";
  for (int i = 0; i < todays; ++i) {
    const Date today = first + days{i};
    const Date expected = oneOff ? OneOffDateOf(field) : next[i];
    if (NextOccurrence(field, today) != expected) {
      ADD_FAILURE() << field << " seen on " << Show(today) << ": got " << Show(NextOccurrence(field, today))
                    << ", the calendar says " << Show(expected);
      return;  // one report per line is enough
    }
  }
}

TEST(NextOccurrence, AgreesWithTheCalendarForEveryKindOfLine) {
  for (const std::string& field : testing::EveryKindOfField()) ExpectAgreesWithOracle(field, D(2026, 11, 1), D(2029, 3, 31));
  for (const char* field : {"29/02/9999", "29/02/9989", "29/02/9998", "29/02/4299", "31/12/9999"})
    ExpectAgreesWithOracle(field, D(2095, 6, 1), D(2104, 3, 31));  // across a century without a leap day
}

TEST(OneOffDateOf, OnlyOneOffLinesTheStoreWouldKeepHaveADate) {
  struct Case { const char* field; Date date; };
  const Case cases[] = {
      {"05/12/2026000000=Party", D(2026, 12, 5)}, {"29/02/2028", D(2028, 2, 29)}, {"01/01/1000", D(1000, 1, 1)},
      {"31/12/3999", D(3999, 12, 31)}, {"29/02/2027", kZeroDate}, {"05/12/0999", kZeroDate},
      {"05-12-2026", kZeroDate}, {"05/12/20x6", kZeroDate}, {"05/12/9999", kZeroDate}, {"05/12/4000", kZeroDate},
      {"05/12/202", kZeroDate},
  };
  for (const auto& c : cases) EXPECT_EQ(Show(OneOffDateOf(c.field)), Show(c.date)) << c.field;
}

TEST(NextOccurrence, TakesTodayFromTheAppClock) {
  testing::ScopedClock clock(DateTime{D(2026, 12, 22), 9, 30, 0});
  EXPECT_EQ(Show(NextOccurrence("07/12/8592")), Show(D(2027, 1, 4)));
  EXPECT_EQ(DaysFromToday(D(2026, 12, 25)), 3);
  EXPECT_EQ(DaysFromToday(D(2025, 12, 22)), -365);
}

TEST(NextListedWeekday, FirstListedWeekNotBeforeThePlaceDay) {
  // December 2026: Mondays 7, 14, 21, 28 (the fourth is the last).
  struct Case { int d1, d2; const char* tail; int placeDay; int day; };
  const Case cases[] = {
      {8, 5, "92", 1, 7},   {8, 5, "92", 7, 7},   {8, 5, "92", 8, 21},  {8, 5, "92", 22, 21}, {8, 1, "92", 15, 28},
      {5, 9, "92", 1, 28},  {6, 7, "92", 22, 28}, {7, 4, "92", 29, 28}, {8, 9, "97", 1, 5},   {8, 0, "95", 4, 31},
      {9, 4, "92", 1, 0},   {7, 1, "92", 1, 0},   {4, 9, "92", 1, 0},   {8, 5, "90", 1, 0},   {8, 5, "9", 1, 0},
      {-1, 5, "92", 1, 0},  {8, 12, "92", 1, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NextListedWeekday(D(2026, 12, 9), c.d1, c.d2, c.tail, c.placeDay), c.day)
        << c.d1 << c.d2 << " tail " << c.tail << " from " << c.placeDay;
}

TEST(DescribeEventDate, TextOfEachKindAndOfItsParts) {
  struct Case { const char* field; const char* text; };
  const Case cases[] = {
      {"05/12/2026", "2026/12/05"},          {"05/12/9999", "Yearly/12/05"},     {"07/12/8299", "Yearly/12/FirstMon"},
      {"05/12/9989", "Quarterly/12/05"},     {"16/12/6489", "Quarterly/12/ThirdWed"},
      {"05/12/9998", "Monthly/05"},          {"25/12/4698", "Monthly/LastFri"},  {"07/12/9992", "Weekly/Mondays(All)"},
      {"07/12/8592", "Weekly/Mondays(1,3)"}, {"05/12/5997", "Weekly/Saturdays(4,L)"},
      {"06/12/8691", "Weekly/Sundays(1,2,L)"}, {"05/12/9990", ""}, {"05/12/9099", ""}, {"05/12/4898", ""},
      {"05/12/4089", ""},                    {"05/12/9492", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(DescribeEventDate(c.field), c.text) << c.field;
  struct Digit { const char* in; const char* ordinal; const char* weekday; };
  const Digit digits[] = {{"8", "First", ""}, {"7", "Second", "Saturday"}, {"5", "Fourth", "Thursday"},
                          {"4", "Last", "Wednesday"}, {"1", "", "Sunday"}, {"9", "", ""}, {"0", "", ""},
                          {"", "", ""}, {"44", "", ""}};
  for (const auto& c : digits) {
    EXPECT_EQ(OrdinalName(c.in), c.ordinal) << c.in;
    EXPECT_EQ(WeekdayNameFromCode(c.in), c.weekday) << c.in;
  }
  for (const auto& [code, weeks] : testing::OracleCombinationWeeks()) {
    std::string list = "(";
    for (char w : weeks) list += std::string(list.size() > 1 ? "," : "") + w;
    EXPECT_EQ(WeekListText(code), list + ")") << code;
  }
  for (const char* code : {"99", "90", "8"}) EXPECT_EQ(WeekListText(code), "") << code;
}

}  // namespace
}  // namespace orlevant
