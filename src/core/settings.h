#pragma once
// The settings mirror: every user setting of the program, one member per stored value, named as the
// value is named in the store. The member initialisers are the defaults a fresh user starts with.
//
// Kinds: 16-bit integers are `int`, colours are `std::uint32_t` laid out &H00BBGGRR (blue in the
// high byte of the low three), texts are UTF-8 `std::string`.

#include <cstdint>
#include <string>
#include <string_view>

namespace orlevant {

class SettingsStore;

struct Settings {
  // --- Read by the main window's load, in this order. ---
  std::string AllUsersPath;  // folder of the per-user events files, ends with "/"
  std::string InstallPath;   // program folder, ends with "/"
  int ShowTime = 1;
  std::string DateFormat = "dddd - mmmm d, yyyy";
  std::string TimeFormat = "h:mm AM/PM";
  int WeekDayLength = 1;  // 0 one letter, 1 three letters, 2 full name
  int Position = 1;       // 0..4
  int PositionLeft = 0;   // twips; beyond 16 bits, unlike the other numbers, for wide screens
  int PositionTop = 0;    // twips; as far as a window's place on an X screen, -32768..32767 pixels
  int BoxStyle = 1;       // 0 Small, 1 Medium, 2 Large
  int RunStartup = 1;
  int Expand = 1;
  int StartMinimized = 0;
  int ShowMessage = 1;
  int ShowToolTips = 0;
  int NotifyMe = 1;
  int ShowClearAllMsg = 1;
  int ShowTips = 1;
  int Reminders = 0;
  int FirstDay = 1;  // 1 Sunday .. 7 Saturday
  int TransparentDate = 0;
  int TransparentWeek = 0;
  int TransparentNext = 0;
  std::string Scheme = "Blue";
  int UseScheme = 0;
  std::uint32_t ForeGroundWeek = 0;
  std::uint32_t ForeGroundNext = 0;
  std::uint32_t ForeGroundDate = 0;
  std::uint32_t ForeGroundData = 0;
  std::uint32_t ForeGroundDay = 0;
  std::uint32_t ForeGroundEntry = 0;
  std::uint32_t ForeGroundToday = 0;
  std::uint32_t BackGroundWeek = 0xCECECE;
  std::uint32_t BackGroundNext = 0x808080;
  std::uint32_t BackGroundDate = 0xACACAC;
  std::uint32_t BackGroundData = 0xF1F1F1;
  std::uint32_t BackGroundDay = 0xF1F1F1;
  std::uint32_t BackGroundEntry = 0xE7E7E7;
  std::uint32_t BackGroundNotUsed = 0xFFFFFF;
  std::uint32_t BackGroundToday = 0xD7D7FF;
  int MenuStyle = 4;  // 0, 2 or 4
  int XPTheme = 5;
  int DTheme = 5;  // stored as "dTheme" by the preferences; names ignore case
  int GradientBar = 1;
  int Vertical = 0;
  std::uint32_t GradientLeftColour = 0xE6B36C;
  std::uint32_t GradientRightColour = 0xFAEDDC;
  std::uint32_t XPRightBackColour = 0xE6B36C;
  std::uint32_t XPLeftBackColour = 0xFAEDDC;
  std::uint32_t XPSelectedColour = 0;
  std::uint32_t XPAllColour = 0;
  std::uint32_t XPBarColour = 0xE6B36C;
  std::uint32_t XPRightBackColourUser = 0xE6B36C;
  std::uint32_t XPLeftBackColourUser = 0xFAEDDC;
  std::uint32_t XPSelectedColourUser = 0;
  std::uint32_t XPAllColourUser = 0;
  std::uint32_t XPBarColourUser = 0xE6B36C;
  std::uint32_t TopColour = 0xFAEDDC;
  std::uint32_t MiddleColour = 0xFFFFFF;
  std::uint32_t BottomColour = 0xE6B36C;
  std::uint32_t TopColourUser = 0xFAEDDC;
  std::uint32_t MiddleColourUser = 0xFFFFFF;
  std::uint32_t BottomColourUser = 0xE6B36C;

  // --- Read where they are used; loaded here too so one object holds them all. ---
  int ShowSplash = 1;
  int FirstUse = 0;  // 0: first-use sequence due; else the last thousands milestone warned about
  int NeverShowTotalEventsMessage = 0;
  int ShowTotalEventsMessage = 0;
  int ShowConflictingEventsMsg = 1;
  int LastTab = 0;  // 0..6
  int RememberTips = 0;
  int Oldx = 0;  // 0..13
};

// Every value of the store, in the order above; a missing or unusable value reads as its default.
// When the settings file exists but cannot be read, every value is its default except FirstUse,
// which is 1: the store has reported the problem, and it is not a first start. Nothing is created
// on disk, not even the default events folder.
Settings LoadSettings(const SettingsStore& store);

// Store single values at once, as decimal text (colours as &H00BBGGRR). Each returns false, leaving
// the file on disk unchanged, when the store could not be written or the value would not read back
// as itself: a number outside 16 bits (a place beyond -32768..32767 pixels in twips), a colour
// above &HFFFFFF, a text holding a line break.
bool SaveSetting(SettingsStore& store, std::string_view key, int value);
bool SaveColourSetting(SettingsStore& store, std::string_view key, std::uint32_t colour);
bool SaveSetting(SettingsStore& store, std::string_view key, std::string_view text);
// A colour goes through SaveColourSetting; this keeps an unsigned value from slipping into the
// 16-bit writer by conversion.
bool SaveSetting(SettingsStore& store, std::string_view key, std::uint32_t) = delete;

}  // namespace orlevant
