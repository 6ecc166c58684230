// Sizes of the three calendar sizes, the place of every control, and the window's place on the
// screen. Adjacent boxes overlap by 12 twips so that neighbouring borders are drawn once.

#include <cmath>

#include "core/rounding.h"
#include "core/settings.h"
#include "monthview/month_layout_rules.h"
#include "monthview/month_view.h"

namespace orlevant {

namespace {

constexpr int kOverlap = 12;

// A seventh of the screen, in whole multiples of 12 twips.
int LargeBoxSize(int screenSize) {
  return static_cast<int>(std::floor(std::floor(screenSize / 12.0) / 7.0)) * 12;
}

}  // namespace

int RowsCutFor(int trailingCells) {
  if (trailingCells <= 6) return 0;
  if (trailingCells <= 13) return 1;
  return 2;
}

void MonthView::LayoutMonthGrid(int style) {
  const DesignSizes& d = Design;
  switch (style) {
    case 0:
      BoxWidth = d.DesignDayWidth;
      BoxHeight = d.DesignDayHeight;
      HeadingWidth = d.DesignDayWidth;
      TitleWidth = 7 * d.DesignDayWidth - 2 * d.DesignArrowWidth - 48;
      break;
    case 1:
      BoxWidth = d.DesignDataWidth;
      BoxHeight = d.DesignDataHeight;
      HeadingWidth = d.DesignWeekWidth;
      TitleWidth = d.DesignDateWidth;
      break;
    case 2:
      BoxWidth = LargeBoxSize(ScreenWidth);
      BoxHeight = LargeBoxSize(ScreenHeight);
      HeadingWidth = BoxWidth;
      TitleWidth = 7 * BoxWidth - 2 * d.DesignArrowWidth;
      break;
    default:
      // An unknown size keeps the sizes and checks it had; the controls are still placed again.
      PositionGridControls();
      return;
  }
  DayLabelWidth = d.DesignDayWidth;
  ReminderIconWidth = imgRemind[0].Geometry.Width;
  mnuSmall = style == 0;
  mnuMedium = style == 1;
  mnuLarge = style == 2;
  PositionGridControls();
}

void MonthView::PositionGridControls() {
  const DesignSizes& d = Design;
  const int firstRowTop = d.DesignWeekHeight + d.DesignDateHeight - 20;

  for (int i = 0; i < kWeekdayCount; ++i) {
    lblWeek[i].Geometry.Width = HeadingWidth;
    lblWeek[i].Geometry.Left = (HeadingWidth - kOverlap) * i;
  }
  for (int i = 0; i < kDayBoxCount; ++i) {
    const int left = (BoxWidth - kOverlap) * (i % 7);
    const int top = (BoxHeight - kOverlap) * (i / 7) + firstRowTop;
    TwipRect& day = lblDay[i].Geometry;
    day.Width = DayLabelWidth;
    day.Left = left;
    day.Top = top;
    lblData[i].Geometry = {left, top, BoxWidth, BoxHeight};
    TwipRect& icon = imgRemind[i].Geometry;
    // At the right end of the day-number label, just below the box's top edge.
    icon.Left = DayLabelWidth - ReminderIconWidth - kOverlap + left;
    icon.Top = top + 5;
  }
  lblDate.Geometry.Width = TitleWidth;

  FullWidth = (BoxWidth - kOverlap) * 7;
  lblNextMonth.Geometry.Left = FullWidth - d.DesignArrowWidth + kOverlap;
  FullHeight = 6 * BoxHeight + d.DesignWeekHeight + d.DesignDateHeight - 60;
  ExpandedWidth = FullWidth;
  ExpandedHeight = FullHeight - RowsCutFor(TrailingCells) * BoxHeight;

  // A collapsed window stays the title strip; it takes the expanded size when it is expanded.
  if (CompactMode) {
    WindowWidth = lblDate.Geometry.Width;
    WindowHeight = lblDate.Geometry.Height;
  } else {
    WindowWidth = ExpandedWidth;
    WindowHeight = ExpandedHeight;
  }
}

void MonthView::PositionMainWindow(int position, const Settings& settings) {
  // A collapsed window starts where the title starts, one arrow's width to the right.
  const int arrow = CompactMode ? lblNextMonth.Geometry.Width : 0;
  const auto centred = [](int screen, int window) { return RoundHalfToEven((screen - window) / 2.0); };
  // Placed against the whole screen, a top place would put the title strip under a top panel,
  // where the window can neither be dragged nor its menus opened.
  const TwipRect area = WorkArea.value_or(TwipRect{0, 0, ScreenWidth, ScreenHeight});
  // Each call asks the window to stand at the place worked out, even where it is the same as before.
  ++Placements;
  switch (position) {
    case 0:
      WindowLeft = settings.PositionLeft + arrow;
      WindowTop = settings.PositionTop;
      break;
    case 1:
      WindowLeft = area.Left + centred(area.Width, FullWidth) + arrow;
      WindowTop = area.Top + centred(area.Height, FullHeight);
      break;
    case 2:
      WindowLeft = area.Left + centred(area.Width, FullWidth) + arrow;
      WindowTop = area.Top;
      break;
    case 3:
      WindowLeft = area.Left + arrow;
      WindowTop = area.Top;
      break;
    case 4:
      WindowLeft = area.Left + area.Width - FullWidth + arrow;
      WindowTop = area.Top;
      break;
    default:
      break;
  }
}

}  // namespace orlevant
