#include "core/reminder_engine.h"

#include <algorithm>
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

// Everything but the line itself and its Shown flag, from r.ReminderLine.
void FillFromLine(Reminder& r, std::string_view line, std::string_view field, int index, Date today) {
  const ReminderCode code = ReminderCode::Parse(field);
  r.EventIndex = index;
  const Date next = NextOccurrence(DateField(line), today);
  if (next != kZeroDate) r.ReminderDate = next;
  r.ReminderDays = std::chrono::days{code.Days};
  r.ReminderHours = std::chrono::hours{code.Hours};
  r.ReminderMinutes = std::chrono::minutes{code.Minutes};
  r.ReminderSound = code.Sound;
}

}  // namespace

std::string Reminder::ReminderText() const { return TildesToLineBreaks(TextField(ReminderLine)); }
std::string DueReminder::ReminderText() const { return TildesToLineBreaks(TextField(ReminderLine)); }

void BuildReminderList(ReminderState& state, const EventStore& events, Date today) {
  // The old list's views stay valid while its store lives: a moved vector keeps its buffer.
  const std::vector<Reminder> old = std::move(state.List);
  const std::vector<char> oldStore = std::move(state.LineStore);
  state.List.clear();
  state.LineStore.clear();

  const int last = StoredLineCount(events);
  const auto at = [&events](int i) { return events.EventRecords[static_cast<std::size_t>(i)]; };
  // Room for every line at once: neither the list nor the store may move while views are taken.
  std::size_t room = 0;
  for (int i = 1; i <= last; ++i) room += at(i).size();
  state.LineStore.reserve(room);
  state.List.reserve(static_cast<std::size_t>(last));

  // A rebuild mostly finds the lines where they stood: such a line takes its Shown flag at once.
  // Lines that moved (an edit removed or added lines before them) are paired by their text
  // afterwards, equal lines one for one in file order.
  std::vector<int> oldAt;  // old list position by line index, -1 where none
  for (std::size_t k = 0; k < old.size(); ++k) {
    const auto index = static_cast<std::size_t>(old[k].EventIndex);
    if (index >= oldAt.size()) oldAt.resize(index + 1, -1);
    oldAt[index] = static_cast<int>(k);
  }
  std::vector<bool> oldUsed(old.size(), false);
  std::vector<std::size_t> unpaired;

  for (int i = 1; i <= last; ++i) {
    const std::string_view line = at(i);
    const std::string_view field = ReminderField(line);
    if (field == kNoReminder) continue;
    Reminder& r = state.List.emplace_back();
    const std::size_t offset = state.LineStore.size();
    state.LineStore.insert(state.LineStore.end(), line.begin(), line.end());
    r.ReminderLine = std::string_view(state.LineStore.data() + offset, line.size());
    FillFromLine(r, line, field, i, today);
    const int o = static_cast<std::size_t>(i) < oldAt.size() ? oldAt[static_cast<std::size_t>(i)] : -1;
    if (o >= 0 && old[static_cast<std::size_t>(o)].ReminderLine == r.ReminderLine) {
      r.ReminderShown = old[static_cast<std::size_t>(o)].ReminderShown;
      oldUsed[static_cast<std::size_t>(o)] = true;
    } else {
      unpaired.push_back(state.List.size() - 1);
    }
  }

  if (unpaired.empty()) return;
  std::unordered_map<std::string_view, int> shownLeft;
  for (std::size_t k = 0; k < old.size(); ++k)
    if (!oldUsed[k] && old[k].ReminderShown) ++shownLeft[old[k].ReminderLine];
  if (shownLeft.empty()) return;
  for (std::size_t k : unpaired) {
    Reminder& r = state.List[k];
    if (auto it = shownLeft.find(r.ReminderLine); it != shownLeft.end() && it->second > 0) {
      --it->second;
      r.ReminderShown = true;
    }
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
      due.emplace_back(r, ReminderKind::DaysBefore);
      r.ReminderShown = true;
    }
  }
  for (const Reminder& r : state.List) {
    const int every = static_cast<int>(r.ReminderMinutes.count());
    if (every > 0 && InReminderWindow(r, today) && now.minute % every == 0) due.emplace_back(r, ReminderKind::Minutes);
  }

  if (now.date == state.Start.date && now.hour == state.Start.hour) return due;
  const Hours hour = HourOf(now);
  if (state.LastCheckHour == hour) return due;
  state.LastCheckHour = hour;
  for (const Reminder& r : state.List) {
    const int every = static_cast<int>(r.ReminderHours.count());
    if (every > 0 && InReminderWindow(r, today) && now.hour % every == 0) due.emplace_back(r, ReminderKind::Hours);
  }
  return due;
}

}  // namespace orlevant
