#include "platform/date_format.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <optional>

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include "core/case_mapping.h"

namespace orlevant {

namespace {

bool MatchesAt(std::string_view text, std::size_t at, std::string_view word) {
  if (text.size() - at < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i)
    if (AsciiLower(text[at + i]) != word[i]) return false;
  return true;
}

bool ContainsNoCase(std::string_view text, std::string_view word) {
  for (std::size_t at = 0; at < text.size(); ++at)
    if (MatchesAt(text, at, word)) return true;
  return false;
}

// Length of the run of the same letter (either case) starting at `at`.
std::size_t RunLength(std::string_view pattern, std::size_t at) {
  const char c = AsciiLower(pattern[at]);
  std::size_t n = 0;
  while (at + n < pattern.size() && AsciiLower(pattern[at + n]) == c) ++n;
  return n;
}

void AppendNumber(std::string& out, int value, int minDigits) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (value < 0) out += '-';
  if (static_cast<int>(digits.size()) < minDigits) out.append(minDigits - digits.size(), '0');
  out += digits;
}

// An m or mm just before seconds ("mm:ss") means minutes as well.
bool SecondsFollow(std::string_view pattern, std::size_t at) {
  while (at < pattern.size() && pattern[at] == ':') ++at;
  return at < pattern.size() && AsciiLower(pattern[at]) == 's';
}

constexpr std::string_view kAmPm = "am/pm";

}  // namespace

