// The printed events list: one line per day with events, in day order, in the fixed date pattern.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings.h"
#include "core/shown_text.h"
#include "monthview/events_list.h"
#include "monthview/month_test_support.h"

namespace orlevant {
namespace {

using testing::MakeLine;
using testing::MakeView;
using testing::Records;
using testing::ShowMonth;

struct ListCase {
  std::string name;
  int year, month, firstDay;
  std::vector<std::string> lines;  // event lines, in file order
  std::vector<std::string> expected;
};
// The case's name alone, so that test names stay short and the same from run to run.
void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }

class EventsList : public ::testing::TestWithParam<ListCase> {};

TEST_P(EventsList, ListsTheShownMonth) {
  const ListCase& c = GetParam();
  Settings settings;
  settings.FirstDay = c.firstDay;
  MonthView view = MakeView(DateSerial(2026, 3, 15));
  ShowMonth(view, DateSerial(c.year, c.month, 1), settings, Records(c.lines));
  EXPECT_EQ(EventsListLines(view), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EventsList,
    ::testing::Values(
        // The newer event stands first; a reminder's mark is printed as it stands.
        ListCase{"TwoEventsOneDay", 2026, 1, 1,
                 {MakeLine(5, 1, "2026", "Meeting"), MakeLine(5, 1, "2026", "Dentist", "010000")},
                 {"Mon - Jan. 5 - .Dentist - Meeting"}},
        ListCase{"NoEvents", 2026, 1, 1, {}, {}},
        // Days in order 1 .. n whatever the file order; days without events are left out.
        ListCase{"DayOrder", 2026, 5, 1,
                 {MakeLine(31, 5, "2026", "Last"), MakeLine(1, 5, "2026", "First"), MakeLine(12, 5, "2026", "Mid")},
                 {"Fri - May. 1 - First", "Tue - May. 12 - Mid", "Sun - May. 31 - Last"}},
        // A line break inside an event's text becomes " - " as well.
        ListCase{"TextOnTwoLines", 2026, 5, 1, {MakeLine(3, 5, "2026", "Call~Mother")}, {"Sun - May. 3 - Call - Mother"}},
        // Another first weekday moves day 1's box; the list is the same.
        ListCase{"MondayFirst", 2026, 5, 2,
                 {MakeLine(1, 5, "2026", "First"), MakeLine(31, 5, "2026", "Last")},
                 {"Fri - May. 1 - First", "Sun - May. 31 - Last"}},
        // Events of the neighbouring months, though their days stand in the grid, are not listed.
        ListCase{"OtherMonthsLeftOut", 2026, 5, 1,
                 {MakeLine(30, 4, "2026", "April"), MakeLine(1, 6, "2026", "June"), MakeLine(20, 5, "2026", "May")},
                 {"Wed - May. 20 - May"}},
        // Recurring events stand on each of their days.
        ListCase{"Weekly", 2026, 2, 1, {MakeLine(2, 2, "9992", "Gym")},
                 {"Mon - Feb. 2 - Gym", "Mon - Feb. 9 - Gym", "Mon - Feb. 16 - Gym", "Mon - Feb. 23 - Gym"}},
        // A pasted word of a megabyte prints as much as a window shows of it; the day's other
        // events follow it, however many the day has.
        ListCase{"AMegabyteWord", 2026, 5, 1,
                 {MakeLine(3, 5, "2026", "Tea"), MakeLine(3, 5, "2026", std::string(1 << 20, 'w'))},
                 {"Sun - May. 3 - " + std::string(kShownLineStart, 'w') + "\u2026" + std::string(kShownLineEnd, 'w') +
                  " - Tea"}}),
    [](const auto& info) { return info.param.name; });

TEST(EventsList, NamesComeFromTheFormatter) {
  Settings settings;
  MonthView view = MakeView(DateSerial(2026, 3, 15));
  view.FormatDateText = [](const DateTime& when, std::string_view pattern) {
    return std::string(pattern) + "@" + std::to_string(DayOf(when.date));
  };
  ShowMonth(view, DateSerial(2026, 3, 1), settings, Records({MakeLine(9, 3, "2026", "X")}));
  EXPECT_EQ(EventsListLines(view), std::vector<std::string>{"ddd - mmm. d@9 - X"});
}

}  // namespace
}  // namespace orlevant
