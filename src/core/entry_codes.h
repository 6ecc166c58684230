#pragma once
// The small rules of the entry dialog that need no table of events: the codes a row's options and
// lists choose, the week-of-month test of weekly lines, the cleaning of a typed text and the
// captions built from the clicked day.
//
// Row indexes: 0 "Today Only", 1 weekly, 2 monthly, 3 quarterly, 4 yearly.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/calendar_date.h"
#include "core/date_engine.h"

namespace orlevant {

inline constexpr int kEntryRowCount = 5;
inline constexpr int kRowToday = 0;
inline constexpr int kRowWeekly = 1;
inline constexpr int kRowMonthly = 2;
inline constexpr int kRowQuarterly = 3;
inline constexpr int kRowYearly = 4;

// The items of the lists: the 20 week combinations (weekly row), "First" .. "Last" (the others).
inline constexpr std::array<std::string_view, 5> kOrdinalItems = {"First", "Second", "Third", "Fourth", "Last"};
int ListItemCount(int row);
std::string_view ListItemText(int row, int index);

// The code of option A: row 0 the year as four digits, row 1 "999" & weekday, row 2 "9998",
// row 3 "9989", row 4 "9999".
std::string OptionACode(int row, Date clickedDay);
// The head chosen by list item `index` of `row`: the combination code ("89" .. "59") for the weekly
// row, the ordinal digit and the clicked day's weekday ("82") for the others; "" when the index is
// no item.
std::string WeekCode(int row, int index, int clickedWeekday);
// The whole code of option B with list item `index`; "" when the index is no item.
std::string OptionBCode(int row, int index, Date clickedDay);
// The list item that shows a code head, or nullopt when the head matches no item (the list then
// keeps its choice).
std::optional<int> ListIndexFromHead(int row, std::string_view head);

// The week of the month (1..5) of the clicked day among the days of its weekday, and the week of
// the month's last such weekday (4 or 5).
struct WeekOfMonth {
  int n = 0;
  int last = 0;
};
WeekOfMonth WeekOfMonthOf(const MonthShape& shown, int day, int weekday);
// Whether a weekly line with combination head `head` falls in that week: n is one of its weeks,
// or it names "Last" and n is the last week. An unknown head matches nothing.
bool WeekCombinationMatches(std::string_view head, WeekOfMonth week);

// The text of a row as it will be written: blanks at both ends, leading line breaks and any other
// leading or trailing character of code 32 or less removed; line breaks inside are kept. nullopt
// for an entry error: a text that is not blank but holds nothing printable. Always ends.
std::optional<std::string> CleanEntryText(std::string_view text);

// "st", "nd", "rd" or "th" for a day number of the month.
std::string_view OrdinalSuffix(int day);

// The captions of the rows built from the clicked day (weekday and month names in the user's
// locale): option A of each recurring row and the text after each list.
struct EntryCaptions {
  std::array<std::string, kEntryRowCount> optEventA;  // [0] unused
  std::array<std::string, kEntryRowCount> lblEventB;  // [0] unused
};
EntryCaptions BuildEntryCaptions(Date clickedDay, std::string_view weekdayName, std::string_view monthName,
                                 const std::array<std::string, 12>& shortMonthNames);

}  // namespace orlevant
