#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "month_test_support.h"
#include "support/german_names.h"

namespace orlevant {
namespace {

using testing::MakeView;
using testing::GermanNames;
using testing::ScopedClock;

// Saturday 5 December 2026, 14:07.
const DateTime kNow{DateSerial(2026, 12, 5), 14, 7, 30};

TEST(MonthTitle, CaptionForEverySizeMonthAndLocale) {
  struct Case { const char* name; const LocaleNames* names; int boxStyle, showTime; Date shown; std::string_view expected;
                const char *timeFormat = nullptr, *dateFormat = nullptr; };
  const LocaleNames* en = &EnglishLocaleNames();
  const LocaleNames* de = &GermanNames();
  const Case cases[] = {
      {"medium, current month, with time", en, 1, 1, DateSerial(2026, 12, 5), "2:07 PM - Saturday - December 5, 2026"},
      {"medium, current month, no time", en, 1, 0, DateSerial(2026, 12, 5), "Saturday - December 5, 2026"},
      {"large, current month, any day of it", en, 2, 0, DateSerial(2026, 12, 31), "Saturday - December 5, 2026"},
      {"medium, another month", en, 1, 1, DateSerial(2026, 11, 20), "November 2026"},
      {"medium, same month a year on", en, 1, 1, DateSerial(2027, 12, 5), "December 2027"},
      {"small, current month", en, 0, 1, DateSerial(2026, 12, 5), "December 2026"},
      {"German, current month, with time", de, 1, 1, DateSerial(2026, 12, 5), "2:07 PM - Samstag - Dezember 5, 2026"},
      {"German, another month", de, 1, 1, DateSerial(2026, 3, 9), "März 2026"},
      {"the user's formats", en, 1, 1, DateSerial(2026, 12, 5), "14:07 - 2026 - Dec - 05", "hh:mm", "yyyy - mmm - dd"},
  };
  ScopedClock clock(kNow);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MonthView view;
    const LocaleNames* names = c.names;
    view.FormatDateText = [names](const DateTime& when, std::string_view pattern) {
      return FormatDate(when, pattern, *names);
    };
    view.SetToday(kNow.date);
    Settings s;
    s.BoxStyle = c.boxStyle;
    s.ShowTime = c.showTime;
    if (c.timeFormat) s.TimeFormat = c.timeFormat, s.DateFormat = c.dateFormat;
    view.ShowMonthTitle(c.shown, s);
    EXPECT_EQ(view.lblDate.Caption, c.expected);
    EXPECT_EQ(view.ShownMonthDate, c.shown);
  }
}

TEST(MonthTitle, ColoursAndTransparencyOfTitleAndArrows) {
  ScopedClock clock(kNow);
  for (int transparentDate : {0, 1})
    for (int transparentNext : {0, 1}) {
      MonthView view = MakeView(kNow.date);
      Settings s;
      s.TransparentDate = transparentDate, s.TransparentNext = transparentNext;
      s.BackGroundDate = 1, s.ForeGroundDate = 2, s.BackGroundNext = 3, s.ForeGroundNext = 4;
      view.ShowMonthTitle(kNow.date, s);
      EXPECT_EQ(view.lblDate.Opaque, !transparentDate);
      EXPECT_EQ(std::pair(view.lblDate.BackColor, view.lblDate.ForeColor), std::pair(1u, 2u));
      for (const LabelState* arrow : {&view.lblPreviousMonth, &view.lblNextMonth}) {
        EXPECT_EQ(arrow->Opaque, !transparentNext);
        EXPECT_EQ(std::pair(arrow->BackColor, arrow->ForeColor), std::pair(3u, 4u));
      }
    }
}

TEST(MonthTitle, TipsIconOnlyForMediumAndLargeWhenWanted) {
  ScopedClock clock(kNow);
  struct Case { int boxStyle; int showTips; bool visible; };
  const Case cases[] = {{0, 1, false}, {0, 0, false}, {1, 1, true}, {1, 0, false}, {2, 1, true}, {2, 2, false}};
  for (const Case& c : cases) {
    MonthView view = MakeView(kNow.date);
    view.lblDate.Geometry.Left = 372;  // as after an expand
    view.imgQMark.Geometry.Left = 9999;
    view.imgQMark.Geometry.Top = 9999;
    Settings s;
    s.BoxStyle = c.boxStyle;
    s.ShowTips = c.showTips;
    view.ShowMonthTitle(DateSerial(2026, 11, 1), s);
    EXPECT_EQ(view.imgQMark.Visible, c.visible) << c.boxStyle << " " << c.showTips;
    if (c.visible) {
      EXPECT_EQ(view.imgQMark.Geometry, (TwipRect{372 + 36, 24, kTipsIconSize, kTipsIconSize}));
    }
  }
}

std::array<std::string, 7> Headings(const MonthView& view) {
  std::array<std::string, 7> out;
  for (int i = 0; i < 7; ++i) out[i] = view.lblWeek[i].Caption;
  return out;
}

TEST(WeekdayHeadings, TablesAndFirstDay) {
  using H = std::array<std::string, 7>;
  struct Case { int firstDay; int length; int boxStyle; H expected; };
  const Case cases[] = {
      {1, 1, 1, {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}},
      {4, 2, 2, {"Wednesday", "Thursday", "Friday", "Saturday", "Sunday", "Monday", "Tuesday"}},
      {6, 0, 1, {"F", "S", "S", "M", "T", "W", "T"}},
      {2, 2, 0, {"M", "T", "W", "T", "F", "S", "S"}},  // Small always uses one letter
  };
  for (const Case& c : cases) {
    MonthView view;
    Settings s;
    s.FirstDay = c.firstDay;
    s.WeekDayLength = c.length;
    s.BoxStyle = c.boxStyle;
    view.ShowWeekdayHeadings(0, s);
    EXPECT_EQ(Headings(view), c.expected) << "FirstDay " << c.firstDay << " length " << c.length;
  }
}

TEST(WeekdayHeadings, UnknownLengthKeepsCaptionsButRepaints) {
  MonthView view;
  Settings s;
  s.WeekDayLength = 2;
  view.ShowWeekdayHeadings(0, s);
  const auto before = Headings(view);
  s.WeekDayLength = 3, s.FirstDay = 4, s.TransparentWeek = 1, s.BackGroundWeek = 1, s.ForeGroundWeek = 2;
  view.ShowWeekdayHeadings(0, s);
  EXPECT_EQ(Headings(view), before);
  for (const LabelState& h : view.lblWeek) EXPECT_TRUE(!h.Opaque && h.BackColor == 1 && h.ForeColor == 2);
}

TEST(WeekdayHeadings, ShiftMakesTheChosenHeadingFirst) {
  // Every first day and every heading one could click (none: the first day stays): the clicked
  // heading's weekday leads, and the week follows it in order.
  for (int firstDay = 1; firstDay <= 7; ++firstDay) {
    for (int shift = 0; shift <= 6; ++shift) {
      MonthView view;
      Settings s;
      s.FirstDay = firstDay;
      s.WeekDayLength = 2;
      view.ShowWeekdayHeadings(0, s);
      const auto before = Headings(view);
      view.ShowWeekdayHeadings(shift, s);
      const auto after = Headings(view);
      for (int i = 0; i < 7; ++i) EXPECT_EQ(after[i], before[(i + shift) % 7]) << firstDay << "+" << shift;
      EXPECT_EQ(s.FirstDay, (firstDay - 1 + shift) % 7 + 1);
      EXPECT_EQ(view.FirstDay, s.FirstDay);
    }
  }
}

}  // namespace
}  // namespace orlevant
