// The reminders dialog's rows: which events are listed, their texts, and applying exactly the
// rows that changed to exactly their own lines.

#include "core/reminder_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "core/event_line.h"
#include "core/events_file.h"
#include "core/reminder_code.h"
#include "core/settings.h"
#include "monthview/month_view.h"
#include "platform/date_format.h"
#include "support/file_helpers.h"
#include "support/scoped_clock.h"
#include "support/temp_home.h"

namespace orlevant {
namespace {

EventStore Store(const std::vector<std::string>& lines) {
  EventStore store;
  for (const std::string& l : lines) AppendEvent(store, l);
  return store;
}

const Date kToday = DateSerial(2026, 5, 12);

// Edits a row as the dialog would: check or uncheck it and give it a code.
void Edit(ReminderRow& row, bool checked, const char* code) {
  row.RowChecked = checked;
  row.ReminderRowCode = code;
}

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

// A line whose code is of no kind falls on no day: the month never shows it and it never alerts,
// so the dialog does not offer it, whatever its anchor or reminder. It stays in the table as it was.
TEST(ListFutureEvents, LeavesOutLinesThatFallOnNoDay) {
  const std::vector<std::string> noDay = {
      "01/12/4092000000=Week head of no combination",
      "01/12/9092010000=Week head of no combination, with a reminder",
      "01/12/9298000000=Monthly, ordinal 9",
      "01/12/8098000000=Monthly, weekday 0",
      "01/12/8889000000=Quarterly, weekday 8",
      "01/12/4090000000=Tail of no kind",
      "01/12/9900000000=Tail of no kind",
  };
  EventStore events = Store({"20/05/2026000000=Dentist"});
  for (const std::string& line : noDay) AppendEvent(events, line);
  AppendEvent(events, "04/05/8298000000=First Monday monthly");
  AppendEvent(events, "01/12/4199000000=Last Sunday of December");
  // The month agrees: over a year, it places the listed lines and none of the others.
  std::set<int> placed;
  for (int k = 0; k < 12; ++k) {
    MonthView m;
    const Settings settings;
    const Date month = DateSerial(2026, 5 + k, 1);
    m.SetToday(kToday);
    m.ShowMonthTitle(month, settings);
    m.FillMonthGrid(month, settings, events);
    for (const std::vector<int>& box : m.BoxLines) placed.insert(box.begin(), box.end());
  }
  EXPECT_EQ(placed, (std::set<int>{1, 9, 10}));

  std::vector<ReminderRow> rows = ListFutureEventsByText(events, kToday);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].EventIndex, 1);
  EXPECT_EQ(rows[1].EventIndex, 9);
  EXPECT_EQ(rows[1].Text, "Monthly/FirstMon - First Monday monthly");
  EXPECT_EQ(rows[2].EventIndex, 10);
  EXPECT_EQ(rows[2].Text, "Yearly/12/LastSun - Last Sunday of December");

  // Applying the rows writes each into its own line and leaves the unlisted lines as they were.
  for (ReminderRow& row : rows) Edit(row, true, "020000");
  EXPECT_EQ(ApplyReminderRows(events, rows), 3);
  EXPECT_EQ(events.EventRecords[1], "20/05/2026020000=Dentist");
  EXPECT_EQ(events.EventRecords[9], "04/05/8298020000=First Monday monthly");
  EXPECT_EQ(events.EventRecords[10], "01/12/4199020000=Last Sunday of December");
  for (std::size_t i = 0; i < noDay.size(); ++i) EXPECT_EQ(events.EventRecords[i + 2], noDay[i]);
}

// What the dialog says about the selected row, one row per text it can say.
TEST(DescribeReminderRow, SaysHowFarOffTheEventIsAndWhetherItWillBeReminded) {
  const std::string checked = "You will be reminded about this event according to your settings above.";
  const std::string unchecked = "You will not be reminded about this event since it is not checked.";
  struct Case {
    const char* line;
    bool rowChecked;  // as the dialog shows it now, which may differ from the line's code
    std::string about;
    std::string message;
  };
  const Case cases[] = {
      // A check taken off in the dialog counts, not the code still in the line.
      {"14/05/2026010000=Soon~two lines", false, "Soon~two lines\r\n\r\non... May 14, 2026",
       "Event is 2 day(s) in the future.\r\n\r\n" + unchecked},
      {"13/05/2026000000=Tomorrow", false, "Tomorrow\r\n\r\non... May 13, 2026",
       "Event is 1 day in the future.\r\n\r\n" + unchecked},
      {"12/05/2026010000=Today", true, "Today\r\n\r\non... May 12, 2026", "Event is today.\r\n\r\n" + checked},
      // Recurring events are told by their next day.
      {"31/12/9999000000=New Year~Party=Fun", true, "New Year~Party=Fun\r\n\r\non... December 31, 2026",
       "Event is 233 day(s) in the future.\r\n\r\n" + checked},
      {"01/01/9993000000=Choir", false, "Choir\r\n\r\non... May 12, 2026", "Event is today.\r\n\r\n" + unchecked},
  };
  const auto longDate = [](Date d) { return FormatDate(DateTime{d}, "mmmm d, yyyy", EnglishLocaleNames()); };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    ReminderRow row;
    row.Line = c.line;
    row.RowChecked = c.rowChecked;
    const ReminderRowDetails details = DescribeReminderRow(row, kToday, longDate);
    EXPECT_EQ(details.About, c.about);
    EXPECT_EQ(details.Message, c.message);
  }
}

