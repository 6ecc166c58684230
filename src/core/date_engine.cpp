#include "core/date_engine.h"

#include <algorithm>
#include <array>

#include "core/clock.h"
#include "core/event_line.h"

namespace orlevant {

namespace {

bool IsWeekdayDigit(int w) { return w >= 1 && w <= 7; }

// The n-th weekday rule shared by the shown month and any other month: weekday w first occurs on
// day f; the ordinals step a week each, and Last is the fifth when the month is long enough.
int NthWeekday(int startWeekday, int daysInMonth, int ordinal, int weekday) {
  if (!IsOrdinalDigit(ordinal) || !IsWeekdayDigit(weekday) || !IsWeekdayDigit(startWeekday)) return 0;
  const int first = 1 + (weekday - startWeekday + 7) % 7;
  if (ordinal == kOrdinalLast) return first + 28 <= daysInMonth ? first + 28 : first + 21;
  return first + 7 * (kOrdinalFirst - ordinal);
}

// A month counted from a starting year and month, k months on.
struct YearMonth {
  int year;
  int month;
};
YearMonth MonthsOn(int year, int month, int k) {
  const int index = month - 1 + k;
  return {year + index / 12, index % 12 + 1};
}

// The fields of a recurring date field, read by position.
struct RecurringField {
  int anchorDay;    // columns 1-2, -1 when not two digits
  int anchorMonth;  // columns 4-5, -1 when not two digits
  bool byDate;      // head "99"
  int ordinal;      // column 7 of an nth form
  int weekday;      // column 8 of an nth form
};
RecurringField ReadRecurring(std::string_view field) {
  const std::string_view head = Column(field, 7, 2);
  return {TwoDigits(DayField(field)), TwoDigits(MonthField(field)), head == "99", DigitAt(head, 0), DigitAt(head, 1)};
}

bool IsMonthNumber(int m) { return m >= 1 && m <= 12; }
bool IsDayNumber(int d) { return d >= 1 && d <= 31; }

// How far ahead each search looks. A 29 February anchor needs eight years (2096 to 2104); every other
// kind finds its day within the next few months or the next year, so the bounds only guard against
// lines that name no day at all.
constexpr int kYearsAhead = 8;
constexpr int kMonthsAhead = 15;

// Yearly on the anchor day: only years whose anchor month has that day, so 29 February comes round
// in leap years alone, as the month grid shows it.
Date NextYearlyByDate(const RecurringField& f, Date today) {
  if (!IsMonthNumber(f.anchorMonth) || !IsDayNumber(f.anchorDay)) return kZeroDate;
  const int y = YearOf(today);
  for (int year = y; year <= y + kYearsAhead; ++year) {
    if (f.anchorDay > DaysInMonthOf(year, f.anchorMonth)) continue;
    const Date candidate = DateSerial(year, f.anchorMonth, f.anchorDay);
    if (candidate >= today) return candidate;
  }
  return kZeroDate;
}

Date NextYearlyNth(const RecurringField& f, Date today) {
  if (!IsMonthNumber(f.anchorMonth)) return kZeroDate;
  const int y = YearOf(today);
  for (int year = y; year <= y + 1; ++year) {
    const Date first = DateSerial(year, f.anchorMonth, 1);
    const int day = NthWeekdayOfMonth(first, f.ordinal, f.weekday);
    if (day == 0) return kZeroDate;
    const Date candidate = first + std::chrono::days{day - 1};
    if (candidate >= today) return candidate;
  }
  return kZeroDate;
}

// Monthly and quarterly forms: walk the months from today's on, let dayIn pick the event's day in
// each month that has one (0 = none), and take the first day not passed.
template <typename DayIn>
Date NextInMonths(Date today, DayIn dayIn) {
  const int y = YearOf(today);
  const int m = MonthOf(today);
  for (int k = 0; k < kMonthsAhead; ++k) {
    const YearMonth ym = MonthsOn(y, m, k);
    const int day = dayIn(ym, k);
    if (day < 0) return kZeroDate;
    if (day == 0) continue;
    const Date candidate = DateSerial(ym.year, ym.month, day);
    if (candidate >= today) return candidate;
  }
  return kZeroDate;
}

Date NextQuarterly(const RecurringField& f, Date today) {
  if (!IsMonthNumber(f.anchorMonth)) return kZeroDate;
  if (f.byDate && !IsDayNumber(f.anchorDay)) return kZeroDate;
  return NextInMonths(today, [&](YearMonth ym, int) {
    if ((ym.month - f.anchorMonth + 12) % 3 != 0) return 0;
    if (f.byDate) return std::min(f.anchorDay, DaysInMonthOf(ym.year, ym.month));
    const int day = NthWeekdayOfMonth(DateSerial(ym.year, ym.month, 1), f.ordinal, f.weekday);
    return day == 0 ? -1 : day;
  });
}

Date NextMonthly(const RecurringField& f, Date today) {
  if (f.byDate && !IsDayNumber(f.anchorDay)) return kZeroDate;
  return NextInMonths(today, [&](YearMonth ym, int) {
    if (f.byDate) return f.anchorDay <= DaysInMonthOf(ym.year, ym.month) ? f.anchorDay : 0;
    const int day = NthWeekdayOfMonth(DateSerial(ym.year, ym.month, 1), f.ordinal, f.weekday);
    return day == 0 ? -1 : day;
  });
}

Date NextWeekly(std::string_view field, Date today) {
  const std::string_view head = HeadField(field);
  const std::string_view tail = TailField(field);
  const int weekday = DigitAt(tail, 1);
  if (!IsWeekdayDigit(weekday)) return kZeroDate;
  if (head == "99") return today + std::chrono::days{(weekday - WeekdayOf(today) + 7) % 7};
  const int digit1 = DigitAt(head, 0);
  const int digit2 = DigitAt(head, 1);
  const int todayDay = DayOf(today);
  return NextInMonths(today, [&](YearMonth ym, int k) {
    const int day = NextListedWeekday(DateSerial(ym.year, ym.month, 1), digit1, digit2, tail, k == 0 ? todayDay : 1);
    return day == 0 ? -1 : day;
  });
}

std::string_view FirstThree(std::string_view s) { return s.substr(0, 3); }

// N & W3 of an nth form ("FirstMon"); empty when either digit is unknown.
std::string NthText(std::string_view head) {
  const std::string_view ordinal = OrdinalName(head.substr(0, std::min<std::size_t>(1, head.size())));
  const std::string_view weekday = WeekdayNameFromCode(head.size() >= 2 ? head.substr(1, 1) : std::string_view{});
  if (ordinal.empty() || weekday.empty()) return {};
  std::string text(ordinal);
  text += FirstThree(weekday);
  return text;
}

}  // namespace

MonthShape MonthShapeOf(Date anyDay, int firstDay) {
  const int year = YearOf(anyDay);
  const int month = MonthOf(anyDay);
  MonthShape shape;
  shape.FirstDay = firstDay;
  shape.MonthStartWeekday = WeekdayOf(DateSerial(year, month, 1));
  shape.GridOffset = shape.MonthStartWeekday - firstDay;
  if (shape.GridOffset < 0) shape.GridOffset += 7;
  shape.DaysInMonth = DaysInMonthOf(year, month);
  return shape;
}

int NthWeekdayInShownMonth(const MonthShape& shown, int ordinal, int weekday, int* nthWeekRow) {
  const int day = NthWeekday(shown.MonthStartWeekday, shown.DaysInMonth, ordinal, weekday);
  if (nthWeekRow) {
    if (day == 0) {
      *nthWeekRow = 0;
    } else {
      const int c0 = weekday + 1 - shown.FirstDay - shown.GridOffset;
      *nthWeekRow = (day - c0) / 7 + (ordinal == kOrdinalLast ? 1 : 0);
    }
  }
  return day;
}

int NthWeekdayOfMonth(Date inMonth, int ordinal, int weekday) {
  const int year = YearOf(inMonth);
  const int month = MonthOf(inMonth);
  return NthWeekday(WeekdayOf(DateSerial(year, month, 1)), DaysInMonthOf(year, month), ordinal, weekday);
}

Date OneOffDateOf(std::string_view dateField) {
  if (!IsValidEventLine(dateField) || !IsOneOffCode(CodeField(dateField))) return kZeroDate;
  const std::string_view code = CodeField(dateField);
  return DateSerial(TwoDigits(code) * 100 + TwoDigits(code.substr(2)), TwoDigits(MonthField(dateField)),
                    TwoDigits(DayField(dateField)));
}

int DaysFromToday(Date d) { return DaysBetween(SystemToday(), d); }

std::string_view OrdinalName(std::string_view digit) {
  static constexpr std::array<std::string_view, 5> kNames{"Last", "Fourth", "Third", "Second", "First"};
  if (digit.size() != 1) return {};
  const int o = DigitAt(digit, 0);
  return IsOrdinalDigit(o) ? kNames[o - kOrdinalLast] : std::string_view{};
}

std::string_view WeekListText(std::string_view combinationCode) {
  const WeekCombination* combination = FindWeekCombination(combinationCode);
  return combination ? combination->listText : std::string_view{};
}

std::string_view WeekdayNameFromCode(std::string_view digit) {
  static constexpr std::array<std::string_view, 7> kNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                          "Thursday", "Friday", "Saturday"};
  if (digit.size() != 1) return {};
  const int w = DigitAt(digit, 0);
  return IsWeekdayDigit(w) ? kNames[w - 1] : std::string_view{};
}

