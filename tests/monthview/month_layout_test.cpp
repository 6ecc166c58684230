#include <gtest/gtest.h>

#include <vector>

#include "core/rounding.h"
#include "month_test_support.h"

namespace orlevant {
namespace {

TEST(RoundHalfToEven, HalvesGoToTheEvenNeighbour) {
  struct Case { double in; int out; };
  const Case cases[] = {
      {0.5, 0},  {1.5, 2},  {2.5, 2},   {5820.5, 5820}, {5821.5, 5822}, {-0.5, 0},   {-1.5, -2},          {-2.5, -2},
      {2.4999, 2}, {2.5001, 3}, {-2.5001, -3}, {7.0, 7}, {-7.0, -7}, {1e12, 2147483647}, {-1e12, -2147483647 - 1},
  };
  for (const Case& c : cases) EXPECT_EQ(RoundHalfToEven(c.in), c.out) << c.in;
}

// Sizes in twips.
struct LayoutCase { const char* name; int style, screenWidth, screenHeight, boxWidth, boxHeight, headingWidth, titleWidth, fullWidth, fullHeight; };

TEST(MonthLayout, SizesOfTheThreeCalendarSizes) {
  const LayoutCase cases[] = {
      {"Medium", 1, 28800, 16200, 1092, 912, 1092, 6852, 7560, 5976},
      {"Small", 0, 28800, 16200, 372, 192, 372, 1812, 2520, 1656},
      // Large: a seventh of the screen in whole multiples of 12 twips.
      {"Large 1920x1080", 2, 28800, 16200, 4104, 2304, 4104, 27984, 28644, 14328},
      {"Large 3840x2160", 2, 57600, 32400, 8220, 4620, 8220, 56796, 57456, 28224},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(c.name);
    MonthView view;
    view.ScreenWidth = c.screenWidth;
    view.ScreenHeight = c.screenHeight;
    view.TrailingCells = 6;
    view.LayoutMonthGrid(c.style);
    EXPECT_EQ(view.BoxWidth, c.boxWidth);
    EXPECT_EQ(view.BoxHeight, c.boxHeight);
    EXPECT_EQ(view.lblDate.Geometry.Width, c.titleWidth);
    EXPECT_EQ(view.FullWidth, c.fullWidth);
    EXPECT_EQ(view.FullHeight, c.fullHeight);
    EXPECT_EQ(view.WindowWidth, c.fullWidth);
    EXPECT_EQ(view.WindowHeight, c.fullHeight);
    EXPECT_EQ(view.ExpandedWidth, c.fullWidth);
    EXPECT_EQ(view.lblNextMonth.Geometry.Left, c.fullWidth - 372 + 12);
    EXPECT_EQ(std::vector<bool>({view.mnuSmall, view.mnuMedium, view.mnuLarge}),
              std::vector<bool>({c.style == 0, c.style == 1, c.style == 2}));

    // Every box: columns and rows overlap by 12 twips, the first row just under the headings,
    // the reminder icon at the right end of the day-number label.
    for (int i = 0; i < 42; ++i) {
      const int left = (c.boxWidth - 12) * (i % 7);
      const int top = (c.boxHeight - 12) * (i / 7) + 544;
      EXPECT_EQ(view.lblData[i].Geometry, (TwipRect{left, top, c.boxWidth, c.boxHeight})) << i;
      EXPECT_EQ(view.lblDay[i].Geometry, (TwipRect{left, top, 372, 192})) << i;
      EXPECT_EQ(view.imgRemind[i].Geometry, (TwipRect{left + 372 - 75 - 12, top + 5, 75, 75})) << i;
    }
    for (int i = 0; i < 7; ++i)
      EXPECT_EQ(view.lblWeek[i].Geometry, (TwipRect{(c.headingWidth - 12) * i, 300, c.headingWidth, 252})) << i;
    // The grid's right edge meets the window's right edge within the overlap.
    EXPECT_EQ(view.lblData[6].Geometry.Left + view.lblData[6].Geometry.Width, c.fullWidth + 12);
  }
}

TEST(MonthLayout, UnknownStyleKeepsSizesAndChecksButPlacesControlsAgain) {
  MonthView view;
  view.LayoutMonthGrid(0);
  view.ScreenWidth = 99999;
  view.lblData[9].Geometry = {1, 2, 3, 4};
  view.TrailingCells = 14;
  view.LayoutMonthGrid(7);
  EXPECT_EQ(view.BoxWidth, 372);
  EXPECT_TRUE(view.mnuSmall);
  EXPECT_FALSE(view.mnuMedium);
  EXPECT_EQ(view.lblData[9].Geometry, (TwipRect{(372 - 12) * 2, 544 + 180, 372, 192}));
  EXPECT_EQ(view.ExpandedHeight, 1656 - 2 * 192);
}

// Places the window at `position` with the stored place 1000, 2000.
void PlaceWithStoredPlace(MonthView& view, int position) {
  Settings s;
  s.PositionLeft = 1000;
  s.PositionTop = 2000;
  view.PositionMainWindow(position, s);
}

TEST(MainWindowPlace, EveryPositionExpandedAndCollapsed) {
  struct Case { const char* name; int position; bool compact; int screenWidth, screenHeight; int left, top; };
  // Medium: FullWidth 7560, FullHeight 5976. Stored place 1000, 2000. Last place 11, 22.
  const Case cases[] = {
      {"manual", 0, false, 28800, 16200, 1000, 2000},      {"manual compact", 0, true, 28800, 16200, 1372, 2000},
      {"centre", 1, false, 19200, 16200, 5820, 5112},      {"centre compact", 1, true, 19200, 16200, 6192, 5112},
      {"centre, halves to even below", 1, false, 19201, 16201, 5820, 5112},
      {"centre, halves to even above", 1, false, 19203, 16203, 5822, 5114},
      {"centre, window larger than screen", 1, false, 7001, 5001, -280, -488},
      {"top centre", 2, false, 28800, 16200, 10620, 0},    {"top centre compact", 2, true, 28800, 16200, 10992, 0},
      {"top left compact", 3, true, 28800, 16200, 372, 0}, {"top right", 4, false, 28800, 16200, 21240, 0},
      {"top right compact", 4, true, 57600, 32400, 50412, 0},
      {"unknown keeps the last place", 5, false, 28800, 16200, 11, 22},
      {"negative keeps the last place", -1, true, 28800, 16200, 11, 22},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MonthView view;
    view.ScreenWidth = c.screenWidth;
    view.ScreenHeight = c.screenHeight;
    view.LayoutMonthGrid(1);
    view.WindowLeft = 11;
    view.WindowTop = 22;
    view.CompactMode = c.compact;
    PlaceWithStoredPlace(view, c.position);
    EXPECT_EQ(view.WindowLeft, c.left);
    EXPECT_EQ(view.WindowTop, c.top);
  }
}

// The automatic places keep to the part of the screen its panels leave free.
TEST(MainWindowPlace, AutomaticPlacesKeepToTheWorkArea) {
  struct Case { const char* name; TwipRect area; int position; bool compact; int left, top; };
  // Medium: FullWidth 7560, FullHeight 5976, on a screen of 28800 x 16200. Stored place 1000, 2000.
  // "top": a panel at the top of the screen.
  const TwipRect topPanel{0, 450, 28800, 15750}, leftAndBottom{720, 0, 28080, 15600};
  const Case cases[] = {
      {"centre, top", topPanel, 1, false, 10620, 5337},      {"top centre, top", topPanel, 2, false, 10620, 450},
      {"top left compact, top", topPanel, 3, true, 372, 450}, {"top right, top", topPanel, 4, false, 21240, 450},
      {"top centre, left and bottom panels", leftAndBottom, 2, false, 10980, 0},
      {"top left, left and bottom panels", leftAndBottom, 3, false, 720, 0},
      {"top right, left and bottom panels", leftAndBottom, 4, false, 21240, 0},
      {"manual, top", topPanel, 0, false, 1000, 2000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MonthView view;
    view.ScreenWidth = 28800;
    view.ScreenHeight = 16200;
    view.WorkArea = c.area;
    view.LayoutMonthGrid(1);
    view.CompactMode = c.compact;
    PlaceWithStoredPlace(view, c.position);
    EXPECT_EQ(view.WindowLeft, c.left);
    EXPECT_EQ(view.WindowTop, c.top);
  }
}

TEST(ShownMonthShape, NthWeekdayAndItsRow) {
  // September 2026 begins on a Tuesday.
  MonthView view = testing::MakeView(DateSerial(2026, 9, 1));
  Settings s;
  testing::ShowMonth(view, DateSerial(2026, 9, 1), s, testing::Records({}));
  struct Case { int ordinal, weekday, day, row; };
  const Case cases[] = {{8, 3, 1, 0}, {4, 3, 29, 5}, {5, 3, 22, 3}, {9, 3, 0, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(view.NthWeekdayInShownMonth(c.ordinal, c.weekday), c.day) << c.ordinal << c.weekday;
    EXPECT_EQ(view.NthWeekRow, c.row) << c.ordinal << c.weekday;
  }
}

}  // namespace
}  // namespace orlevant