// The dialog's order is the order of the row texts; rows of equal text keep their file order.
TEST(ListFutureEventsByText, OrdersAsTheTextsCompareAndKeepsFileOrderOfEqualTexts) {
  // Texts that agree in their first 8 and 16 bytes, end there, hold bytes above 127 (which sort
  // after every ASCII letter), stand twice, or have "~" and "=" in them.
  const char* texts[] = {"Dentist", "Dentist Anna", "Dentist Ann", "Dentist", "Caf\xC3\xA9 M\xC3\xBCller",
                         "Cafe Muller", "A~B", "A=B", "", "Zo\xC3\xAB", "Team meeting Q", "Team meeting Q2",
                         "Team meeting Q"};
  EventStore events;
  for (const std::string date : {"20/05/2026", "01/01/9995", "31/12/9999", "12/05/2026"})
    for (std::size_t t = 0; t < std::size(texts); ++t)
      AppendEvent(events, date + (t % 2 ? "010000=" : "000000=") + texts[t]);
  std::vector<ReminderRow> expected = ListFutureEvents(events, kToday);
  std::stable_sort(expected.begin(), expected.end(),
                   [](const ReminderRow& a, const ReminderRow& b) { return a.Text < b.Text; });
  const std::vector<ReminderRow> rows = ListFutureEventsByText(events, kToday);
  ASSERT_EQ(rows.size(), expected.size());
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].EventIndex, expected[i].EventIndex) << rows[i].Text;
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

// Lines typed by hand may hold letters of several bytes in columns 11-17: the code replaces columns
// 11-16, counted in characters, and the text from column 18 on comes back from the file as it was.
TEST(ApplyReminderRows, KeepsTheTextOfHandTypedLinesThroughTheFile) {
  struct Case {
    const char* name;
    std::string line;     // as typed into the file, UTF-8
    std::string written;  // the line with the code "010200"
    std::string text;     // what the row and the day box show, before and after
  };
  // Letters of two and four bytes, the cut by bytes falling inside one.
  const Case cases[] = {
      {"accented letter in column 16", "12/05/2026Kaffe\xC3\xA9 mit M\xC3\xBCller",
       "12/05/2026010200 mit M\xC3\xBCller", "mit M\xC3\xBCller"},
      {"Greek in columns 11-16, = in 17",
       "12/05/2026\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1=\xCE\x9A\xCF\x81\xCE\xAE\xCF\x84\xCE\xB7",
       "12/05/2026010200=\xCE\x9A\xCF\x81\xCE\xAE\xCF\x84\xCE\xB7", "\xCE\x9A\xCF\x81\xCE\xAE\xCF\x84\xCE\xB7"},
      {"emoji in column 11, accent in 15, emoji in 18",
       "12/05/2026\xF0\x9F\x8E\x82 Zo\xC3\xAB!=\xF0\x9F\x8E\x89 Party", "12/05/2026010200=\xF0\x9F\x8E\x89 Party",
       "\xF0\x9F\x8E\x89 Party"},
      {"a line that ends inside column 16", "12/05/2026Stra\xC3\x9F" "e", "12/05/2026010200", ""},
  };
  testing::TempHome home;
  testing::ScopedClock clock{DateTime{kToday, 9, 0, 0}};
  const std::string path = (home.Data() / "ann.dat").string();
  std::string file;
  for (const Case& c : cases) file += c.line + "\r\n";
  testing::Put(path, file);
  EventStore store(path);
  ASSERT_TRUE(LoadEvents(store).ok);
  std::vector<ReminderRow> rows = ListFutureEvents(store, kToday);
  ASSERT_EQ(rows.size(), std::size(cases));
  for (ReminderRow& row : rows) Edit(row, true, "010200");
  EXPECT_EQ(ApplyReminderRows(store, rows), static_cast<int>(rows.size()));
  ASSERT_TRUE(SaveEvents(store).ok);
  EventStore again(path);
  ASSERT_TRUE(LoadEvents(again).ok);
  ASSERT_EQ(again.EventCount, static_cast<int>(std::size(cases)));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(cases[i].name);
    EXPECT_EQ(rows[i].Text, "2026/05/12 - " + cases[i].text);
    EXPECT_EQ(again.EventRecords[i + 1], cases[i].written);
    EXPECT_EQ(TextField(again.EventRecords[i + 1]), cases[i].text);
  }
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
