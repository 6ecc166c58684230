#pragma once
// One event is one line of text:
//   columns 1-2 day, 3 "/", 4-5 month, 6 "/", 7-10 recurrence code, 11-16 reminder code, 17 "=",
//   18.. the event text with every line break stored as "~".
// Fields are found by position only. Columns are 1-based here as everywhere in the program; reading
// past the end of a short line gives empty text, never an error.
//
// A column is a character, not a byte. The lines the program writes hold only ASCII up to the "=",
// where the two agree; a line typed by hand (or brought from Windows, one byte to a character) may
// hold a letter of several bytes in its reminder columns, and a field cut by bytes there would
// shift the columns after it and could split a letter in two, leaving bytes that are no text at
// all. Column and ColumnsFrom count characters, and so do the reminder field and the text.
// The date field's own readers (DayField .. TailField, HasReminder) read bytes: they run for every
// line at every fill, and a line is an event line only when its first ten characters are digits
// and slashes (IsValidEventLine), so for every line in the table bytes and columns agree there.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace orlevant {

// Whether the first n bytes at p are all ASCII. Inline and word by word: it stands in front of
// every read of the text, which begins at the line's eighteenth byte.
inline bool IsAsciiPrefix(const char* p, std::size_t n) {
  std::uint64_t bits = 0;
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, p + i, sizeof word);
    bits |= word;
  }
  for (; i < n; ++i) bits |= static_cast<unsigned char>(p[i]);
  return (bits & 0x8080808080808080ULL) == 0;
}

// Where the character after the first `characters` characters of s begins; s.size() when s has no
// more. A character is a byte that does not continue another, with the bytes that continue it.
std::size_t OffsetOfCharacter(std::string_view s, std::size_t characters);

// Columns first .. first + count - 1 (1-based); whatever of them the line has.
inline std::string_view Column(std::string_view line, std::size_t first, std::size_t count) {
  if (first == 0 || first > line.size()) return {};
  const std::size_t wanted = std::min(line.size(), first - 1 + std::min(count, line.size()));
  if (IsAsciiPrefix(line.data(), wanted)) [[likely]]
    return {line.data() + first - 1, wanted - (first - 1)};
  const std::size_t start = OffsetOfCharacter(line, first - 1);
  const std::size_t end = start + OffsetOfCharacter(line.substr(start), count);
  return line.substr(start, end - start);
}
// Column first to the end of the line.
inline std::string_view ColumnsFrom(std::string_view line, std::size_t first) {
  if (first == 0 || first > line.size()) return {};
  if (IsAsciiPrefix(line.data(), first - 1)) [[likely]]
    return line.substr(first - 1);
  return line.substr(OffsetOfCharacter(line, first - 1));
}

// Bytes first .. first + count - 1 (1-based) of the date field; whatever of them the line has.
inline std::string_view DateBytes(std::string_view line, std::size_t first, std::size_t count) {
  if (first > line.size()) return {};
  return {line.data() + first - 1, std::min(count, line.size() - (first - 1))};
}
inline std::string_view DayField(std::string_view line) { return DateBytes(line, 1, 2); }
inline std::string_view MonthField(std::string_view line) { return DateBytes(line, 4, 2); }
inline std::string_view DateField(std::string_view line) { return DateBytes(line, 1, 10); }
inline std::string_view CodeField(std::string_view line) { return DateBytes(line, 7, 4); }
inline std::string_view HeadField(std::string_view line) { return DateBytes(line, 7, 2); }
inline std::string_view TailField(std::string_view line) { return DateBytes(line, 9, 2); }
inline std::string_view TextField(std::string_view line) { return ColumnsFrom(line, 18); }

inline constexpr std::string_view kNoReminder = "000000";
// Columns 11-16; anything but six digits counts as no reminder.
std::string_view ReminderField(std::string_view line);
// Asked of every line at every start and fill: read in place rather than through ReminderField.
inline bool HasReminder(std::string_view line) {
  if (line.size() < 16) return false;
  // Most lines have none: their field is all noughts, told by two compares.
  std::uint32_t high;
  std::uint16_t low;
  std::memcpy(&high, line.data() + 10, sizeof high);
  std::memcpy(&low, line.data() + 14, sizeof low);
  if (high == 0x30303030u && low == 0x3030u) return false;
  bool set = false;
  for (std::size_t i = 10; i < 16; ++i) {
    const char c = line[i];
    if (c < '0' || c > '9') return false;
    set = set || c != '0';
  }
  return set;
}

