// A window place stored in the settings file, however it was edited, places the window without a
// sum or a conversion leaving an int: a number too far out for any screen reads as no stored place.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/settings.h"
#include "core/twips.h"
#include "monthview/month_view.h"
#include "platform/settings_store.h"
#include "support/temp_home.h"

namespace orlevant {
namespace {

TEST(StoredPlace, AnyStoredNumberPlacesTheWindowWhereItSays) {
  constexpr int kArrow = 372;  // a collapsed window stands an arrow's width right of its place
  struct Case { const char* left; const char* top; int placeLeft, placeTop; };
  const Case cases[] = {
      {"2147483647", "-2147483648", 0, 0},
      {"-2147483648", "2147483647", 0, 0},
      {"491505", "-491520", 491505, -491520},
      {"-491520", "491505", -491520, 491505},
  };
  testing::TempHome home;
  SettingsStore store;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.left) + ", " + c.top);
    ASSERT_TRUE(store.Write({{"Position", "0"}, {"PositionLeft", c.left}, {"PositionTop", c.top}}));
    const Settings s = LoadSettings(store);
    for (const bool compact : {false, true}) {
      MonthView view;
      view.LayoutMonthGrid(1);
      view.lblNextMonth.Geometry.Width = kArrow;
      view.CompactMode = compact;
      view.PositionMainWindow(s.Position, s);
      const int left = c.placeLeft + (compact ? kArrow : 0);
      EXPECT_EQ(view.WindowLeft, left);
      EXPECT_EQ(view.WindowTop, c.placeTop);
      EXPECT_EQ(TwipsToPixels(view.WindowLeft), std::lround(left / 15.0));
      EXPECT_EQ(TwipsToPixels(view.WindowTop), std::lround(c.placeTop / 15.0));
    }
  }
}

// Every number converts to its nearest pixel, the extremes of an int included.
TEST(StoredPlace, TwipsToPixelsRoundsEveryNumber) {
  constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
  for (const int twips : {kMin, kMin + 7, kMin + 8, -491521, -8, -7, 0, 7, 8, 491506, kMax - 8, kMax})
    EXPECT_EQ(TwipsToPixels(twips), std::lround(twips / 15.0)) << twips;
  for (int twips = -20000; twips <= 20000; ++twips) ASSERT_EQ(TwipsToPixels(twips), std::lround(twips / 15.0)) << twips;
}

}  // namespace
}  // namespace orlevant
