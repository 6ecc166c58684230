#include "core/preference_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orlevant {
namespace {

// The stored keys, in the order the dialog writes them, spelled out here rather than taken from
// the code under test.
const std::vector<std::string> kExpectedKeys = {
    "WeekDayLength", "DateFormat", "TimeFormat", "ShowTime", "BoxStyle", "Position", "RunStartup", "ShowSplash",
    "NotifyMe", "ShowClearAllMsg", "ShowMessage", "ShowToolTips", "Expand", "StartMinimized", "ShowTips", "FirstDay",
    "TransparentDate", "TransparentWeek", "TransparentNext", "Scheme", "UseScheme", "ForeGroundWeek",
    "ForeGroundNext", "ForeGroundDate", "ForeGroundData", "ForeGroundDay", "ForeGroundEntry", "ForeGroundToday",
    "BackGroundWeek", "BackGroundNext", "BackGroundDate", "BackGroundData", "BackGroundDay", "BackGroundEntry",
    "BackGroundNotUsed", "BackGroundToday", "MenuStyle", "XPTheme", "dTheme", "GradientBar", "Vertical",
    "GradientLeftColour", "GradientRightColour", "XPLeftBackColour", "XPRightBackColour", "XPSelectedColour",
    "XPAllColour", "XPBarColour", "XPRightBackColourUser", "XPLeftBackColourUser", "XPSelectedColourUser",
    "XPAllColourUser", "XPBarColourUser", "TopColour", "MiddleColour", "BottomColour", "TopColourUser",
    "MiddleColourUser", "BottomColourUser"};

TEST(PreferenceValues, FiftyNineKeysInTheirOrderWithEachValueAsDecimalText) {
  Settings s;
  s.DTheme = 2;
  s.BackGroundToday = 0xD7D7FF;
  s.DateFormat = "dd/mm/yyyy";
  s.Scheme = "My own";
  const auto values = PreferenceValues(s);
  ASSERT_EQ(values.size(), 59u);
  std::vector<std::string> keys;
  for (const auto& [k, v] : values) keys.push_back(k);
  EXPECT_EQ(keys, kExpectedKeys);
  const auto valueOf = [&values](const std::string& key) {
    for (const auto& [k, v] : values)
      if (k == key) return v;
    return std::string("(missing)");
  };
  EXPECT_EQ(valueOf("dTheme"), "2");
  EXPECT_EQ(valueOf("BackGroundToday"), "14145535");
  EXPECT_EQ(valueOf("DateFormat"), "dd/mm/yyyy");
  EXPECT_EQ(valueOf("Scheme"), "My own");
  EXPECT_EQ(valueOf("GradientLeftColour"), "15119212");
}

TEST(PreferenceValues, ProblemsThatWouldStoreSomethingUnreadable) {
  struct Case {
    const char* name;
    void (*change)(Settings&);
    bool problem;
  };
  const Case cases[] = {
      {"defaults", [](Settings&) {}, false},
      {"empty date format", [](Settings& s) { s.DateFormat.clear(); }, true},
      {"empty time format", [](Settings& s) { s.TimeFormat.clear(); }, true},
      {"line break in a format", [](Settings& s) { s.DateFormat = "dd\nmm"; }, true},
      {"empty scheme is allowed", [](Settings& s) { s.Scheme.clear(); }, false},
      {"colour above 24 bits", [](Settings& s) { s.BackGroundDay = 0x1000000; }, true},
      {"largest colour", [](Settings& s) { s.BackGroundDay = 0xFFFFFF; }, false},
      {"number beyond 16 bits", [](Settings& s) { s.FirstDay = 40000; }, true},
      {"negative 16-bit number", [](Settings& s) { s.Position = -32768; }, false},
  };
  for (const Case& c : cases) {
    Settings s;
    c.change(s);
    EXPECT_EQ(PreferenceValuesProblem(s).has_value(), c.problem) << c.name;
  }
}

TEST(SchemeColours, EachSchemeSetsItsBackgroundsAndBlackensTheTexts) {
  struct Case {
    const char* scheme;
    std::uint32_t date, next, week, data, day, entry, notUsed, today;
  };
  const Case cases[] = {
      {"All Soft Colours", 0xDBDBDB, 0xCECECE, 0xF3F3F3, 0xF2F2F2, 0xF2F2F2, 0xE8E6E8, 0xFFFFFF, 0xDBDBDB},
      {"Blue", 0xFF0000, 0xC80000, 0xFF6666, 0xFFEEE3, 0xFFEEE3, 0xFFDCC8, 0xFFF4EC, 0xFF0000},
      {"Brown", 0x5A86A7, 0x117DA2, 0x7A9FB8, 0xC8D7E1, 0xC8D7E1, 0xABC2D1, 0xDDE6EC, 0x5A86A7},
      {"Gray", 0x8F8F8F, 0x818181, 0xAEAEAE, 0xDADADA, 0xDADADA, 0xC6C6C6, 0xEBEBEB, 0x8F8F8F},
      {"Green", 0x9D00, 0x9300, 0xB300, 0xDFFFDF, 0xDFFFDF, 0xCCFFCC, 0xEAFFEA, 0x9D00},
      {"Red", 0xFF, 0x5CC, 0x6B6FFF, 0xE1E2FF, 0xE1E2FF, 0xB5B7FF, 0xEAEAFF, 0xFF},
      {"Yellow", 0x7BFFFF, 0x51FFFF, 0xA8FFFF, 0xD5FFFF, 0xD5FFFF, 0xBFFFFF, 0xE1FFFF, 0x7BFFFF},
  };
  for (const Case& c : cases) {
    MonthColours colours;
    colours.fill(0x123456);
    EXPECT_TRUE(LoadSchemeColours(c.scheme, colours)) << c.scheme;
    const MonthColours expected = {0,      0,      0,      0,       0,      0,     0,         c.week,
                                   c.next, c.date, c.data, c.day, c.entry, c.notUsed, c.today};
    EXPECT_EQ(colours, expected) << c.scheme;
  }
}

TEST(SchemeColours, AnUnknownOrMiscasedNameKeepsTheBackgrounds) {
  for (const char* name : {"green", "Purple", ""}) {
    MonthColours colours;
    colours.fill(0x123456);
    EXPECT_FALSE(LoadSchemeColours(name, colours)) << name;
    for (int i = kBackWeek; i <= kBackToday; ++i) EXPECT_EQ(colours[static_cast<std::size_t>(i)], 0x123456u) << name;
    for (int i = kForeWeek; i <= kForeEntry; ++i) EXPECT_EQ(colours[static_cast<std::size_t>(i)], 0u) << name;
  }
}

TEST(MonthColoursMapping, IndicesFollowTheSettingsTheyStandFor) {
  Settings s;
  s.ForeGroundToday = 1;
  s.ForeGroundEntry = 2;
  s.BackGroundEntry = 3;
  s.BackGroundNotUsed = 4;
  const MonthColours c = MonthColoursOf(s);
  EXPECT_EQ(c[kForeToday], 1u);
  EXPECT_EQ(c[kForeEntry], 2u);
  EXPECT_EQ(c[kBackEntry], 3u);
  EXPECT_EQ(c[kBackNotUsed], 4u);
  Settings round;
  SetMonthColours(round, c);
  EXPECT_EQ(MonthColoursOf(round), c);
  const MonthColours defaults = DefaultMonthColours();
  EXPECT_EQ(defaults[kBackWeek], 0xCECECEu);
  EXPECT_EQ(defaults[kBackToday], 0xD7D7FFu);
  EXPECT_EQ(defaults[kForeDate], 0u);
}

TEST(MenuPresets, ThemesGiveTheirColoursAndUserOrNotUsedGiveNone) {
  EXPECT_EQ(XPPreset(1), (XPColours{0xE8E4E5, 0xFBFAFB, 0, 0, 0xCAC7C7}));
  EXPECT_EQ(XPPreset(0)->Bar, 0xFF8000u);
  EXPECT_EQ(XPPreset(3)->LeftBack, 0xD1D8DBu);
  EXPECT_FALSE(XPPreset(4));
  EXPECT_FALSE(XPPreset(5));
  EXPECT_FALSE(XPPreset(-1));
  EXPECT_EQ(ThreeDPreset(3), (ThreeDColours{0xF0CAA6, 0xFFFFFF, 0x6A240A}));
  EXPECT_EQ(ThreeDPreset(2), (ThreeDColours{0xB8E7E0, 0xD5FFFF, 0x7FB2A3}));
  EXPECT_EQ(ThreeDPreset(4)->Bottom, 0x984545u);
  EXPECT_FALSE(ThreeDPreset(5));
  EXPECT_FALSE(ThreeDPreset(6));
}

TEST(WeekdayPreview, NamesFromTheFirstDayInEachLength) {
  struct Case {
    int firstDay, length;
    std::array<std::string, 7> expected;
  };
  const Case cases[] = {
      {7, 1, {"Sat", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri"}},
      {1, 0, {"S", "M", "T", "W", "T", "F", "S"}},
      {2, 2, {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"}},
      {4, 2, {"Wednesday", "Thursday", "Friday", "Saturday", "Sunday", "Monday", "Tuesday"}},
  };
  for (const Case& c : cases) {
    const auto names = WeekdayPreview(c.firstDay, c.length);
    ASSERT_TRUE(names) << c.firstDay;
    EXPECT_EQ(*names, c.expected) << c.firstDay << "/" << c.length;
  }
  EXPECT_FALSE(WeekdayPreview(1, 3));
  EXPECT_FALSE(WeekdayPreview(0, 1));
  EXPECT_FALSE(WeekdayPreview(8, 1));
}

TEST(TitlePreview, TimeFirstThenTheDateOrTheDateAlone) {
  EXPECT_EQ(TitlePreviewPattern(true, "dddd - mmmm d, yyyy", "h:mm AM/PM"), "h:mm AM/PM - dddd - mmmm d, yyyy");
  EXPECT_EQ(TitlePreviewPattern(false, "dd/mm/yy", "h:mm AM/PM"), "dd/mm/yy");
}

TEST(PositionPreview, CornerForEverySizeAndPosition) {
  // Hand-worked in a frame of 4032 x 1512 twips.
  struct Case {
    int size, position, x, y;
  };
  const Case cases[] = {
      {0, 0, 72, 240},   {0, 1, 1800, 684}, {0, 2, 1800, 228}, {0, 3, 72, 228}, {0, 4, 3528, 228},
      {1, 0, 72, 240},   {1, 1, 1548, 540}, {1, 2, 1548, 228}, {1, 3, 72, 228}, {1, 4, 3024, 228},
      {2, 0, 72, 240},   {2, 1, 1044, 252}, {2, 2, 1044, 228}, {2, 3, 72, 228}, {2, 4, 2016, 228},
      {1, 9, 0, 0},
  };
  for (const Case& c : cases) {
    const auto p = PositionPreview(c.size, c.position, 4032, 1512);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Left, c.x) << c.size << "/" << c.position;
    EXPECT_EQ(p->Top, c.y) << c.size << "/" << c.position;
  }
  EXPECT_FALSE(PositionPreview(3, 1, 4032, 1512));
}

TEST(PositionPreview, HalvesRoundToEvenAndBoxesOverlapByTwelve) {
  // (4033 - 432) / 2 = 1800.5 goes to the even 1800; (4035 - 432) / 2 = 1801.5 to 1802.
  EXPECT_EQ(PositionPreview(0, 2, 4033, 1512)->Left, 1800);
  EXPECT_EQ(PositionPreview(0, 2, 4035, 1512)->Left, 1802);
  const auto p = *PositionPreview(1, 3, 4032, 1512);
  EXPECT_EQ(p.PlannerWidth, 7 * p.BoxSize - 72);
  EXPECT_EQ(p.BoxCorner(0), std::make_pair(72, 228 + 60));
  EXPECT_EQ(p.BoxCorner(8), std::make_pair(72 + 132, 228 + 60 + 132));
  EXPECT_EQ(p.BoxCorner(27), std::make_pair(72 + 6 * 132, 228 + 60 + 3 * 132));
}

TEST(ListWithStored, AStoredTextOutsideTheListIsAddedAndSelected) {
  const ListChoice inList = ListWithStored(kTimeFormats, "hh:mm");
  EXPECT_EQ(inList.entries.size(), 4u);
  EXPECT_EQ(inList.selected, 2);
  const ListChoice own = ListWithStored(kDateFormats, "d.m.yyyy");
  ASSERT_EQ(own.entries.size(), 11u);
  EXPECT_EQ(own.entries.back(), "d.m.yyyy");
  EXPECT_EQ(own.selected, 10);
  const ListChoice empty = ListWithStored(kSchemeNames, "");
  EXPECT_EQ(empty.entries.size(), 7u);
  EXPECT_EQ(empty.selected, -1);
}

}  // namespace
}  // namespace orlevant
