// The reminder list and the check, driven minute by minute over whole days as the clock drives them.

#include "core/reminder_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/events_file.h"

namespace orlevant {
namespace {

DateTime At(int y, int mo, int d, int h, int mi) { return DateTime{DateSerial(y, mo, d), h, mi, 0}; }

EventStore Store(const std::vector<std::string>& lines) {
  EventStore store;
  for (const std::string& l : lines) AppendEvent(store, l);
  return store;
}

struct Fired {
  DateTime when;
  ReminderKind kind;
  std::string text;
};

// The program as the clock runs it: loaded at `start`, then one check per minute; a new date
// rebuilds the list and clears the shown flags first.
class LongRun {
 public:
  LongRun(std::vector<std::string> lines, DateTime start) : events_(Store(lines)), now_(start) {
    state_.Start = {start.date, start.hour};
    BuildReminderList(state_, events_, start.date);
    ResetReminderShown(state_);
  }

  // Checks every minute from the present one up to and including `until`.
  void Until(DateTime until) {
    while (true) {
      Tick();
      if (now_ == until) break;
      Advance();
    }
    Advance();
  }

  void Tick(CheckConditions c = {}) {
    if (now_.date != today_) {
      if (today_ != Date{}) ReminderNewDay(state_, events_, now_.date);
      today_ = now_.date;
    }
    for (const DueReminder& d : CheckReminders(state_, now_, c)) fired.push_back({now_, d.kind, d.ReminderText()});
  }
  void Advance() {
    if (++now_.minute == 60) {
      now_.minute = 0;
      if (++now_.hour == 24) {
        now_.hour = 0;
        now_.date += std::chrono::days{1};
      }
    }
  }
  void JumpTo(DateTime t) { now_ = t; }

  int Count(ReminderKind kind) const {
    return static_cast<int>(std::count_if(fired.begin(), fired.end(), [kind](const Fired& f) { return f.kind == kind; }));
  }
  bool FiredAt(DateTime t, ReminderKind kind) const {
    return std::any_of(fired.begin(), fired.end(), [&](const Fired& f) { return f.when == t && f.kind == kind; });
  }

  EventStore& Events() { return events_; }
  ReminderState& State() { return state_; }
  std::vector<Fired> fired;

