#include <gtest/gtest.h>

#include "monthview/month_pixels.h"
#include "month_test_support.h"

namespace orlevant {
namespace {

// Every size on two screens, with six, five and four rows (trailing cells 6, 8 and 14).
struct PixelCase {
  const char* name;
  int style, screenWidth, screenHeight, trailingCells, rows;
};

TEST(MonthPixels, BordersAreSharedLinesAndTheEdgesAreTheWindows) {
  const PixelCase cases[] = {
      {"small, HD, 6 rows", 0, 1920, 1080, 6, 6},      {"small, HD, 4 rows", 0, 1920, 1080, 14, 4},
      {"medium, HD, 6 rows", 1, 1920, 1080, 6, 6},     {"medium, HD, 5 rows", 1, 1920, 1080, 8, 5},
      {"medium, HD, 4 rows", 1, 1920, 1080, 14, 4},    {"large, HD, 6 rows", 2, 1920, 1080, 6, 6},
      {"large, HD, 5 rows", 2, 1920, 1080, 8, 5},      {"large, 4K, 6 rows", 2, 3840, 2160, 6, 6},
      {"large, 4K, 5 rows", 2, 3840, 2160, 13, 5},     {"large, 4K, 4 rows", 2, 3840, 2160, 14, 4},
      {"small, 4K, 5 rows", 0, 3840, 2160, 7, 5},      {"medium, 4K, 4 rows", 1, 3840, 2160, 14, 4},
  };
  for (const PixelCase& c : cases) {
    SCOPED_TRACE(c.name);
    MonthView view;
    view.ScreenWidth = c.screenWidth * 15;
    view.ScreenHeight = c.screenHeight * 15;
    view.TrailingCells = c.trailingCells;
    view.LayoutMonthGrid(c.style);
    const MonthPixels px = LayOutMonthPixels(view);
    ASSERT_EQ(px.shownRows, c.rows);
    EXPECT_EQ(px.windowWidth, TwipsToPixels(view.ExpandedWidth));
    EXPECT_EQ(px.windowHeight, TwipsToPixels(view.ExpandedHeight));

    for (int i = 0; i < kDayBoxCount; ++i) {
      SCOPED_TRACE(i);
      const PixelRect& box = px.boxes[static_cast<std::size_t>(i)];
      const int row = i / 7, column = i % 7;
      if (column < 6) {
        EXPECT_EQ(px.boxes[static_cast<std::size_t>(i + 1)].x, box.right());
      }
      if (row + 1 < c.rows) {
        EXPECT_EQ(px.boxes[static_cast<std::size_t>(i + 7)].y, box.bottom());
      }
      if (column == 6) {
        EXPECT_EQ(box.right(), px.windowWidth - 1);
      }
      if (row == c.rows - 1) {
        EXPECT_EQ(box.bottom(), px.windowHeight - 1);
      }
      if (row >= c.rows) {
        EXPECT_GE(box.y, px.windowHeight);
        continue;
      }
      // Day number inside the border; reminder mark inside with a pixel to spare.
      const PixelRect& day = px.days[static_cast<std::size_t>(i)];
      EXPECT_GE(day.x, box.x + 1);
      EXPECT_GE(day.y, box.y + 1);
      EXPECT_LE(day.right(), box.right() - 1);
      EXPECT_LE(day.bottom(), box.bottom() - 1);
      const PixelRect& icon = px.icons[static_cast<std::size_t>(i)];
      EXPECT_GE(icon.x, box.x + 1);
      EXPECT_GE(icon.y, box.y + 2);
      EXPECT_LE(icon.right(), box.right() - 2);
      EXPECT_LE(icon.bottom(), box.bottom() - 2);
      EXPECT_EQ(icon.width, TwipsToPixels(kReminderIconSize));
    }
    for (int c7 = 0; c7 < 7; ++c7) {
      const PixelRect& heading = px.headings[static_cast<std::size_t>(c7)];
      EXPECT_EQ(heading.bottom(), px.boxes[0].y);  // the headings' lower border is the first row's upper
      if (c7 < 6) {
        EXPECT_EQ(px.headings[static_cast<std::size_t>(c7 + 1)].x, heading.right());
      }
    }
    EXPECT_EQ(px.headings[6].right(), px.windowWidth - 1);
  }
}

}  // namespace
}  // namespace orlevant
