#include "core/preference_tables.h"

#include <limits>

#include "core/rounding.h"

namespace orlevant {
namespace {

using ColourMember = std::uint32_t Settings::*;

// Index order of MonthColours.
constexpr std::array<ColourMember, kMonthColourCount> kColourMembers = {
    &Settings::ForeGroundWeek,  &Settings::ForeGroundNext,  &Settings::ForeGroundDate,    &Settings::ForeGroundData,
    &Settings::ForeGroundDay,   &Settings::ForeGroundToday, &Settings::ForeGroundEntry,   &Settings::BackGroundWeek,
    &Settings::BackGroundNext,  &Settings::BackGroundDate,  &Settings::BackGroundData,    &Settings::BackGroundDay,
    &Settings::BackGroundEntry, &Settings::BackGroundNotUsed, &Settings::BackGroundToday,
};

// Backgrounds of each scheme in the order Date, Next, Week, Data, Day, Entry, NotUsed, Today.
struct SchemeRow {
  std::string_view name;
  std::array<std::uint32_t, 8> back;
};
constexpr std::array<SchemeRow, 7> kSchemes = {{
    {"All Soft Colours", {0xDBDBDB, 0xCECECE, 0xF3F3F3, 0xF2F2F2, 0xF2F2F2, 0xE8E6E8, 0xFFFFFF, 0xDBDBDB}},
    {"Blue", {0xFF0000, 0xC80000, 0xFF6666, 0xFFEEE3, 0xFFEEE3, 0xFFDCC8, 0xFFF4EC, 0xFF0000}},
    {"Brown", {0x5A86A7, 0x117DA2, 0x7A9FB8, 0xC8D7E1, 0xC8D7E1, 0xABC2D1, 0xDDE6EC, 0x5A86A7}},
    {"Gray", {0x8F8F8F, 0x818181, 0xAEAEAE, 0xDADADA, 0xDADADA, 0xC6C6C6, 0xEBEBEB, 0x8F8F8F}},
    {"Green", {0x9D00, 0x9300, 0xB300, 0xDFFFDF, 0xDFFFDF, 0xCCFFCC, 0xEAFFEA, 0x9D00}},
    {"Red", {0xFF, 0x5CC, 0x6B6FFF, 0xE1E2FF, 0xE1E2FF, 0xB5B7FF, 0xEAEAFF, 0xFF}},
    {"Yellow", {0x7BFFFF, 0x51FFFF, 0xA8FFFF, 0xD5FFFF, 0xD5FFFF, 0xBFFFFF, 0xE1FFFF, 0x7BFFFF}},
}};
constexpr std::array<int, 8> kSchemeTargets = {kBackDate, kBackNext,  kBackWeek,    kBackData,
                                               kBackDay,  kBackEntry, kBackNotUsed, kBackToday};

constexpr std::array<XPColours, 4> kXPPresets = {{
    {0xFFD7AE, 0xFFFFFF, 0, 0, 0xFF8000},
    {0xE8E4E5, 0xFBFAFB, 0, 0, 0xCAC7C7},
    {0xDEEDEF, 0xF9FCFC, 0, 0, 0xC3D1CE},
    {0xD1D8DB, 0xF7F8F9, 0, 0, 0xD2BDB6},
}};
constexpr std::array<ThreeDColours, 5> kThreeDPresets = {{
    {0xFFD7AE, 0xFFFFFF, 0xFF8000},
    {0xEAE5E3, 0xFFFFFF, 0xBEA3A4},
    {0xB8E7E0, 0xD5FFFF, 0x7FB2A3},
    {0xF0CAA6, 0xFFFFFF, 0x6A240A},
    {0xDCB4B4, 0xFFFFFF, 0x984545},
}};

constexpr std::string_view kLetters = "SMTWTFS";
constexpr std::string_view kThreeLetters = "SunMonTueWedThuFriSat";
constexpr std::string_view kFullNames = "Sunday   Monday   Tuesday  WednesdayThursday Friday   Saturday ";

int RoundPreview(double v) { return RoundHalfToEven(v); }

}  // namespace

MonthColours MonthColoursOf(const Settings& s) {
  MonthColours c{};
  for (std::size_t i = 0; i < c.size(); ++i) c[i] = s.*kColourMembers[i];
  return c;
}

void SetMonthColours(Settings& s, const MonthColours& colours) {
  for (std::size_t i = 0; i < colours.size(); ++i) s.*kColourMembers[i] = colours[i];
}

MonthColours DefaultMonthColours() { return MonthColoursOf(Settings{}); }

bool LoadSchemeColours(std::string_view scheme, MonthColours& colours) {
  for (int i = kForeWeek; i <= kForeEntry; ++i) colours[static_cast<std::size_t>(i)] = 0;
  for (const SchemeRow& row : kSchemes) {
    if (row.name != scheme) continue;
    for (std::size_t j = 0; j < kSchemeTargets.size(); ++j)
      colours[static_cast<std::size_t>(kSchemeTargets[j])] = row.back[j];
    return true;
  }
  return false;
}

std::optional<XPColours> XPPreset(int theme) {
  if (theme < 0 || theme >= static_cast<int>(kXPPresets.size())) return std::nullopt;
  return kXPPresets[static_cast<std::size_t>(theme)];
}

std::optional<ThreeDColours> ThreeDPreset(int theme) {
  if (theme < 0 || theme >= static_cast<int>(kThreeDPresets.size())) return std::nullopt;
  return kThreeDPresets[static_cast<std::size_t>(theme)];
}

std::optional<std::array<std::string, 7>> WeekdayPreview(int firstDay, int length) {
  if (firstDay < 1 || firstDay > 7 || length < 0 || length > 2) return std::nullopt;
  std::array<std::string, 7> names;
  for (int i = 0; i < 7; ++i) {
    const int w = (firstDay - 1 + i) % 7;  // 0 = Sunday
    std::string name;
    if (length == 0) {
      name = std::string(kLetters.substr(static_cast<std::size_t>(w), 1));
    } else if (length == 1) {
      name = std::string(kThreeLetters.substr(static_cast<std::size_t>(w) * 3, 3));
    } else {
      name = std::string(kFullNames.substr(static_cast<std::size_t>(w) * 9, 9));
      while (!name.empty() && name.back() == ' ') name.pop_back();
    }
    names[static_cast<std::size_t>(i)] = std::move(name);
  }
  return names;
}

std::string TitlePreviewPattern(bool showTime, std::string_view dateFormat, std::string_view timeFormat) {
  if (!showTime) return std::string(dateFormat);
  return std::string(timeFormat) + " - " + std::string(dateFormat);
}

std::pair<int, int> PositionPreviewLayout::BoxCorner(int i) const {
  const int row = i / 7;
  const int column = i % 7;
  return {Left + column * (BoxSize - 12), Top + (TitleHeight - 12) + row * (BoxSize - 12)};
}

std::optional<PositionPreviewLayout> PositionPreview(int boxStyle, int position, int frameWidth, int frameHeight) {
  static constexpr std::array<std::pair<int, int>, 3> kSizes = {{{432, 72}, {936, 144}, {1944, 288}}};
  if (boxStyle < 0 || boxStyle > 2) return std::nullopt;
  PositionPreviewLayout p;
  p.PlannerWidth = kSizes[static_cast<std::size_t>(boxStyle)].first;
  p.BoxSize = kSizes[static_cast<std::size_t>(boxStyle)].second;
  const double w = frameWidth;
  const double h = frameHeight;
  const double planner = p.PlannerWidth;
  switch (position) {
    case 0: p.Left = 72; p.Top = 240; break;
    case 1:
      p.Left = RoundPreview((w - planner) / 2);
      p.Top = RoundPreview((h - (4.0 * p.BoxSize + 72)) / 2) + 108;
      break;
    case 2: p.Left = RoundPreview((w - planner) / 2); p.Top = 228; break;
    case 3: p.Left = 72; p.Top = 228; break;
    case 4: p.Left = frameWidth - p.PlannerWidth - 72; p.Top = 228; break;
    default: break;
  }
  return p;
}

std::vector<std::pair<std::string, std::string>> PreferenceValues(const Settings& s) {
  std::vector<std::pair<std::string, std::string>> v;
  v.reserve(59);
  const auto num = [&v](std::string_view key, long long value) { v.emplace_back(key, std::to_string(value)); };
  const auto text = [&v](std::string_view key, const std::string& value) { v.emplace_back(key, value); };
  num("WeekDayLength", s.WeekDayLength);
  text("DateFormat", s.DateFormat);
  text("TimeFormat", s.TimeFormat);
  num("ShowTime", s.ShowTime);
  num("BoxStyle", s.BoxStyle);
  num("Position", s.Position);
  num("RunStartup", s.RunStartup);
  num("ShowSplash", s.ShowSplash);
  num("NotifyMe", s.NotifyMe);
  num("ShowClearAllMsg", s.ShowClearAllMsg);
  num("ShowMessage", s.ShowMessage);
  num("ShowToolTips", s.ShowToolTips);
  num("Expand", s.Expand);
  num("StartMinimized", s.StartMinimized);
  num("ShowTips", s.ShowTips);
  num("FirstDay", s.FirstDay);
  num("TransparentDate", s.TransparentDate);
  num("TransparentWeek", s.TransparentWeek);
  num("TransparentNext", s.TransparentNext);
  text("Scheme", s.Scheme);
  num("UseScheme", s.UseScheme);
  num("ForeGroundWeek", s.ForeGroundWeek);
  num("ForeGroundNext", s.ForeGroundNext);
  num("ForeGroundDate", s.ForeGroundDate);
  num("ForeGroundData", s.ForeGroundData);
  num("ForeGroundDay", s.ForeGroundDay);
  num("ForeGroundEntry", s.ForeGroundEntry);
  num("ForeGroundToday", s.ForeGroundToday);
  num("BackGroundWeek", s.BackGroundWeek);
  num("BackGroundNext", s.BackGroundNext);
  num("BackGroundDate", s.BackGroundDate);
  num("BackGroundData", s.BackGroundData);
  num("BackGroundDay", s.BackGroundDay);
  num("BackGroundEntry", s.BackGroundEntry);
  num("BackGroundNotUsed", s.BackGroundNotUsed);
  num("BackGroundToday", s.BackGroundToday);
  num("MenuStyle", s.MenuStyle);
  num("XPTheme", s.XPTheme);
  num("dTheme", s.DTheme);
  num("GradientBar", s.GradientBar);
  num("Vertical", s.Vertical);
  num("GradientLeftColour", s.GradientLeftColour);
  num("GradientRightColour", s.GradientRightColour);
  num("XPLeftBackColour", s.XPLeftBackColour);
  num("XPRightBackColour", s.XPRightBackColour);
  num("XPSelectedColour", s.XPSelectedColour);
  num("XPAllColour", s.XPAllColour);
  num("XPBarColour", s.XPBarColour);
  num("XPRightBackColourUser", s.XPRightBackColourUser);
  num("XPLeftBackColourUser", s.XPLeftBackColourUser);
  num("XPSelectedColourUser", s.XPSelectedColourUser);
  num("XPAllColourUser", s.XPAllColourUser);
  num("XPBarColourUser", s.XPBarColourUser);
  num("TopColour", s.TopColour);
  num("MiddleColour", s.MiddleColour);
  num("BottomColour", s.BottomColour);
  num("TopColourUser", s.TopColourUser);
  num("MiddleColourUser", s.MiddleColourUser);
  num("BottomColourUser", s.BottomColourUser);
  return v;
}

std::optional<std::string> PreferenceValuesProblem(const Settings& s) {
  const auto bad = [](const std::string& t) { return t.empty() || t.find_first_of("\r\n") != std::string::npos; };
  if (bad(s.DateFormat)) return "The date format is empty or holds a line break.";
  if (bad(s.TimeFormat)) return "The time format is empty or holds a line break.";
  if (s.Scheme.find_first_of("\r\n") != std::string::npos) return "The colour scheme name holds a line break.";
  for (const auto& [key, value] : PreferenceValues(s)) {
    if (key == "DateFormat" || key == "TimeFormat" || key == "Scheme") continue;
    const long long n = std::stoll(value);
    if (key.find("Colour") != std::string::npos || key.starts_with("ForeGround") || key.starts_with("BackGround")) {
      if (n < 0 || n > 0xFFFFFF) return "The colour " + key + " is not a colour.";
    } else if (n < std::numeric_limits<std::int16_t>::min() || n > std::numeric_limits<std::int16_t>::max()) {
      return "The value " + key + " is out of range.";
    }
  }
  return std::nullopt;
}

}  // namespace orlevant
