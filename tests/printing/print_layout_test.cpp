// Where the month goes on the page and in the dialog's miniature: hand-worked positions for every
// choice, the fit of a picture larger than the page, and the events list running over pages.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "monthview/print_layout.h"

namespace orlevant {
namespace {

struct PositionCase {
  std::string name;
  int position, centring;
  double pageWidth, pageHeight, width, height;
  int left, top;
};
// A case prints as its name alone, so that test names stay short and the same from run to run.
template <class Case> requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
const auto kCaseName = [](const auto& info) { return info.param.name; };

class PagePositionTable : public ::testing::TestWithParam<PositionCase> {};

TEST_P(PagePositionTable, GivesTheCornerOfThePicture) {
  const PositionCase& c = GetParam();
  const auto at = PagePosition(c.position, c.centring, c.pageWidth, c.pageHeight, c.width, c.height);
  ASSERT_TRUE(at.has_value());
  EXPECT_EQ(at->Left, c.left);
  EXPECT_EQ(at->Top, c.top);
}

// A Medium window (7560 x 5976) on a page of 11000 x 15000, and the same page turned.
INSTANTIATE_TEST_SUITE_P(
    MediumWindow, PagePositionTable,
    ::testing::Values(PositionCase{"CentreHorizontal", 0, 0, 11000, 15000, 7560, 5976, 1708, 0},
                      PositionCase{"CentreVertical", 0, 1, 11000, 15000, 7560, 5976, 0, 4500},
                      PositionCase{"CentreBoth", 0, 2, 11000, 15000, 7560, 5976, 1708, 4500},
                      PositionCase{"TopLeft", 1, 0, 11000, 15000, 7560, 5976, 0, 0},
                      PositionCase{"TopRight", 2, 0, 11000, 15000, 7560, 5976, 3416, 0},
                      PositionCase{"BottomLeft", 3, 0, 11000, 15000, 7560, 5976, 0, 9000},
                      PositionCase{"BottomRight", 4, 0, 11000, 15000, 7560, 5976, 3416, 9000},
                      // A corner keeps its place whatever centring stays selected under it.
                      PositionCase{"TopRightWithBoth", 2, 2, 11000, 15000, 7560, 5976, 3416, 0},
                      PositionCase{"BottomLeftWithVertical", 3, 1, 11000, 15000, 7560, 5976, 0, 9000},
                      PositionCase{"LandscapeCentre", 0, 0, 15000, 11000, 7560, 5976, 3708, 0},
                      PositionCase{"LandscapeBottomRight", 4, 0, 15000, 11000, 7560, 5976, 7416, 5000},
                      // Halves go to the even neighbour: 1708.5 down, 1709.5 up.
                      PositionCase{"HalfDown", 0, 2, 11001, 15001, 7560, 5976, 1708, 4500},
                      PositionCase{"HalfUp", 0, 2, 11003, 15003, 7560, 5976, 1710, 4502},
                      // Wider than the page: the table alone gives negative places.
                      PositionCase{"WiderThanPage", 2, 0, 15000, 11000, 28644, 14328, -13668, 0}),
    kCaseName);

TEST(PagePosition, UnknownChoicesGiveNothing) {
  for (const auto& [position, centring] : {std::pair{5, 0}, std::pair{-1, 0}, std::pair{0, 3}, std::pair{0, -1}})
    EXPECT_FALSE(PagePosition(position, centring, 11000, 15000, 7560, 5976).has_value())
        << position << "," << centring;
}

// ---------------------------------------------------------------- the picture on the page

struct FitCase {
  std::string name;
  int position, centring, pageWidth, pageHeight, pictureWidth, pictureHeight;
  PicturePlacement expected;
};

class PictureOnPage : public ::testing::TestWithParam<FitCase> {};

TEST_P(PictureOnPage, PlacesAndSizes) {
  const FitCase& c = GetParam();
  const auto placed = PlacePictureOnPage(c.position, c.centring, c.pageWidth, c.pageHeight, c.pictureWidth,
                                         c.pictureHeight);
  ASSERT_TRUE(placed.has_value());
  EXPECT_EQ(*placed, c.expected);
}

// {Left, Top, Width, Height, Scaled, EventsListTop, EventsListBottom, ListAllowed}
INSTANTIATE_TEST_SUITE_P(
    Cases, PictureOnPage,
    ::testing::Values(
        // A picture that fits prints at its own size where the table puts it; the list follows
        // 200 under it, or stands at the top above a picture at the bottom.
        FitCase{"FitsCentre", 0, 0, 11000, 15000, 7560, 5976, {1708, 0, 7560, 5976, false, 6176, 15000, true}},
        FitCase{"FitsTopRight", 2, 1, 11000, 15000, 7560, 5976, {3416, 0, 7560, 5976, false, 6176, 15000, true}},
        FitCase{"FitsBottomLeft", 3, 0, 11000, 15000, 7560, 5976, {0, 9000, 7560, 5976, false, 200, 9000, true}},
        FitCase{"FitsCentreVertical", 0, 1, 11000, 15000, 7560, 5976, {0, 4500, 7560, 5976, false, 0, 0, false}},
        // Exactly as wide as the room: at the left edge the whole width, at the right the width
        // less the gap.
        FitCase{"WholeWidthTopLeft", 1, 0, 15000, 11000, 15000, 5000, {0, 0, 15000, 5000, false, 5200, 11000, true}},
        FitCase{"RoomTopRight", 2, 0, 15000, 11000, 14976, 5000, {0, 0, 14976, 5000, false, 5200, 11000, true}},
        // Too wide: halved to fit.
        FitCase{"HalvedTopLeft", 1, 0, 15000, 11000, 30000, 15000, {0, 0, 15000, 7500, true, 7700, 11000, true}},
        FitCase{"HalvedCentreBoth", 0, 2, 15000, 11000, 29952, 1000, {0, 5238, 14976, 500, true, 0, 0, false}},
        // Too high: fitted to the height; at the bottom the list has no room above it.
        FitCase{"TallBottomRight", 4, 0, 15000, 11000, 4000, 21952, {12976, 0, 2000, 10976, true, 200, 0, true}}),
    kCaseName);

// A Large window on any common screen is wider than a page: the fitted picture keeps its
// proportions, stays inside the page on every side and reaches the limiting edge.
TEST(PictureOnPage, LargeWindowFitsEveryPosition) {
  const int pageWidth = 15398, pageHeight = 11618;  // A4 landscape, printable area
  const int width = 28644, height = 14328;          // Large on a 1920 x 1080 screen
  for (int position = 0; position <= 4; ++position) {
    for (int centring = 0; centring <= 2; ++centring) {
      SCOPED_TRACE(std::to_string(position) + "," + std::to_string(centring));
      const auto p = PlacePictureOnPage(position, centring, pageWidth, pageHeight, width, height);
      ASSERT_TRUE(p.has_value());
      EXPECT_TRUE(p->Scaled);
      EXPECT_GE(p->Left, 0);
      EXPECT_GE(p->Top, 0);
      EXPECT_LE(p->Left + p->Width, pageWidth);
      EXPECT_LE(p->Top + p->Height, pageHeight);
      EXPECT_NEAR(static_cast<double>(p->Width) / p->Height, static_cast<double>(width) / height, 0.002);
      // Width is what limits it: the picture is as wide as the room less at most a twip.
      const int room = (position == 2 || position == 4 || (position == 0 && centring != 1)) ? pageWidth - 24 : pageWidth;
      EXPECT_GE(p->Width, room - 1);
    }
  }
}

TEST(PictureOnPage, NothingForUnknownChoicesOrEmptySizes) {
  EXPECT_FALSE(PlacePictureOnPage(5, 0, 11000, 15000, 7560, 5976));
  EXPECT_FALSE(PlacePictureOnPage(0, 3, 11000, 15000, 7560, 5976));
  EXPECT_FALSE(PlacePictureOnPage(0, 0, 0, 15000, 7560, 5976));
  EXPECT_FALSE(PlacePictureOnPage(0, 0, 11000, 15000, 0, 5976));
}

// ---------------------------------------------------------------- the list over pages

struct ListCase {
  std::string name;
  int lines, lineHeight, firstTop, firstBottom, pageHeight;
  std::vector<ListLinePlace> expected;
};

class ListOverPages : public ::testing::TestWithParam<ListCase> {};

TEST_P(ListOverPages, PlacesEveryLine) {
  const ListCase& c = GetParam();
  EXPECT_EQ(PlaceListLines(c.lines, c.lineHeight, c.firstTop, c.firstBottom, c.pageHeight), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListOverPages,
    ::testing::Values(
        ListCase{"None", 0, 300, 6176, 15000, 15000, {}},
        ListCase{"AllOnFirstPage", 3, 300, 6176, 15000, 15000, {{0, 6176}, {0, 6476}, {0, 6776}}},
        // The third line would end at 10200, past the page: it and the rest go on at the top of
        // page 2.
        ListCase{"ContinuesOnPageTwo", 5, 300, 9300, 10000, 10000,
                 {{0, 9300}, {0, 9600}, {1, 200}, {1, 500}, {1, 800}}},
        // Above a picture at the bottom the list stops at the picture's top edge.
        ListCase{"StopsAtPicture", 3, 300, 200, 800, 10000, {{0, 200}, {0, 500}, {1, 200}}},
        // No room at all on the picture's page: the heading opens page 2.
        ListCase{"NoRoomUnderPicture", 2, 300, 9900, 10000, 10000, {{1, 200}, {1, 500}}},
        // A line higher than the page still moves on, one a page.
        ListCase{"LineHigherThanPage", 2, 20000, 200, 10000, 10000, {{1, 200}, {2, 200}}}),
    kCaseName);

// ---------------------------------------------------------------- the miniature

TEST(Preview, SizesByCalendarSize) {
  EXPECT_EQ(PreviewPaper(false), (PreviewSize{1452, 1872}));
  EXPECT_EQ(PreviewPaper(true), (PreviewSize{1872, 1452}));
  EXPECT_EQ(PreviewPlanner(0), (PreviewSize{252, 192}));
  EXPECT_EQ(PreviewPlannerTitle(0), (PreviewSize{252, 72}));
  EXPECT_EQ(PreviewPlanner(1), (PreviewSize{672, 552}));
  EXPECT_EQ(PreviewPlannerTitle(1), (PreviewSize{672, 132}));
  EXPECT_EQ(PreviewPlanner(2), (PreviewSize{1212, 852}));
  EXPECT_EQ(PreviewPlannerTitle(2), (PreviewSize{1212, 132}));
  EXPECT_FALSE(PreviewPlanner(3));
  EXPECT_FALSE(PreviewPlannerTitle(-1));
}

struct PreviewCase {
  std::string name;
  int boxStyle;
  bool landscape;
  int position, centring;
  PreviewPlacement expected;
};

class PreviewTable : public ::testing::TestWithParam<PreviewCase> {};

TEST_P(PreviewTable, PlacesPlannerAndList) {
  const PreviewCase& c = GetParam();
  const PreviewSize planner = *PreviewPlanner(c.boxStyle);
  const PreviewSize title = *PreviewPlannerTitle(c.boxStyle);
  const auto placed =
      PlacePreview(c.position, c.centring, PreviewPaper(c.landscape), planner.Width, title.Width, planner.Height);
  ASSERT_TRUE(placed.has_value());
  EXPECT_EQ(*placed, c.expected);
}

constexpr auto kNotMoved = std::nullopt;

// {PlannerLeft, TitleLeft, PlannerTop, EventsSymbolAt, ExcludesList}
INSTANTIATE_TEST_SUITE_P(
    EverySize, PreviewTable,
    ::testing::Values(
        PreviewCase{"SmallCentreH", 0, false, 0, 0, {840, 840, 390, PagePoint{270, 582}, false}},
        PreviewCase{"SmallCentreV", 0, false, 0, 1, {270, 270, 1200, kNotMoved, true}},
        PreviewCase{"SmallTopRight", 0, false, 2, 0, {1398, 1398, 390, PagePoint{270, 582}, false}},
        PreviewCase{"SmallBottomRight", 0, false, 4, 2, {1398, 1398, 1998, PagePoint{270, 390}, false}},
        PreviewCase{"SmallLandscapeCentreH", 0, true, 0, 0, {1050, 1050, 390, PagePoint{270, 582}, false}},
        PreviewCase{"MediumCentreH", 1, false, 0, 0, {630, 630, 390, PagePoint{270, 942}, false}},
        PreviewCase{"MediumCentreV", 1, false, 0, 1, {270, 270, 1020, kNotMoved, true}},
        PreviewCase{"MediumTopRight", 1, false, 2, 1, {978, 978, 390, PagePoint{270, 942}, false}},
        PreviewCase{"MediumBottomLeft", 1, false, 3, 0, {270, 270, 1638, PagePoint{270, 390}, false}},
        PreviewCase{"MediumLandscapeBottomRight", 1, true, 4, 0, {1398, 1398, 1218, PagePoint{270, 390}, false}},
        PreviewCase{"LargeCentreH", 2, true, 0, 0, {570, 570, 390, PagePoint{270, 1242}, false}},
        PreviewCase{"LargeCentreBoth", 2, true, 0, 2, {570, 570, 660, kNotMoved, true}},
        PreviewCase{"LargeTopRight", 2, true, 2, 0, {858, 858, 390, PagePoint{270, 1242}, false}},
        PreviewCase{"LargeBottomLeft", 2, true, 3, 0, {270, 270, 918, PagePoint{270, 390}, false}}),
    kCaseName);

TEST(Preview, UnknownChoicesGiveNothing) {
  EXPECT_FALSE(PlacePreview(5, 0, PreviewPaper(false), 252, 252, 192));
  EXPECT_FALSE(PlacePreview(0, 7, PreviewPaper(false), 252, 252, 192));
}

}  // namespace
}  // namespace orlevant
