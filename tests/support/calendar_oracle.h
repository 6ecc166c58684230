#pragma once
// What a person with a printed calendar would say about an event line, worked out without the
// program's date helpers: day d of a month lies in week (d - 1) / 7 + 1 and is the last of its
// weekday when d + 7 passes the month's end. Shared by the month grid and the date engine tests.

#include <chrono>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar_date.h"

namespace orlevant::testing {

// The weeks of the 20 week combinations, read from their names ("L" the last).
inline const std::map<std::string, std::string, std::less<>>& OracleCombinationWeeks() {
  static const std::map<std::string, std::string, std::less<>> weeks{
      {"89", "12"},  {"88", "123"}, {"87", "124"}, {"86", "12L"}, {"85", "13"},  {"84", "134"}, {"83", "13L"},
      {"82", "14"},  {"81", "14L"}, {"80", "1L"},  {"79", "23"},  {"78", "234"}, {"77", "23L"}, {"76", "24"},
      {"75", "24L"}, {"74", "2L"},  {"69", "34"},  {"68", "34L"}, {"67", "3L"},  {"59", "4L"}};
  return weeks;
}

// How many times the line names day x (a weekly line naming both the fourth and the last week
// names a day that is both twice).
inline int OracleTimesOn(std::string_view line, Date x) {
  using namespace std::chrono;
  if (line.size() < 10) return 0;
  auto num = [&](std::size_t at, std::size_t n) {
    int v = 0;
    for (std::size_t i = at; i < at + n; ++i) {
      if (line[i] < '0' || line[i] > '9') return -1;
      v = v * 10 + (line[i] - '0');
    }
    return v;
  };
  const year_month_day ymd{x};
  const int y = static_cast<int>(ymd.year()), m = static_cast<int>(static_cast<unsigned>(ymd.month()));
  const int d = static_cast<int>(static_cast<unsigned>(ymd.day()));
  const int last = static_cast<int>(static_cast<unsigned>(year_month_day_last{ymd.year(), month_day_last{ymd.month()}}.day()));
  const int weekday = static_cast<int>(std::chrono::weekday{x}.c_encoding()) + 1;
  const int ad = num(0, 2), am = num(3, 2);
  const std::string_view head = line.substr(6, 2), tail = line.substr(8, 2);
  if (line.substr(6, 4) < "4000") return num(6, 4) == y && am == m && ad == d;
  auto inWeek = [&](char w) { return w == 'L' ? d + 7 > last : (d - 1) / 7 + 1 == w - '0'; };
  // Ordinal digits 8, 7, 6, 5 name weeks 1 to 4; 4 names the last.
  auto nth = [&] {
    if (head[1] - '0' != weekday || head[0] < '4' || head[0] > '8') return false;
    return inWeek(head[0] == '4' ? 'L' : static_cast<char>('0' + 9 - (head[0] - '0')));
  };
  const bool byDate = head == "99", realMonth = am >= 1 && am <= 12;
  if (tail == "99") return realMonth && am == m && (byDate ? ad == d : nth());
  if (tail == "89")
    return realMonth && (m - am + 12) % 3 == 0 && (byDate ? ad == d || (ad > last && d == last) : nth());
  if (tail == "98") return byDate ? ad == d : nth();
  if (tail[0] != '9' || tail[1] - '0' != weekday || tail[1] < '1' || tail[1] > '7') return 0;
  if (byDate) return 1;
  const auto weeks = OracleCombinationWeeks().find(head);
  int times = 0;
  if (weeks != OracleCombinationWeeks().end())
    for (char w : weeks->second) times += inWeek(w);
  return times;
}

// "dd/mm/cccc" fields of every kind of line the calendar knows, and of some it does not.
inline std::vector<std::string> EveryKindOfField() {
  auto two = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
  std::vector<std::string> f;
  const int leapDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = 1; m <= 12; ++m) {
    for (int y = 2026; y <= 2028; ++y)
      for (int d : {1, 13, 28, 29, 30, 31})
        if (d <= leapDays[m - 1] && (m != 2 || d < 29 || y == 2028)) f.push_back(two(d) + "/" + two(m) + "/" + std::to_string(y));
    for (int d : {1, 15, 28, 29, 30, 31}) {
      if (d > leapDays[m - 1]) continue;
      f.push_back(two(d) + "/" + two(m) + "/9999");
      f.push_back(two(d) + "/" + two(m) + "/9989");
    }
    for (int o = 4; o <= 8; ++o)
      for (int w = 1; w <= 7; ++w) {
        const std::string head = std::to_string(o) + std::to_string(w);
        f.push_back("03/" + two(m) + "/" + head + "99");
        f.push_back("09/" + two(m) + "/" + head + "89");
        if (m == 7) f.push_back("14/07/" + head + "98");
      }
  }
  for (int d = 1; d <= 31; ++d) f.push_back(two(d) + "/01/9998");
  for (int w = 1; w <= 7; ++w) {
    f.push_back("05/01/999" + std::to_string(w));
    for (const auto& [code, weeks] : OracleCombinationWeeks()) f.push_back("06/02/" + code + "9" + std::to_string(w));
  }
  // Codes no reader knows, days no calendar has, and anchor months that are no month.
  for (const char* odd : {"10/05/9990", "10/05/9900", "10/05/8099", "10/05/9399", "10/05/8998", "10/05/9389",
                          "10/05/7392", "10/05/6092", "10/05/9092", "10/05/4000", "10/05/4889", "10/05/9492",
                          "10/05/9397", "31/04/9999", "30/02/9999", "xx/05/9998", "10/00/9989", "10/13/9989",
                          "10/xx/9989", "10/13/9999"})
    f.push_back(odd);
  return f;
}

}  // namespace orlevant::testing
