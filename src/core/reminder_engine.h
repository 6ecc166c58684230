#pragma once
// The reminder list and the once-a-minute check.
//
// The list holds one entry per event line whose reminder field is not "000000", in file order. The
// check is handed the present moment and returns the alerts it finds due, in the order they are
// to be shown (days-before pass, minutes pass, hours pass; file order within a pass): the window
// shows them one after another. Nothing here shows anything.
//
// Rules the check keeps for a program that runs for days:
//  - A check runs once per new minute, the minute being the whole date and time, so a check after
//    a pause of whole hours or days never mistakes a minute for the one it last saw.
//  - The hours pass runs once per new hour (date and hour), never in the hour the program was
//    started on the day it was started; on later days every hour counts.
//  - A line with no date (its next occurrence is no day) is never in its window, so never fires.
//  - A days-before alert is shown at most once per day: its Shown flag belongs to the line, so a
//    rebuild keeps the flags of lines still there, and only ResetReminderShown clears them.
//  - Suppressed checks (reminders off, the reminders dialog open, an alert still on screen) change
//    nothing, not even the record of the last minute checked.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar_date.h"
#include "core/clock.h"

namespace orlevant {

struct EventStore;

// Why an alert is shown; the numbers are the index of the alert window's green check.
enum class ReminderKind { DaysBefore = 0, Hours = 1, Minutes = 2 };

// One entry of the list. ReminderLine views the list's own copy of the line, which lives until the
// next BuildReminderList; whatever must outlive a rebuild copies it (see DueReminder).
struct Reminder {
  int EventIndex = 0;                 // the line's index in EventRecords when the list was built
  std::string_view ReminderLine;      // the whole event line
  std::optional<Date> ReminderDate;   // next occurrence as of the build; none: the line has no day
  std::chrono::days ReminderDays{0};  // alert once a day from this many days before; also the window
  std::chrono::hours ReminderHours{0};      // every N hours (0: never)
  std::chrono::minutes ReminderMinutes{0};  // every N minutes, a multiple of ten (0: never)
  int ReminderSound = 0;              // index into the sound table
  bool ReminderShown = false;         // the days-before alert was shown since the last reset

  // The event text with "~" turned into CR LF; made when it is needed, not for every line of every
  // rebuild.
  std::string ReminderText() const;
};

// One alert to show, with its own copy of everything it says, so that a rebuild while it waits
// its turn changes nothing of it.
struct DueReminder {
  std::string ReminderLine;
  std::optional<Date> ReminderDate;
  std::chrono::days ReminderDays{0};
  std::chrono::hours ReminderHours{0};
  std::chrono::minutes ReminderMinutes{0};
  int ReminderSound = 0;
  ReminderKind kind = ReminderKind::DaysBefore;

  DueReminder() = default;
  DueReminder(const Reminder& r, ReminderKind why)
      : ReminderLine(r.ReminderLine), ReminderDate(r.ReminderDate), ReminderDays(r.ReminderDays),
        ReminderHours(r.ReminderHours), ReminderMinutes(r.ReminderMinutes), ReminderSound(r.ReminderSound),
        kind(why) {}
  std::string ReminderText() const;
};

// The start of the run, as far as the check cares: the hour pass skips this hour on this date.
struct ReminderStart {
  Date date{};
  int hour = 0;
};

struct ReminderState {
  std::vector<Reminder> List;  // slot r of the reminder list is List[r - 1]
  // The text of every listed line, one after another; List's ReminderLine views point into it. Kept
  // in one piece so that a rebuild of 32000 lines makes one allocation instead of 32000.
  std::vector<char> LineStore;
  ReminderStart Start;
  // The minute and the hour of the last check that ran; none before the first.
  std::optional<std::chrono::sys_time<std::chrono::minutes>> LastCheckMinute;
  std::optional<std::chrono::sys_time<std::chrono::hours>> LastCheckHour;

  int ReminderCount() const { return static_cast<int>(List.size()); }

  // A copy would view the original's lines; a move keeps its store and so its views.
  ReminderState() = default;
  ReminderState(const ReminderState&) = delete;
  ReminderState& operator=(const ReminderState&) = delete;
  ReminderState(ReminderState&&) = default;
  ReminderState& operator=(ReminderState&&) = default;
};

// What may stop a check from running at all.
struct CheckConditions {
  bool remindersOn = true;   // the "Reminders" setting is 1
  bool dialogOpen = false;   // the reminders dialog is open
  bool alertShowing = false; // alerts of an earlier check are still on screen or waiting
};

// Rebuilds the list from lines 1 .. EventCount with next occurrences as of `today`. A line that
// was in the list before keeps its Shown flag (equal lines are paired off in file order); a new
// line starts unshown.
void BuildReminderList(ReminderState& state, const EventStore& events, Date today);

// Clears every Shown flag: on every new day, and after an edit that removed lines.
void ResetReminderShown(ReminderState& state);

// What a new day does to the list: every Shown flag cleared, and the list rebuilt so that a
// recurring event's date moves on to its next occurrence.
void ReminderNewDay(ReminderState& state, const EventStore& events, Date today);

// One check at `now`. Returns the alerts due, in showing order, and marks the days-before ones
// shown. Returns nothing (and changes nothing) when the conditions stop it or the minute was
// already checked.
std::vector<DueReminder> CheckReminders(ReminderState& state, const DateTime& now, const CheckConditions& conditions);

// Whether `date` lies in the reminder's window as seen on `today`: 0 <= days to it <= days before.
bool InReminderWindow(const Reminder& reminder, Date today);

}  // namespace orlevant
