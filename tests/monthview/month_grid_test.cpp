#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "month_test_support.h"

namespace orlevant {
namespace {

using testing::MakeView;
using testing::ShowMonth;

const std::vector<std::string> kNoEvents = testing::Records({});

Settings DistinctColours() {
  Settings s;
  s.BackGroundNotUsed = 0x000001;
  s.BackGroundDay = 0x000002;
  s.BackGroundData = 0x000003;
  s.BackGroundToday = 0x000004;
  s.ForeGroundDay = 0x000005;
  s.ForeGroundData = 0x000006;
  s.BackGroundEntry = 0x000007;
  s.ForeGroundEntry = 0x000008;
  s.ForeGroundToday = 0x000009;
  return s;
}

TEST(MonthGrid, ExamplesOfThreeMonths) {
  struct Case {
    int year, month, firstDay;
    int gridOffset, trailing, rowsCut;
    int firstLeadingCaption;  // caption of box 0 when there are leading boxes
    const char* monthKey;
    const char* yearlyKey;
  };
  const Case cases[] = {
      {2026, 5, 1, 5, 6, 0, 26, "05/2026", "05/9999"},
      {2026, 2, 1, 0, 14, 2, 0, "02/2026", "02/9999"},
      {2026, 2, 2, 6, 8, 1, 26, "02/2026", "02/9999"},
      {2026, 8, 1, 6, 5, 0, 26, "08/2026", "08/9999"},
      {2026, 1, 7, 5, 6, 0, 27, "01/2026", "01/9999"},  // 1 Jan 2026 is a Thursday
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.year << "-" << c.month << " FirstDay " << c.firstDay);
    MonthView view = MakeView(DateSerial(2030, 1, 1));
    Settings s;
    s.FirstDay = c.firstDay;
    ShowMonth(view, DateSerial(c.year, c.month, 10), s, kNoEvents);
    EXPECT_EQ(view.GridOffset, c.gridOffset);
    EXPECT_EQ(view.TrailingCells, c.trailing);
    EXPECT_EQ(view.MonthKey, c.monthKey);
    EXPECT_EQ(view.YearlyMonthKey, c.yearlyKey);
    EXPECT_EQ(view.ExpandedHeight, view.FullHeight - c.rowsCut * 912);
    EXPECT_EQ(view.WindowHeight, view.ExpandedHeight);
    if (c.gridOffset > 0) {
      EXPECT_EQ(view.lblDay[0].Caption, std::to_string(c.firstLeadingCaption));
    }
  }
}

TEST(MonthGrid, LookOfEachRole) {
  // May 2026 with Sunday first: boxes 0..4 April, 5..35 May, 36..41 June.
  MonthView view = MakeView(DateSerial(2030, 1, 1));
  Settings s = DistinctColours();
  ShowMonth(view, DateSerial(2026, 5, 1), s, kNoEvents);
  for (int i = 0; i < 42; ++i) {
    SCOPED_TRACE(i);
    const LabelState& day = view.lblDay[i];
    const LabelState& data = view.lblData[i];
    const bool inMonth = i >= 5 && i <= 35;
    EXPECT_EQ(data.Enabled, inMonth);
    EXPECT_TRUE(day.Opaque && data.Opaque);
    EXPECT_EQ(data.Caption, inMonth ? "" : "\r\n");
    EXPECT_EQ(day.BackColor, inMonth ? s.BackGroundDay : s.BackGroundNotUsed);
    EXPECT_EQ(data.BackColor, inMonth ? s.BackGroundData : s.BackGroundNotUsed);
    EXPECT_EQ(day.ForeColor, s.ForeGroundDay);
    EXPECT_EQ(data.ForeColor, s.ForeGroundData);
    EXPECT_EQ(day.ToolTipText + data.ToolTipText, "");
    EXPECT_FALSE(view.imgRemind[i].Visible);
  }
}

TEST(MonthGrid, TodayMarkedOnlyInTheCurrentMonth) {
  struct Case { Date shown; int todayBox; };  // today is 12 May 2026; -1: no box is today
  const Case cases[] = {
      {DateSerial(2026, 5, 30), 16},  // GridOffset 5 with FirstDay 1
      {DateSerial(2026, 6, 12), -1},  // June shows the 12th too, but it is not today
      {DateSerial(2025, 5, 12), -1},  // same month a year before
      {DateSerial(2026, 4, 12), -1},  // April's trailing boxes include 1..9 May: never today
  };
  for (const Case& c : cases) {
    MonthView view = MakeView(DateSerial(2026, 5, 12));
    Settings s = DistinctColours();
    ShowMonth(view, c.shown, s, kNoEvents);
    for (int i = 0; i < 42; ++i) {
      const bool today = i == c.todayBox;
      EXPECT_EQ(view.lblDay[i].BackColor == s.BackGroundToday, today) << i;
      EXPECT_EQ(view.lblData[i].BackColor == s.BackGroundToday, today) << i;
      if (today) {
        EXPECT_EQ(view.lblDay[i].ForeColor, s.ForeGroundDay);
        EXPECT_EQ(view.lblData[i].ForeColor, s.ForeGroundData);
      }
    }
  }
}

TEST(MonthGrid, RefillClearsEverythingThePreviousMonthLeft) {
  MonthView view = MakeView(DateSerial(2026, 5, 12));
  Settings s = DistinctColours();
  s.ShowToolTips = 1;
  s.Reminders = 1;
  const auto records = testing::Records({testing::MakeLine(12, 5, "2026", "Dentist", "010000")});
  ShowMonth(view, DateSerial(2026, 5, 1), s, records);
  ASSERT_EQ(view.DayCellText(16), "\r\n.Dentist");
  ASSERT_TRUE(view.imgRemind[16].Visible);
  ShowMonth(view, DateSerial(2026, 6, 1), s, records);
  // June 2026 starts on a Monday: box 16 is 16 June, an empty day.
  EXPECT_EQ(view.DayCellText(16), "");
  EXPECT_FALSE(view.imgRemind[16].Visible);
  EXPECT_EQ(view.lblData[16].ToolTipText, "");
  EXPECT_EQ(view.lblDay[16].ToolTipText, "");
  EXPECT_EQ(view.lblDay[16].BackColor, s.BackGroundDay);
  EXPECT_EQ(view.lblData[16].ForeColor, s.ForeGroundData);
}

// Weekday (1 = Sunday) computed without the program's helpers.
int OracleWeekday(int y, int m, int d) {
  const std::chrono::sys_days day{std::chrono::year{y} / m / d};
  return static_cast<int>(std::chrono::weekday{day}.c_encoding()) + 1;
}
int OracleDaysIn(int y, int m) {
  return static_cast<int>(static_cast<unsigned>(
      std::chrono::year_month_day_last{std::chrono::year{y}, std::chrono::month_day_last{std::chrono::month(m)}}.day()));
}

TEST(MonthGrid, InvariantsForEveryMonthAndFirstDay) {
  for (int year = 1999; year <= 2041; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int firstDay = 1; firstDay <= 7; ++firstDay) {
        SCOPED_TRACE(::testing::Message() << year << "-" << month << " FirstDay " << firstDay);
        MonthView view = MakeView(DateSerial(year, month, 15));
        Settings s;
        s.FirstDay = firstDay;
        s.WeekDayLength = 1;
        ShowMonth(view, DateSerial(year, month, 28), s, kNoEvents);
        const int days = OracleDaysIn(year, month);
        ASSERT_EQ(view.DaysInMonth, days);
        ASSERT_GE(view.GridOffset, 0);
        ASSERT_LE(view.GridOffset, 6);
        ASSERT_EQ(view.TrailingCells, 42 - view.GridOffset - days);
        ASSERT_GE(view.TrailingCells, 5);
        ASSERT_LE(view.TrailingCells, 14);
        const int prevDays = month == 1 ? 31 : OracleDaysIn(year, month - 1);
        int enabled = 0;
        for (int i = 0; i < 42; ++i) {
          // The box's date falls on the weekday its column's heading names.
          const Date boxDate = DateSerial(year, month, 1) + std::chrono::days{i - view.GridOffset};
          const int boxWeekday = OracleWeekday(YearOf(boxDate), MonthOf(boxDate), DayOf(boxDate));
          static const char* const kNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
          ASSERT_EQ(view.lblWeek[i % 7].Caption, kNames[boxWeekday - 1]) << "box " << i;
          ASSERT_EQ(view.lblDay[i].Caption, std::to_string(DayOf(boxDate))) << "box " << i;
          const bool inMonth = MonthOf(boxDate) == month;
          ASSERT_EQ(view.lblDay[i].Enabled, inMonth) << "box " << i;
          enabled += inMonth;
          if (i < view.GridOffset) {
            ASSERT_EQ(DayOf(boxDate), prevDays - view.GridOffset + 1 + i);
          }
        }
        ASSERT_EQ(enabled, days);
        // The rows cut from the window hold trailing boxes only.
        const int rowsShown = (view.ExpandedHeight - (view.FullHeight - 6 * 912)) / 912;
        ASSERT_GE(rowsShown * 7, view.GridOffset + days);
        ASSERT_LT((rowsShown - 1) * 7, view.GridOffset + days);
      }
    }
  }
}

