#include "core/event_statistics.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/calendar_date.h"

namespace orlevant {
namespace {

EventStore StoreOf(const std::vector<std::string>& lines) {
  EventStore store;
  store.EventRecords = EventLines(1);
  for (const std::string& l : lines) store.EventRecords.push_back(l);
  store.EventCount = static_cast<int>(lines.size());
  store.EventRecords.resize(store.EventRecords.size() + kSpareEventSlots);
  return store;
}

using Months = std::array<int, 13>;

Months Each(int n) {
  Months m{};
  for (int i = 1; i <= 12; ++i) m[static_cast<std::size_t>(i)] = n;
  return m;
}

Months Only(std::initializer_list<int> months) {
  Months m{};
  for (int i : months) ++m[static_cast<std::size_t>(i)];
  return m;
}

TEST(CountEvents, EachKindOfLineAsOf2026) {
  struct Case {
    const char* name;
    std::string line;
    int yearly, quarterly, monthly, weekly, todayOnly, previous, thisYear, later;
    Months months;
  };
  const std::vector<Case> cases = {
      {"one-off in March of this year", "14/03/2026000000=Dentist", 0, 0, 0, 0, 1, 0, 1, 0, Only({3})},
      {"one-off of last year", "14/03/2025000000=Old", 0, 0, 0, 0, 1, 1, 0, 0, Months{}},
      {"one-off of 2099", "01/01/2099000000=Far", 0, 0, 0, 0, 1, 0, 0, 1, Months{}},
      {"yearly in July", "04/07/9999000000=Party", 1, 0, 0, 0, 0, 0, 1, 0, Only({7})},
      {"quarterly anchored in November", "10/11/9989000000=Report", 0, 1, 0, 0, 0, 0, 1, 0, Only({2, 5, 8, 11})},
      {"quarterly on the first Monday, January", "06/01/8289000000=Board", 0, 1, 0, 0, 0, 0, 1, 0,
       Only({1, 4, 7, 10})},
      {"monthly", "15/06/9998000000=Rent", 0, 0, 1, 0, 0, 0, 1, 0, Each(1)},
      {"weekly first and third", "01/06/8592000000=Club", 0, 0, 0, 1, 0, 0, 1, 0, Each(2)},
      {"weekly every Monday", "01/06/9992000000=Gym", 0, 0, 0, 1, 0, 0, 1, 0, Each(3)},
      {"weekly three weeks", "01/06/8697000000=Choir", 0, 0, 0, 1, 0, 0, 1, 0, Each(3)},
      {"weekly second and last", "01/06/7493000000=Lunch", 0, 0, 0, 1, 0, 0, 1, 0, Each(2)},
      {"unknown tail", "01/06/9950000000=?", 0, 0, 0, 0, 0, 0, 0, 0, Months{}},
  };
  for (const Case& c : cases) {
    const EventStatistics st = CountEvents(StoreOf({c.line}), 2026);
    const std::array<int, 8> counts = {st.Yearly,   st.Quarterly,     st.Monthly,  st.Weekly,
                                       st.TodayOnly, st.PreviousYears, st.ThisYear, st.LaterYears};
    EXPECT_EQ(counts, (std::array<int, 8>{c.yearly, c.quarterly, c.monthly, c.weekly, c.todayOnly, c.previous,
                                          c.thisYear, c.later}))
        << c.name;
    EXPECT_EQ(st.Total, 1) << c.name;
    EXPECT_EQ(st.MonthTotal, c.months) << c.name;
  }
}

TEST(CountEvents, EmptyStoreAndATableOfManyLinesAddUp) {
  const EventStatistics none = CountEvents(StoreOf({}), 2026);
  EXPECT_EQ(none.Total, 0);
  EXPECT_EQ(none.MonthTotal, Months{});

  const EventStatistics st = CountEvents(StoreOf({"14/03/2026000000=a", "14/03/2026000000=a", "04/07/9999000000=b",
                                                  "01/06/9992000000=c", "10/12/2024000000=d"}),
                                         2026);
  EXPECT_EQ(st.Total, 5);
  EXPECT_EQ(st.TodayOnly, 3);
  EXPECT_EQ(st.PreviousYears, 1);
  EXPECT_EQ(st.ThisYear, 4);
  Months expected = Each(3);
  expected[3] += 2;
  expected[7] += 1;
  EXPECT_EQ(st.MonthTotal, expected);
}

TEST(EventsOverview, DescriptionThenTextWithUniqueKeysForEqualLines) {
  const auto items = EventsOverview(StoreOf({"04/07/9999000000=Party~at home", "04/07/9999000000=Party~at home",
                                             "14/03/2026120000=Dentist"}));
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].text, "Yearly/07/04 - Party  at home");
  EXPECT_EQ(items[2].text, "2026/03/14 - Dentist");
  EXPECT_EQ(items[0].key, "04/07/9999000000=Party~at home1");
  EXPECT_EQ(items[1].key, "04/07/9999000000=Party~at home2");
  EXPECT_EQ(items[2].key, "14/03/2026120000=Dentist3");
}

