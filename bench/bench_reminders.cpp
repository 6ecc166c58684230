// The reminder list and the check at the largest table: 32000 lines, every one with a reminder.
// The list is rebuilt after every edit and on every new day; the check runs once a minute from the
// clock, so each must stay far below what a user could notice.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/calendar_date.h"
#include "core/events_file.h"
#include "core/reminder_engine.h"
#include "support/event_file_generator.h"

namespace orlevant {
namespace {

// Every line gets a reminder: the codes cycle through days, hours and minutes of every size.
EventStore AllWithReminders() {
  const char* codes[] = {"010130", "020000", "000300", "000010", "030205", "001009", "050100", "000090"};
  EventStore store;
  int i = 0;
  for (std::string line : bench::GenerateEventLines(kMaxEventLines, 20260615)) {
    line.replace(10, 6, codes[i++ % 8]);
    AppendEvent(store, std::move(line));
  }
  return store;
}

const Date kToday = DateSerial(2026, 6, 15);

void BM_BuildReminderList(benchmark::State& state) {
  const EventStore events = AllWithReminders();
  ReminderState reminders;
  for (auto _ : state) {
    reminders.List.clear();
    BuildReminderList(reminders, events, kToday);
    benchmark::DoNotOptimize(reminders.List.data());
  }
  if (reminders.ReminderCount() != kMaxEventLines) state.SkipWithError("not every line is a reminder");
  state.counters["reminders"] = reminders.ReminderCount();
}
BENCHMARK(BM_BuildReminderList)->Unit(benchmark::kMillisecond);

// A rebuild after an edit, with every days-before alert already shown today: each flag is carried
// over to its line.
void BM_RebuildKeepingShownFlags(benchmark::State& state) {
  const EventStore events = AllWithReminders();
  ReminderState reminders;
  BuildReminderList(reminders, events, kToday);
  for (auto _ : state) {
    for (Reminder& r : reminders.List) r.ReminderShown = true;
    BuildReminderList(reminders, events, kToday);
    benchmark::DoNotOptimize(reminders.List.data());
  }
}
BENCHMARK(BM_RebuildKeepingShownFlags)->Unit(benchmark::kMillisecond);

// One check of a new minute at 10:00, when the minute and hour passes both run; the shown flags
// are cleared first so that the days-before pass finds its alerts every time.
void BM_CheckRemindersOnePass(benchmark::State& state) {
  const EventStore events = AllWithReminders();
  ReminderState reminders;
  reminders.Start = {kToday, 8};
  BuildReminderList(reminders, events, kToday);
  const DateTime now{kToday, 10, 0, 0};
  std::size_t due = 0;
  for (auto _ : state) {
    ResetReminderShown(reminders);
    reminders.LastCheckMinute.reset();
    reminders.LastCheckHour.reset();
    const std::vector<DueReminder> found = CheckReminders(reminders, now, {});
    due = found.size();
    benchmark::DoNotOptimize(found.data());
  }
  state.counters["due"] = static_cast<double>(due);
}
BENCHMARK(BM_CheckRemindersOnePass)->Unit(benchmark::kMillisecond);

// The usual minute: nothing newly due before the event days, no hour change.
void BM_CheckRemindersQuietMinute(benchmark::State& state) {
  const EventStore events = AllWithReminders();
  ReminderState reminders;
  reminders.Start = {kToday, 10};
  BuildReminderList(reminders, events, kToday);
  CheckReminders(reminders, DateTime{kToday, 10, 0, 0}, {});
  int minute = 1;
  for (auto _ : state) {
    reminders.LastCheckMinute.reset();
    const std::vector<DueReminder> found = CheckReminders(reminders, DateTime{kToday, 10, 1 + minute % 8, 0}, {});
    ++minute;
    benchmark::DoNotOptimize(found.data());
  }
}
BENCHMARK(BM_CheckRemindersQuietMinute)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orlevant