TEST(MonthGrid, MonthKeysAreZeroPaddedWhateverTheYear) {
  struct Case { int year, month; const char* key; const char* yearly; };
  const Case cases[] = {{2026, 1, "01/2026", "01/9999"}, {2026, 12, "12/2026", "12/9999"},
                        {1999, 9, "09/1999", "09/9999"}, {2100, 2, "02/2100", "02/9999"}};
  for (const Case& c : cases) {
    MonthView view = MakeView(DateSerial(2026, 1, 1));
    Settings s;
    ShowMonth(view, DateSerial(c.year, c.month, 3), s, kNoEvents);
    EXPECT_EQ(view.MonthKey, c.key);
    EXPECT_EQ(view.YearlyMonthKey, c.yearly);
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
  // Expanded again, the next fill sizes the window itself.
  view.CompactMode = false;
  view.WindowWidth = view.ExpandedWidth;
  ShowMonth(view, DateSerial(2026, 2, 1), s, kNoEvents);
  EXPECT_EQ(view.WindowHeight, 5976 - 2 * 912);
  EXPECT_EQ(view.WindowWidth, 7560);
}

TEST(ReminderPictures, FollowTheRemindersSetting) {
  struct Case { int reminders; int picture; };
  const Case cases[] = {{1, kReminderOnPicture}, {0, kReminderOffPicture}, {2, kReminderOffPicture}};
  for (const Case& c : cases) {
    MonthView view = MakeView(DateSerial(2026, 5, 1));
    Settings s;
    s.Reminders = c.reminders;
    ShowMonth(view, DateSerial(2026, 5, 1), s, kNoEvents);  // every pass shows the state
    for (const ImageState& icon : view.imgRemind) EXPECT_EQ(icon.Picture, c.picture);
    s.Reminders = c.reminders == 1 ? 0 : 1;
    view.ShowRemindersOnOff(s);
    for (const ImageState& icon : view.imgRemind)
      EXPECT_EQ(icon.Picture, c.reminders == 1 ? kReminderOffPicture : kReminderOnPicture);
  }
}

}  // namespace
}  // namespace orlevant
