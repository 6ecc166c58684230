#include "core/event_statistics.h"

#include <string_view>

#include "core/date_engine.h"
#include "core/event_line.h"
#include "core/text_order.h"

namespace orlevant {
namespace {

// Weekly lines that name two weeks of the month add two events to each month; every other weekly
// line, three.
int WeeklyPerMonth(std::string_view head) {
  const WeekCombination* combination = FindWeekCombination(head);
  return combination && combination->ordinals[2] == 0 ? 2 : 3;
}

int MonthOfLine(std::string_view line) {
  const int m = TwoDigits(MonthField(line));
  return m >= 1 && m <= 12 ? m : 0;
}

}  // namespace

EventStatistics CountEvents(const EventStore& store, int year) {
  EventStatistics st;
  st.Total = store.EventCount;
  const std::string y = std::to_string(year);
  const int lines = StoredLineCount(store);
  for (int i = 1; i <= lines; ++i) {
    const std::string_view line = store.EventRecords[static_cast<std::size_t>(i)];
    if (line.size() < 10) continue;
    const std::string_view code = CodeField(line);
    const int m = MonthOfLine(line);
    const auto addMonth = [&st](int month) {
      if (month >= 1 && month <= 12) ++st.MonthTotal[static_cast<std::size_t>(month)];
    };
    switch (KindOfCode(code)) {
      case RecurrenceKind::OneOff:
        ++st.TodayOnly;
        if (code == y) {
          ++st.ThisYear;
          addMonth(m);
        } else if (code < std::string_view(y)) {
          ++st.PreviousYears;
        } else {
          ++st.LaterYears;
        }
        break;
      case RecurrenceKind::Yearly:
        ++st.Yearly;
        ++st.ThisYear;
        addMonth(m);
        break;
      case RecurrenceKind::Quarterly:
        ++st.Quarterly;
        ++st.ThisYear;
        if (m != 0)
          for (int k = 0; k < 4; ++k) addMonth((m + 3 * k - 1) % 12 + 1);
        break;
      case RecurrenceKind::Monthly:
        ++st.Monthly;
        ++st.ThisYear;
        for (int k = 1; k <= 12; ++k) addMonth(k);
        break;
      case RecurrenceKind::Weekly: {
        ++st.Weekly;
        ++st.ThisYear;
        const int add = WeeklyPerMonth(HeadField(line));
        for (int k = 1; k <= 12; ++k) st.MonthTotal[static_cast<std::size_t>(k)] += add;
        break;
      }
      case RecurrenceKind::None:
        break;
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
    const std::string_view line = store.EventRecords[static_cast<std::size_t>(i)];
    if (line.empty()) continue;
    ++position;
    // The row text starts at the "=" of column 17, so it reads "date - text".
    items.push_back({std::string(line) + std::to_string(position),
                     DescribeEventDate(DateField(line)) + OneRowText(ColumnsFrom(line, 17))});
  }
  return items;
}

std::vector<int> OverviewOrder(const std::vector<OverviewItem>& items) {
  std::vector<std::string_view> texts;
  texts.reserve(items.size());
  for (const OverviewItem& item : items) texts.push_back(item.text);
  return StableTextOrder(texts, TextOrder::Utf16CodeUnits);
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
