#pragma once
// Rules of the month layout shared by the grid fill and the layout.

namespace orlevant {

// How many rows the window drops for a month that leaves trailingCells boxes after its last day:
// none up to 6 (six rows needed), one for 7..13, two from 14 on.
int RowsCutFor(int trailingCells);

}  // namespace orlevant