// A code that compares below "4000" is the year of a one-off event.
inline bool IsOneOffCode(std::string_view code) { return code < std::string_view("4000"); }

enum class RecurrenceKind { OneOff, Yearly, Quarterly, Monthly, Weekly, None };
// None: a tail no reader knows; such a line belongs to no day.
RecurrenceKind KindOfCode(std::string_view code);
inline RecurrenceKind KindOf(std::string_view line) { return KindOfCode(CodeField(line)); }

// Ordinal digits of the nth-weekday forms.
inline constexpr int kOrdinalFirst = 8;
inline constexpr int kOrdinalSecond = 7;
inline constexpr int kOrdinalThird = 6;
inline constexpr int kOrdinalFourth = 5;
inline constexpr int kOrdinalLast = 4;
inline bool IsOrdinalDigit(int d) { return d >= kOrdinalLast && d <= kOrdinalFirst; }

struct WeekCombination {
  std::string_view code;      // "89" .. "59"
  std::string_view text;      // "First and Second"
  std::string_view listText;  // "(1,2)"
  std::array<int, 3> ordinals;  // ordinal digits of the listed weeks in order First .. Last; 0 = unused
};

// The 20 combinations in the order of the entry dialog's list.
extern const std::array<WeekCombination, 20> kWeekCombinations;
// nullptr for a code that is not one of the 20.
const WeekCombination* FindWeekCombination(std::string_view code);

// The loader keeps a line only when its first ten characters read as a date, day/month/year, with
// the code as the year. A recurring line is judged by its day and month alone (against a leap year),
// so 29 February anchors of every kind survive; a day or month no calendar has still fails.
// Asked of every line of the file at every start: inline, digits read straight off the line.
inline bool IsValidEventLine(std::string_view line) {
  if (line.size() < 10 || line[2] != '/' || line[5] != '/') return false;
  const auto digit = [&line](std::size_t i) { return static_cast<unsigned>(line[i]) - '0'; };  // > 9: none
  const unsigned d0 = digit(0), d1 = digit(1), m0 = digit(3), m1 = digit(4);
  const unsigned c0 = digit(6), c1 = digit(7), c2 = digit(8), c3 = digit(9);
  if (d0 > 9 || d1 > 9 || m0 > 9 || m1 > 9 || c0 > 9 || c1 > 9 || c2 > 9 || c3 > 9) return false;
  const unsigned day = d0 * 10 + d1;
  const unsigned month = m0 * 10 + m1;
  const unsigned year = c0 * 1000 + c1 * 100 + c2 * 10 + c3;
  if (day < 1 || month < 1 || month > 12 || year < 1000) return false;
  if (day <= 28) return true;
  // One-off: a real date of that year. Recurring: the code is no year, so judge day and month
  // against a leap year. The code is four digits here, so its first digit decides unless it is a "4".
  if (month == 2 && day == 29) {
    const bool oneOff = c0 != 4 ? c0 < 4 : IsOneOffCode(line.substr(6, 4));
    return !oneOff || (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0));
  }
  static constexpr unsigned kDaysInMonth[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return day <= kDaysInMonth[month];
}

// The line with `code` as its reminder field: its date field, the code, and the line from
// column 17 on. Whatever columns 11-16 held, the text from column 18 on stays as it was.
std::string WithReminderField(std::string_view line, std::string_view code);

// Every line break of `text` (CR LF, LF or a lone CR) as `lineBreak`.
std::string ReplaceLineBreaks(std::string_view text, std::string_view lineBreak);

// "~" <-> CR LF in event texts.
std::string TildesToLineBreaks(std::string_view text);
inline std::string LineBreaksToTildes(std::string_view text) { return ReplaceLineBreaks(text, "~"); }
// An event text on one row of a list: each stored line break as two spaces, each "=" as " - ".
std::string OneRowText(std::string_view text);

// The digit at position i (0-based) of s as a number, or -1 when there is no digit there.
inline int DigitAt(std::string_view s, std::size_t i) {
  return i < s.size() && s[i] >= '0' && s[i] <= '9' ? s[i] - '0' : -1;
}

// Two-digit number at the start of s, or -1 when s does not start with two digits.
inline int TwoDigits(std::string_view s) {
  const int high = DigitAt(s, 0);
  const int low = DigitAt(s, 1);
  return high < 0 || low < 0 ? -1 : high * 10 + low;
}

}  // namespace orlevant
