#include <gtest/gtest.h>

#include <utility>

#include "monthview/month_pixels.h"
#include "month_test_support.h"

namespace orlevant {
namespace {

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
  // Every size on a full-HD and a 4K screen, with six, five and four rows: trailing cells 6, 7
  // and 13 (the ends of five rows) and 14.
  const struct { int trailing, rows; } months[] = {{6, 6}, {7, 5}, {13, 5}, {14, 4}};
  for (const auto& [screenWidth, screenHeight] : {std::pair{1920, 1080}, {3840, 2160}})
    for (int style = 0; style <= 2; ++style)
      for (const auto& c : months) {
        SCOPED_TRACE(::testing::Message() << "style " << style << ", " << screenWidth << " wide, " << c.trailing
                                          << " trailing");
        MonthView view;
        view.ScreenWidth = screenWidth * 15;
        view.ScreenHeight = screenHeight * 15;
        view.TrailingCells = c.trailing;
        view.LayoutMonthGrid(style);
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