std::string DescribeEventDate(std::string_view dateField) {
  const std::string_view day = Column(dateField, 1, 2);
  const std::string_view mid = Column(dateField, 3, 4);
  const std::string_view code = CodeField(dateField);
  const std::string_view head = HeadField(dateField);
  const std::string_view tail = TailField(dateField);

  const RecurrenceKind kind = KindOfCode(code);
  std::string text;
  switch (kind) {
    case RecurrenceKind::OneOff:
      text.append(code).append(mid).append(day);
      return text;
    case RecurrenceKind::Yearly:
    case RecurrenceKind::Quarterly:
    case RecurrenceKind::Monthly: {
      if (kind == RecurrenceKind::Monthly)
        text = "Monthly/";
      else
        text.append(kind == RecurrenceKind::Yearly ? "Yearly" : "Quarterly").append(mid);
      if (head == "99") return text.append(day);
      const std::string nth = NthText(head);
      return nth.empty() ? std::string{} : text.append(nth);
    }
    case RecurrenceKind::Weekly: {
      const std::string_view list = head == "99" ? std::string_view{"(All)"} : WeekListText(head);
      if (list.empty()) return {};
      text.append("Weekly/").append(WeekdayNameFromCode(tail.substr(1, 1))).append("s").append(list);
      return text;
    }
    case RecurrenceKind::None:
      break;
  }
  return {};
}

