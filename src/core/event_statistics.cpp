#include "core/event_statistics.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "core/date_engine.h"
#include "core/event_line.h"

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

namespace {

// Byte order of UTF-8 is code point order. It differs from UTF-16 code unit order only where the
// first difference is a lead byte of U+E000 .. U+FFFF (0xEE, 0xEF) against one past U+FFFF
// (0xF0 .. 0xF4), whose surrogates sort below U+E000; ranking those two lead bytes last mends it.
int CompareAsUtf16(std::string_view a, std::string_view b) {
  // Many rows share long beginnings or are equal outright: the common part is skipped a word at a
  // time.
  const std::size_t n = std::min(a.size(), b.size());
  std::size_t i = 0;
  for (std::uint64_t x = 0, y = 0; i + 8 <= n; i += 8) {
    std::memcpy(&x, a.data() + i, 8);
    std::memcpy(&y, b.data() + i, 8);
    if (x != y) break;
  }
  while (i < n && a[i] == b[i]) ++i;
  if (i == n) return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
  const auto rank = [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte == 0xEE || byte == 0xEF ? byte + 0x10 : static_cast<int>(byte);
  };
  return rank(a[i]) - rank(b[i]);
}

}  // namespace

std::vector<int> OverviewOrder(const std::vector<OverviewItem>& items) {
  // Small entries are sorted, not the items, whose strings would be moved at every step and end up
  // scattered. The first bytes of a text ("2026/03/14 - Den", "Weekly/Mondays(A"), ranked as
  // above, are packed into numbers, so that most comparisons touch neither the text nor the memory
  // it lives in; the position keeps equal texts in file order.
  constexpr std::size_t kHeadBytes = 24;
  struct Entry {
    std::uint64_t head[kHeadBytes / 8];
    std::string_view text;
    int position;
  };
  std::vector<Entry> entries;
  entries.reserve(items.size());
  for (const OverviewItem& item : items) {
    Entry e{{}, item.text, static_cast<int>(entries.size())};
    for (std::size_t b = 0; b < kHeadBytes; ++b) {
      const unsigned byte = b < e.text.size() ? static_cast<unsigned char>(e.text[b]) : 0u;
      e.head[b / 8] = e.head[b / 8] << 8 | (byte == 0xEE || byte == 0xEF ? byte + 0x10 : byte);
    }
    entries.push_back(e);
  }
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    for (std::size_t w = 0; w < kHeadBytes / 8; ++w)
      if (a.head[w] != b.head[w]) return a.head[w] < b.head[w];
    const int c = CompareAsUtf16(a.text, b.text);
    return c != 0 ? c < 0 : a.position < b.position;
  });
  std::vector<int> order;
  order.reserve(entries.size());
  for (const Entry& e : entries) order.push_back(e.position);
  return order;
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
