#include "core/reminder_engine.h"

#include <string_view>
#include <unordered_map>

#include "core/date_engine.h"
#include "core/event_line.h"
#include "core/events_file.h"
#include "core/reminder_code.h"

namespace orlevant {

namespace {

using Minutes = std::chrono::sys_time<std::chrono::minutes>;
using Hours = std::chrono::sys_time<std::chrono::hours>;

Minutes MinuteOf(const DateTime& t) {
  return Minutes{t.date.time_since_epoch() + std::chrono::hours{t.hour} + std::chrono::minutes{t.minute}};
}

Hours HourOf(const DateTime& t) { return Hours{t.date.time_since_epoch() + std::chrono::hours{t.hour}}; }

Reminder ReminderOfLine(int index, const std::string& line, Date today) {
  const ReminderCode code = ReminderCode::Parse(ReminderField(line));
  Reminder r;
  r.EventIndex = index;
  r.ReminderLine = line;
  r.ReminderText = TildesToLineBreaks(TextField(line));
  const Date next = NextOccurrence(DateField(line), today);
  if (next != kZeroDate) r.ReminderDate = next;
  r.ReminderDays = std::chrono::days{code.Days};
  r.ReminderHours = std::chrono::hours{code.Hours};
  r.ReminderMinutes = std::chrono::minutes{code.Minutes};
  r.ReminderSound = code.Sound;
  return r;
}

}  // namespace

void BuildReminderList(ReminderState& state, const EventStore& events, Date today) {
  // How many copies of each line were shown before; each copy found again takes one.
  std::unordered_map<std::string_view, int> shownBefore;
  std::vector<Reminder> old = std::move(state.List);
  for (const Reminder& r : old)
    if (r.ReminderShown) ++shownBefore[r.ReminderLine];

  state.List.clear();
  const int last = StoredLineCount(events);
  for (int i = 1; i <= last; ++i) {
    const std::string& line = events.EventRecords[static_cast<std::size_t>(i)];
    if (line.empty() || !HasReminder(line)) continue;
    Reminder r = ReminderOfLine(i, line, today);
    if (!shownBefore.empty()) {
      if (auto it = shownBefore.find(r.ReminderLine); it != shownBefore.end() && it->second > 0) {
        --it->second;
        r.ReminderShown = true;
      }
    }
    state.List.push_back(std::move(r));
  }
}

void ResetReminderShown(ReminderState& state) {
  for (Reminder& r : state.List) r.ReminderShown = false;
}

void ReminderNewDay(ReminderState& state, const EventStore& events, Date today) {
  ResetReminderShown(state);
  BuildReminderList(state, events, today);
}

bool InReminderWindow(const Reminder& reminder, Date today) {
  if (!reminder.ReminderDate) return false;
  const auto ahead = *reminder.ReminderDate - today;
  return ahead >= std::chrono::days{0} && ahead <= reminder.ReminderDays;
}

std::vector<DueReminder> CheckReminders(ReminderState& state, const DateTime& now, const CheckConditions& conditions) {
  std::vector<DueReminder> due;
  if (!conditions.remindersOn || conditions.dialogOpen || conditions.alertShowing) return due;

  const Minutes minute = MinuteOf(now);
  if (state.LastCheckMinute == minute) return due;
  state.LastCheckMinute = minute;
  if (state.List.empty()) return due;

  const Date today = now.date;
  for (Reminder& r : state.List) {
    if (r.ReminderDays > std::chrono::days{0} && !r.ReminderShown && InReminderWindow(r, today)) {
      due.push_back({r, ReminderKind::DaysBefore});
      r.ReminderShown = true;
    }
  }
  for (const Reminder& r : state.List) {
    const int every = static_cast<int>(r.ReminderMinutes.count());
    if (every > 0 && InReminderWindow(r, today) && now.minute % every == 0) due.push_back({r, ReminderKind::Minutes});
  }

  if (now.date == state.Start.date && now.hour == state.Start.hour) return due;
  const Hours hour = HourOf(now);
  if (state.LastCheckHour == hour) return due;
  state.LastCheckHour = hour;
  for (const Reminder& r : state.List) {
    const int every = static_cast<int>(r.ReminderHours.count());
    if (every > 0 && InReminderWindow(r, today) && now.hour % every == 0) due.push_back({r, ReminderKind::Hours});
  }
  return due;
}

}  // namespace orlevant
