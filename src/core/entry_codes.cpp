#include "core/entry_codes.h"

#include <algorithm>
#include <cstdio>

#include "core/event_line.h"

namespace orlevant {

namespace {

bool ValidIndex(int row, int index) { return index >= 0 && index < ListItemCount(row); }

std::string Digit(int d) { return std::string(1, static_cast<char>('0' + d)); }

bool IsLowOrBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

void TrimBlanks(std::string& s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) {
    s.clear();
    return;
  }
  s.erase(0, first);
  s.erase(s.find_last_not_of(' ') + 1);
}

}  // namespace

int ListItemCount(int row) {
  if (row == kRowWeekly) return static_cast<int>(kWeekCombinations.size());
  if (row > kRowWeekly && row < kEntryRowCount) return static_cast<int>(kOrdinalItems.size());
  return 0;
}

std::string_view ListItemText(int row, int index) {
  if (!ValidIndex(row, index)) return {};
  if (row == kRowWeekly) return kWeekCombinations[static_cast<std::size_t>(index)].text;
  return kOrdinalItems[static_cast<std::size_t>(index)];
}

std::string OptionACode(int row, Date clickedDay) {
  switch (row) {
    case kRowToday: {
      char year[8];
      std::snprintf(year, sizeof year, "%04d", YearOf(clickedDay) % 10000);
      return year;
    }
    case kRowWeekly: return "999" + Digit(WeekdayOf(clickedDay));
    case kRowMonthly: return "9998";
    case kRowQuarterly: return "9989";
    case kRowYearly: return "9999";
    default: return {};
  }
}

std::string WeekCode(int row, int index, int clickedWeekday) {
  if (!ValidIndex(row, index)) return {};
  if (row == kRowWeekly) return std::string(kWeekCombinations[static_cast<std::size_t>(index)].code);
  // The ordinal digits run 8 First .. 4 Last in list order.
  return Digit(kOrdinalFirst - index) + Digit(clickedWeekday);
}

std::string OptionBCode(int row, int index, Date clickedDay) {
  const int w = WeekdayOf(clickedDay);
  const std::string head = WeekCode(row, index, w);
  if (head.empty()) return {};
  switch (row) {
    case kRowWeekly: return head + "9" + Digit(w);
    case kRowMonthly: return head + "98";
    case kRowQuarterly: return head + "89";
    case kRowYearly: return head + "99";
    default: return {};
  }
}

std::optional<int> ListIndexFromHead(int row, std::string_view head) {
  if (row == kRowWeekly) {
    const WeekCombination* combination = FindWeekCombination(head);
    if (!combination) return std::nullopt;
    return static_cast<int>(combination - kWeekCombinations.data());
  }
  if (row <= kRowWeekly || row >= kEntryRowCount) return std::nullopt;
  const int ordinal = DigitAt(head, 0);
  if (!IsOrdinalDigit(ordinal)) return std::nullopt;
  return kOrdinalFirst - ordinal;
}

WeekOfMonth WeekOfMonthOf(const MonthShape& shown, int day, int weekday) {
  const int first = NthWeekdayInShownMonth(shown, kOrdinalFirst, weekday);
  const int last = NthWeekdayInShownMonth(shown, kOrdinalLast, weekday);
  if (first == 0 || day < first || (day - first) % 7 != 0) return {};
  return {(day - first) / 7 + 1, (last - first) / 7 + 1};
}

bool WeekCombinationMatches(std::string_view head, WeekOfMonth week) {
  const WeekCombination* combination = FindWeekCombination(head);
  if (!combination || week.n < 1 || week.n > 5) return false;
  for (int ordinal : combination->ordinals) {
    if (ordinal == 0) continue;
    if (ordinal == kOrdinalLast ? week.n == week.last : week.n == kOrdinalFirst - ordinal + 1) return true;
  }
  return false;
}

std::optional<std::string> CleanEntryText(std::string_view text) {
  std::string s(text);
  TrimBlanks(s);
  if (s.empty()) return std::string();
  // Leading line breaks go a pair at a time, and only from the front: a carriage return without its
  // line feed is left to the next step, which removes it as any other character of code 32 or less,
  // so this always ends and never joins two lines further in.
  while (s.starts_with("\r\n")) s.erase(0, 2);
  TrimBlanks(s);
  const auto first = std::find_if_not(s.begin(), s.end(), IsLowOrBlank);
  if (first == s.end()) return std::nullopt;
  s.erase(s.begin(), first);
  while (IsLowOrBlank(s.back())) s.pop_back();
  return s;
}

std::string_view OrdinalSuffix(int day) {
  const int lastTwo = day % 100;
  if (lastTwo >= 11 && lastTwo <= 13) return "th";
  switch (day % 10) {
    case 1: return "st";
    case 2: return "nd";
    case 3: return "rd";
    default: return "th";
  }
}

EntryCaptions BuildEntryCaptions(Date clickedDay, std::string_view weekdayName, std::string_view monthName,
                                 const std::array<std::string, 12>& shortMonthNames) {
  const int day = DayOf(clickedDay);
  const int month = MonthOf(clickedDay);
  std::string quarters;
  for (int k = 0; k < 4; ++k) {
    if (k) quarters += ' ';
    quarters += shortMonthNames[static_cast<std::size_t>((month - 1 + 3 * k) % 12)];
  }
  const std::string w(weekdayName);
  const std::string onDay = "On the " + std::to_string(day) + std::string(OrdinalSuffix(day)) + " day";

  EntryCaptions c;
  c.optEventA[kRowWeekly] = "On " + w + "s";
  c.optEventA[kRowMonthly] = onDay;
  c.optEventA[kRowQuarterly] = onDay;
  c.optEventA[kRowYearly] = onDay;
  c.lblEventB[kRowWeekly] = w + " of each month.";
  c.lblEventB[kRowMonthly] = w + " of each month.";
  c.lblEventB[kRowQuarterly] = w + " of each quarter. (" + quarters + ")";
  c.lblEventB[kRowYearly] = w + " of " + std::string(monthName) + " each year.";
  return c;
}

}  // namespace orlevant
