#pragma once
// The counts and the overview list of the statistics page: events by kind, by year class and by
// month, every event's sortable description, and how far away an event's next occurrence is.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/calendar_date.h"
#include "core/events_file.h"

namespace orlevant {

struct EventStatistics {
  int Yearly = 0;
  int Quarterly = 0;
  int Monthly = 0;
  int Weekly = 0;
  int TodayOnly = 0;  // one-off events
  int PreviousYears = 0;
  int ThisYear = 0;
  int LaterYears = 0;
  int Total = 0;  // EventCount
  std::array<int, 13> MonthTotal{};  // [1] January .. [12] December; [0] unused
};

// Counts lines 1 .. EventCount as of the year `year`. A recurring event counts as one of this year;
// a weekly event adds 2 to every month for a two-week combination and 3 otherwise. Deleted (empty)
// lines and lines no reader knows are not counted by kind (Total is still EventCount).
EventStatistics CountEvents(const EventStore& store, int year);

struct OverviewItem {
  std::string key;   // the whole line followed by the item's position (1, 2, ...)
  std::string text;  // DescribeEventDate of the date field, " - ", the event text
};

// One item per line 1 .. EventCount that is not deleted, in file order.
std::vector<OverviewItem> EventsOverview(const EventStore& store);

// The items' positions in ascending order of their texts, equal texts in file order; the
// descending list is this order read backwards, so one sort serves both directions. Texts compare
// by their UTF-16 code units, the order the list has always shown (characters past U+FFFF before
// U+E000 .. U+FFFF).
std::vector<int> OverviewOrder(const std::vector<OverviewItem>& items);

// "5 more days!", "1 more day!", "3 days ago!", "1 day ago!", "That's Today!".
std::string OccurrenceAnswer(std::int64_t days);

// The answer for an item's key, as of `today`; empty for a key too short to hold a date field or
// a line that belongs to no day.
std::string OccurrenceAnswerForKey(const std::string& key, Date today);

}  // namespace orlevant
