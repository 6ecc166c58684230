#include "monthview/month_pixels.h"

#include <algorithm>

#include "core/twips.h"
#include "monthview/month_layout_rules.h"

namespace orlevant {

namespace {

constexpr int kBorder = 1;  // every box's border, in pixels
constexpr int kGap = 1;     // clear room between the reminder mark and the border

// The lines of `count` cells that start at `first` twips, `step` twips apart, each `size` twips
// long: lines[k] is the first pixel of cell k, lines[k + 1] its last.
template <std::size_t N>
std::array<int, N + 1> CellLines(int first, int step, int size) {
  std::array<int, N + 1> lines{};
  for (std::size_t k = 0; k < N; ++k) lines[k] = TwipsToPixels(first + static_cast<int>(k) * step);
  lines[N] = TwipsToPixels(first + static_cast<int>(N - 1) * step + size) - 1;
  return lines;
}

PixelRect Between(int x0, int x1, int y0, int y1) { return {x0, y0, std::max(1, x1 - x0 + 1), std::max(1, y1 - y0 + 1)}; }

}  // namespace

MonthPixels LayOutMonthPixels(const MonthView& m) {
  constexpr int kOverlap = 12;
  MonthPixels px;
  px.windowWidth = std::max(1, TwipsToPixels(m.ExpandedWidth));
  px.windowHeight = std::max(1, TwipsToPixels(m.ExpandedHeight));
  px.shownRows = kDayBoxCount / kWeekdayCount - RowsCutFor(m.TrailingCells);
  const int lastColumn = px.windowWidth - 1;
  const int lastRow = px.windowHeight - 1;

  const int headingTop = m.lblWeek[0].Geometry.Top;
  const int headingLeft = m.lblWeek[0].Geometry.Left;
  auto headingLines = CellLines<kWeekdayCount>(headingLeft, m.HeadingWidth - kOverlap, m.HeadingWidth);
  headingLines[kWeekdayCount] = std::min(headingLines[kWeekdayCount], lastColumn);
  const int headingBottom = TwipsToPixels(headingTop + m.lblWeek[0].Geometry.Height) - 1;
  for (std::size_t c = 0; c < kWeekdayCount; ++c) {
    px.headings[c] = Between(headingLines[c], headingLines[c + 1], TwipsToPixels(headingTop), headingBottom);
  }

  const TwipRect& first = m.lblData[0].Geometry;
  auto columns = CellLines<kWeekdayCount>(first.Left, m.BoxWidth - kOverlap, m.BoxWidth);
  // The last column's right border is the window's last pixel column, so it is drawn.
  columns[kWeekdayCount] = std::min(columns[kWeekdayCount], lastColumn);
  constexpr std::size_t kRows = kDayBoxCount / kWeekdayCount;
  const auto laidRows = CellLines<kRows>(first.Top, m.BoxHeight - kOverlap, m.BoxHeight);
  // The last shown row ends on the window's last pixel row: no strip below it, and its border shown.
  // The rows the window leaves out start below that row, so none of them shows on it.
  const auto shown = static_cast<std::size_t>(std::clamp(px.shownRows, 1, static_cast<int>(kRows)));
  const int shift = std::max(0, lastRow + 1 - laidRows[shown]);
  auto rowTop = [&](std::size_t r) { return r < shown ? laidRows[r] : laidRows[r] + shift; };
  auto rowBottom = [&](std::size_t r) {
    if (r + 1 == shown && lastRow > laidRows[r]) return lastRow;
    return r + 1 < shown ? laidRows[r + 1] : laidRows[r + 1] + shift;
  };

  const int dayWidth = TwipsToPixels(m.DayLabelWidth);
  const int dayHeight = TwipsToPixels(m.lblDay[0].Geometry.Height);
  const int iconSize = std::max(1, TwipsToPixels(m.ReminderIconWidth));
  for (std::size_t i = 0; i < static_cast<std::size_t>(kDayBoxCount); ++i) {
    const std::size_t r = i / kWeekdayCount, c = i % kWeekdayCount;
    const PixelRect box = Between(columns[c], columns[c + 1], rowTop(r), rowBottom(r));
    px.boxes[i] = box;
    const int innerWidth = std::max(1, box.width - 2 * kBorder);
    const int innerHeight = std::max(1, box.height - 2 * kBorder);
    px.days[i] = {box.x + kBorder, box.y + kBorder, std::min(dayWidth, innerWidth), std::min(dayHeight, innerHeight)};

    // At the right end of the day number's label, as laid out, but never on or past the border.
    const TwipRect& icon = m.imgRemind[i].Geometry;
    const TwipRect& data = m.lblData[i].Geometry;
    int left = box.x + TwipsToPixels(icon.Left - data.Left);
    left = std::min(left, box.right() - kBorder - kGap - iconSize + 1);
    left = std::max(left, box.x + kBorder);
    int top = box.y + TwipsToPixels(icon.Top - data.Top);
    top = std::max(top, box.y + kBorder + kGap);
    px.icons[i] = {left, top, iconSize, iconSize};
  }
  return px;
}

}  // namespace orlevant
