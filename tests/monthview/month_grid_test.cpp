#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "month_test_support.h"

namespace orlevant {
namespace {

using testing::MakeView;
using testing::ShowMonth;

const EventLines kNoEvents = testing::Records({});

// July 2026 with an event and a reminder on every day: what a fill of another month must clear.
const EventLines kBusyJuly = [] {
  std::vector<std::string> lines;
  for (int day = 1; day <= 31; ++day) lines.push_back(testing::MakeLine(day, 7, "2026", "x", "010000"));
  return testing::Records(lines);
}();

Settings DistinctColours() {
  Settings s;
  s.BackGroundNotUsed = 1, s.BackGroundDay = 2, s.BackGroundData = 3, s.BackGroundToday = 4, s.ForeGroundDay = 5;
  s.ForeGroundData = 6, s.BackGroundEntry = 7, s.ForeGroundEntry = 8, s.ForeGroundToday = 9;
  return s;
}

TEST(MonthGrid, LookOfEachRoleTodayOnlyInTheCurrentMonthAndNothingLeftFromThePrevious) {
  struct Case { Date shown; int todayBox; };  // today is 12 May 2026; -1: no box is today
  const Case cases[] = {
      {DateSerial(2026, 5, 30), 16},  // GridOffset 5 with Sunday first
      {DateSerial(2026, 6, 12), -1},  // June shows the 12th too, but it is not today
      {DateSerial(2025, 5, 12), -1},  // the same month a year before
      {DateSerial(2026, 4, 12), -1},  // April's trailing boxes hold 1..9 May: never today
  };
  for (const Case& c : cases) {
    MonthView view = MakeView(DateSerial(2026, 5, 12));
    Settings s = DistinctColours();
    s.ShowToolTips = 1;
    ShowMonth(view, DateSerial(2026, 7, 1), s, kBusyJuly);
    ShowMonth(view, c.shown, s, kNoEvents);
    for (int i = 0; i < 42; ++i) {
      SCOPED_TRACE(::testing::Message() << FormatDayMonthYear(c.shown) << " box " << i);
      const LabelState &day = view.lblDay[i], &data = view.lblData[i];
      const bool inMonth = day.Enabled;
      EXPECT_EQ(data.Enabled, inMonth);
      EXPECT_TRUE(day.Opaque && data.Opaque);
      EXPECT_EQ(view.DayCellText(i), inMonth ? "" : "\r\n");
      EXPECT_EQ(day.BackColor, i == c.todayBox ? s.BackGroundToday : inMonth ? s.BackGroundDay : s.BackGroundNotUsed);
      EXPECT_EQ(data.BackColor, i == c.todayBox ? s.BackGroundToday : inMonth ? s.BackGroundData : s.BackGroundNotUsed);
      EXPECT_EQ(day.ForeColor, s.ForeGroundDay);
      EXPECT_EQ(data.ForeColor, s.ForeGroundData);
      EXPECT_EQ(day.ToolTipText + data.ToolTipText, "");
      EXPECT_FALSE(view.imgRemind[i].Visible);
    }
  }
}

TEST(MonthGrid, InvariantsForEveryMonthAndFirstDay) {
  static const char* const kNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  for (int year = 1999; year <= 2041; ++year)
    for (int month = 1; month <= 12; ++month)
      for (int firstDay = 1; firstDay <= 7; ++firstDay) {
        SCOPED_TRACE(::testing::Message() << year << "-" << month << " FirstDay " << firstDay);
        MonthView view = MakeView(DateSerial(year, month, 15));
        Settings s;
        s.FirstDay = firstDay;
        ShowMonth(view, DateSerial(year, month, 28), s, kNoEvents);
        const std::chrono::sys_days first{std::chrono::year{year} / month / 1};
        ASSERT_EQ(view.DaysInMonth, DaysInMonthOf(year, month));
        char key[8];
        std::snprintf(key, sizeof key, "%02d/%04d", month, year);
        ASSERT_EQ(view.MonthKey, key);
        ASSERT_EQ(view.YearlyMonthKey, std::string(key, 3) + "9999");
        for (int i = 0; i < 42; ++i) {
          // The box's date falls on the weekday its column's heading names.
          const std::chrono::year_month_day box{first + std::chrono::days{i - view.GridOffset}};
          ASSERT_EQ(view.lblWeek[i % 7].Caption, kNames[std::chrono::weekday{box}.c_encoding()]) << "box " << i;
          ASSERT_EQ(view.lblDay[i].Caption, std::to_string(static_cast<unsigned>(box.day()))) << "box " << i;
          ASSERT_EQ(view.lblDay[i].Enabled, box.month() == std::chrono::month(month)) << "box " << i;
        }
        ASSERT_LE(view.GridOffset, 6);
        ASSERT_EQ(view.TrailingCells, 42 - view.GridOffset - view.DaysInMonth);
        // The rows cut from the window hold trailing boxes only.
        const int rowsShown = (view.ExpandedHeight - (view.FullHeight - 6 * 912)) / 912;
        ASSERT_EQ(rowsShown, (view.GridOffset + view.DaysInMonth + 6) / 7);
        ASSERT_EQ(view.WindowHeight, view.ExpandedHeight);
      }
}

TEST(MonthGrid, OutOfRangeFirstDayStillGivesAWholeGrid) {
  for (int firstDay : {0, 8, -3, 15}) {
    MonthView view = MakeView(DateSerial(2026, 5, 1));
    Settings s;
    s.FirstDay = firstDay;
    ShowMonth(view, DateSerial(2026, 5, 1), s, kNoEvents);
    EXPECT_GE(view.GridOffset, 0) << firstDay;
    EXPECT_LE(view.GridOffset, 6) << firstDay;
    EXPECT_EQ(view.lblDay[view.GridOffset].Caption, "1") << firstDay;
    EXPECT_TRUE(view.lblDay[view.GridOffset].Enabled);
  }
}

TEST(MonthGrid, CollapsedWindowKeepsItsSizeWhileTheExpandedSizeFollowsTheMonth) {
  MonthView view = MakeView(DateSerial(2026, 5, 1));
  Settings s;
  ShowMonth(view, DateSerial(2026, 5, 1), s, kNoEvents);  // six rows
  // Collapse as the window does: the title strip only.
  view.CompactMode = true;
  view.WindowWidth = view.lblDate.Geometry.Width;
  view.WindowHeight = view.lblDate.Geometry.Height;
  struct Step { Date month; int rowsCut; };
  const Step steps[] = {{DateSerial(2026, 2, 1), 2}, {DateSerial(2026, 3, 1), 1}, {DateSerial(2026, 8, 1), 0}};
  for (const Step& step : steps) {
    ShowMonth(view, step.month, s, kNoEvents);
    EXPECT_EQ(view.WindowWidth, 6852);
    EXPECT_EQ(view.WindowHeight, 312);
    EXPECT_EQ(view.ExpandedWidth, 7560);
    EXPECT_EQ(view.ExpandedHeight, 5976 - step.rowsCut * 912);
  }
  view.LayoutMonthGrid(0);  // a new size chosen while collapsed
  EXPECT_EQ(view.WindowWidth, 1812);
  EXPECT_EQ(view.WindowHeight, 312);
  EXPECT_EQ(view.ExpandedWidth, 2520);
  EXPECT_EQ(view.lblNextMonth.Geometry.Left, 2520 - 372 + 12);
  // Expanded again, the next fill sizes the window itself.
  view.CompactMode = false;
  view.LayoutMonthGrid(1);
  ShowMonth(view, DateSerial(2026, 2, 1), s, kNoEvents);
  EXPECT_EQ(view.WindowHeight, 5976 - 2 * 912);
  EXPECT_EQ(view.WindowWidth, 7560);
}

TEST(ReminderPictures, FollowTheRemindersSetting) {
  for (int reminders : {1, 0, 2}) {
    MonthView view = MakeView(DateSerial(2026, 5, 1));
    Settings s;
    s.Reminders = reminders;
    ShowMonth(view, DateSerial(2026, 5, 1), s, kNoEvents);  // every pass shows the state
    for (const ImageState& icon : view.imgRemind) EXPECT_EQ(icon.Picture, reminders == 1 ? kReminderOnPicture : kReminderOffPicture);
    s.Reminders = reminders == 1 ? 0 : 1;
    view.ShowRemindersOnOff(s);
    for (const ImageState& icon : view.imgRemind) EXPECT_EQ(icon.Picture, reminders == 1 ? kReminderOffPicture : kReminderOnPicture);
  }
}

}  // namespace
}  // namespace orlevant
