#pragma once
// The state shared by every window for the whole run: the settings store and its mirror, the event
// lines, the month model and the clock's record of the start. Start-up makes one; every window gets
// a reference to it.

#include <array>
#include <string>

#include "core/clock.h"
#include "core/events_file.h"
#include "core/reminder_engine.h"
#include "core/settings.h"
#include "monthview/month_view.h"
#include "platform/settings_store.h"

namespace orlevant {

// The reminder sounds by index; entry 0 is the desktop's own alert sound, entry 10 stays empty.
inline constexpr std::array<const char*, 10> kReminderSoundFiles = {
    "Default", "Alert.wav", "Blip.wav", "Chimes.wav", "Complete.wav",
    "Ding.wav", "Doorbell.wav", "Hello.wav", "Tada.wav", "Utopia.wav"};

struct AppContext {
  SettingsStore store;
  Settings settings;
  EventStore events;
  MonthView month;

  std::array<std::string, 11> Sounds;

  DateTime StartTime;  // when the main window loaded
  int StartHour = 0;
  bool RemindersDialogOpen = false;
  // The reminder list and the record of the last check.
  ReminderState reminders;
};

}  // namespace orlevant
