#include "core/event_statistics.h"

#include <string_view>

#include "core/date_engine.h"
#include "core/event_line.h"

namespace orlevant {
namespace {

bool IsTwoWeekCombination(std::string_view head) {
  static constexpr std::array<std::string_view, 10> kTwoWeeks = {"89", "85", "82", "80", "79",
                                                                 "76", "74", "69", "67", "59"};
  for (std::string_view c : kTwoWeeks)
    if (c == head) return true;
  return false;
}

int MonthOfLine(std::string_view line) {
  if (line.size() < 5) return 0;
  const char a = line[3];
  const char b = line[4];
  if (a < '0' || a > '9' || b < '0' || b > '9') return 0;
  const int m = (a - '0') * 10 + (b - '0');
  return m >= 1 && m <= 12 ? m : 0;
}

}  // namespace

EventStatistics CountEvents(const EventStore& store, int year) {
  EventStatistics st;
  st.Total = store.EventCount;
  const std::string y = std::to_string(year);
  const int lines = StoredLineCount(store);
  for (int i = 1; i <= lines; ++i) {
    const std::string& line = store.EventRecords[static_cast<std::size_t>(i)];
    if (line.size() < 10) continue;
    const std::string_view code = std::string_view(line).substr(6, 4);
    const int m = MonthOfLine(line);
    const auto addMonth = [&st](int month) {
      if (month >= 1 && month <= 12) ++st.MonthTotal[static_cast<std::size_t>(month)];
    };
    if (code < "4000") {
      ++st.TodayOnly;
      if (code == y) {
        ++st.ThisYear;
        addMonth(m);
      } else if (code < std::string_view(y)) {
        ++st.PreviousYears;
      } else {
        ++st.LaterYears;
      }
      continue;
    }
    const std::string_view tail = code.substr(2, 2);
    const std::string_view head = code.substr(0, 2);
    if (tail == "99") {
      ++st.Yearly;
      ++st.ThisYear;
      addMonth(m);
    } else if (tail == "89") {
      ++st.Quarterly;
      ++st.ThisYear;
      if (m != 0)
        for (int k = 0; k < 4; ++k) addMonth((m + 3 * k - 1) % 12 + 1);
    } else if (tail == "98") {
      ++st.Monthly;
      ++st.ThisYear;
      for (int k = 1; k <= 12; ++k) addMonth(k);
    } else if (tail >= "91" && tail <= "97") {
      ++st.Weekly;
      ++st.ThisYear;
      const int add = IsTwoWeekCombination(head) ? 2 : 3;
      for (int k = 1; k <= 12; ++k) st.MonthTotal[static_cast<std::size_t>(k)] += add;
    }
  }
  return st;
}

std::vector<OverviewItem> EventsOverview(const EventStore& store) {
  std::vector<OverviewItem> items;
  const int lines = StoredLineCount(store);
  items.reserve(static_cast<std::size_t>(lines));
  int position = 0;
  for (int i = 1; i <= lines; ++i) {
    const std::string& line = store.EventRecords[static_cast<std::size_t>(i)];
    if (line.empty()) continue;
    ++position;
    // The row text starts at the "=" of column 17, so it reads "date - text".
    items.push_back({line + std::to_string(position),
                     DescribeEventDate(DateField(line)) + OneRowText(ColumnsFrom(line, 17))});
  }
  return items;
}

std::string OccurrenceAnswer(std::int64_t days) {
  if (days == 0) return "That's Today!";
  const std::string unit = (days == 1 || days == -1) ? " day" : " days";
  if (days > 0) return std::to_string(days) + " more" + unit + "!";
  return std::to_string(-days) + unit + " ago!";
}

std::string OccurrenceAnswerForKey(const std::string& key, Date today) {
  if (key.size() < 10) return {};
  const Date next = NextOccurrence(std::string_view(key).substr(0, 10), today);
  if (next == kZeroDate) return {};
  return OccurrenceAnswer(static_cast<std::int64_t>((next - today).count()));
}

}  // namespace orlevant
