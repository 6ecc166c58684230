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

// `inner` lies inside `outer`, kept off its left, top, right and bottom edges by the given pixels.
::testing::AssertionResult Within(const PixelRect& inner, const PixelRect& outer, int left, int top, int right,
                                  int bottom) {
  if (inner.x >= outer.x + left && inner.y >= outer.y + top && inner.right() <= outer.right() - right &&
      inner.bottom() <= outer.bottom() - bottom)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << inner.x << "," << inner.y << " to " << inner.right() << "," << inner.bottom()
                                       << " in " << outer.x << "," << outer.y << " to " << outer.right() << ","
                                       << outer.bottom();
}

TEST(MonthPixels, BordersAreSharedLinesAndTheEdgesAreTheWindows) {
  const PixelCase cases[] = {
      {"small, HD, 6 rows", 0, 1920, 1080, 6, 6},      {"small, HD, 4 rows", 0, 1920, 1080, 14, 4},
      {"medium, HD, 6 rows", 1, 1920, 1080, 6, 6},     {"medium, HD, 5 rows", 1, 1920, 1080, 8, 5},
      {"medium, HD, 4 rows", 1, 1920, 1080, 14, 4},    {"large, HD, 6 rows", 2, 1920, 1080, 6, 6},
      {"large, HD, 5 rows", 2, 1920, 1080, 8, 5},      {"large, 4K, 6 rows", 2, 3840, 2160, 6, 6},
      {"large, 4K, 5 rows", 2, 3840, 2160, 13, 5},     {"large, 4K, 4 rows", 2, 3840, 2160, 14, 4},
      {"small, 4K, 5 rows", 0, 3840, 2160, 7, 5},      {"medium, 4K, 4 rows", 1, 3840, 2160, 14, 4},
      {"small, HD, 5 rows", 0, 1920, 1080, 8, 5},      {"small, 4K, 6 rows", 0, 3840, 2160, 6, 6},
      {"small, 4K, 4 rows", 0, 3840, 2160, 14, 4},     {"medium, 4K, 6 rows", 1, 3840, 2160, 6, 6},
      {"medium, 4K, 5 rows", 1, 3840, 2160, 8, 5},     {"large, 4K, 5 rows of 8", 2, 3840, 2160, 8, 5},
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
      // Neighbours share their border line; the last column and row end on the window's edge.
      EXPECT_TRUE(column == 6 || px.boxes[static_cast<std::size_t>(i + 1)].x == box.right());
      EXPECT_TRUE(row + 1 >= c.rows || px.boxes[static_cast<std::size_t>(i + 7)].y == box.bottom());
      EXPECT_TRUE(column < 6 || box.right() == px.windowWidth - 1);
      EXPECT_TRUE(row != c.rows - 1 || box.bottom() == px.windowHeight - 1);
      if (row >= c.rows) {
        EXPECT_GE(box.y, px.windowHeight);
        continue;
      }
      // Day number inside the border; reminder mark inside with a pixel to spare on every side.
      EXPECT_TRUE(Within(px.days[static_cast<std::size_t>(i)], box, 1, 1, 1, 1));
      EXPECT_TRUE(Within(px.icons[static_cast<std::size_t>(i)], box, 2, 2, 2, 2));
      EXPECT_EQ(px.icons[static_cast<std::size_t>(i)].width, TwipsToPixels(kReminderIconSize));
    }
    for (int c7 = 0; c7 < 7; ++c7) {
      const PixelRect& heading = px.headings[static_cast<std::size_t>(c7)];
      EXPECT_EQ(heading.bottom(), px.boxes[0].y);  // the headings' lower border is the first row's upper
      EXPECT_TRUE(c7 == 6 || px.headings[static_cast<std::size_t>(c7 + 1)].x == heading.right());
    }
    EXPECT_EQ(px.headings[6].right(), px.windowWidth - 1);
  }
}

}  // namespace
}  // namespace orlevant
