#include "core/settings.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <variant>

#include "platform/settings_store.h"
#include "support/file_helpers.h"
#include "support/temp_home.h"

namespace orlevant {
namespace {

namespace fs = std::filesystem;
using testing::TempHome;
using testing::Slurp;

using Member = std::variant<int Settings::*, std::uint32_t Settings::*, std::string Settings::*>;

std::string AsText(const Settings& s, const Member& m) {
  if (const auto* i = std::get_if<int Settings::*>(&m)) return std::to_string(s.*(*i));
  if (const auto* c = std::get_if<std::uint32_t Settings::*>(&m)) return std::to_string(s.*(*c));
  return s.*std::get<std::string Settings::*>(m);
}

struct Row {
  std::string_view key;
  Member member;
  std::string_view fresh;   // a fresh user's value, as stored text
  std::string_view stored;  // a valid value unlike every other row's, to catch crossed names
};

// Every value but the two installation folders, whose defaults depend on the machine.
const Row kRows[] = {
    {"ShowTime", &Settings::ShowTime, "1", "101"},
    {"DateFormat", &Settings::DateFormat, "dddd - mmmm d, yyyy", "dd/mm/yyyy"},
    {"TimeFormat", &Settings::TimeFormat, "h:mm AM/PM", "hh:mm"},
    {"WeekDayLength", &Settings::WeekDayLength, "1", "2"},
    {"Position", &Settings::Position, "1", "3"},
    {"PositionLeft", &Settings::PositionLeft, "0", "-1440"},
    {"PositionTop", &Settings::PositionTop, "0", "32767"},
    {"BoxStyle", &Settings::BoxStyle, "1", "0"},
    {"RunStartup", &Settings::RunStartup, "1", "102"},
    {"Expand", &Settings::Expand, "1", "103"},
    {"StartMinimized", &Settings::StartMinimized, "0", "104"},
    {"ShowMessage", &Settings::ShowMessage, "1", "105"},
    {"ShowToolTips", &Settings::ShowToolTips, "0", "106"},
    {"NotifyMe", &Settings::NotifyMe, "1", "107"},
    {"ShowClearAllMsg", &Settings::ShowClearAllMsg, "1", "108"},
    {"ShowTips", &Settings::ShowTips, "1", "109"},
    {"Reminders", &Settings::Reminders, "0", "110"},
    {"FirstDay", &Settings::FirstDay, "1", "7"},
    {"TransparentDate", &Settings::TransparentDate, "0", "111"},
    {"TransparentWeek", &Settings::TransparentWeek, "0", "112"},
    {"TransparentNext", &Settings::TransparentNext, "0", "113"},
    {"Scheme", &Settings::Scheme, "Blue", "Olive"},
    {"UseScheme", &Settings::UseScheme, "0", "114"},
    {"ForeGroundWeek", &Settings::ForeGroundWeek, "0", "1001"},
    {"ForeGroundNext", &Settings::ForeGroundNext, "0", "1002"},
    {"ForeGroundDate", &Settings::ForeGroundDate, "0", "1003"},
    {"ForeGroundData", &Settings::ForeGroundData, "0", "1004"},
    {"ForeGroundDay", &Settings::ForeGroundDay, "0", "1005"},
    {"ForeGroundEntry", &Settings::ForeGroundEntry, "0", "1006"},
    {"ForeGroundToday", &Settings::ForeGroundToday, "0", "1007"},
    {"BackGroundWeek", &Settings::BackGroundWeek, "13553358", "1008"},
    {"BackGroundNext", &Settings::BackGroundNext, "8421504", "1009"},
    {"BackGroundDate", &Settings::BackGroundDate, "11316396", "1010"},
    {"BackGroundData", &Settings::BackGroundData, "15856113", "1011"},
    {"BackGroundDay", &Settings::BackGroundDay, "15856113", "1012"},
    {"BackGroundEntry", &Settings::BackGroundEntry, "15198183", "1013"},
    {"BackGroundNotUsed", &Settings::BackGroundNotUsed, "16777215", "1014"},
    {"BackGroundToday", &Settings::BackGroundToday, "14145535", "1015"},
    {"MenuStyle", &Settings::MenuStyle, "4", "2"},
    {"XPTheme", &Settings::XPTheme, "5", "115"},
    {"DTheme", &Settings::DTheme, "5", "116"},
    {"GradientBar", &Settings::GradientBar, "1", "117"},
    {"Vertical", &Settings::Vertical, "0", "118"},
    {"GradientLeftColour", &Settings::GradientLeftColour, "15119212", "1016"},
    {"GradientRightColour", &Settings::GradientRightColour, "16444892", "1017"},
    {"XPRightBackColour", &Settings::XPRightBackColour, "15119212", "1018"},
    {"XPLeftBackColour", &Settings::XPLeftBackColour, "16444892", "1019"},
    {"XPSelectedColour", &Settings::XPSelectedColour, "0", "1020"},
    {"XPAllColour", &Settings::XPAllColour, "0", "1021"},
    {"XPBarColour", &Settings::XPBarColour, "15119212", "1022"},
    {"XPRightBackColourUser", &Settings::XPRightBackColourUser, "15119212", "1023"},
    {"XPLeftBackColourUser", &Settings::XPLeftBackColourUser, "16444892", "1024"},
    {"XPSelectedColourUser", &Settings::XPSelectedColourUser, "0", "1025"},
    {"XPAllColourUser", &Settings::XPAllColourUser, "0", "1026"},
    {"XPBarColourUser", &Settings::XPBarColourUser, "15119212", "1027"},
    {"TopColour", &Settings::TopColour, "16444892", "1028"},
    {"MiddleColour", &Settings::MiddleColour, "16777215", "1029"},
    {"BottomColour", &Settings::BottomColour, "15119212", "1030"},
    {"TopColourUser", &Settings::TopColourUser, "16444892", "1031"},
    {"MiddleColourUser", &Settings::MiddleColourUser, "16777215", "1032"},
    {"BottomColourUser", &Settings::BottomColourUser, "15119212", "1033"},
    {"ShowSplash", &Settings::ShowSplash, "1", "119"},
    {"FirstUse", &Settings::FirstUse, "0", "120"},
    {"NeverShowTotalEventsMessage", &Settings::NeverShowTotalEventsMessage, "0", "121"},
    {"ShowTotalEventsMessage", &Settings::ShowTotalEventsMessage, "0", "122"},
    {"ShowConflictingEventsMsg", &Settings::ShowConflictingEventsMsg, "1", "123"},
    {"LastTab", &Settings::LastTab, "0", "6"},
    {"RememberTips", &Settings::RememberTips, "0", "124"},
    {"Oldx", &Settings::Oldx, "0", "13"},
};

fs::path StoreFile(const TempHome& home) { return home.Config() / "Tamsel" / "Orlevant.conf"; }

TEST(LoadSettingsTest, AFreshUserGetsEveryDefault) {
  TempHome home;
  const Settings s = LoadSettings(SettingsStore{});
  for (const Row& row : kRows) EXPECT_EQ(AsText(s, row.member), row.fresh) << row.key;
  EXPECT_EQ(s.AllUsersPath, home.Data().string() + "/Orlevant/");
  EXPECT_TRUE(fs::is_directory(s.AllUsersPath)) << "made on first use";
  ASSERT_FALSE(s.InstallPath.empty());
  EXPECT_EQ(s.InstallPath.back(), '/');
  EXPECT_TRUE(fs::exists(s.InstallPath + "core_tests")) << "the folder of the running program";
  EXPECT_FALSE(fs::exists(StoreFile(home))) << "reading writes nothing";
}

TEST(LoadSettingsTest, EveryStoredValueReachesItsOwnMember) {
  TempHome home;
  SettingsStore store;
  std::vector<std::pair<std::string, std::string>> values;
  for (const Row& row : kRows) values.emplace_back(row.key, row.stored);
  values.emplace_back("AllUsersPath", "/srv/calendars/");
  values.emplace_back("InstallPath", "/opt/orlevant");
  ASSERT_TRUE(store.Write(values));

  const Settings s = LoadSettings(store);
  for (const Row& row : kRows) EXPECT_EQ(AsText(s, row.member), row.stored) << row.key;
  EXPECT_EQ(s.AllUsersPath, "/srv/calendars/");
  EXPECT_EQ(s.InstallPath, "/opt/orlevant/") << "a folder always ends with its separator";
}

TEST(LoadSettingsTest, EmptyStoredFoldersReadAsTheInstallationDefaults) {
  TempHome home;
  SettingsStore store;
  ASSERT_TRUE(store.Write({{"AllUsersPath", ""}, {"InstallPath", ""}}));
  const Settings s = LoadSettings(store);
  EXPECT_EQ(s.AllUsersPath, home.Data().string() + "/Orlevant/");
  EXPECT_FALSE(s.InstallPath.empty());
}

TEST(LoadSettingsTest, PreferencesWritingLowerCaseThemeIsReadBack) {
  TempHome home;
  SettingsStore store;
  ASSERT_TRUE(SaveSetting(store, "DTheme", 5));
  ASSERT_TRUE(SaveSetting(store, "dTheme", 2));
  EXPECT_EQ(LoadSettings(store).DTheme, 2);
  const std::string text = Slurp(StoreFile(home));
  EXPECT_EQ(text.find("heme="), text.rfind("heme=")) << "one value, not two:\n" << text;
}

TEST(LoadSettingsTest, ColoursAreBlueGreenRed) {
  TempHome home;
  SettingsStore store;
  ASSERT_TRUE(store.Write({{"BackGroundToday", "255"}, {"BackGroundDay", "16711680"}}));
  const Settings s = LoadSettings(store);
  EXPECT_EQ(s.BackGroundToday, 0x0000FFu) << "255 is pure red";
  EXPECT_EQ(s.BackGroundDay, 0xFF0000u) << "the high byte of the three is blue";
  ASSERT_TRUE(SaveColourSetting(store, "TopColour", 0xE6B36C));
  EXPECT_EQ(store.Read("TopColour", ""), "15119212");
}

TEST(LoadSettingsTest, UnusableStoredValuesReadAsDefaults) {
  struct Case {
    std::string_view key, stored;
    Member member;
    std::string_view expected;
  };
  const Case cases[] = {
      // Not a number of the kind.
      {"ShowTime", "yes", &Settings::ShowTime, "1"},
      {"ShowTime", "", &Settings::ShowTime, "1"},
      {"ShowTime", "1.5", &Settings::ShowTime, "1"},
      {"ShowTime", "0x1", &Settings::ShowTime, "1"},
      {"Expand", "1 0", &Settings::Expand, "1"},
      {"BackGroundToday", "red", &Settings::BackGroundToday, "14145535"},
      {"BackGroundToday", "-1", &Settings::BackGroundToday, "14145535"},
      {"BackGroundToday", "16777216", &Settings::BackGroundToday, "14145535"},
      {"BackGroundToday", "2147483653", &Settings::BackGroundToday, "14145535"},
      {"BackGroundToday", "99999999999999999999", &Settings::BackGroundToday, "14145535"},
      // Beyond a 16-bit number; the saved position alone is 32-bit, for wide screens.
      {"ShowTime", "32768", &Settings::ShowTime, "1"},
      {"BoxStyle", "65537", &Settings::BoxStyle, "1"},
      {"PositionLeft", "40000", &Settings::PositionLeft, "40000"},
      {"PositionTop", "-32769", &Settings::PositionTop, "-32769"},
      {"PositionLeft", "2147483648", &Settings::PositionLeft, "0"},
      // Outside the values the setting can take.
      {"BoxStyle", "3", &Settings::BoxStyle, "1"},
      {"BoxStyle", "-1", &Settings::BoxStyle, "1"},
      {"Position", "5", &Settings::Position, "1"},
      {"FirstDay", "0", &Settings::FirstDay, "1"},
      {"FirstDay", "8", &Settings::FirstDay, "1"},
      {"WeekDayLength", "3", &Settings::WeekDayLength, "1"},
      {"MenuStyle", "1", &Settings::MenuStyle, "4"},
      {"MenuStyle", "3", &Settings::MenuStyle, "4"},
      {"MenuStyle", "6", &Settings::MenuStyle, "4"},
      {"LastTab", "7", &Settings::LastTab, "0"},
      {"Oldx", "14", &Settings::Oldx, "0"},
      {"Oldx", "-1", &Settings::Oldx, "0"},
      // Hand-edited but clear, so taken.
      {"BoxStyle", " 2 ", &Settings::BoxStyle, "2"},
      {"Position", "+4", &Settings::Position, "4"},
      {"MenuStyle", "0", &Settings::MenuStyle, "0"},
      {"PositionLeft", "-32768", &Settings::PositionLeft, "-32768"},
      {"BackGroundToday", "16777215", &Settings::BackGroundToday, "16777215"},
      {"BackGroundToday", "0", &Settings::BackGroundToday, "0"},
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
  EXPECT_TRUE(SaveColourSetting(store, "BackGroundToday", 0xFFFFFF));
  const std::string before = Slurp(StoreFile(home));

  EXPECT_FALSE(SaveSetting(store, "ShowTime", 32768));
  EXPECT_FALSE(SaveSetting(store, "FirstDay", -32769));
  EXPECT_FALSE(SaveColourSetting(store, "BackGroundToday", 0x1000000));
  EXPECT_FALSE(SaveSetting(store, "DateFormat", "dd\r\nShowTime=0"));
  EXPECT_EQ(Slurp(StoreFile(home)), before) << "a refused value leaves the file as it was";

  const Settings s = LoadSettings(store);
  EXPECT_EQ(s.PositionLeft, -32768);
  EXPECT_TRUE(SaveSetting(store, "positionleft", 57600)) << "a window on a 3840-pixel screen";
  EXPECT_EQ(LoadSettings(store).PositionLeft, 57600);
  EXPECT_EQ(s.DateFormat, " dd/mm ") << "texts are kept as they are, blanks and all";
  EXPECT_EQ(s.BackGroundToday, 0xFFFFFFu);
  EXPECT_EQ(s.ShowTime, 1);
}

TEST(SaveSettingTest, AWriteCutShortIsReportedAndKeepsTheOldFile) {
  TempHome home;
  SettingsStore store;
  ASSERT_TRUE(SaveSetting(store, "ShowTime", 0));
  const std::string before = Slurp(StoreFile(home));

  // The disk "fills up" after a few bytes; this binds every user, the superuser too.
  ::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 8;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = SaveSetting(store, "Scheme", "A long scheme name");
  ::setrlimit(RLIMIT_FSIZE, &saved);

  EXPECT_FALSE(written);
  EXPECT_EQ(Slurp(StoreFile(home)), before);
  EXPECT_EQ(std::distance(fs::directory_iterator(StoreFile(home).parent_path()), fs::directory_iterator()), 1);
  EXPECT_EQ(LoadSettings(store).Scheme, "Blue");
}

}  // namespace
}  // namespace orlevant
