#include "core/date_engine.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/clock.h"

namespace orlevant {
namespace {

using namespace std::chrono;

Date D(int y, unsigned m, unsigned d) { return sys_days{year{y} / month{m} / day{d}}; }

std::string Show(Date d) {
  if (d == kZeroDate) return "zero date";
  const year_month_day ymd{d};
  return std::to_string(static_cast<int>(ymd.year())) + "-" + std::to_string(static_cast<unsigned>(ymd.month())) +
         "-" + std::to_string(static_cast<unsigned>(ymd.day()));
}

class ClockAt {
 public:
  explicit ClockAt(Date today) : clock_(DateTime{today, 9, 30, 0}) { SetAppClock(&clock_); }
  ~ClockAt() { SetAppClock(nullptr); }

 private:
  FixedClock clock_;
};

// ---------------------------------------------------------------------------------------------
// An oracle that decides from the calendar alone whether an event falls on a day: it counts the
// weekdays of the month instead of computing them, and reads the weeks of each combination from
// its own copy of the week table.

const std::map<std::string, std::string> kWeeksOfCombination{
    {"89", "12"},  {"88", "123"}, {"87", "124"}, {"86", "12L"}, {"85", "13"},  {"84", "134"}, {"83", "13L"},
    {"82", "14"},  {"81", "14L"}, {"80", "1L"},  {"79", "23"},  {"78", "234"}, {"77", "23L"}, {"76", "24"},
    {"75", "24L"}, {"74", "2L"},  {"69", "34"},  {"68", "34L"}, {"67", "3L"},  {"59", "4L"},
};

int Num(const std::string& s) {
  for (char c : s)
    if (c < '0' || c > '9') return -1;
  return s.empty() ? -1 : std::stoi(s);
}

struct Calendar {
  int y;
  unsigned m, d, weekday;  // weekday 1 = Sunday
  unsigned monthLength;
  unsigned occurrence;  // this is the n-th such weekday of its month
  bool lastOfMonth;     // no such weekday follows in the month
};

Calendar Look(Date x) {
  const year_month_day ymd{x};
  Calendar c{static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
             weekday{x}.c_encoding() + 1, 0, 0, false};
  c.monthLength = static_cast<unsigned>(year_month_day_last{ymd.year(), month_day_last{ymd.month()}}.day());
  for (unsigned k = 1; k <= c.d; ++k)
    if (weekday{sys_days{ymd.year() / ymd.month() / day{k}}} == weekday{x}) ++c.occurrence;
  c.lastOfMonth = year_month_day{x + days{7}}.month() != ymd.month();
  return c;
}

bool NthMatches(char ordinal, char weekdayDigit, const Calendar& c) {
  if (weekdayDigit < '1' || weekdayDigit > '7' || c.weekday != static_cast<unsigned>(weekdayDigit - '0')) return false;
  switch (ordinal) {
    case '8': return c.occurrence == 1;
    case '7': return c.occurrence == 2;
    case '6': return c.occurrence == 3;
    case '5': return c.occurrence == 4;
    case '4': return c.lastOfMonth;
    default: return false;
  }
}

bool FallsOn(const std::string& field, Date x) {
  const Calendar c = Look(x);
  const int ad = Num(field.substr(0, 2));
  const int am = Num(field.substr(3, 2));
  const std::string code = field.substr(6, 4);
  const std::string head = code.substr(0, 2);
  const std::string tail = code.substr(2, 2);
  if (code < "4000") return false;  // one-off events: OneOffDate
  const bool byDate = head == "99";
  if (tail == "99") {
    if (am != static_cast<int>(c.m)) return false;
    return byDate ? ad == static_cast<int>(c.d) : NthMatches(head[0], head[1], c);
  }
  if (tail == "89") {
    if ((static_cast<int>(c.m) - am + 12) % 3 != 0) return false;
    if (!byDate) return NthMatches(head[0], head[1], c);
    return ad == static_cast<int>(c.d) || (ad > static_cast<int>(c.monthLength) && c.d == c.monthLength);
  }
  if (tail == "98") return byDate ? ad == static_cast<int>(c.d) : NthMatches(head[0], head[1], c);
  if (tail[0] == '9' && tail[1] >= '1' && tail[1] <= '7') {
    if (c.weekday != static_cast<unsigned>(tail[1] - '0')) return false;
    if (byDate) return true;
    const auto weeks = kWeeksOfCombination.find(head);
    if (weeks == kWeeksOfCombination.end()) return false;
    for (char w : weeks->second)
      if (w == 'L' ? c.lastOfMonth : static_cast<unsigned>(w - '0') == c.occurrence) return true;
    return false;
  }
  return false;
}

// A one-off event keeps its own date, past or not; a date no calendar has is no date.
Date OneOffDate(const std::string& field) {
  const year_month_day ymd{year{Num(field.substr(6, 4))}, month{static_cast<unsigned>(Num(field.substr(3, 2)))},
                           day{static_cast<unsigned>(Num(field.substr(0, 2)))}};
  return ymd.ok() ? sys_days{ymd} : kZeroDate;
}

// Compares NextOccurrence with the oracle for every today in [first, last]; the oracle looks
// `horizon` days past each today.
void ExpectAgreesWithOracle(const std::string& field, Date first, Date last, int horizon = 3000) {
  const int span = DaysBetween(first, last) + 1 + horizon;
  std::vector<Date> next(span + 1, kZeroDate);
  for (int i = span - 1; i >= 0; --i) {
    const Date x = first + days{i};
    next[i] = FallsOn(field, x) ? x : next[i + 1];
  }
  for (int i = 0; i <= DaysBetween(first, last); ++i) {
    const Date today = first + days{i};
    const Date expected = field.substr(6, 4) < "4000" ? OneOffDate(field) : next[i];
    const Date actual = NextOccurrence(field, today);
    if (actual != expected) {
      ADD_FAILURE() << field << " seen on " << Show(today) << ": got " << Show(actual) << ", the calendar says "
                    << Show(expected);
      return;  // one report per line is enough
    }
  }
}

std::string Two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::vector<std::string> EveryKindOfField() {
  std::vector<std::string> fields{"05/12/2026", "29/02/2028", "15/06/2025"};
  const int leapDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = 1; m <= 12; ++m) {
    for (int d = 1; d <= leapDays[m - 1]; ++d) {
      fields.push_back(Two(d) + "/" + Two(m) + "/9999");
      fields.push_back(Two(d) + "/" + Two(m) + "/9989");
    }
    for (int o = 4; o <= 8; ++o)
      for (int w = 1; w <= 7; ++w) {
        const std::string head = std::to_string(o) + std::to_string(w);
        fields.push_back("01/" + Two(m) + "/" + head + "99");
        fields.push_back("01/" + Two(m) + "/" + head + "89");
        if (m == 1) fields.push_back("01/01/" + head + "98");
      }
  }
  for (int d = 1; d <= 31; ++d) fields.push_back(Two(d) + "/01/9998");
  for (int w = 1; w <= 7; ++w) {
    fields.push_back("01/01/999" + std::to_string(w));
    for (const auto& [code, weeks] : kWeeksOfCombination) fields.push_back("01/01/" + code + "9" + std::to_string(w));
  }
  // Codes no reader knows: no day at all.
  for (const char* unknown : {"05/12/9990", "05/12/4000", "05/12/9099", "05/12/4098", "05/12/4889", "05/12/9492",
                              "05/12/7192", "05/12/5592", "05/12/9397", "31/04/9999", "30/02/9999"})
    fields.push_back(unknown);
  return fields;
}

// ---------------------------------------------------------------------------------------------

TEST(NthWeekday, ExamplesOfTheMonth) {
  struct Case { Date month; int ordinal, weekday, day; };
  const Case cases[] = {
      // December 2026 begins on a Tuesday and has 31 days.
      {D(2026, 12, 15), 8, 3, 1},  {D(2026, 12, 15), 8, 2, 7},  {D(2026, 12, 1), 4, 2, 28},
      {D(2026, 12, 31), 4, 3, 29}, {D(2026, 12, 1), 5, 2, 28},  {D(2026, 12, 1), 6, 7, 19},
      // February 2022 begins on a Tuesday and has 28 days.
      {D(2022, 2, 10), 4, 3, 22},  {D(2022, 2, 10), 5, 3, 22},
      // Last Friday of February 2026, whatever month is shown.
      {D(2026, 2, 1), 4, 6, 27},   {D(2028, 2, 1), 4, 3, 29},
      // Unknown digits select no day.
      {D(2026, 12, 1), 9, 2, 0},   {D(2026, 12, 1), 3, 2, 0},   {D(2026, 12, 1), 8, 0, 0},
      {D(2026, 12, 1), 8, 8, 0},   {D(2026, 12, 1), -1, 2, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NthWeekdayOfMonth(c.month, c.ordinal, c.weekday), c.day)
        << Show(c.month) << " o=" << c.ordinal << " w=" << c.weekday;
    for (int firstDay = 1; firstDay <= 7; ++firstDay)
      EXPECT_EQ(NthWeekdayInShownMonth(MonthShapeOf(c.month, firstDay), c.ordinal, c.weekday), c.day);
  }
}

TEST(NthWeekday, EveryMonthAndFirstDayAgreesWithCounting) {
  for (int y = 2026; y <= 2028; ++y)
    for (unsigned m = 1; m <= 12; ++m)
      for (int firstDay = 1; firstDay <= 7; ++firstDay) {
        const MonthShape shape = MonthShapeOf(D(y, m, 1), firstDay);
        for (int w = 1; w <= 7; ++w) {
          // The days of weekday w in this month, counted.
          std::vector<int> daysOfW;
          for (unsigned d = 1; d <= static_cast<unsigned>(shape.DaysInMonth); ++d)
            if (Look(D(y, m, d)).weekday == static_cast<unsigned>(w)) daysOfW.push_back(static_cast<int>(d));
          int firstRow = -1, lastRow = -1;
          const int first = NthWeekdayInShownMonth(shape, 8, w, &firstRow);
          const int last = NthWeekdayInShownMonth(shape, 4, w, &lastRow);
          for (int o = 8; o >= 5; --o)
            EXPECT_EQ(NthWeekdayInShownMonth(shape, o, w), daysOfW[8 - o]) << y << "-" << m << " o=" << o;
          EXPECT_EQ(first, daysOfW.front());
          EXPECT_EQ(last, daysOfW.back());
          // The entry dialog turns any day of weekday w into its week of the month with the row of
          // the first one, and the rows of First and Last span the count of that weekday.
          for (std::size_t k = 0; k < daysOfW.size(); ++k) {
            const int d = daysOfW[k];
            const int week = (d + shape.GridOffset + firstDay - (w + 1)) / 7 + 1 - firstRow;
            EXPECT_EQ(week, static_cast<int>(k) + 1) << y << "-" << m << "-" << d << " first day " << firstDay;
          }
          EXPECT_EQ(lastRow - firstRow, static_cast<int>(daysOfW.size())) << y << "-" << m << " w=" << w;
        }
      }
}

TEST(NthWeekday, WeekRowExamples) {
  // First day Sunday, a month beginning on a Tuesday (December 2026).
  const MonthShape shape = MonthShapeOf(D(2026, 12, 1), 1);
  int row = -1;
  EXPECT_EQ(NthWeekdayInShownMonth(shape, 8, 2, &row), 7);
  EXPECT_EQ(row, 1);
  EXPECT_EQ(NthWeekdayInShownMonth(shape, 8, 4, &row), 2);
  EXPECT_EQ(row, 0);
  EXPECT_EQ(NthWeekdayInShownMonth(shape, 4, 4, &row), 30);
  EXPECT_EQ(row, 5);
  EXPECT_EQ(NthWeekdayInShownMonth(shape, 9, 4, &row), 0);
  EXPECT_EQ(row, 0);
}

TEST(NextOccurrence, ExamplesOfTheCalendar) {
  struct Case { const char* field; Date today; Date next; };
  const Case cases[] = {
      {"05/12/9998", D(2026, 12, 20), D(2027, 1, 5)},   // monthly on the 5th
      {"31/01/9998", D(2026, 2, 5), D(2026, 3, 31)},    // monthly on the 31st skips February
      {"30/01/9998", D(2026, 1, 31), D(2026, 3, 30)},   // and the 30th too
      {"31/05/9989", D(2026, 9, 1), D(2026, 11, 30)},   // quarterly on the 31st: last day of a short month
      {"31/05/9989", D(2026, 12, 1), D(2027, 2, 28)},
      {"31/05/9989", D(2027, 12, 1), D(2028, 2, 29)},
      {"15/11/9989", D(2026, 2, 1), D(2026, 2, 15)},
      {"04/05/8299", D(2026, 5, 5), D(2027, 5, 3)},     // yearly first Monday of May
      {"04/05/8299", D(2026, 5, 4), D(2026, 5, 4)},
      {"07/12/8592", D(2026, 12, 10), D(2026, 12, 21)}, // weekly first and third Monday
      {"07/12/8592", D(2026, 12, 22), D(2027, 1, 4)},
      {"07/12/8592", D(2026, 12, 7), D(2026, 12, 7)},
      {"05/12/2025", D(2026, 12, 20), D(2025, 12, 5)},  // a one-off keeps its own date, even past
      {"05/12/2027", D(2026, 12, 20), D(2027, 12, 5)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Show(NextOccurrence(c.field, c.today)), Show(c.next)) << c.field << " seen on " << Show(c.today);
}

TEST(NextOccurrence, LeapDayAnchorsAndCodesNoReaderKnows) {
  struct Case { const char* field; Date today; Date next; };
  const Case cases[] = {
      // A yearly 29 February comes only on 29 February, as the month grid shows it.
      {"29/02/9999", D(2026, 3, 1), D(2028, 2, 29)},
      {"29/02/9999", D(2028, 2, 29), D(2028, 2, 29)},
      {"29/02/9999", D(2028, 3, 1), D(2032, 2, 29)},
      {"29/02/9999", D(2096, 3, 1), D(2104, 2, 29)},   // 2100 is no leap year
      {"29/02/9998", D(2027, 2, 1), D(2027, 3, 29)},   // monthly passes over a short February
      {"29/02/9989", D(2027, 2, 1), D(2027, 2, 28)},   // quarterly takes February's last day
      {"31/04/9999", D(2026, 1, 1), kZeroDate},        // a day no April has: never
      {"05/12/9990", D(2026, 1, 1), kZeroDate},        // unknown tail
      {"05/12/9099", D(2026, 1, 1), kZeroDate},        // ordinal digit 9
      {"05/12/3898", D(2026, 1, 1), D(3898, 12, 5)},   // below "4000": a one-off year
      {"05/12/4098", D(2026, 1, 1), kZeroDate},        // weekday digit 0
      {"05/12/9492", D(2026, 1, 1), kZeroDate},        // "94" is no week combination
      {"31/02/2026", D(2026, 1, 1), kZeroDate},        // a one-off on a day that does not exist
      {"ab/12/9998", D(2026, 1, 1), kZeroDate},
      {"05/13/9999", D(2026, 1, 1), kZeroDate},
      {"05/12/20", D(2026, 1, 1), kZeroDate},          // short field
      {"", D(2026, 1, 1), kZeroDate},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Show(NextOccurrence(c.field, c.today)), Show(c.next)) << c.field << " seen on " << Show(c.today);
}

TEST(OneOffDateOf, OnlyOneOffLinesTheStoreWouldKeepHaveADate) {
  struct Case { const char* field; Date date; };
  const Case cases[] = {
      {"05/12/2026000000=Party", D(2026, 12, 5)},
      {"29/02/2028", D(2028, 2, 29)},
      {"01/01/1000", D(1000, 1, 1)},
      {"31/12/3999", D(3999, 12, 31)},
      {"29/02/2027", kZeroDate},  // no such day that year
      {"31/04/2026", kZeroDate},
      {"05/12/0999", kZeroDate},  // a year the store does not keep
      {"05-12-2026", kZeroDate},
      {"05/12/20x6", kZeroDate},
      {"05/12/9999", kZeroDate},  // recurring: no single date
      {"05/12/4000", kZeroDate},
      {"05/12/202", kZeroDate},
      {"", kZeroDate},
  };
  for (const auto& c : cases) EXPECT_EQ(Show(OneOffDateOf(c.field)), Show(c.date)) << c.field;
}

TEST(NextOccurrence, AgreesWithTheCalendarForEveryKindOfLine) {
  for (const std::string& field : EveryKindOfField()) ExpectAgreesWithOracle(field, D(2026, 11, 1), D(2029, 3, 31));
}

TEST(NextOccurrence, LeapDayAcrossACenturyWithoutOne) {
  for (const char* field : {"29/02/9999", "29/02/9989", "29/02/9998", "29/02/4299", "31/12/9999"})
    ExpectAgreesWithOracle(field, D(2095, 6, 1), D(2104, 3, 31));
}

TEST(NextOccurrence, TakesTodayFromTheAppClock) {
  {
    ClockAt clock(D(2026, 12, 22));
    EXPECT_EQ(Show(NextOccurrence("07/12/8592")), Show(D(2027, 1, 4)));
    EXPECT_EQ(DaysFromToday(D(2026, 12, 25)), 3);
    EXPECT_EQ(DaysFromToday(D(2026, 12, 22)), 0);
    EXPECT_EQ(DaysFromToday(D(2025, 12, 22)), -365);
    EXPECT_EQ(DaysFromToday(D(2028, 12, 22)), 731);
  }
  {
    ClockAt clock(D(2028, 3, 1));
    EXPECT_EQ(Show(NextOccurrence("29/02/9999")), Show(D(2032, 2, 29)));
    EXPECT_EQ(DaysFromToday(D(2028, 2, 28)), -2);
  }
}

TEST(NextListedWeekday, FirstListedWeekNotBeforeThePlaceDay) {
  // December 2026: Mondays 7, 14, 21, 28 (the fourth is the last); January 2027: 4 .. 25.
  struct Case { int d1, d2; const char* tail; int placeDay; int day; };
  const Case cases[] = {
      {8, 5, "92", 1, 7},    {8, 5, "92", 7, 7},    {8, 5, "92", 8, 21},   {8, 5, "92", 22, 21},
      {8, 1, "92", 15, 28},  {5, 9, "92", 1, 28},   {6, 7, "92", 22, 28},  {7, 4, "92", 29, 28},
      {8, 9, "97", 1, 5},    {8, 0, "95", 4, 31},
      {9, 4, "92", 1, 0},    {7, 1, "92", 1, 0},    {4, 9, "92", 1, 0},    {8, 5, "90", 1, 0},
      {8, 5, "9", 1, 0},     {-1, 5, "92", 1, 0},   {8, 12, "92", 1, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NextListedWeekday(D(2026, 12, 9), c.d1, c.d2, c.tail, c.placeDay), c.day)
        << c.d1 << c.d2 << " tail " << c.tail << " from " << c.placeDay;
}

TEST(DescribeEventDate, TextOfEachKind) {
  struct Case { const char* field; const char* text; };
  const Case cases[] = {
      {"05/12/2026", "2026/12/05"},
      {"05/12/9999", "Yearly/12/05"},
      {"07/12/8299", "Yearly/12/FirstMon"},
      {"05/12/9989", "Quarterly/12/05"},
      {"16/12/6489", "Quarterly/12/ThirdWed"},
      {"05/12/9998", "Monthly/05"},
      {"25/12/4698", "Monthly/LastFri"},
      {"07/12/9992", "Weekly/Mondays(All)"},
      {"07/12/8592", "Weekly/Mondays(1,3)"},
      {"05/12/5997", "Weekly/Saturdays(4,L)"},
      {"06/12/8691", "Weekly/Sundays(1,2,L)"},
      {"05/12/9990", ""},
      {"05/12/9099", ""},
      {"05/12/4898", ""},
      {"05/12/4089", ""},
      {"05/12/9492", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(DescribeEventDate(c.field), c.text) << c.field;
}

TEST(DescribeEventDate, NamesOfDigitsAndCombinations) {
  struct Case { const char* in; const char* ordinal; const char* weekday; };
  const Case digits[] = {
      {"8", "First", ""},          {"7", "Second", "Saturday"}, {"6", "Third", "Friday"}, {"5", "Fourth", "Thursday"},
      {"4", "Last", "Wednesday"},  {"3", "", "Tuesday"},        {"2", "", "Monday"},     {"1", "", "Sunday"},
      {"9", "", ""},               {"0", "", ""},               {"", "", ""},            {"44", "", ""},
      {"x", "", ""},
  };
  for (const auto& c : digits) {
    EXPECT_EQ(OrdinalName(c.in), c.ordinal) << c.in;
    EXPECT_EQ(WeekdayNameFromCode(c.in), c.weekday) << c.in;
  }
  struct List { const char* code; const char* text; };
  const List lists[] = {{"89", "(1,2)"}, {"88", "(1,2,3)"}, {"80", "(1,L)"}, {"67", "(3,L)"},
                        {"59", "(4,L)"}, {"99", ""},        {"90", ""},      {"8", ""}};
  for (const auto& c : lists) EXPECT_EQ(WeekListText(c.code), c.text) << c.code;
}

}  // namespace
}  // namespace orlevant
