#include "core/settings.h"

#include <charconv>
#include <limits>
#include <optional>
#include <variant>

#include "core/twips.h"
#include "platform/paths.h"
#include "platform/settings_store.h"

namespace orlevant {
namespace {

using IntMember = int Settings::*;
using ColourMember = std::uint32_t Settings::*;
using TextMember = std::string Settings::*;

constexpr long long kI16Min = std::numeric_limits<std::int16_t>::min();
constexpr long long kI16Max = std::numeric_limits<std::int16_t>::max();
// The window's place is stored in twips, and the X server keeps a window's place as 16-bit pixel
// numbers: nowhere further can the window have been left. Held to that, the place plus the width
// of anything the layout adds, and its conversion to pixels, stay far inside an int.
constexpr long long kPlaceMin = kI16Min * kTwipsPerPixel;
constexpr long long kPlaceMax = kI16Max * kTwipsPerPixel;
constexpr std::uint32_t kColourMax = 0xFFFFFF;

// The saved window position is in twips, and a screen wider than 2184 pixels already needs more
// than 16 bits for it; these two are kept in a wider range so a window on the right of a wide
// screen (or on a second monitor) comes back where it was left.
bool IsWideSetting(std::string_view key) {
  return SameIniName(key, "PositionLeft") || SameIniName(key, "PositionTop");
}

bool InRange(long long value, bool wide) {
  return wide ? value >= kPlaceMin && value <= kPlaceMax : value >= kI16Min && value <= kI16Max;
}

// The values a few settings can take; anything else stored under them (edited by hand, or left by
// another version) reads as the default rather than reaching code that indexes by it.
bool BoxStyleRange(int v) { return v >= 0 && v <= 2; }
bool PositionRange(int v) { return v >= 0 && v <= 4; }
bool FirstDayRange(int v) { return v >= 1 && v <= 7; }
bool WeekDayLengthRange(int v) { return v >= 0 && v <= 2; }
bool MenuStyleRange(int v) { return v == 0 || v == 2 || v == 4; }
bool LastTabRange(int v) { return v >= 0 && v <= 6; }
bool OldxRange(int v) { return v >= 0 && v <= 13; }

struct SettingSpec {
  std::string_view key;
  std::variant<IntMember, ColourMember, TextMember> member;
  bool (*allowed)(int) = nullptr;
};

// In the order the main window reads them, then the values read where they are used.
const SettingSpec kSettingSpecs[] = {
    {"AllUsersPath", &Settings::AllUsersPath},
    {"InstallPath", &Settings::InstallPath},
    {"ShowTime", &Settings::ShowTime},
    {"DateFormat", &Settings::DateFormat},
    {"TimeFormat", &Settings::TimeFormat},
    {"WeekDayLength", &Settings::WeekDayLength, WeekDayLengthRange},
    {"Position", &Settings::Position, PositionRange},
    {"PositionLeft", &Settings::PositionLeft},
    {"PositionTop", &Settings::PositionTop},
    {"BoxStyle", &Settings::BoxStyle, BoxStyleRange},
    {"RunStartup", &Settings::RunStartup},
    {"Expand", &Settings::Expand},
    {"StartMinimized", &Settings::StartMinimized},
    {"ShowMessage", &Settings::ShowMessage},
    {"ShowToolTips", &Settings::ShowToolTips},
    {"NotifyMe", &Settings::NotifyMe},
    {"ShowClearAllMsg", &Settings::ShowClearAllMsg},
    {"ShowTips", &Settings::ShowTips},
    {"Reminders", &Settings::Reminders},
    {"FirstDay", &Settings::FirstDay, FirstDayRange},
    {"TransparentDate", &Settings::TransparentDate},
    {"TransparentWeek", &Settings::TransparentWeek},
    {"TransparentNext", &Settings::TransparentNext},
    {"Scheme", &Settings::Scheme},
    {"UseScheme", &Settings::UseScheme},
    {"ForeGroundWeek", &Settings::ForeGroundWeek},
    {"ForeGroundNext", &Settings::ForeGroundNext},
    {"ForeGroundDate", &Settings::ForeGroundDate},
    {"ForeGroundData", &Settings::ForeGroundData},
    {"ForeGroundDay", &Settings::ForeGroundDay},
    {"ForeGroundEntry", &Settings::ForeGroundEntry},
    {"ForeGroundToday", &Settings::ForeGroundToday},
    {"BackGroundWeek", &Settings::BackGroundWeek},
    {"BackGroundNext", &Settings::BackGroundNext},
    {"BackGroundDate", &Settings::BackGroundDate},
    {"BackGroundData", &Settings::BackGroundData},
    {"BackGroundDay", &Settings::BackGroundDay},
    {"BackGroundEntry", &Settings::BackGroundEntry},
    {"BackGroundNotUsed", &Settings::BackGroundNotUsed},
    {"BackGroundToday", &Settings::BackGroundToday},
    {"MenuStyle", &Settings::MenuStyle, MenuStyleRange},
    {"XPTheme", &Settings::XPTheme},
    {"DTheme", &Settings::DTheme},
    {"GradientBar", &Settings::GradientBar},
    {"Vertical", &Settings::Vertical},
    {"GradientLeftColour", &Settings::GradientLeftColour},
    {"GradientRightColour", &Settings::GradientRightColour},
    {"XPRightBackColour", &Settings::XPRightBackColour},
    {"XPLeftBackColour", &Settings::XPLeftBackColour},
    {"XPSelectedColour", &Settings::XPSelectedColour},
    {"XPAllColour", &Settings::XPAllColour},
    {"XPBarColour", &Settings::XPBarColour},
    {"XPRightBackColourUser", &Settings::XPRightBackColourUser},
    {"XPLeftBackColourUser", &Settings::XPLeftBackColourUser},
    {"XPSelectedColourUser", &Settings::XPSelectedColourUser},
    {"XPAllColourUser", &Settings::XPAllColourUser},
    {"XPBarColourUser", &Settings::XPBarColourUser},
    {"TopColour", &Settings::TopColour},
    {"MiddleColour", &Settings::MiddleColour},
    {"BottomColour", &Settings::BottomColour},
    {"TopColourUser", &Settings::TopColourUser},
    {"MiddleColourUser", &Settings::MiddleColourUser},
    {"BottomColourUser", &Settings::BottomColourUser},
    {"ShowSplash", &Settings::ShowSplash},
    {"FirstUse", &Settings::FirstUse},
    {"NeverShowTotalEventsMessage", &Settings::NeverShowTotalEventsMessage},
    {"ShowTotalEventsMessage", &Settings::ShowTotalEventsMessage},
    {"ShowConflictingEventsMsg", &Settings::ShowConflictingEventsMsg},
    {"LastTab", &Settings::LastTab, LastTabRange},
    {"RememberTips", &Settings::RememberTips},
    {"Oldx", &Settings::Oldx, OldxRange},
};

// A whole decimal number with an optional sign and surrounding blanks, as a person editing the
// file might leave it; anything else is not a number.
std::optional<long long> ParseWhole(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (text.starts_with('+')) text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  long long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<int> ParseInteger(std::string_view text, bool wide) {
  const auto v = ParseWhole(text);
  if (!v || !InRange(*v, wide)) return std::nullopt;
  return static_cast<int>(*v);
}

std::optional<std::uint32_t> ParseColour(std::string_view text) {
  const auto v = ParseWhole(text);
  if (!v || *v < 0 || *v > kColourMax) return std::nullopt;
  return static_cast<std::uint32_t>(*v);
}

// A stored folder is used as given, with the "/" the program's file names are appended after; an
// empty one would put files in whatever the current folder is, so it counts as not stored.
std::string FolderOr(const SettingsSnapshot& values, std::string_view key, std::string (*fallback)()) {
  std::string folder = values.Read(key, "");
  if (folder.empty()) return fallback();
  if (folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

Settings LoadSettings(const SettingsStore& store) {
  const SettingsSnapshot values = store.Snapshot();
  Settings s;
  for (const SettingSpec& spec : kSettingSpecs) {
    if (!values.Has(spec.key)) continue;  // the member initialiser is the default
    const std::string text = values.Read(spec.key, "");
    if (const auto* m = std::get_if<IntMember>(&spec.member)) {
      const auto v = ParseInteger(text, IsWideSetting(spec.key));
      if (v && (!spec.allowed || spec.allowed(*v))) s.*(*m) = *v;
    } else if (const auto* c = std::get_if<ColourMember>(&spec.member)) {
      if (const auto v = ParseColour(text)) s.*(*c) = *v;
    } else {
      s.*std::get<TextMember>(spec.member) = text;
    }
  }
  s.AllUsersPath = FolderOr(values, "AllUsersPath", DefaultAllUsersFolder);
  s.InstallPath = FolderOr(values, "InstallPath", DefaultInstallPath);
  // A settings file that is there but cannot be read (the store has told the user why) is not a
  // first start: the welcome, the tips and the autostart entry are not run again on every start.
  if (values.Unreadable()) s.FirstUse = 1;
  return s;
}

bool SaveSetting(SettingsStore& store, std::string_view key, int value) {
  // Written out of range, the value would read back as its default next time; refuse it here
  // where the caller can still see it.
  if (!InRange(value, IsWideSetting(key))) return false;
  return store.Write(key, std::to_string(value));
}

bool SaveColourSetting(SettingsStore& store, std::string_view key, std::uint32_t colour) {
  if (colour > kColourMax) return false;
  return store.Write(key, std::to_string(colour));
}

bool SaveSetting(SettingsStore& store, std::string_view key, std::string_view text) {
  return store.Write(key, text);
}

}  // namespace orlevant