// The list has always ordered its texts by UTF-16 code unit, case and accents included, equal
// texts in file order; at the start of a text and past a long common beginning alike.
TEST(EventsOverview, TextsOrderedByUtf16CodeUnits) {
  const std::pair<std::string, std::string> lessThan[] = {
      {"B", "a"},
      {"ab", "abc"},
      {"z", "\u00e9"},
      {"\uD7FF", "\U0001F600"},
      // Past U+FFFF a character is a surrogate pair, below U+E000 .. U+FFFF.
      {"\U0001F600", "\uE000"},
  };
  for (const std::string& start : {std::string(), std::string("Weekly/Mondays(All) - Team meeting ")}) {
    for (const auto& [a, b] : lessThan) {
      EXPECT_EQ(OverviewOrder({{"", start + b}, {"", start + a}}), (std::vector<int>{1, 0})) << start + a;
      EXPECT_EQ(OverviewOrder({{"", start + a}, {"", start + b}}), (std::vector<int>{0, 1})) << start + a;
    }
  }
  // Equal texts in a list long enough that the sort is not a plain insertion.
  std::vector<OverviewItem> items;
  std::vector<int> as, bs;
  for (int i = 0; i < 100; ++i) {
    items.push_back({"", i % 3 ? "b" : "a"});
    (i % 3 ? bs : as).push_back(i);
  }
  as.insert(as.end(), bs.begin(), bs.end());
  EXPECT_EQ(OverviewOrder(items), as);
}

TEST(OccurrenceAnswer, TheThreeAnswersAndTheirUnits) {
  const std::pair<std::int64_t, const char*> cases[] = {
      {5, "5 more days!"}, {1, "1 more day!"}, {0, "That's Today!"}, {-1, "1 day ago!"}, {-3, "3 days ago!"},
      // Beyond 16 bits: an event a century away is still counted right.
      {40000, "40000 more days!"}, {-40000, "40000 days ago!"},
  };
  for (const auto& [days, text] : cases) EXPECT_EQ(OccurrenceAnswer(days), text) << days;
}

TEST(OccurrenceAnswer, FromAnItemKeyAsOfToday) {
  const Date today = DateSerial(2026, 6, 15);
  EXPECT_EQ(OccurrenceAnswerForKey("15/06/9999000000=Birthday1", today), "That's Today!");
  EXPECT_EQ(OccurrenceAnswerForKey("12/06/2026000000=Past3", today), "3 days ago!");
  EXPECT_EQ(OccurrenceAnswerForKey("16/06/2026000000=Tomorrow7", today), "1 more day!");
  EXPECT_EQ(OccurrenceAnswerForKey("14/06/9999000000=Yesterday's yearly1", today), "364 more days!");
  EXPECT_EQ(OccurrenceAnswerForKey("short", today), "");
}

}  // namespace
}  // namespace orlevant
