#include "support/event_file_generator.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

#include <unistd.h>

#include "core/calendar_date.h"
#include "core/event_line.h"

namespace orlevant::bench {

namespace {

// splitmix64: small, fast and the same everywhere (the standard distributions are not).
class Random {
 public:
  explicit Random(unsigned seed) : state_(0x9E3779B97F4A7C15ULL ^ seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // 0 .. n - 1
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
  int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
  bool Chance(int percent) { return Below(100) < percent; }
  template <typename T, std::size_t N>
  const T& Pick(const std::array<T, N>& items) { return items[static_cast<std::size_t>(Below(static_cast<int>(N)))]; }

 private:
  std::uint64_t state_;
};

constexpr std::array<std::string_view, 24> kWords{
    "Dentist", "Team meeting", "Birthday", "Call", "Mum", "Gym", "Rent due", "Dinner with",
    "Project review", "Bins out", "Car service", "Piano lesson", "Pay", "Invoice", "School run", "Book club",
    "Flight to", "Haircut", "Vet", "Anniversary", "Water plants", "Backup", "Choir", "Yoga"};
constexpr std::array<std::string_view, 12> kNames{
    "Anna", "Ben", "Chloé", "Dmitri", "Zoë", "Jürgen", "Ingrid", "François", "Łukasz", "Sven", "Ana María", "Kai"};
constexpr std::array<std::string_view, 8> kForeign{
    "Café Müller", "Straße 12", "東京 meeting", "Ελλάδα trip", "Москва call", "Crème brûlée night", "naïve plan",
    "Señor García"};

std::string EventText(Random& rnd) {
  std::string text(rnd.Pick(kWords));
  if (rnd.Chance(40)) text.append(" ").append(rnd.Pick(kNames));
  if (rnd.Chance(10)) text.append(" - ").append(rnd.Pick(kForeign));
  if (rnd.Chance(15)) {
    const int extra = rnd.Between(1, 3);
    for (int i = 0; i < extra; ++i) text.append("~").append(rnd.Pick(kWords));
  }
  if (rnd.Chance(5)) text.append(" #").append(std::to_string(rnd.Between(1, 999)));
  return text;
}

std::string ReminderCode(Random& rnd) {
  if (!rnd.Chance(20)) return std::string(kNoReminder);
  char code[8];
  std::snprintf(code, sizeof code, "%02d%02d%d%d", rnd.Chance(70) ? rnd.Between(1, 14) : 0,
                rnd.Chance(25) ? rnd.Between(1, 6) : 0, rnd.Chance(25) ? rnd.Between(1, 9) : 0, rnd.Between(0, 9));
  if (std::string_view(code) == kNoReminder) code[1] = '1';
  return code;
}

std::string Anchor(Date d) { return FormatDayMonthYear(d).substr(0, 6); }

std::string TwoDigit(int n) {
  char buf[4];
  std::snprintf(buf, sizeof buf, "%02d", n);
  return buf;
}

// The ordinal digit that a day of the month has as its n-th weekday: 8 First .. 5 Fourth, or 4
// Last when it is the last such weekday (chosen now and then even for the fourth).
int OrdinalOf(Date d, Random& rnd) {
  const int day = DayOf(d);
  const bool last = day + 7 > DaysInMonthOf(YearOf(d), MonthOf(d));
  if (last && (day > 28 || rnd.Chance(50))) return kOrdinalLast;
  return 8 - (day - 1) / 7;
}

std::string DateField(Random& rnd, Date anchorBase) {
  const Date anchor = anchorBase + std::chrono::days{rnd.Between(-1500, 1500)};
  const int w = WeekdayOf(anchor);
  const std::string nth = std::to_string(OrdinalOf(anchor, rnd)) + std::to_string(w);
  const int kind = rnd.Below(100);
  if (kind < 45) return FormatDayMonthYear(anchor);  // one-off, past or future
  if (kind < 52) return Anchor(anchor) + "999" + std::to_string(w);
  if (kind < 60) {
    const auto& combination = kWeekCombinations[static_cast<std::size_t>(rnd.Below(20))];
    return Anchor(anchor) + std::string(combination.code) + "9" + std::to_string(w);
  }
  if (kind < 66) return Anchor(anchor) + "9998";
  if (kind < 70) return Anchor(anchor) + nth + "98";
  if (kind < 74) return Anchor(anchor) + "9989";
  if (kind < 77) return Anchor(anchor) + nth + "89";
  if (kind < 90) return Anchor(anchor) + "9999";
  if (kind < 95) return Anchor(anchor) + nth + "99";
  // The awkward anchors: 29 February and day 31.
  const int year = 2016 + 4 * rnd.Below(4);
  switch (rnd.Below(4)) {
    case 0: return "29/02/" + std::to_string(year);
    case 1: return "29/02/9999";
    case 2: return "31/" + TwoDigit(rnd.Pick(std::array<int, 7>{1, 3, 5, 7, 8, 10, 12})) + "/9998";
    default: return "31/05/9989";
  }
}

}  // namespace

std::vector<std::string> GenerateEventLines(int count, unsigned seed) {
  Random rnd(seed);
  const Date base = DateSerial(2026, 6, 15);
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    // About one line in a hundred repeats an earlier one, some in another letter case.
    if (!lines.empty() && rnd.Chance(1)) {
      std::string copy = lines[static_cast<std::size_t>(rnd.Below(static_cast<int>(lines.size())))];
      if (rnd.Chance(30))
        for (std::size_t k = 17; k < copy.size(); ++k)
          if (copy[k] >= 'a' && copy[k] <= 'z') copy[k] = static_cast<char>(copy[k] - 'a' + 'A');
      lines.push_back(std::move(copy));
      continue;
    }
    lines.push_back(DateField(rnd, base) + ReminderCode(rnd) + "=" + EventText(rnd));
  }
  return lines;
}

bool WriteEventFile(const std::string& path, const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const std::string& line : lines) out << line << "\r\n";
  out.close();
  return static_cast<bool>(out);
}

std::string ToWindows1252(const std::string& utf8) {
  // Windows-1252 0x80 .. 0x9F; 0 where the code page leaves the byte undefined.
  static constexpr std::array<char32_t, 32> kHigh{
      0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
      0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += length;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += static_cast<char>(cp);
      continue;
    }
    char byte = '?';
    for (std::size_t k = 0; k < kHigh.size(); ++k)
      if (kHigh[k] == cp) byte = static_cast<char>(0x80 + k);
    out += byte;
  }
  return out;
}

TempFolder::TempFolder() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "orlevant-bench-XXXXXX").string();
  if (!::mkdtemp(tmpl.data())) std::abort();
  path_ = tmpl + "/";
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

}  // namespace orlevant::bench
