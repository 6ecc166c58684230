// An events file made read-only (mode 0444) to protect it: every road that saves it refuses with the
// reason and leaves the file as it was, while the backup is made as always. Each road is also taken
// with the file writable, so that a refusal can only come from the file's permissions.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <string>
#include <vector>

#include "core/duplicate_events.h"
#include "core/entry_rows.h"
#include "core/events_file.h"
#include "core/events_maintenance.h"
#include "core/reminder_quick.h"
#include "core/reminder_rows.h"
#include "core/settings.h"
#include "monthview/month_view.h"
#include "support/file_helpers.h"
#include "support/scoped_clock.h"
#include "support/scripted_message_boxes.h"
#include "support/temp_home.h"

namespace orlevant {
namespace {

const Date kToday = DateSerial(2026, 6, 15);
const Date kVetDay = DateSerial(2026, 6, 21);
const std::string kFile =
    "14/06/2026010000=Yesterday\r\n20/06/2026000000=Dentist\r\n20/06/2026000000=Dentist\r\n"
    "14/03/2025000000=Last year\r\n21/06/2026000000=Vet\r\n";

// The Vet's day box as the month shows it: its text and its lines.
struct DayBox {
  std::string text;
  std::vector<int> lines;
};
DayBox VetDayBox(const EventStore& events) {
  MonthView m;
  Settings s;
  m.SetToday(kToday);
  m.ShowMonthTitle(kVetDay, s);
  m.FillMonthGrid(kVetDay, s, events);
  const int box = m.BoxOfDay(DayOf(kVetDay));
  return {m.DayCellText(box), m.BoxLines[static_cast<std::size_t>(box)]};
}

std::string Written(EventStore& events, const EntryRows& rows) {
  const EntryRows::WriteResult r = rows.Write(events);
  return r.outcome == EntryRows::WriteOutcome::Saved ? "" : r.error;
}

TEST(ReadOnlyEventsFile, EverySaveRefusesAndSaysWhyAndTheBackupIsMade) {
  testing::TempHome home;
  testing::ScopedClock clock{DateTime{kToday, 10, 0, 0}};
  testing::ScriptedMessageBoxes boxes;
  const std::string path = (home.Data() / "ann.dat").string();
  struct Road {
    const char* name;
    std::function<std::string(EventStore&)> take;  // the reason the save failed, or ""
    bool tableKept;  // elsewhere the window puts its line back, or the start keeps what it changed
  };
  const std::vector<Road> roads = {
      {"entry dialog OK",
       [](EventStore& s) {
         EntryRows rows(kVetDay);
         rows.SetText(0, "Party");
         return Written(s, rows);
       },
       true},
      {"Clear All",
       [](EventStore& s) {
         const DayBox box = VetDayBox(s);
         EntryRows rows(kVetDay);
         rows.Load(s.EventRecords, s.EventCount, box.text, box.lines);
         rows.ClearTexts();
         return Written(s, rows);
       },
       true},
      {"quick reminder",
       [](EventStore& s) {
         const DayBox box = VetDayBox(s);
         EXPECT_EQ(SetQuickReminder(s, box.text, box.lines, kVetDay, kToday, QuickDaysCode(1)).outcome,
                   QuickReminderOutcome::Written);
         return SaveEvents(s).error;
       },
       false},
      {"reminders' Apply",
       [](EventStore& s) {
         std::vector<ReminderRow> rows = ListFutureEvents(s, kToday);
         for (ReminderRow& row : rows) row.RowChecked = true, row.ReminderRowCode = "010000";
         EXPECT_GT(ApplyReminderRows(s, rows), 0);
         return SaveEvents(s).error;
       },
       false},
      {"start: past reminders cleared", [](EventStore& s) { return ClearPastReminders(s).save.error; }, false},
      {"Delete ALL Events", [](EventStore& s) { return PurgeAllEvents(s).save.error; }, true},
      {"Delete Events Before 2026", [](EventStore& s) { return PurgeEventsBefore(s, 2026).save.error; }, true},
      {"List Duplicate Events, Yes",
       [&boxes](EventStore& s) {
         boxes.Answer(MsgAnswer::Yes);
         return RemoveDuplicateEvents(s).save.error;
       },
       true},
      {"Restore Events Database",
       [&path](EventStore& s) {
         testing::Put(BackupFilePath(path), "01/01/2027000000=From the backup\r\n");
         return RestoreEvents(s).error;
       },
       true},
  };
  for (const Road& road : roads) {
    for (const bool readOnly : {true, false}) {
      SCOPED_TRACE(std::string(road.name) + (readOnly ? ", read-only" : ", writable"));
      testing::Put(path, kFile);
      EventStore store(path);
      ASSERT_TRUE(LoadEvents(store).ok);
      const EventLines tableBefore = store.EventRecords;
      ::chmod(path.c_str(), readOnly ? 0444 : 0600);
      const std::string error = road.take(store);
      EXPECT_EQ(testing::ModeOf(path), readOnly ? 0444u : 0600u);
      if (readOnly) {
        EXPECT_NE(error.find(path + ": it is read-only."), std::string::npos) << error;
        EXPECT_EQ(testing::Slurp(path), kFile);
        EXPECT_TRUE(!road.tableKept || store.EventRecords == tableBefore);
        EXPECT_TRUE(BackupEvents(store).ok);
        EXPECT_EQ(testing::Slurp(BackupFilePath(path)), kFile);
      } else {
        EXPECT_EQ(error, "");
        EXPECT_NE(testing::Slurp(path), kFile);
      }
      ::chmod(path.c_str(), 0600);
    }
  }
}

}  // namespace
}  // namespace orlevant