 private:
  EventStore events_;
  ReminderState state_;
  DateTime now_;
  Date today_{};
};

constexpr auto kDays = ReminderKind::DaysBefore;
constexpr auto kHours = ReminderKind::Hours;
constexpr auto kMinutes = ReminderKind::Minutes;

// Tuesday 12 May 2026, 09:30: the program starts in hour 9.
const DateTime kStart = At(2026, 5, 12, 9, 30);

struct Timeline {
  const char* name;
  std::string line;
  DateTime until;
  int days, hours, minutes;                 // alerts of each kind over the run
  std::vector<std::pair<DateTime, ReminderKind>> present;  // hand-picked alerts that must come
  std::vector<std::pair<DateTime, ReminderKind>> absent;   // and some that must not
  DateTime start = kStart;
};

TEST(CheckReminders, TimelinesOverTwoDaysMinuteByMinute) {
  const Timeline cases[] = {
      {"020000 three days ahead: nothing on the start day", "15/05/2026020000=Dentist", At(2026, 5, 12, 23, 59), 0, 0, 0,
       {}, {{kStart, kDays}}},
      {"020000 two days ahead: today, tomorrow, the day itself, then never", "14/05/2026020000=Dentist",
       At(2026, 5, 15, 23, 59), 3, 0, 0,
       {{kStart, kDays}, {At(2026, 5, 13, 0, 0), kDays}, {At(2026, 5, 14, 0, 0), kDays}}, {}},
      {"000020 today: minutes 0, 20, 40 of today only", "12/05/2026000020=Call", At(2026, 5, 13, 23, 59), 0, 0,
       1 + 14 * 3, {{At(2026, 5, 12, 9, 40), kMinutes}, {At(2026, 5, 12, 23, 40), kMinutes}},
       {{At(2026, 5, 13, 0, 0), kMinutes}, {At(2026, 5, 12, 9, 30), kMinutes}}},
      {"000040: minutes 0 and 40", "12/05/2026000040=Call", At(2026, 5, 13, 23, 59), 0, 0, 1 + 14 * 2,
       {{At(2026, 5, 12, 10, 0), kMinutes}, {At(2026, 5, 12, 10, 40), kMinutes}}, {{At(2026, 5, 12, 10, 20), kMinutes}}},
      {"000090: minute 0 only", "12/05/2026000090=Call", At(2026, 5, 13, 23, 59), 0, 0, 14,
       {{At(2026, 5, 12, 10, 0), kMinutes}}, {{At(2026, 5, 12, 10, 30), kMinutes}}},
      {"000300 today: every third hour but the start hour", "12/05/2026000300=Pills", At(2026, 5, 13, 23, 59), 0, 4, 0,
       {{At(2026, 5, 12, 12, 0), kHours}, {At(2026, 5, 12, 21, 0), kHours}},
       {{kStart, kHours}, {At(2026, 5, 12, 10, 0), kHours}, {At(2026, 5, 13, 0, 0), kHours}}},
      {"010130 tomorrow: both days, start hour only on the start day", "13/05/2026010130=Flight",
       At(2026, 5, 14, 23, 59), 2, 14 + 24, 29 + 48,
       {{kStart, kDays}, {At(2026, 5, 13, 0, 0), kDays}, {At(2026, 5, 13, 9, 0), kHours},
        {At(2026, 5, 13, 0, 0), kHours}, {kStart, kMinutes}, {At(2026, 5, 13, 23, 30), kMinutes}},
       {{At(2026, 5, 12, 9, 31), kHours}, {At(2026, 5, 14, 0, 0), kDays}, {At(2026, 5, 14, 0, 0), kMinutes}}},
      {"weekly Thursday, one day before: still reminding in its second week", "14/05/9995010000=Gym",
       At(2026, 5, 22, 23, 59), 4, 0, 0,
       {{At(2026, 5, 13, 0, 0), kDays}, {At(2026, 5, 14, 0, 0), kDays}, {At(2026, 5, 20, 0, 0), kDays},
        {At(2026, 5, 21, 0, 0), kDays}},
       {}},
      {"010100 started late in the evening: midnight's hour alert, not the start hour's", "13/05/2026010100=Early",
       At(2026, 5, 13, 0, 5), 2, 1, 0, {{At(2026, 5, 13, 0, 0), kHours}}, {{At(2026, 5, 12, 23, 40), kHours}},
       At(2026, 5, 12, 23, 40)},
      {"a line that belongs to no day never fires", "14/05/9990010101=Nowhere", At(2026, 5, 13, 23, 59), 0, 0, 0, {}, {}},
      {"a field that is not six digits is no reminder", "12/05/20260x0010=Call", At(2026, 5, 12, 23, 59), 0, 0, 0, {}, {}},
  };
  for (const Timeline& c : cases) {
    SCOPED_TRACE(c.name);
    LongRun run({c.line}, c.start);
    run.Until(c.until);
    EXPECT_EQ(run.Count(kDays), c.days);
    EXPECT_EQ(run.Count(kHours), c.hours);
    EXPECT_EQ(run.Count(kMinutes), c.minutes);
    for (const auto& [t, kind] : c.present)
      EXPECT_TRUE(run.FiredAt(t, kind)) << t.hour << ":" << t.minute << " kind " << static_cast<int>(kind);
    for (const auto& [t, kind] : c.absent)
      EXPECT_FALSE(run.FiredAt(t, kind)) << t.hour << ":" << t.minute << " kind " << static_cast<int>(kind);
  }
}

TEST(CheckReminders, OneCheckShowsDaysThenMinutesThenHoursInFileOrder) {
  LongRun run({"12/05/2026000010=A", "13/05/2026010100=B", "12/05/2026010000=C"}, At(2026, 5, 12, 8, 15));
  run.JumpTo(At(2026, 5, 12, 10, 0));
  run.Tick();
  std::vector<std::pair<std::string, ReminderKind>> order;
  for (const Fired& f : run.fired) order.emplace_back(f.text, f.kind);
  const decltype(order) expected = {{"B", kDays}, {"C", kDays}, {"A", kMinutes}, {"B", kHours}};
  EXPECT_EQ(order, expected);
}

TEST(CheckReminders, SuppressedChecksLeaveTheLastMinuteAlone) {
  struct Case {
    const char* name;
    CheckConditions stop;
  };
  const Case cases[] = {
      {"reminders off", {false, false, false}},
      {"dialog open", {true, true, false}},
      {"alert on screen", {true, false, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LongRun run({"12/05/2026000010=Tea"}, At(2026, 5, 12, 8, 0));
    run.JumpTo(At(2026, 5, 12, 10, 10));
    run.Tick();
    ASSERT_EQ(run.fired.size(), 1u);
    const auto last = run.State().LastCheckMinute;
    // Stopped for the whole hour up to 11:09; the 11:10 alert must still come.
    for (int m = 11; m < 70; ++m) {
      run.JumpTo(At(2026, 5, 12, 10 + m / 60, m % 60));
      run.Tick(c.stop);
      EXPECT_EQ(run.State().LastCheckMinute, last);
    }
    run.JumpTo(At(2026, 5, 12, 11, 10));
    run.Tick();
    ASSERT_EQ(run.fired.size(), 2u);
    EXPECT_EQ(run.fired[1].when, At(2026, 5, 12, 11, 10));
  }
}

TEST(CheckReminders, AMinuteIsCheckedOnceHoweverManyTicksSeeIt) {
  LongRun run({"12/05/2026000010=Tea"}, At(2026, 5, 12, 10, 0));
  for (int i = 0; i < 60; ++i) run.Tick();
  EXPECT_EQ(run.Count(kMinutes), 1);
}

TEST(BuildReminderList, ShownFlagsFollowTheirLinesThroughARebuild) {
  LongRun run({"13/05/2026010000=Old"}, At(2026, 5, 12, 10, 0));
  run.Tick();
  ASSERT_EQ(run.Count(kDays), 1);
  // An edit puts a new reminder before the old one: the new one takes slot 1.
  EventStore& events = run.Events();
  events.EventRecords.Set(1, "13/05/2026010000=New");
  AppendEvent(events, "13/05/2026010000=Old");
  BuildReminderList(run.State(), events, At(2026, 5, 12, 0, 0).date);
  ASSERT_EQ(run.State().ReminderCount(), 2);
  EXPECT_FALSE(run.State().List[0].ReminderShown);
  EXPECT_TRUE(run.State().List[1].ReminderShown);
  run.JumpTo(At(2026, 5, 12, 10, 1));
  run.Tick();
  ASSERT_EQ(run.fired.size(), 2u);
  EXPECT_EQ(run.fired[1].text, "New");
}

TEST(BuildReminderList, EqualLinesShareTheirShownFlagsOneForOne) {
  ReminderState state;
  EventStore events = Store({"13/05/2026010000=Same", "13/05/2026010000=Same"});
  const Date today = DateSerial(2026, 5, 12);
  BuildReminderList(state, events, today);
  state.List[0].ReminderShown = true;
  BuildReminderList(state, events, today);
  EXPECT_EQ(state.List[0].ReminderShown + state.List[1].ReminderShown, 1);
}

TEST(BuildReminderList, FillsEverySlotFromItsLine) {
  ReminderState state;
  EventStore events = Store({"05/12/2026000000=None", "", "01/06/9998031529=Rent~due", "xx/yy/zzzz123456=Bad"});
  BuildReminderList(state, events, DateSerial(2026, 5, 12));
  ASSERT_EQ(state.ReminderCount(), 2);
  const Reminder& r = state.List[0];
  EXPECT_EQ(r.EventIndex, 3);
  EXPECT_EQ(r.ReminderLine, "01/06/9998031529=Rent~due");
  EXPECT_EQ(r.ReminderText(), "Rent\r\ndue");
  EXPECT_EQ(r.ReminderDate, DateSerial(2026, 6, 1));
  EXPECT_EQ(r.ReminderDays, std::chrono::days{3});
  EXPECT_EQ(r.ReminderHours, std::chrono::hours{15});
  EXPECT_EQ(r.ReminderMinutes, std::chrono::minutes{20});
  EXPECT_EQ(r.ReminderSound, 9);
  EXPECT_FALSE(state.List[1].ReminderDate.has_value());  // no day: never in its window

  EventStore empty;
  BuildReminderList(state, empty, DateSerial(2026, 5, 12));
  EXPECT_EQ(state.ReminderCount(), 0);
  EXPECT_TRUE(CheckReminders(state, At(2026, 5, 12, 10, 0), {}).empty());
}

}  // namespace
}  // namespace orlevant
