#pragma once
// Where the headings and day boxes of the month fall on whole pixels.
//
// The layout overlaps neighbouring cells by 12 twips, less than a pixel, so that a border between
// two cells is drawn once. Rounding each cell's twips on its own gives borders that are sometimes
// one pixel and sometimes two, cuts the last column's right border off at the window's edge and
// leaves a strip of a pixel or three under the last row. Here every border is one pixel line that
// the two cells beside it share: cell k runs from line k to line k + 1, both included, and the
// last column's and the last shown row's outer lines are the window's last pixel column and row.
//
// Inside each box the day number keeps clear of the border, and the reminder mark stays inside its
// own box with a pixel to spare, whatever the size.

#include <array>

#include "monthview/month_view.h"

namespace orlevant {

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  int right() const { return x + width - 1; }
  int bottom() const { return y + height - 1; }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct MonthPixels {
  int windowWidth = 0;   // the expanded window, in pixels
  int windowHeight = 0;
  int shownRows = 6;  // rows of the expanded window
  std::array<PixelRect, kWeekdayCount> headings;
  std::array<PixelRect, kDayBoxCount> boxes;  // lblData: the box with its border
  std::array<PixelRect, kDayBoxCount> days;   // lblDay: inside the border
  std::array<PixelRect, kDayBoxCount> icons;  // imgRemind: inside the box's border
};

// The pixel places of the laid-out month (after LayoutMonthGrid and FillMonthGrid).
MonthPixels LayOutMonthPixels(const MonthView& m);

}  // namespace orlevant
