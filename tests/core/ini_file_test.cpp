#include "core/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/settings.h"
#include "support/file_helpers.h"
#include "support/temp_home.h"

namespace orlevant {
namespace {

namespace fs = std::filesystem;
using testing::TempHome;
using testing::Slurp;
using testing::Put;
using Lines = std::vector<std::string>;

TEST(IniFileTest, NaKeepsTheCurrentSectionKeyAndValue) {
  TempHome home;
  EXPECT_EQ(IniPath(), home.Config().string() + "/Tamsel/frmMain.ini");
  IniFile ini;
  EXPECT_FALSE(ini.KeySave("1", "NA", "Key")) << "no section yet";
  EXPECT_FALSE(fs::exists(IniPath()));
  ASSERT_TRUE(ini.KeySave("1", "Office2000", "Gradient"));
  ASSERT_TRUE(ini.KeySave("5", "NA", "NA"));
  EXPECT_EQ(ini.Section() + "/" + ini.KeyName() + "=" + ini.KeyValue(), "Office2000/Gradient=5");
  EXPECT_EQ(Slurp(IniPath()), "[Office2000]\nGradient=5\n");

  ASSERT_TRUE(ini.KeySave("NA", "NA", "Vertical"));
  ASSERT_TRUE(ini.KeySave("NA", "New3D", "NA"));
  EXPECT_EQ(Slurp(IniPath()), "[Office2000]\nGradient=5\nVertical=5\n\n[New3D]\nVertical=5\n");
  EXPECT_EQ(ini.KeyGet("NA", "Gradient", "x"), "x") << "still in New3D, which has no Gradient";
  EXPECT_EQ(ini.KeyGet("Office2000", "NA", "x"), "5");
  EXPECT_EQ(ini.KeyName(), "Gradient");
  const std::string before = Slurp(IniPath());
  EXPECT_FALSE(ini.KeySave("a\nb", "NA", "NA"));
  EXPECT_EQ(Slurp(IniPath()), before);
}

TEST(IniFileTest, ReadsGiveSectionsValuesOrTheDefault) {
  TempHome home;
  Put(IniPath(), "[Two]\nA=1\nB=two words\n[None]\n; only a comment\n[Menu]\r\nMenuStyle=2\r\nEmpty=\r\n");
  IniFile ini;
  // A section lists its key=value texts and a final empty one.
  EXPECT_EQ(ini.SectionGet(""), std::nullopt) << "no current section";
  EXPECT_EQ(ini.SectionGet("NA"), std::nullopt);
  EXPECT_EQ(ini.SectionGet("Two"), (Lines{"A=1", "B=two words", ""}));
  EXPECT_EQ(ini.Section(), "Two");
  EXPECT_EQ(ini.SectionGet(""), (Lines{"A=1", "B=two words", ""})) << "an empty argument keeps the section";
  EXPECT_EQ(ini.SectionGet("NA"), (Lines{"A=1", "B=two words", ""}));
  EXPECT_EQ(ini.SectionGet("None"), Lines{});
  EXPECT_EQ(ini.SectionGet("Missing"), Lines{});

  struct Case { std::string_view section, key, fallback, result; };
  const Case cases[] = {
      {"Menu", "MenuStyle", "4", "2"}, {"menu", "menustyle", "4", "2"}, {"Menu", "Missing", "dflt", "dflt"},
      {"Menu", "Empty", "dflt", ""},   {"Other", "MenuStyle", "", ""},  {"", "MenuStyle", "d", "d"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ini.KeyGet(c.section, c.key, c.fallback), c.result) << c.section << "/" << c.key;
    EXPECT_EQ(ini.KeyValue(), c.result);
  }
  const std::string longValue(5000, 'v');
  ASSERT_TRUE(ini.KeySave(longValue, "Menu", "Long"));
  EXPECT_EQ(ini.KeyGet("Menu", "Long", ""), longValue) << "long values come back whole";
}

TEST(IniFileTest, AnUpdateWritesOnceAndOnlyWhenWhole) {
  TempHome home;
  Put(IniPath(), "[S]\nKey=old\n");
  IniFile ini;
  ini.BeginUpdate();
  ASSERT_TRUE(ini.KeySave("new", "S", "Key"));
  EXPECT_EQ(Slurp(IniPath()), "[S]\nKey=old\n") << "nothing on disk before the update ends";
  EXPECT_EQ(ini.KeyGet("S", "Key", ""), "new") << "reads see the pending change";
  ASSERT_TRUE(ini.EndUpdate());
  EXPECT_EQ(Slurp(IniPath()), "[S]\nKey=new\n");

  ini.BeginUpdate();
  ASSERT_TRUE(ini.KeySave("newer", "S", "Key"));
  EXPECT_FALSE(ini.KeySave("bad\rvalue", "S", "Other"));
  EXPECT_FALSE(ini.EndUpdate());
  EXPECT_EQ(Slurp(IniPath()), "[S]\nKey=new\n");
}

struct MenuKey { std::string_view section, key, value; };

// Settings whose menu values all differ, so a key written from the wrong setting shows.
Settings DistinctMenuSettings() {
  Settings s;
  s.MenuStyle = 2, s.GradientLeftColour = 101, s.GradientRightColour = 102, s.Vertical = 1, s.GradientBar = 0;
  s.XPLeftBackColour = 103, s.XPLeftBackColourUser = 104, s.XPRightBackColour = 105, s.XPRightBackColourUser = 106;
  s.XPSelectedColour = 107, s.XPSelectedColourUser = 108, s.XPAllColour = 109, s.XPAllColourUser = 110;
  s.XPBarColour = 111, s.XPBarColourUser = 112, s.XPTheme = 3, s.TopColour = 113, s.MiddleColour = 114;
  s.BottomColour = 115;
  return s;
}

const MenuKey kMenuKeys[] = {
    {"Menu", "MenuStyle", "2"}, {"Office_Menu_0", "BarVisible", "0"}, {"Office_Menu_1", "BarVisible", "0"},
    {"Office_Menu_2", "BarVisible", "0"}, {"Office_Menu_3", "BarVisible", "0"}, {"Office_Menu_4", "BarVisible", "0"},
    {"Office2000", "MenuBackColor", "101"}, {"Office2000", "MenuBackColor2", "102"},
    {"Office2000", "GradientStyle", "1"}, {"Office2000", "Gradient", "0"}, {"OfficeXP", "XPBarColor", "103"},
    {"OfficeXP", "XPBarColorUs", "104"}, {"OfficeXP", "XPBackColor", "105"}, {"OfficeXP", "XPBackColorUs", "106"},
    {"OfficeXP", "XPTextColor", "107"}, {"OfficeXP", "XPTextColorUs", "108"}, {"OfficeXP", "XPTextColorAll", "109"},
    {"OfficeXP", "XPTextColorAllUs", "110"}, {"OfficeXP", "XPBorderColor", "10066329"},
    {"OfficeXP", "XPBorderColorUs", "10066329"}, {"OfficeXP", "XPShadowColor", "10066329"},
    {"OfficeXP", "XPShadowColorUs", "10066329"}, {"OfficeXP", "XPFillColor", "111"}, {"OfficeXP", "XPFillColorUs", "112"},
    {"OfficeXP", "XPShadowPic", "1"}, {"OfficeXP", "XPShadowPicUs", "1"}, {"OfficeXP", "XPShowShadow", "1"},
    {"OfficeXP", "XPShowShadowUs", "1"}, {"OfficeXP", "XPThemeXPPreset", "3"}, {"New3D", "New3DColor1", "113"},
    {"New3D", "New3DColor2", "114"}, {"New3D", "New3DColor3", "115"},
};


TEST(WriteMenuIniTest, CreatesTheFileWithThe32KeysInOrderThenReloads) {
  TempHome home;
  int reloads = 0;
  bool fileThereAtReload = false;
  ASSERT_TRUE(WriteMenuIni(DistinctMenuSettings(), [&] {
    ++reloads;
    fileThereAtReload = fs::exists(IniPath());
  }));
  EXPECT_EQ(reloads, 1);
  EXPECT_TRUE(fileThereAtReload) << "the styler is told only after the file is written";
  std::string expected, section;
  for (const MenuKey& k : kMenuKeys) {
    if (k.section != section) expected += (section.empty() ? "[" : "\n[") + std::string(k.section) + "]\n";
    section = k.section;
    expected += std::string(k.key) + "=" + std::string(k.value) + "\n";
  }
  EXPECT_EQ(Slurp(IniPath()), expected);
}

TEST(WriteMenuIniTest, RewriteUpdatesValuesAndKeepsForeignKeys) {
  TempHome home;
  Put(IniPath(), "[Custom]\nMine=1\n\n[menu]\nmenustyle=0\nExtra=kept\n");
  ASSERT_TRUE(WriteMenuIni(Settings{}, nullptr));
  IniFile ini;
  EXPECT_EQ(ini.KeyGet("Custom", "Mine", ""), "1");
  EXPECT_EQ(ini.KeyGet("Menu", "Extra", ""), "kept");
  EXPECT_EQ(ini.KeyGet("Menu", "MenuStyle", ""), "4");
  const std::string text = Slurp(IniPath());
  EXPECT_EQ(text.find("enustyle="), text.rfind("enustyle=")) << text;
}

TEST(WriteMenuIniTest, AFileThatCannotBeWrittenKeepsTheOldSettings) {
  TempHome home;
  fs::create_directories(IniPath());  // something in the way that is not a file
  int reloads = 0;
  EXPECT_FALSE(WriteMenuIni(Settings{}, [&] { ++reloads; }));
  EXPECT_EQ(reloads, 1) << "the styler still reloads, and finds what it had";
  EXPECT_TRUE(fs::is_directory(IniPath()));
}

}  // namespace
}  // namespace orlevant
