#pragma once
// The fixed tables and the arithmetic behind the preferences dialog: the format and scheme lists,
// the colour schemes and menu presets, the weekday and title previews, the size and position
// preview, and the values the dialog stores, in the order it stores them. No window code here.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/settings.h"

namespace orlevant {

inline constexpr std::array<std::string_view, 10> kDateFormats = {
    "ddd - mmmm d, yyyy", "dddd - mmmm d, yyyy", "mmmm d, yyyy", "d - mmm - yy", "yyyy - mm - dd",
    "yyyy - mmm - dd",    "yy - mm - dd",        "dd/mm/yyyy",   "dd/mm/yy",     "m/d/yy"};
inline constexpr std::array<std::string_view, 4> kTimeFormats = {"h:mm AM/PM", "h:mm:ss AM/PM", "hh:mm",
                                                                 "hh:mm:ss"};
inline constexpr std::array<std::string_view, 7> kSchemeNames = {"All Soft Colours", "Blue", "Brown", "Gray",
                                                                 "Green",            "Red",  "Yellow"};

// The entries of a list and the one to select: the fixed entries, and a stored text that is not
// one of them added as a further entry, so that it is shown and kept rather than lost. An empty
// stored text selects nothing and adds nothing.
struct ListChoice {
  std::vector<std::string> entries;
  int selected = -1;
};
template <std::size_t N>
ListChoice ListWithStored(const std::array<std::string_view, N>& fixed, std::string_view stored) {
  ListChoice c;
  for (std::string_view e : fixed) c.entries.emplace_back(e);
  for (std::size_t i = 0; i < c.entries.size(); ++i)
    if (c.entries[i] == stored) c.selected = static_cast<int>(i);
  if (c.selected < 0 && !stored.empty()) {
    c.entries.emplace_back(stored);
    c.selected = static_cast<int>(c.entries.size()) - 1;
  }
  return c;
}

// ------------------------------------------------------------------------------ month colours

// The fifteen colours of the month view, by index: 0..6 text colours (Week, Next, Date, Data, Day,
// Today, Entry), 7..14 backgrounds (Week, Next, Date, Data, Day, Entry, NotUsed, Today).
inline constexpr int kMonthColourCount = 15;
using MonthColours = std::array<std::uint32_t, kMonthColourCount>;

enum ColourIndex : int {
  kForeWeek = 0, kForeNext, kForeDate, kForeData, kForeDay, kForeToday, kForeEntry,
  kBackWeek, kBackNext, kBackDate, kBackData, kBackDay, kBackEntry, kBackNotUsed, kBackToday,
};

MonthColours MonthColoursOf(const Settings& s);
void SetMonthColours(Settings& s, const MonthColours& colours);
// The defaults a fresh user starts with, and what "Restore Default Colours" brings back.
MonthColours DefaultMonthColours();

// Blackens the seven text colours, then sets the eight backgrounds from the scheme named exactly
// `scheme` (case counts). False, with the backgrounds as they were, for a name no scheme has.
bool LoadSchemeColours(std::string_view scheme, MonthColours& colours);

// ------------------------------------------------------------------------------ menu presets

struct XPColours {
  std::uint32_t LeftBack = 0, RightBack = 0, Selected = 0, All = 0, Bar = 0;
  friend bool operator==(const XPColours&, const XPColours&) = default;
};
struct ThreeDColours {
  std::uint32_t Top = 0, Middle = 0, Bottom = 0;
  friend bool operator==(const ThreeDColours&, const ThreeDColours&) = default;
};

// The preset of an Office XP theme 0..3; nothing for 4 "Not Used", 5 "User" and anything else.
std::optional<XPColours> XPPreset(int theme);
// The preset of a 3D theme 0..4; nothing for 5 "User" and anything else.
std::optional<ThreeDColours> ThreeDPreset(int theme);

// ------------------------------------------------------------------------------ previews

// The seven weekday names from `firstDay` (1 Sunday .. 7 Saturday) in length 0 (one letter), 1
// (three letters) or 2 (full name); nothing for another length or first day.
std::optional<std::array<std::string, 7>> WeekdayPreview(int firstDay, int length);

// The pattern of the title preview: the time pattern, " - " and the date pattern, or the date
// pattern alone.
std::string TitlePreviewPattern(bool showTime, std::string_view dateFormat, std::string_view timeFormat);

// The miniature planner of the size and position preview, in twips, inside a frame of
// frameWidth x frameHeight.
struct PositionPreviewLayout {
  int PlannerWidth = 0;
  int TitleHeight = 72;
  int BoxSize = 0;
  int Left = 0;  // the planner's top-left corner (the title strip's)
  int Top = 0;
  // Top-left corner of box i (0..27), row i / 7, column i % 7.
  std::pair<int, int> BoxCorner(int i) const;
};
// Nothing for a size outside 0..2. A position outside 0..4 puts the planner at (0, 0).
std::optional<PositionPreviewLayout> PositionPreview(int boxStyle, int position, int frameWidth, int frameHeight);

// ------------------------------------------------------------------------------ stored values

// The values the dialog stores when it applies, as (key, text) in their fixed order: 59 of them,
// "dTheme" spelled with a lower-case d.
std::vector<std::pair<std::string, std::string>> PreferenceValues(const Settings& s);

// Why these settings cannot be stored as they are (a number outside 16 bits, a colour above
// &HFFFFFF, an empty or broken format), or nothing when they can.
std::optional<std::string> PreferenceValuesProblem(const Settings& s);

}  // namespace orlevant
