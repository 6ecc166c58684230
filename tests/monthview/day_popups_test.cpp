#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monthview/day_popups.h"
#include "month_test_support.h"

namespace orlevant {
namespace {

using testing::MakeLine;
using testing::MakeView;
using testing::Records;
using testing::ShowMonth;

// May 2026 in the given size, today the 12th, with `lines` placed.
struct ShownMay {
  explicit ShownMay(const std::vector<std::string>& lines, int boxStyle = 1)
      : records(Records(lines)), view(MakeView(DateSerial(2026, 5, 12))) {
    settings.BoxStyle = boxStyle;
    view.LayoutMonthGrid(boxStyle);
    ShowMonth(view, DateSerial(2026, 5, 1), settings, records);
  }
  int Box(int day) const { return view.BoxOfDay(day); }

  EventLines records;
  Settings settings;
  MonthView view;
};

TEST(EventPopup, OccursTexts) {
  const struct { int days; const char* text; } rows[] = {
      {0, "Occurs Today!"},
      {1, "Occurs 1 day in the future."},
      {2, "Occurs 2 days in the future."},
      {-1, "Occurred 1 day in the past."},
      {-2, "Occurred 2 days in the past."},
      {-400, "Occurred 400 days in the past."},
  };
  for (const auto& r : rows) EXPECT_EQ(OccursText(r.days), r.text) << r.days;
}

TEST(EventPopup, PlacedBesideTheMainWindow) {
  const int screen = 28800;
  const struct { const char* name; TwipRect window; PopupPlace place; } rows[] = {
      {"room on the right", {1500, 3000, 7000, 5000}, {8500, 3000 + (5000 - 1980) / 2}},
      {"at the right edge: left of it", {21000, 0, 7000, 5000}, {21000 - 2256, 1510}},
      {"just fits on the right", {screen - 2256 - 7000, 0, 7000, 5000}, {screen - 2256, 1510}},
      {"as wide as the screen: off its left", {0, 0, screen, 5000}, {-2256, 1510}},
      // (4001 - 1980) / 2 = 1010.5: a half goes to the even neighbour.
      {"odd height", {0, 0, 7000, 4001}, {7000, 1010}},
      {"(4003 - 1980) / 2 = 1011.5", {0, 0, 7000, 4003}, {7000, 1012}},
  };
  for (const auto& r : rows)
    EXPECT_EQ(PlaceEventInfo(r.window, kEventPopupWidth, kEventPopupHeight, screen), r.place) << r.name;
}

TEST(ReminderPopup, OnlyOverTheIconsMiddle) {
  const struct { double x, y; bool inside; } rows[] = {
      {5, 5, true}, {55, 55, true}, {4, 30, false}, {30, 4, false}, {56, 30, false}, {30, 56, false}};
  for (const auto& r : rows) EXPECT_EQ(InsideReminderIcon(r.x, r.y), r.inside) << r.x << "," << r.y;
}

TEST(ReminderPopup, ListsTheBoxsOwnEventsWithRemindersOnce) {
  const ShownMay may({
      MakeLine(14, 5, "2026", "Same name", "000200"),       // 1: on another day, with a reminder
      MakeLine(12, 5, "2026", "Same name"),                 // 2: this day, no reminder
      MakeLine(12, 5, "2026", "Pick up~the car", "010000"),  // 3: two lines
      MakeLine(12, 5, "2026", "Dentist", "000010"),          // 4
      // 5: weekly on the fourth and the last Thursday: the 28th in May 2026 is both.
      MakeLine(28, 5, "5995", "Club", "020000"),
  });
  const auto twelfth = ReminderInfoFor(may.view, may.records, may.Box(12), 30, 30, kReminderPopupWidth);
  ASSERT_TRUE(twelfth);
  EXPECT_EQ(twelfth->Message,
            "Dentist\r\n     Every: 10 Minutes\r\n"
            "Pick up\r\nthe car\r\n     Every: 1 Day  \r\n");
  EXPECT_EQ(twelfth->DateText, "Tue. - May. 12, 2026");

  ASSERT_EQ(may.view.BoxLines[may.Box(28)].size(), 2u);  // listed twice in the box ...
  const auto club = ReminderInfoFor(may.view, may.records, may.Box(28), 30, 30, kReminderPopupWidth);
  ASSERT_TRUE(club);
  EXPECT_EQ(club->Message, "Club\r\n     Every: 2 Days  \r\n");  // ... and once here

  // A day without a reminder still opens it, empty.
  const auto empty = ReminderInfoFor(may.view, may.records, may.Box(13), 30, 30, kReminderPopupWidth);
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->Message, "");
}

TEST(ReminderPopup, WidthGrowsWithTheLongestLineAndNeverShrinks) {
  const std::string longText(60, 'x');
  const std::string longSecondLine = "short~" + std::string(50, 'y');
  const ShownMay may({MakeLine(12, 5, "2026", longText, "010000"), MakeLine(13, 5, "2026", "short", "010000"),
                      MakeLine(14, 5, "2026", longSecondLine, "010000"),
                      MakeLine(15, 5, "2026", "\xC3\xA9t\xC3\xA9", "010000"),  // 3 characters, 5 bytes
                      MakeLine(16, 5, "2026", std::string(1 << 20, 'w'), "010000")});
  const int screen = may.view.ScreenWidth / 85 * 85;
  const struct { int day; int present; int width; } rows[] = {
      {13, kReminderPopupWidth, 40 * 85},  // 3384 / 85 = 39.8: 40 characters
      {12, kReminderPopupWidth, 60 * 85},
      {14, kReminderPopupWidth, 50 * 85},
      {13, 60 * 85, 60 * 85},  // as wide as it already was
      {15, 85 * 2, 85 * 3},
      {16, kReminderPopupWidth, screen},  // a pasted word of a megabyte wraps within the screen
      {16, screen + 850, screen + 850},
  };
  for (const auto& r : rows) {
    const auto info = ReminderInfoFor(may.view, may.records, may.Box(r.day), 30, 30, r.present);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->Width, r.width) << r.day;
  }
}