Date NextOccurrence(std::string_view dateField) { return NextOccurrence(dateField, SystemToday()); }

Date NextOccurrence(std::string_view dateField, Date today) {
  switch (KindOfCode(CodeField(dateField))) {
    case RecurrenceKind::OneOff:
      return OneOffDateOf(dateField);
    case RecurrenceKind::Yearly: {
      const RecurringField f = ReadRecurring(dateField);
      return f.byDate ? NextYearlyByDate(f, today) : NextYearlyNth(f, today);
    }
    case RecurrenceKind::Quarterly:
      return NextQuarterly(ReadRecurring(dateField), today);
    case RecurrenceKind::Monthly:
      return NextMonthly(ReadRecurring(dateField), today);
    case RecurrenceKind::Weekly:
      return NextWeekly(dateField, today);
    case RecurrenceKind::None:
      break;
  }
  return kZeroDate;
}

int NextListedWeekday(Date inMonth, int digit1, int digit2, std::string_view tail, int placeDay) {
  if (digit1 < 0 || digit1 > 9 || digit2 < 0 || digit2 > 9) return 0;
  const char code[2] = {static_cast<char>('0' + digit1), static_cast<char>('0' + digit2)};
  const WeekCombination* combination = FindWeekCombination(std::string_view(code, 2));
  const int weekday = DigitAt(tail, 1);
  if (!combination || !IsWeekdayDigit(weekday)) return 0;

  const int year = YearOf(inMonth);
  const int month = MonthOf(inMonth);
  const int startWeekday = WeekdayOf(DateSerial(year, month, 1));
  const int daysInMonth = DaysInMonthOf(year, month);
  int day = 0;
  for (int ordinal : combination->ordinals) {
    if (ordinal == 0) break;
    day = NthWeekday(startWeekday, daysInMonth, ordinal, weekday);
    if (day >= placeDay) return day;
  }
  return day;
}

}  // namespace orlevant
