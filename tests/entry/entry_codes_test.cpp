// The entry dialog's small rules: cleaning a typed text, the codes of options and lists, the
// week-of-month test and the captions built from the clicked day.

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "core/calendar_date.h"
#include "core/entry_codes.h"
#include "core/event_line.h"
#include "platform/date_format.h"

namespace orlevant {
namespace {

Date D(int y, int m, int d) { return DateSerial(y, m, d); }

struct CleanCase {
  const char* name;
  std::string in;
  std::optional<std::string> out;  // nullopt: entry error
};

TEST(CleanEntryText, CleansOrRefuses) {
  const CleanCase cases[] = {
      {"empty", "", ""},
      {"blanks only", "     ", ""},
      {"blanks around", "  Dentist  ", "Dentist"},
      {"leading line breaks", "\r\n\r\nDentist", "Dentist"},
      {"line breaks and blanks around", " \r\n  Dentist\r\n ", "Dentist"},
      {"inner line break kept", "Dentist\r\nat ten", "Dentist\r\nat ten"},
      {"inner blank lines kept", "a\r\n\r\nb", "a\r\n\r\nb"},
      {"tabs and controls at the ends", "\t\x01" "Dentist\x02\t", "Dentist"},
      {"lone carriage return first ends", "\rDentist", "Dentist"},
      {"lone carriage return never joins later lines", "\rA\r\nB", "A\r\nB"},
      {"line feed first", "\nDentist", "Dentist"},
      {"only line breaks", "\r\n\r\n", std::nullopt},
      {"one line break", "\r\n", std::nullopt},
      {"line break between blanks", "  \r\n  ", std::nullopt},
      {"only a tab", "\t", std::nullopt},
      {"only a lone carriage return", "\r", std::nullopt},
      {"non-ASCII kept", "  Café Ärger ", "Café Ärger"},
  };
  for (const CleanCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CleanEntryText(c.in), c.out);
  }
}

TEST(EntryCodes, OptionACodesFollowTheClickedDay) {
  // Thursday 10 December 2026; Sunday 6 December 2026.
  struct Case {
    int row;
    Date day;
    const char* code;
  } cases[] = {
      {kRowToday, D(2026, 12, 10), "2026"},   {kRowWeekly, D(2026, 12, 10), "9995"},
      {kRowWeekly, D(2026, 12, 6), "9991"},   {kRowMonthly, D(2026, 12, 10), "9998"},
      {kRowQuarterly, D(2026, 12, 10), "9989"}, {kRowYearly, D(2026, 12, 10), "9999"},
      {kRowToday, D(1999, 1, 1), "1999"},
  };
  for (const Case& c : cases) EXPECT_EQ(OptionACode(c.row, c.day), c.code) << c.row;
}

TEST(EntryCodes, OptionBCodesFromTheListChoice) {
  const Date thursday = D(2026, 12, 10);  // weekday 5
  const Date monday = D(2026, 12, 7);     // weekday 2
  struct Case {
    int row, index;
    Date day;
    const char* code;
  } cases[] = {
      {kRowWeekly, 0, monday, "8992"},     // First and Second
      {kRowWeekly, 9, monday, "8092"},     // First and Last
      {kRowWeekly, 19, thursday, "5995"},  // Fourth and Last
      {kRowMonthly, 0, thursday, "8598"},  // First Thursday
      {kRowMonthly, 4, monday, "4298"},    // Last Monday
      {kRowQuarterly, 2, thursday, "6589"},
      {kRowYearly, 3, monday, "5299"},
      {kRowWeekly, 20, monday, ""},  // no such item
      {kRowMonthly, 5, monday, ""},
      {kRowMonthly, -1, monday, ""},
      {kRowToday, 0, monday, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(OptionBCode(c.row, c.index, c.day), c.code) << c.row << "/" << c.index;
}

TEST(EntryCodes, ListChoiceAndHeadGoBothWays) {
  for (int row = kRowWeekly; row < kEntryRowCount; ++row) {
    for (int i = 0; i < ListItemCount(row); ++i) {
      const std::string head = WeekCode(row, i, 3);
      EXPECT_EQ(ListIndexFromHead(row, head), i) << row << " " << head;
    }
  }
  EXPECT_EQ(ListItemCount(kRowWeekly), 20);
  EXPECT_EQ(ListItemText(kRowWeekly, 0), "First and Second");
  EXPECT_EQ(ListItemText(kRowWeekly, 19), "Fourth and Last");
  EXPECT_EQ(ListItemText(kRowYearly, 4), "Last");
  EXPECT_EQ(ListIndexFromHead(kRowWeekly, "90"), std::nullopt);
  EXPECT_EQ(ListIndexFromHead(kRowMonthly, "92"), std::nullopt);
  EXPECT_EQ(ListIndexFromHead(kRowMonthly, "32"), std::nullopt);
  EXPECT_EQ(ListIndexFromHead(kRowToday, "82"), std::nullopt);
}

// The heads that match each week of the month, as worked out by hand from the combination table.
struct WeekRow {
  int n;
  int last;
  std::set<std::string> heads;
};
const WeekRow kMatchingHeads[] = {
    {1, 4, {"89", "88", "87", "86", "85", "84", "83", "82", "81", "80"}},
    {1, 5, {"89", "88", "87", "86", "85", "84", "83", "82", "81", "80"}},
    {2, 4, {"89", "88", "87", "86", "79", "78", "77", "76", "75", "74"}},
    {2, 5, {"89", "88", "87", "86", "79", "78", "77", "76", "75", "74"}},
    {3, 4, {"88", "85", "84", "83", "79", "78", "77", "69", "68", "67"}},
    {3, 5, {"88", "85", "84", "83", "79", "78", "77", "69", "68", "67"}},
    {4, 4, {"87", "86", "84", "83", "82", "81", "80", "78", "77", "76", "75", "74", "69", "68", "67", "59"}},
    {4, 5, {"87", "84", "82", "81", "78", "76", "75", "69", "68", "59"}},
    {5, 5, {"86", "83", "81", "80", "77", "75", "74", "68", "67", "59"}},
};

TEST(WeekOfMonth, EveryCombinationInEveryWeek) {
  for (const WeekRow& row : kMatchingHeads) {
    for (const WeekCombination& c : kWeekCombinations) {
      EXPECT_EQ(WeekCombinationMatches(c.code, {row.n, row.last}), row.heads.count(std::string(c.code)) == 1)
          << "n " << row.n << " L " << row.last << " head " << c.code;
    }
  }
  EXPECT_FALSE(WeekCombinationMatches("90", {1, 4}));
  EXPECT_FALSE(WeekCombinationMatches("89", {0, 4}));
  EXPECT_FALSE(WeekCombinationMatches("89", {6, 5}));
}

TEST(WeekOfMonth, WeeksOfRealMonths) {
  // December 2026 begins on a Tuesday: four Mondays (7, 14, 21, 28), five Tuesdays (1 .. 29).
  // November 2026 begins on a Sunday: five Mondays (2 .. 30). February 2026: four of every weekday.
  struct Case {
    Date day;
    int n, last;
  } cases[] = {
      {D(2026, 12, 7), 1, 4},  {D(2026, 12, 28), 4, 4}, {D(2026, 12, 1), 1, 5},  {D(2026, 12, 29), 5, 5},
      {D(2026, 12, 22), 4, 5}, {D(2026, 11, 30), 5, 5}, {D(2026, 11, 2), 1, 5},  {D(2026, 2, 28), 4, 4},
      {D(2026, 2, 1), 1, 4},   {D(2028, 2, 29), 5, 5},  {D(2026, 12, 14), 2, 4}, {D(2026, 12, 15), 3, 5},
  };
  for (int firstDay : {1, 2, 7}) {
    for (const Case& c : cases) {
      const WeekOfMonth w = WeekOfMonthOf(MonthShapeOf(c.day, firstDay), DayOf(c.day), WeekdayOf(c.day));
      EXPECT_EQ(w.n, c.n) << FormatDayMonthYear(c.day) << " first day " << firstDay;
      EXPECT_EQ(w.last, c.last) << FormatDayMonthYear(c.day) << " first day " << firstDay;
    }
  }
}

TEST(EntryCaptions, OrdinalSuffixes) {
  const std::pair<int, const char*> cases[] = {{1, "st"},  {2, "nd"},  {3, "rd"},  {4, "th"},  {11, "th"},
                                               {12, "th"}, {13, "th"}, {21, "st"}, {22, "nd"}, {23, "rd"},
                                               {24, "th"}, {30, "th"}, {31, "st"}};
  for (const auto& [day, suffix] : cases) EXPECT_EQ(OrdinalSuffix(day), suffix) << day;
}

TEST(EntryCaptions, BuiltFromTheClickedDay) {
  const LocaleNames& names = EnglishLocaleNames();
  struct Case {
    Date day;
    const char* optionA;
    const char* weekly;
    const char* quarterly;
    const char* yearly;
    const char* everyWeek;
  } cases[] = {
      {D(2026, 5, 1), "On the 1st day", "Friday of each month.", "Friday of each quarter. (May Aug Nov Feb)",
       "Friday of May each year.", "On Fridays"},
      {D(2026, 12, 22), "On the 22nd day", "Tuesday of each month.", "Tuesday of each quarter. (Dec Mar Jun Sep)",
       "Tuesday of December each year.", "On Tuesdays"},
      {D(2026, 1, 31), "On the 31st day", "Saturday of each month.", "Saturday of each quarter. (Jan Apr Jul Oct)",
       "Saturday of January each year.", "On Saturdays"},
  };
  for (const Case& c : cases) {
    const auto w = static_cast<std::size_t>(WeekdayOf(c.day) - 1);
    const auto m = static_cast<std::size_t>(MonthOf(c.day) - 1);
    const EntryCaptions captions = BuildEntryCaptions(c.day, names.weekdays[w], names.months[m], names.shortMonths);
    EXPECT_EQ(captions.optEventA[kRowWeekly], c.everyWeek);
    for (int row : {kRowMonthly, kRowQuarterly, kRowYearly}) EXPECT_EQ(captions.optEventA[row], c.optionA);
    EXPECT_EQ(captions.lblEventB[kRowWeekly], c.weekly);
    EXPECT_EQ(captions.lblEventB[kRowMonthly], c.weekly);
    EXPECT_EQ(captions.lblEventB[kRowQuarterly], c.quarterly);
    EXPECT_EQ(captions.lblEventB[kRowYearly], c.yearly);
  }
}

}  // namespace
}  // namespace orlevant