TEST(ReminderPopup, PlacedAtTheBoxOrLeftOfItAndAbove) {
  ShownMay may({});
  MonthView& m = may.view;
  m.ScreenWidth = 28800;
  m.ScreenHeight = 16200;
  const int box = 9;  // row 1, column 2
  const TwipRect day = m.lblDay[box].Geometry;
  const int dayWidth = m.lblDay[0].Geometry.Width;
  const struct { const char* name; int left, top; PopupPlace place; } rows[] = {
      {"room", 1000, 1000, {day.Left + 1000 + dayWidth, day.Top + 1000}},
      {"right edge", 26000, 1000, {day.Left + 26000 + dayWidth - 3400 - dayWidth, day.Top + 1000}},
      {"bottom edge", 1000, 15000, {day.Left + 1000 + dayWidth, day.Top + 15000 - kReminderPopupHeight}},
  };
  for (const auto& r : rows)
    EXPECT_EQ(PlaceReminderInfo(m, box, r.left, r.top, 3400, kReminderPopupHeight), r.place) << r.name;
}

TEST(Popups, KeptOnTheScreen) {
  const TwipRect screen{28800, 0, 28800, 16200};  // a second screen right of the first
  const struct { PopupPlace in; int w, h; PopupPlace out; } rows[] = {
      {{30000, 100}, 3000, 2000, {30000, 100}},
      {{27000, 100}, 3000, 2000, {28800, 100}},         // off its left
      {{56000, 15000}, 3000, 2000, {54600, 14200}},     // off its right and bottom
      {{30000, -500}, 3000, 2000, {30000, 0}},
      {{30000, 100}, 40000, 2000, {28800, 100}},        // wider than the screen
  };
  for (const auto& r : rows) EXPECT_EQ(KeepOnScreen(r.in, r.w, r.h, screen), r.out);
}

}  // namespace
}  // namespace orlevant
