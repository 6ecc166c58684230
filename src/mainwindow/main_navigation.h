#pragma once
// The month window's states and travels that the input table leads to: the three calendar sizes,
// the first day of the week, the month arrows and the months menu, the year menu and today
// (main_navigation.cpp holds frmMain's handlers for them).

#include <array>

#include "core/calendar_date.h"

namespace orlevant {

// Day 1 of the month `months` months away from the month of `shown` (negative: earlier), across
// year ends.
Date FirstOfMonthAway(Date shown, int months);

// The four years the year menu offers around `shownYear`: two before, then two after.
std::array<int, 4> YearMenuYears(int shownYear);

}  // namespace orlevant
