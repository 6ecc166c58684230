#include "core/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <variant>

#include "core/events_file.h"
#include "platform/settings_store.h"
#include "support/file_helpers.h"
#include "support/temp_home.h"

namespace orlevant {
namespace {

namespace fs = std::filesystem;
using testing::Slurp;
using testing::TempHome;

using Member = std::variant<int Settings::*, std::uint32_t Settings::*, std::string Settings::*>;

std::string AsText(const Settings& s, const Member& m) {
  if (const auto* i = std::get_if<int Settings::*>(&m)) return std::to_string(s.*(*i));
  if (const auto* c = std::get_if<std::uint32_t Settings::*>(&m)) return std::to_string(s.*(*c));
  return s.*std::get<std::string Settings::*>(m);
}

// Every stored name with its member; a value is given where the setting takes only a few.
struct Row { std::string_view key; Member member; std::string_view stored = {}; };
const Row kRows[] = {
    {"ShowTime", &Settings::ShowTime}, {"DateFormat", &Settings::DateFormat, "dd/mm/yyyy"},
    {"TimeFormat", &Settings::TimeFormat, "hh:mm"}, {"WeekDayLength", &Settings::WeekDayLength, "2"},
    {"Position", &Settings::Position, "3"}, {"PositionLeft", &Settings::PositionLeft, "-1440"},
    {"PositionTop", &Settings::PositionTop, "40000"}, {"BoxStyle", &Settings::BoxStyle, "0"},
    {"RunStartup", &Settings::RunStartup}, {"Expand", &Settings::Expand}, {"StartMinimized", &Settings::StartMinimized},
    {"ShowMessage", &Settings::ShowMessage}, {"ShowToolTips", &Settings::ShowToolTips}, {"NotifyMe", &Settings::NotifyMe},
    {"ShowClearAllMsg", &Settings::ShowClearAllMsg}, {"ShowTips", &Settings::ShowTips}, {"Reminders", &Settings::Reminders},
    {"FirstDay", &Settings::FirstDay, "7"}, {"TransparentDate", &Settings::TransparentDate},
    {"TransparentWeek", &Settings::TransparentWeek}, {"TransparentNext", &Settings::TransparentNext},
    {"Scheme", &Settings::Scheme, "Olive"}, {"UseScheme", &Settings::UseScheme},
    {"ForeGroundWeek", &Settings::ForeGroundWeek}, {"ForeGroundNext", &Settings::ForeGroundNext},
    {"ForeGroundDate", &Settings::ForeGroundDate}, {"ForeGroundData", &Settings::ForeGroundData},
    {"ForeGroundDay", &Settings::ForeGroundDay}, {"ForeGroundEntry", &Settings::ForeGroundEntry},
    {"ForeGroundToday", &Settings::ForeGroundToday}, {"BackGroundWeek", &Settings::BackGroundWeek},
    {"BackGroundNext", &Settings::BackGroundNext}, {"BackGroundDate", &Settings::BackGroundDate},
    {"BackGroundData", &Settings::BackGroundData}, {"BackGroundDay", &Settings::BackGroundDay},
    {"BackGroundEntry", &Settings::BackGroundEntry}, {"BackGroundNotUsed", &Settings::BackGroundNotUsed},
    {"BackGroundToday", &Settings::BackGroundToday}, {"MenuStyle", &Settings::MenuStyle, "2"},
    {"XPTheme", &Settings::XPTheme}, {"DTheme", &Settings::DTheme}, {"GradientBar", &Settings::GradientBar},
    {"Vertical", &Settings::Vertical}, {"GradientLeftColour", &Settings::GradientLeftColour},
    {"GradientRightColour", &Settings::GradientRightColour}, {"XPRightBackColour", &Settings::XPRightBackColour},
    {"XPLeftBackColour", &Settings::XPLeftBackColour}, {"XPSelectedColour", &Settings::XPSelectedColour},
    {"XPAllColour", &Settings::XPAllColour}, {"XPBarColour", &Settings::XPBarColour},
    {"XPRightBackColourUser", &Settings::XPRightBackColourUser}, {"XPLeftBackColourUser", &Settings::XPLeftBackColourUser},
    {"XPSelectedColourUser", &Settings::XPSelectedColourUser}, {"XPAllColourUser", &Settings::XPAllColourUser},
    {"XPBarColourUser", &Settings::XPBarColourUser}, {"TopColour", &Settings::TopColour},
    {"MiddleColour", &Settings::MiddleColour}, {"BottomColour", &Settings::BottomColour},
    {"TopColourUser", &Settings::TopColourUser}, {"MiddleColourUser", &Settings::MiddleColourUser},
    {"BottomColourUser", &Settings::BottomColourUser}, {"ShowSplash", &Settings::ShowSplash},
    {"FirstUse", &Settings::FirstUse}, {"NeverShowTotalEventsMessage", &Settings::NeverShowTotalEventsMessage},
    {"ShowTotalEventsMessage", &Settings::ShowTotalEventsMessage},
    {"ShowConflictingEventsMsg", &Settings::ShowConflictingEventsMsg}, {"LastTab", &Settings::LastTab, "6"},
    {"RememberTips", &Settings::RememberTips}, {"Oldx", &Settings::Oldx, "13"},
};

// A valid value unlike every other row's, so that a name read into the wrong member shows.
std::string StoredValue(std::size_t i) {
  return kRows[i].stored.empty() ? std::to_string(1000 + i) : std::string(kRows[i].stored);
}

fs::path StoreFile(const TempHome& home) { return home.Config() / "Tamsel" / "Orlevant.conf"; }

TEST(LoadSettingsTest, FreshOrEmptyFoldersGiveTheInstallationDefaults) {
  TempHome home;
  SettingsStore store;
  for (bool emptyFolders : {false, true}) {
    if (emptyFolders) {
      ASSERT_TRUE(store.Write({{"AllUsersPath", ""}, {"InstallPath", ""}}));
    }
    const Settings s = LoadSettings(store);
    for (const Row& row : kRows) EXPECT_EQ(AsText(s, row.member), AsText(Settings{}, row.member)) << row.key;
    EXPECT_EQ(s.AllUsersPath, home.Data().string() + "/Orlevant/");
    EXPECT_FALSE(fs::exists(s.AllUsersPath)) << "reading the settings makes no folder";
    EXPECT_TRUE(fs::exists(s.InstallPath + "core_tests")) << "the folder of the running program: " << s.InstallPath;
    EXPECT_EQ(fs::exists(StoreFile(home)), emptyFolders) << "reading writes nothing";
  }
}

TEST(LoadSettingsTest, TheDefaultEventsFolderIsMadeWhenTheEventsFileIsFirstOpened) {
  TempHome home;
  SettingsStore store;
  const Settings s = LoadSettings(store);
  ASSERT_FALSE(fs::exists(s.AllUsersPath));
  EventStore events(EventFilePath(s.AllUsersPath));
  ASSERT_TRUE(LoadEvents(events).ok);
  EXPECT_TRUE(fs::is_regular_file(events.Path));
  EXPECT_EQ(testing::ModeOf(s.AllUsersPath), 0700u) << "for its owner only";

  // A folder the user chose is never made for them.
  EventStore elsewhere((home.Root() / "chosen" / "ann.dat").string());
  EXPECT_FALSE(LoadEvents(elsewhere).ok);
  EXPECT_FALSE(fs::exists(home.Root() / "chosen"));
}

TEST(LoadSettingsTest, EveryStoredValueReachesItsOwnMember) {
  TempHome home;
  SettingsStore store;
  std::vector<std::pair<std::string, std::string>> values;
  for (std::size_t i = 0; i < std::size(kRows); ++i) values.emplace_back(kRows[i].key, StoredValue(i));
  values.emplace_back("AllUsersPath", "/srv/calendars/");
  values.emplace_back("InstallPath", "/opt/orlevant");
  ASSERT_TRUE(store.Write(values));
  const Settings s = LoadSettings(store);
  for (std::size_t i = 0; i < std::size(kRows); ++i) EXPECT_EQ(AsText(s, kRows[i].member), StoredValue(i)) << kRows[i].key;
  EXPECT_EQ(s.AllUsersPath, "/srv/calendars/");
  EXPECT_EQ(s.InstallPath, "/opt/orlevant/") << "a folder always ends with its separator";
}

TEST(LoadSettingsTest, UnusableStoredValuesReadAsDefaults) {
  struct Case { std::string_view key, stored; Member member; std::string_view expected; };
  const Case cases[] = {
      // Not a number of the kind.
      {"ShowTime", "yes", &Settings::ShowTime, "1"}, {"ShowTime", "", &Settings::ShowTime, "1"},
      {"ShowTime", "1.5", &Settings::ShowTime, "1"}, {"ShowTime", "0x1", &Settings::ShowTime, "1"},
      {"Expand", "1 0", &Settings::Expand, "1"}, {"BackGroundToday", "red", &Settings::BackGroundToday, "14145535"},
      {"BackGroundToday", "-1", &Settings::BackGroundToday, "14145535"},
      {"BackGroundToday", "16777216", &Settings::BackGroundToday, "14145535"},
      {"BackGroundToday", "99999999999999999999", &Settings::BackGroundToday, "14145535"},
      // Beyond a 16-bit number; the saved position alone goes further, for wide screens, as far as
      // a window's place on an X screen (16-bit pixels, 15 twips each), so that nothing the layout
      // adds to it or makes of it overflows.
      {"ShowTime", "32768", &Settings::ShowTime, "1"}, {"BoxStyle", "65537", &Settings::BoxStyle, "1"},
      {"PositionTop", "-32769", &Settings::PositionTop, "-32769"},
      {"PositionLeft", "491505", &Settings::PositionLeft, "491505"},
      {"PositionTop", "-491520", &Settings::PositionTop, "-491520"},
      {"PositionLeft", "491506", &Settings::PositionLeft, "0"},
      {"PositionTop", "-491521", &Settings::PositionTop, "0"},
      {"PositionLeft", "2147483647", &Settings::PositionLeft, "0"},
      {"PositionTop", "-2147483648", &Settings::PositionTop, "0"},
      {"PositionLeft", "2147483648", &Settings::PositionLeft, "0"},
      // Outside the values the setting can take.
      {"BoxStyle", "3", &Settings::BoxStyle, "1"}, {"BoxStyle", "-1", &Settings::BoxStyle, "1"},
      {"Position", "5", &Settings::Position, "1"}, {"FirstDay", "0", &Settings::FirstDay, "1"},
      {"FirstDay", "8", &Settings::FirstDay, "1"}, {"WeekDayLength", "3", &Settings::WeekDayLength, "1"},
      {"MenuStyle", "3", &Settings::MenuStyle, "4"}, {"MenuStyle", "6", &Settings::MenuStyle, "4"},
      {"LastTab", "7", &Settings::LastTab, "0"}, {"Oldx", "14", &Settings::Oldx, "0"},
      // Hand-edited but clear, so taken.
      {"BoxStyle", " 2 ", &Settings::BoxStyle, "2"}, {"Position", "+4", &Settings::Position, "4"},
      {"MenuStyle", "0", &Settings::MenuStyle, "0"}, {"BackGroundToday", "16777215", &Settings::BackGroundToday, "16777215"},
  };
  TempHome home;
  SettingsStore store;
  for (const auto& c : cases) {
    ASSERT_TRUE(store.Write(c.key, c.stored));
    EXPECT_EQ(AsText(LoadSettings(store), c.member), c.expected) << c.key << "=" << c.stored;
    fs::remove(StoreFile(home));
  }
}

TEST(SaveSettingTest, WritersStoreDecimalTextAndRefuseWhatWouldNotReadBack) {
  TempHome home;
  SettingsStore store;
  EXPECT_TRUE(SaveSetting(store, "PositionLeft", -32768));
  EXPECT_TRUE(SaveSetting(store, "DateFormat", " dd/mm "));
  EXPECT_TRUE(SaveColourSetting(store, "TopColour", 0xE6B36C));
  EXPECT_EQ(store.Read("TopColour", ""), "15119212");
  const std::string before = Slurp(StoreFile(home));

  EXPECT_FALSE(SaveSetting(store, "ShowTime", 32768));
  EXPECT_FALSE(SaveSetting(store, "FirstDay", -32769));
  EXPECT_FALSE(SaveColourSetting(store, "BackGroundToday", 0x1000000));
  EXPECT_FALSE(SaveSetting(store, "PositionLeft", 2147483647));
  EXPECT_FALSE(SaveSetting(store, "PositionTop", -491521));
  EXPECT_FALSE(SaveSetting(store, "DateFormat", "dd\r\nShowTime=0"));
  EXPECT_EQ(Slurp(StoreFile(home)), before) << "a refused value leaves the file as it was";

  const Settings s = LoadSettings(store);
  EXPECT_EQ(s.PositionLeft, -32768);
  EXPECT_EQ(s.DateFormat, " dd/mm ") << "texts are kept as they are, blanks and all";
  EXPECT_EQ(s.ShowTime, 1);
  EXPECT_TRUE(SaveSetting(store, "positionleft", 57600)) << "a window on a 3840-pixel screen";
  EXPECT_EQ(LoadSettings(store).PositionLeft, 57600);
}

TEST(SaveSettingTest, AWriteCutShortIsReportedAndKeepsTheOldFile) {
  TempHome home;
  SettingsStore store;
  ASSERT_TRUE(SaveSetting(store, "ShowTime", 0));
  const std::string before = Slurp(StoreFile(home));
  bool written;
  {
    testing::FileSizeLimit limit(8);
    written = SaveSetting(store, "Scheme", "A long scheme name");
  }
  EXPECT_FALSE(written);
  EXPECT_EQ(Slurp(StoreFile(home)), before);
  EXPECT_EQ(std::distance(fs::directory_iterator(StoreFile(home).parent_path()), fs::directory_iterator()), 1);
  EXPECT_EQ(LoadSettings(store).Scheme, "Blue");
}

}  // namespace
}  // namespace orlevant
