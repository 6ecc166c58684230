#pragma once
// The main window's menu images, drawn here rather than read from files: one small picture for
// each key an item's caption can name.

#include <QPixmap>

#include <array>
#include <string_view>

#include "platform/qt/menu_styler.h"

namespace orlevant {

// The keys of imlMenu, in the list's order.
inline constexpr std::array<std::string_view, 31> kMenuIconKeys = {
    "Calendar", "Edit",    "ClearAll", "Reminder", "Prefs",    "Print", "Tips",   "Exit",
    "On",       "Off",     "OnCheck",  "OffCheck", "Days",     "Hours", "Mins",   "ToTray",
    "ToDesktop", "Today",  "Month",    "Year",     "FirstDay", "Small", "Medium", "Large",
    "Expand",   "One",     "Two",      "Three",    "Ten",      "Twenty", "Thirty"};

// The picture under `key` at `size` x `size` pixels; a transparent square for a key not listed.
QPixmap DrawMenuIcon(std::string_view key, int size);

// The 31 images under their keys, each at the usual menu sizes.
MenuImageList BuildMenuImageList();

}  // namespace orlevant
