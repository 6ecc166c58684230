// Writing a reminder field into lines typed by hand, whose columns 11-17 hold letters of more than
// one byte: the reminders dialog's rows and quick reminders replace columns 11-16, counted in
// characters, and the text from column 18 on comes back from the file exactly as it was.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/event_line.h"
#include "core/events_file.h"
#include "core/reminder_quick.h"
#include "core/reminder_rows.h"
#include "core/settings.h"
#include "core/text_encoding.h"
#include "monthview/month_view.h"
#include "support/file_helpers.h"
#include "support/scoped_clock.h"
#include "support/temp_home.h"

namespace orlevant {
namespace {

const Date kToday = DateSerial(2026, 12, 5);

struct Case {
  const char* name;
  std::string line;     // as typed into the file, UTF-8
  std::string written;  // the line with the code "010200"
  std::string text;     // what the day box shows, before and after
  bool quick = true;    // "=" stands in column 17, so a quick reminder can find the line
};

// Columns 11-16 and 17 in letters of two, three and four bytes, the cut falling inside one.
const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"accented letter in column 16", "05/12/2026Kaffe\xC3\xA9 mit M\xC3\xBCller",
       "05/12/2026010200 mit M\xC3\xBCller", "mit M\xC3\xBCller", false},
      {"Greek in columns 11-16, = in 17",
       "05/12/2026\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1=\xCE\x9A\xCF\x81\xCE\xAE\xCF\x84\xCE\xB7",
       "05/12/2026010200=\xCE\x9A\xCF\x81\xCE\xAE\xCF\x84\xCE\xB7", "\xCE\x9A\xCF\x81\xCE\xAE\xCF\x84\xCE\xB7"},
      {"Japanese in columns 11-16 and after",
       "05/12/2026\xE4\xBC\x9A\xE8\xAD\xB0\xE3\x81\xAE\xE6\xBA\x96\xE5\x82\x99\xE3\x82\x92=\xE6\x9D\xB1\xE4\xBA\xAC",
       "05/12/2026010200=\xE6\x9D\xB1\xE4\xBA\xAC", "\xE6\x9D\xB1\xE4\xBA\xAC"},
      {"emoji in column 11, accent in 15, emoji in 18",
       "05/12/2026\xF0\x9F\x8E\x82 Zo\xC3\xAB!=\xF0\x9F\x8E\x89 Party", "05/12/2026010200=\xF0\x9F\x8E\x89 Party",
       "\xF0\x9F\x8E\x89 Party"},
      {"a written line with an accented text", "05/12/2026000000=\xC3\x9C" "ber M\xC3\xBCnchen",
       "05/12/2026010200=\xC3\x9C" "ber M\xC3\xBCnchen", "\xC3\x9C" "ber M\xC3\xBCnchen"},
      {"a line that ends inside column 16", "05/12/2026Stra\xC3\x9F" "e", "05/12/2026010200", "", false},
  };
  return cases;
}

class ReminderFieldTest : public ::testing::Test {
 protected:
  // The cases' lines as the events file, loaded.
  EventStore LoadedCases() {
    std::string file;
    for (const Case& c : Cases()) file += c.line + "\r\n";
    testing::Put(path_, file);
    EventStore store(path_);
    EXPECT_TRUE(LoadEvents(store).ok);
    return store;
  }
  // Saved and read back from the file.
  EventStore SavedAndReloaded(EventStore& store) {
    EXPECT_TRUE(SaveEvents(store).ok);
    EventStore again(path_);
    EXPECT_TRUE(LoadEvents(again).ok);
    return again;
  }
  void ExpectWrittenAndReadBack(const EventStore& store) {
    ASSERT_EQ(store.EventCount, static_cast<int>(Cases().size()));
    for (std::size_t i = 0; i < Cases().size(); ++i) {
      const Case& c = Cases()[i];
      SCOPED_TRACE(c.name);
      const std::string_view line = store.EventRecords[i + 1];
      EXPECT_EQ(line, c.written);
      EXPECT_EQ(TextField(line), c.text);
      EXPECT_EQ(ReminderField(line), "010200");
    }
  }

  testing::TempHome home_;
  testing::ScopedClock clock_{DateTime{kToday, 9, 0, 0}};
  std::string path_ = (home_.Data() / "ann.dat").string();
};

TEST_F(ReminderFieldTest, ColumnsAreCharacters) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TextField(c.line), c.text);
    EXPECT_EQ(DateField(c.line), "05/12/2026");
    const std::string written = WithReminderField(c.line, "010200");
    EXPECT_EQ(written, c.written);
    EXPECT_TRUE(IsValidUtf8(written));
    EXPECT_EQ(TextField(written), TextField(c.line));
  }
}

TEST_F(ReminderFieldTest, TheRemindersDialogKeepsTheTextThroughTheFile) {
  EventStore store = LoadedCases();
  std::vector<ReminderRow> rows = ListFutureEvents(store, kToday);
  ASSERT_EQ(rows.size(), Cases().size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(Cases()[i].name);
    EXPECT_EQ(rows[i].Text, "2026/12/05 - " + Cases()[i].text);
    rows[i].RowChecked = true;
    rows[i].ReminderRowCode = "010200";
  }
  EXPECT_EQ(ApplyReminderRows(store, rows), static_cast<int>(rows.size()));
  ExpectWrittenAndReadBack(store);
  ExpectWrittenAndReadBack(SavedAndReloaded(store));
}

TEST_F(ReminderFieldTest, AQuickReminderKeepsTheTextThroughTheFile) {
  Settings settings;
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    testing::Put(path_, c.line + "\r\n");
    EventStore store(path_);
    ASSERT_TRUE(LoadEvents(store).ok);
    MonthView m;
    m.SetToday(kToday);
    m.ShowMonthTitle(kToday, settings);
    m.FillMonthGrid(kToday, settings, store);
    const int box = m.BoxOfDay(5);
    ASSERT_EQ(m.DayCellText(box), "\r\n" + c.text);
    const QuickReminderResult r = SetQuickReminder(store, m.DayCellText(box), m.BoxLines[static_cast<std::size_t>(box)],
                                                   kToday, kToday, "010200");
    EXPECT_EQ(r.outcome, c.quick ? QuickReminderOutcome::Written : QuickReminderOutcome::NotFound);
    const EventStore again = SavedAndReloaded(store);
    ASSERT_EQ(again.EventCount, 1);
    EXPECT_EQ(again.EventRecords[1], c.quick ? c.written : c.line);
    EXPECT_EQ(TextField(again.EventRecords[1]), c.text);
  }
}

}  // namespace
}  // namespace orlevant