const LocaleNames& EnglishLocaleNames() {
  static const LocaleNames names{
      {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
       "November", "December"},
      {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
      {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
      {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
      "%m/%d/%y",
      "%H:%M:%S",
      "%I:%M:%S %p",
      "AM",
      "PM",
  };
  return names;
}

std::string FormatDate(const DateTime& when, std::string_view pattern, const LocaleNames& names) {
  const int year = YearOf(when.date);
  const int month = MonthOf(when.date);
  const int day = DayOf(when.date);
  const int weekday = WeekdayOf(when.date);
  const bool twelveHour = ContainsNoCase(pattern, kAmPm);
  const int hour = twelveHour ? (when.hour % 12 == 0 ? 12 : when.hour % 12) : when.hour;

  std::string out;
  out.reserve(pattern.size() + 16);
  bool afterHour = false;  // the last thing written was an hour, at most ":" since
  // Where the run of the letter at i ends. A long run is taken a few letters at a time; measured
  // again for each piece, a pattern of one letter repeated would cost the square of its length.
  std::size_t runEnd = 0;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char c = AsciiLower(pattern[i]);
    if (c == 'a' && MatchesAt(pattern, i, kAmPm)) {
      const bool upper = pattern[i] == 'A';
      out += when.hour < 12 ? (upper ? "AM" : "am") : (upper ? "PM" : "pm");
      i += kAmPm.size();
      afterHour = false;
      continue;
    }
    if (i >= runEnd) runEnd = i + RunLength(pattern, i);
    const std::size_t run = runEnd - i;
    std::size_t take = 0;
    bool isHour = false;
    switch (c) {
      case 'd':
        take = std::min<std::size_t>(run, 4);
        if (take == 4)
          out += names.weekdays[weekday - 1];
        else if (take == 3)
          out += names.shortWeekdays[weekday - 1];
        else
          AppendNumber(out, day, static_cast<int>(take));
        break;
      case 'm':
        take = std::min<std::size_t>(run, 4);
        if (take <= 2 && (afterHour || SecondsFollow(pattern, i + take)))
          AppendNumber(out, when.minute, static_cast<int>(take));
        else if (take == 4)
          out += names.months[month - 1];
        else if (take == 3)
          out += names.shortMonths[month - 1];
        else
          AppendNumber(out, month, static_cast<int>(take));
        break;
      case 'y':
        take = run >= 4 ? 4 : run >= 2 ? 2 : 1;
        if (take == 4)
          AppendNumber(out, year, 4);
        else if (take == 2)
          AppendNumber(out, year % 100, 2);
        else
          AppendNumber(out, DaysBetween(DateSerial(year, 1, 1), when.date) + 1, 1);
        break;
      case 'h':
        take = std::min<std::size_t>(run, 2);
        AppendNumber(out, hour, static_cast<int>(take));
        isHour = true;
        break;
      case 'n':
        take = std::min<std::size_t>(run, 2);
        AppendNumber(out, when.minute, static_cast<int>(take));
        break;
      case 's':
        take = std::min<std::size_t>(run, 2);
        AppendNumber(out, when.second, static_cast<int>(take));
        break;
      default:
        out += pattern[i];
        if (pattern[i] != ':') afterHour = false;
        ++i;
        continue;
    }
    afterHour = isHour;
    i += take;
  }
  return out;
}

std::string FormatDate(const DateTime& when, std::string_view pattern) {
  return FormatDate(when, pattern, SystemLocaleNames());
}

namespace {

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsUtf8Codeset(std::string_view codeset) {
  std::string folded;
  for (char c : codeset)
    if (c != '-' && c != '_') folded += AsciiLower(c);
  return folded == "utf8";
}

// Text of the locale's own codeset as UTF-8; nothing when it cannot be converted.
std::optional<std::string> ToUtf8(const char* text, const char* codeset) {
  if (!text || !*text) return std::nullopt;
  const std::string_view in(text);
  if (IsAscii(in) || IsUtf8Codeset(codeset)) return std::string(in);
  iconv_t cd = iconv_open("UTF-8", codeset);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string source(in);
  std::string result(source.size() * 4 + 4, '\0');
  char* inPtr = source.data();
  std::size_t inLeft = source.size();
  char* outPtr = result.data();
  std::size_t outLeft = result.size();
  const std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (done == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
  result.resize(result.size() - outLeft);
  return result;
}

// The locale name the environment gives the time category, as setlocale would pick it.
std::string TimeLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return value;
  }
  return "C";
}

}  // namespace

LocaleNames ReadLocaleNames() {
  // The character set and the names must come from the same locale, or the conversion would read
  // the names in the wrong character set.
  const std::string name = TimeLocaleName();
  const locale_t locale = newlocale(LC_CTYPE_MASK | LC_TIME_MASK, name.c_str(), static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return EnglishLocaleNames();

  const char* codeset = nl_langinfo_l(CODESET, locale);
  LocaleNames names;
  bool complete = true;
  auto read = [&](nl_item item, std::string& into) {
    const std::optional<std::string> text = ToUtf8(nl_langinfo_l(item, locale), codeset);
    if (text)
      into = *text;
    else
      complete = false;
  };
  static constexpr std::array<nl_item, 12> kMonths{MON_1, MON_2, MON_3, MON_4,  MON_5,  MON_6,
                                                   MON_7, MON_8, MON_9, MON_10, MON_11, MON_12};
  static constexpr std::array<nl_item, 12> kShortMonths{ABMON_1, ABMON_2, ABMON_3, ABMON_4,  ABMON_5,  ABMON_6,
                                                        ABMON_7, ABMON_8, ABMON_9, ABMON_10, ABMON_11, ABMON_12};
  static constexpr std::array<nl_item, 7> kWeekdays{DAY_1, DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7};
  static constexpr std::array<nl_item, 7> kShortWeekdays{ABDAY_1, ABDAY_2, ABDAY_3, ABDAY_4,
                                                         ABDAY_5, ABDAY_6, ABDAY_7};
  for (std::size_t i = 0; i < 12; ++i) {
    read(kMonths[i], names.months[i]);
    read(kShortMonths[i], names.shortMonths[i]);
  }
  for (std::size_t i = 0; i < 7; ++i) {
    read(kWeekdays[i], names.weekdays[i]);
    read(kShortWeekdays[i], names.shortWeekdays[i]);
  }
  // A locale may have no 12-hour time and no AM or PM; a form it leaves empty is left empty.
  const auto readForm = [&](nl_item item, std::string& into) {
    const char* text = nl_langinfo_l(item, locale);
    if (text && *text) read(item, into);
  };
  readForm(D_FMT, names.dateForm);
  readForm(T_FMT, names.timeForm);
  readForm(T_FMT_AMPM, names.amPmTimeForm);
  readForm(AM_STR, names.am);
  readForm(PM_STR, names.pm);
  freelocale(locale);
  if (!complete) return EnglishLocaleNames();
  // Without a date or a time form of its own the locale's names still serve, with the plain forms.
  if (names.dateForm.empty()) names.dateForm = EnglishLocaleNames().dateForm;
  if (names.timeForm.empty()) names.timeForm = EnglishLocaleNames().timeForm;
  return names;
}

namespace {

const LocaleNames* installedNames = nullptr;

}  // namespace

const LocaleNames& SystemLocaleNames() {
  if (installedNames) return *installedNames;
  static const LocaleNames names = ReadLocaleNames();
  return names;
}

void SetAppLocaleNames(const LocaleNames* names) { installedNames = names; }

}  // namespace orlevant
