// The reminders dialog's rows: which events are listed, their texts, and applying exactly the
// rows that changed to exactly their own lines.

#include "core/reminder_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/events_file.h"
#include "core/reminder_code.h"

namespace orlevant {
namespace {

EventStore Store(const std::vector<std::string>& lines) {
  EventStore store;
  for (const std::string& l : lines) AppendEvent(store, l);
  return store;
}

const Date kToday = DateSerial(2026, 5, 12);

TEST(ListFutureEvents, TodayOnwardAndEveryRecurringEvent) {
  const EventStore events = Store({"11/05/2026000000=Yesterday", "12/05/2026010000=Today", "", "01/01/9995000000=Gym",
                                   "05/01/2027000000=Next year", "31/12/9999000000=New Year~Party=Fun"});
  const std::vector<ReminderRow> rows = ListFutureEvents(events, kToday);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].EventIndex, 2);
  EXPECT_EQ(rows[0].Text, "2026/05/12 - Today");
  EXPECT_TRUE(rows[0].RowChecked);
  EXPECT_EQ(rows[0].ReminderRowCode, "010000");
  EXPECT_EQ(rows[1].Text, "Weekly/Thursdays(All) - Gym");
  EXPECT_FALSE(rows[1].RowChecked);
  EXPECT_EQ(rows[2].EventIndex, 5);
  EXPECT_EQ(rows[3].Text, "Yearly/12/31 - New Year  Party - Fun");
}

// Edits a row as the dialog would: check or uncheck it and give it a code.
void Edit(ReminderRow& row, bool checked, const char* code) {
  row.RowChecked = checked;
  row.ReminderRowCode = code;
}

TEST(ApplyReminderRows, WritesExactlyTheChangedRowsIntoTheirOwnLines) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    int row;  // the row edited
    bool checked;
    const char* code;
    std::vector<std::string> after;
    int changed;
  };
  const Case cases[] = {
      {"check with days 2, minutes 20, sound 4", {"20/05/2026000000=Dentist"}, 0, true, "020024",
       {"20/05/2026020024=Dentist"}, 1},
      {"uncheck a reminder", {"20/05/2026010300=Dentist"}, 0, false, "010300", {"20/05/2026000000=Dentist"}, 1},
      {"a text holding ^", {"20/05/2026000000=Tom^Jerry", "20/05/2026000000=Tom"}, 0, true, "000100",
       {"20/05/2026000100=Tom^Jerry", "20/05/2026000000=Tom"}, 1},
      {"two equal lines, the second changed", {"20/05/2026000000=Same", "20/05/2026000000=Same"}, 1, true, "010000",
       {"20/05/2026000000=Same", "20/05/2026010000=Same"}, 1},
      {"a row changed and changed back", {"20/05/2026010000=Back"}, 0, true, "010000", {"20/05/2026010000=Back"}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EventStore events = Store(c.lines);
    std::vector<ReminderRow> rows = ListFutureEvents(events, kToday);
    Edit(rows[static_cast<std::size_t>(c.row)], c.checked, c.code);
    EXPECT_EQ(ApplyReminderRows(events, rows), c.changed);
    for (std::size_t i = 0; i < c.after.size(); ++i) EXPECT_EQ(events.EventRecords[i + 1], c.after[i]);
  }
}

TEST(ApplyReminderRows, ARowWhoseLineMovedFindsItAndOneWhoseLineWentIsLeftOut) {
  EventStore events = Store({"20/05/2026000000=Moves", "21/05/2026000000=Goes"});
  std::vector<ReminderRow> rows = ListFutureEvents(events, kToday);
  Edit(rows[0], true, "010000");
  Edit(rows[1], true, "020000");
  // Meanwhile another window put a line first and deleted the other.
  events.EventRecords.Set(1, "19/05/2026000000=New");
  events.EventRecords.Set(2, "20/05/2026000000=Moves");
  EXPECT_EQ(ApplyReminderRows(events, rows), 1);
  EXPECT_EQ(events.EventRecords[1], "19/05/2026000000=New");
  EXPECT_EQ(events.EventRecords[2], "20/05/2026010000=Moves");
}

TEST(ReminderCodeField, RoundTripsAndCutsWhatDoesNotFit) {
  struct Case {
    ReminderCode code;
    const char* field;
  };
  const Case cases[] = {{{2, 0, 20, 4}, "020024"}, {{31, 12, 30, 9}, "311239"}, {{0, 0, 0, 0}, "000000"},
                        {{120, -1, 95, 12}, "990099"}};
  for (const Case& c : cases) EXPECT_EQ(c.code.ToField(), c.field);
  EXPECT_EQ(ReminderCode::Parse("311239").ToField(), "311239");
  EXPECT_TRUE(ReminderCode::Parse("000007").AllSettingsZero());
  EXPECT_FALSE(ReminderCode::Parse("000010").AllSettingsZero());
}

}  // namespace
}  // namespace orlevant
