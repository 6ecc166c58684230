// The entry rows: which stored lines a day's rows show, conflicts and swaps, and the writing of the
// rows back into the table and the file. Day box texts come from the real month model, so the rows
// are checked against what the user sees in the box.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/entry_rows.h"
#include "core/event_line.h"
#include "core/events_file.h"
#include "core/settings.h"
#include "monthview/month_test_support.h"
#include "monthview/month_view.h"
#include "support/file_helpers.h"
#include "support/temp_home.h"

namespace orlevant {
namespace {

using testing::FileSizeLimit;
using testing::MakeLine;
using testing::Put;
using testing::Records;
using testing::Slurp;
using testing::TempHome;
using Outcome = EntryRows::WriteOutcome;

Date D(int y, int m, int d) { return DateSerial(y, m, d); }

// The day's box when the month of `day` shows `records` (element 0 unused): its text and the
// lines the month placing put in it.
struct DayBox {
  std::string text;
  std::vector<int> lines;
};
DayBox BoxOf(const EventLines& records, int count, Date day, int firstDay = 1) {
  MonthView view = testing::MakeView(day);
  Settings settings;
  settings.FirstDay = firstDay;
  view.ShowMonthTitle(day, settings);
  view.ShowWeekdayHeadings(0, settings);
  view.FillMonthGrid(day, settings, records, count);
  const int box = view.BoxOfDay(DayOf(day));
  return {view.DayCellText(box), view.BoxLines[static_cast<std::size_t>(box)]};
}
std::string CellText(const EventLines& records, int count, Date day, int firstDay = 1) {
  return BoxOf(records, count, day, firstDay).text;
}

EntryRows LoadDay(const EventLines& records, Date day) {
  EntryRows rows(day);
  const int count = static_cast<int>(records.size()) - 1;
  const DayBox box = BoxOf(records, count, day);
  rows.Load(records, count, box.text, box.lines);
  return rows;
}

// ------------------------------------------------------------------------------------ decoding

struct DecodeCase {
  const char* name;
  std::string line;
  Date day;
  int row;  // -1: not on this day
  bool byDate;
  int listIndex;
};

TEST(EntryDecode, EachKindOnItsDaysAndNoOthers) {
  // Which days each kind falls on is checked against the month grid below; here, what the
  // decoding tells beyond the row: by date or by weekday, and the list item of the weekday kinds.
  const DecodeCase cases[] = {
      {"one-off on its date", MakeLine(5, 12, "2026", "x"), D(2026, 12, 5), kRowToday, true, 0},
      {"yearly first Monday of May", MakeLine(4, 5, "8299", "x"), D(2027, 5, 3), kRowYearly, false, 0},
      {"yearly last Friday of Feb", MakeLine(27, 2, "4699", "x"), D(2026, 2, 27), kRowYearly, false, 4},
      {"quarterly 5 Nov on 5 Feb", MakeLine(5, 11, "9989", "x"), D(2027, 2, 5), kRowQuarterly, true, 0},
      {"quarterly third Tuesday from Jan, in Apr", MakeLine(20, 1, "6389", "x"), D(2026, 4, 21), kRowQuarterly, false,
       2},
      {"monthly 31st on 31 Mar", MakeLine(31, 1, "9998", "x"), D(2026, 3, 31), kRowMonthly, true, 0},
      {"monthly last Monday, five Mondays", MakeLine(7, 12, "4298", "x"), D(2026, 11, 30), kRowMonthly, false, 4},
      {"monthly second Sunday", MakeLine(1, 1, "7198", "x"), D(2026, 12, 13), kRowMonthly, false, 1},
      {"weekly every Tuesday", MakeLine(1, 12, "9993", "x"), D(2027, 3, 30), kRowWeekly, true, 0},
      {"weekly first and third Monday", MakeLine(7, 12, "8592", "x"), D(2026, 12, 21), kRowWeekly, false, 4},
      {"weekly unknown combination", MakeLine(7, 12, "9092", "x"), D(2026, 12, 7), -1, true, 0},
      {"unknown tail", MakeLine(7, 12, "9990", "x"), D(2026, 12, 7), -1, true, 0},
  };
  for (const DecodeCase& c : cases) {
    SCOPED_TRACE(c.name);
    const DecodedLine d = EntryRows(c.day).Decode(c.line);
    EXPECT_EQ(d.row, c.row);
    if (c.row < 0) continue;
    EXPECT_EQ(d.byDate, c.byDate);
    if (!c.byDate) {
      EXPECT_EQ(d.listIndex, c.listIndex);
    }
  }
}

// The rows show what the boxes show: over three years and three first days of the week, a line of
// every kind loads on a day exactly when the month grid puts it in that day's box.
TEST(EntryDecode, RowsFollowTheMonthGrid) {
  std::vector<std::string> lines = {
      MakeLine(29, 2, "2028", "<0>"), MakeLine(15, 6, "2027", "<1>"), MakeLine(29, 2, "9999", "<2>"),
      MakeLine(4, 5, "8299", "<3>"),  MakeLine(31, 1, "9989", "<4>"), MakeLine(31, 8, "9989", "<5>"),
      MakeLine(30, 11, "9989", "<6>"), MakeLine(20, 1, "4389", "<7>"), MakeLine(31, 1, "9998", "<8>"),
      MakeLine(7, 12, "4298", "<9>"), MakeLine(1, 1, "5798", "<10>"), MakeLine(1, 12, "9993", "<11>"),
      MakeLine(3, 3, "9997", "<12>"), MakeLine(2, 2, "6799", "<13>"), MakeLine(9, 9, "8189", "<14>")};
  int next = 15;
  for (const WeekCombination& c : kWeekCombinations) {
    for (const char* weekday : {"2", "6"})
      lines.push_back(MakeLine(1, 1, std::string(c.code) + "9" + weekday, "<" + std::to_string(next++) + ">"));
  }
  const EventLines records = Records(lines);
  const int count = static_cast<int>(lines.size());
  const int expectedRow[] = {kRowToday, kRowToday, kRowYearly, kRowYearly, kRowQuarterly,
                             kRowQuarterly, kRowQuarterly, kRowQuarterly, kRowMonthly, kRowMonthly,
                             kRowMonthly, kRowWeekly, kRowWeekly, kRowYearly, kRowQuarterly};
  int checked = 0;
  for (int firstDay : {1, 2, 7}) {
    for (int year = 2026; year <= 2028; ++year) {
      for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= DaysInMonthOf(year, month); ++day) {
          const Date date = D(year, month, day);
          const std::string cell = CellText(records, count, date, firstDay);
          const EntryRows rows(date);
          for (int k = 0; k < count; ++k) {
            const bool inBox = cell.find("<" + std::to_string(k) + ">") != std::string::npos;
            const DecodedLine d = rows.Decode(lines[static_cast<std::size_t>(k)]);
            ASSERT_EQ(d.row >= 0, inBox) << "line " << lines[static_cast<std::size_t>(k)] << " on "
                                         << FormatDayMonthYear(date) << " first day " << firstDay;
            if (inBox) {
              EXPECT_EQ(d.row, k < 15 ? expectedRow[k] : kRowWeekly);
            }
            ++checked;
          }
        }
      }
    }
  }
  EXPECT_GT(checked, 100000);
}

// ------------------------------------------------------------------------------------ loading

TEST(EntryLoad, EveryRowWithItsLine) {
  // Thursday 10 December 2026: the second Thursday; the quarterly line is by weekday.
  const EventLines records = Records({
      MakeLine(10, 12, "2026", "Dentist~at ten", "020000"),
      MakeLine(3, 12, "7995", "Choir"),
      MakeLine(10, 1, "9998", "Rent", "000103"),
      MakeLine(8, 9, "7589", "Board meeting"),
      MakeLine(10, 12, "9999", "Birthday", "010001"),
  });
  const EntryRows rows = LoadDay(records, D(2026, 12, 10));
  struct Expect {
    const char* text;
    const char* code;
    int line;
    const char* reminder;
    bool byDate;
    int listIndex;
  } expected[] = {
      {"Dentist\r\nat ten", "2026", 1, "020000", true, 0}, {"Choir", "7995", 2, "000000", false, 10},
      {"Rent", "9998", 3, "000103", true, 0},              {"Board meeting", "7589", 4, "000000", false, 1},
      {"Birthday", "9999", 5, "010001", true, 0},
  };
  for (int r = 0; r < kEntryRowCount; ++r) {
    SCOPED_TRACE(r);
    const EntryLine& shown = rows.Row(r).Shown;
    EXPECT_EQ(shown.Text, expected[r].text);
    EXPECT_EQ(shown.Code, expected[r].code);
    EXPECT_EQ(shown.Line, expected[r].line);
    EXPECT_EQ(shown.Reminder, expected[r].reminder);
    EXPECT_EQ(shown.ByDate, expected[r].byDate);
    if (!expected[r].byDate) {
      EXPECT_EQ(shown.ListIndex, expected[r].listIndex);
    }
    EXPECT_FALSE(rows.Row(r).HasConflict());
  }
  EXPECT_EQ(rows.ConflictList(), "");
}

TEST(EntryLoad, AnEmptyBoxExaminesNoLine) {
  const EventLines records = Records({MakeLine(10, 12, "2026", "Dentist")});
  EntryRows rows(D(2026, 12, 10));
  rows.Load(records, 1, "", {});
  for (int r = 0; r < kEntryRowCount; ++r) {
    EXPECT_EQ(rows.Row(r).Shown.Line, 0);
    EXPECT_EQ(rows.Row(r).Shown.Code, "0");
  }
  // A line whose text does not stand in the box is skipped, although its date fits.
  rows.Load(records, 1, "\r\nSomething else", {});
  EXPECT_EQ(rows.Row(kRowToday).Shown.Line, 0);
  // Found ignoring case.
  rows.Load(records, 1, "\r\nDENTIST", {});
  EXPECT_EQ(rows.Row(kRowToday).Shown.Line, 1);
}

TEST(EntryLoad, ConflictsShowTheLastKeepTheFirst) {
  // Monday 7 December 2026: the 7th, the first Monday, and a weekly Monday.
  const EventLines records = Records({
      MakeLine(7, 1, "9998", "By date"),
      MakeLine(7, 12, "8298", "First Monday"),
      MakeLine(7, 3, "9998", "Also by date"),
      MakeLine(1, 1, "9992", "Every Monday"),
  });
  const EntryRows rows = LoadDay(records, D(2026, 12, 7));
  const EntryRow& monthly = rows.Row(kRowMonthly);
  EXPECT_EQ(monthly.RowMatches, 3);
  EXPECT_EQ(monthly.Shown.Line, 3);
  EXPECT_EQ(monthly.Shown.Text, "Also by date");
  EXPECT_EQ(monthly.FirstSlot.Line, 1);
  EXPECT_EQ(monthly.LatestSlot.Line, 3);
  EXPECT_EQ(monthly.Hidden().Line, 1);
  EXPECT_EQ(rows.Row(kRowWeekly).RowMatches, 1);
  EXPECT_EQ(rows.ConflictList(), "  ** Monthly Event\r\n");
}

TEST(EntryLoad, SwapShowsEachLineWithItsOwnChoice) {
  const EventLines records = Records({
      MakeLine(7, 12, "4298", "Last Monday"),  // in December 2026 the fourth Monday, the 28th
      MakeLine(28, 1, "9998", "On the 28th"),
  });
  EntryRows rows = LoadDay(records, D(2026, 12, 28));
  ASSERT_TRUE(rows.Row(kRowMonthly).HasConflict());
  EXPECT_EQ(rows.Row(kRowMonthly).Shown.Code, "9998");

  rows.Swap(kRowMonthly);
  const EntryRow& swapped = rows.Row(kRowMonthly);
  EXPECT_EQ(swapped.ShowingFirst, 1);
  EXPECT_EQ(swapped.Shown.Line, 1);
  EXPECT_EQ(swapped.Shown.Code, "4298");
  EXPECT_FALSE(swapped.Shown.ByDate);
  EXPECT_EQ(swapped.Shown.ListIndex, 4);
  EXPECT_EQ(swapped.Hidden().Text, "On the 28th");
}

// ------------------------------------------------------------------------------------ writing

class EntryWrite : public ::testing::Test {
 protected:
  TempHome home;
  std::filesystem::path file = home.Data() / "ann.dat";
  EventStore store{file.string()};

  void Plant(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    Put(file, text);
    ASSERT_TRUE(LoadEvents(store).ok);
  }
  std::vector<std::string> FileLines() const {
    std::vector<std::string> lines;
    const std::string text = Slurp(file);
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
      lines.push_back(text.substr(start, end - start));
    return lines;
  }
  EntryRows Open(Date day) const {
    EntryRows rows(day);
    const DayBox box = BoxOf(store.EventRecords, store.EventCount, day);
    rows.Load(store.EventRecords, store.EventCount, box.text, box.lines);
    return rows;
  }
};

// One step of the user's work in the dialog: a row's text set, its lines swapped, or an option chosen.
struct Step {
  enum Kind { Text, Swap, OptionA, OptionB } kind;
  int row;
  std::string text = {};
  int listIndex = 0;
};
Step Type(int row, std::string text) { return {Step::Text, row, std::move(text)}; }
Step SwapRow(int row) { return {Step::Swap, row}; }
Step ChooseA(int row) { return {Step::OptionA, row}; }
Step ChooseB(int row, int listIndex) { return {Step::OptionB, row, {}, listIndex}; }

struct WriteCase {
  const char* name;
  std::vector<std::string> stored;
  Date day;
  std::vector<Step> steps;
  std::vector<std::string> expected;  // the file afterwards
  bool removed;
  Outcome outcome = Outcome::Saved;
};

TEST_F(EntryWrite, EachLineKeepsWhatTheUserDidNotChange) {
  const Date thu = D(2026, 12, 10), mon = D(2026, 12, 7);
  const std::string rent = MakeLine(10, 12, "9998", "Rent", "010203"), q31 = MakeLine(31, 8, "9989", "Rent");
  const std::string first = MakeLine(7, 1, "9998", "By date", "010000");
  const std::string latest = MakeLine(7, 12, "8298", "First Monday");
  const std::vector<std::string> lastAnd28 = {MakeLine(7, 12, "4298", "Last Monday", "000013"),
                                              MakeLine(28, 1, "9998", "On the 28th")};
  const WriteCase cases[] = {
      {"new rows take their default codes", {}, thu,
       {Type(kRowToday, "Today"), Type(kRowWeekly, "Weekly"), Type(kRowMonthly, "Monthly"),
        Type(kRowQuarterly, "Quarterly"), Type(kRowYearly, "Yearly")},
       {"10/12/2026000000=Today", "10/12/9995000000=Weekly", "10/12/9998000000=Monthly", "10/12/9989000000=Quarterly",
        "10/12/9999000000=Yearly"}, false},
      {"option B choices make their codes", {}, thu,
       {Type(kRowWeekly, "Row 1"), ChooseB(kRowWeekly, 9), Type(kRowMonthly, "Row 2"), ChooseB(kRowMonthly, 1),
        Type(kRowQuarterly, "Row 3"), ChooseB(kRowQuarterly, 1), Type(kRowYearly, "Row 4"), ChooseB(kRowYearly, 1)},
       {"10/12/8095000000=Row 1", "10/12/7598000000=Row 2", "10/12/7589000000=Row 3", "10/12/7599000000=Row 4"}, false},
      {"edited text keeps reminder and anchor", {rent}, thu, {Type(kRowMonthly, "Rent due")},
       {MakeLine(10, 12, "9998", "Rent due", "010203")}, false},
      {"emptied line is deleted", {rent}, thu, {Type(kRowMonthly, "")}, {}, true},
      {"option B takes the clicked day's anchor", {MakeLine(10, 11, "9998", "Rent", "010203")}, thu,
       {ChooseB(kRowMonthly, 1)}, {MakeLine(10, 12, "7598", "Rent", "010203")}, false},
      {"quarterly 31st edited on 30 Nov keeps its 31st", {q31}, D(2026, 11, 30), {Type(kRowQuarterly, "Rent paid")},
       {MakeLine(31, 8, "9989", "Rent paid")}, false},
      {"re-choosing the same option keeps the anchor", {q31}, D(2026, 11, 30), {ChooseA(kRowQuarterly)}, {q31}, false,
       Outcome::NothingChanged},
      {"a short reminder field becomes six digits", {"10/12/2026=Old form line"}, thu, {Type(kRowToday, "New")},
       {"10/12/2026000000=New"}, false},
      {"line breaks of every kind become ~", {MakeLine(10, 12, "9999", "x")}, thu, {Type(kRowYearly, "a\nb\r\nc\rd")},
       {MakeLine(10, 12, "9999", "a~b~c~d")}, false},
      {"a multi-line event edited keeps its other lines", {MakeLine(10, 12, "9998", "Call Ann~then Bob~then Carl")},
       D(2027, 1, 10), {Type(kRowMonthly, "Call Ann\nthen Bea\nthen Carl")},
       {MakeLine(10, 12, "9998", "Call Ann~then Bea~then Carl")}, false},
      {"after a swap each line is written with its own code", lastAnd28, D(2026, 12, 28),
       {SwapRow(kRowMonthly), Type(kRowMonthly, "Last Monday, moved")},
       {MakeLine(7, 12, "4298", "Last Monday, moved", "000013"), lastAnd28[1]}, false},
      // The line hidden behind a conflict follows its own text.
      {"shown emptied, hidden stays", {first, latest}, mon, {Type(kRowMonthly, "")}, {first}, true},
      {"shown edited, hidden unchanged", {first, latest}, mon, {Type(kRowMonthly, "First Monday!")},
       {first, MakeLine(7, 12, "8298", "First Monday!")}, false},
      {"hidden edited, shown emptied", {first, latest}, mon,
       {SwapRow(kRowMonthly), Type(kRowMonthly, "By date, edited"), SwapRow(kRowMonthly), Type(kRowMonthly, "")},
       {MakeLine(7, 1, "9998", "By date, edited", "010000")}, true},
      {"hidden emptied, shown kept", {first, latest}, mon,
       {SwapRow(kRowMonthly), Type(kRowMonthly, ""), SwapRow(kRowMonthly)}, {latest}, true},
      {"hidden only line breaks is an entry error", {first, latest}, mon,
       {SwapRow(kRowMonthly), Type(kRowMonthly, "\r\n"), SwapRow(kRowMonthly)}, {first, latest}, false,
       Outcome::EntryError},
      {"three conflicts leave the middle line alone",
       {MakeLine(7, 1, "9998", "One"), MakeLine(7, 2, "9998", "Two"), MakeLine(7, 3, "9998", "Three")}, mon,
       {Type(kRowMonthly, "Three!"), SwapRow(kRowMonthly), Type(kRowMonthly, "One!")},
       {MakeLine(7, 1, "9998", "One!"), MakeLine(7, 2, "9998", "Two"), MakeLine(7, 3, "9998", "Three!")}, false},
  };
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(c.name);
    Plant(c.stored);
    EntryRows rows = Open(c.day);
    for (const Step& s : c.steps) {
      if (s.kind == Step::Text) rows.SetText(s.row, s.text);
      if (s.kind == Step::Swap) rows.Swap(s.row);
      if (s.kind == Step::OptionA) rows.ChooseOptionA(s.row);
      if (s.kind == Step::OptionB) rows.ChooseOptionB(s.row, s.listIndex);
    }
    const auto result = rows.Write(store);
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(result.linesRemoved, c.removed);
    EXPECT_EQ(FileLines(), c.expected);
    EXPECT_EQ(store.EventCount, static_cast<int>(c.expected.size()));
  }
}

TEST_F(EntryWrite, OkWithoutEditsLeavesTheFileByteForByte) {
  // Friday 1 May 2026 holds a line of every kind, two monthly conflicts, reminders, a multi-line
  // text, a text with blanks at its ends and a line with an empty text.
  Plant({MakeLine(1, 5, "2026", "  Spaced  ", "020000"), MakeLine(1, 5, "2026", "Two~lines"),
         MakeLine(8, 5, "9996", "Every Friday"), MakeLine(1, 1, "9998", "First by date", "000103"),
         MakeLine(2, 1, "8698", "First Friday"), MakeLine(1, 2, "9989", "Quarterly"),
         MakeLine(1, 5, "9999", "Yearly", "010001"), MakeLine(3, 3, "2026", "Elsewhere"),
         MakeLine(1, 5, "2026", "")});
  const std::string before = Slurp(file);
  EntryRows rows = Open(D(2026, 5, 1));
  EXPECT_EQ(rows.Row(kRowMonthly).RowMatches, 2);
  EXPECT_EQ(rows.Write(store).outcome, Outcome::NothingChanged);
  rows.Swap(kRowMonthly);
  rows.Swap(kRowMonthly);
  EXPECT_EQ(rows.Write(store).outcome, Outcome::NothingChanged);
  EXPECT_EQ(Slurp(file), before);
}

TEST_F(EntryWrite, AChangedOptionTravelsWithItsLineThroughSwaps) {
  Plant({MakeLine(7, 12, "4298", "Last Monday"), MakeLine(28, 1, "9998", "On the 28th")});
  EntryRows rows = Open(D(2026, 12, 28));
  rows.ChooseOptionB(kRowMonthly, 3);  // the shown 28th becomes the fourth Monday
  rows.Swap(kRowMonthly);
  EXPECT_EQ(rows.Row(kRowMonthly).Shown.Code, "4298");
  rows.Swap(kRowMonthly);
  EXPECT_EQ(rows.Row(kRowMonthly).Shown.Code, "5298");
  ASSERT_EQ(rows.Write(store).outcome, Outcome::Saved);
  EXPECT_EQ(FileLines(), (std::vector<std::string>{MakeLine(7, 12, "4298", "Last Monday"),
                                                   MakeLine(28, 12, "5298", "On the 28th")}));
}

TEST_F(EntryWrite, AnEntryErrorChangesNothing) {
  Plant({MakeLine(10, 12, "2026", "Dentist"), MakeLine(10, 12, "9998", "Rent")});
  const std::string before = Slurp(file);
  const EventLines records = store.EventRecords;
  EntryRows rows = Open(D(2026, 12, 10));
  rows.SetText(kRowToday, "Dentist at ten");  // a good row before the bad one
  rows.SetText(kRowWeekly, "New weekly");
  rows.SetText(kRowMonthly, "\r\n\r\n");
  const auto result = rows.Write(store);
  EXPECT_EQ(result.outcome, Outcome::EntryError);
  EXPECT_EQ(result.failedRow, kRowMonthly);
  EXPECT_EQ(store.EventRecords, records);
  EXPECT_EQ(store.EventCount, 2);
  EXPECT_EQ(Slurp(file), before);
  // The rows keep the texts; mended, the same rows write once.
  EXPECT_EQ(rows.Row(kRowWeekly).Shown.Text, "New weekly");
  rows.SetText(kRowMonthly, "Rent");
  ASSERT_EQ(rows.Write(store).outcome, Outcome::Saved);
  EXPECT_EQ(FileLines(), (std::vector<std::string>{MakeLine(10, 12, "2026", "Dentist at ten"),
                                                   MakeLine(10, 12, "9998", "Rent"),
                                                   MakeLine(10, 12, "9995", "New weekly")}));
}

TEST_F(EntryWrite, AFailedSaveLosesNothing) {
  Plant({MakeLine(10, 12, "2026", "Dentist"), MakeLine(10, 12, "9998", "Rent")});
  const std::string before = Slurp(file);
  const EventLines records = store.EventRecords;
  EntryRows rows = Open(D(2026, 12, 10));
  rows.SetText(kRowToday, "");
  rows.SetText(kRowYearly, std::string(200, 'y'));
  {
    FileSizeLimit limit(before.size() + 20);  // the new file would be larger: the write fails part-way
    const auto result = rows.Write(store);
    EXPECT_EQ(result.outcome, Outcome::SaveFailed);
    EXPECT_FALSE(result.error.empty());
  }
  EXPECT_EQ(store.EventRecords, records);
  EXPECT_EQ(store.EventCount, 2);
  EXPECT_EQ(Slurp(file), before);

  // Tried again once the file can be written: the new row is added once.
  const auto result = rows.Write(store);
  ASSERT_EQ(result.outcome, Outcome::Saved);
  EXPECT_TRUE(result.linesRemoved);
  EXPECT_EQ(FileLines(), (std::vector<std::string>{MakeLine(10, 12, "9998", "Rent"),
                                                   MakeLine(10, 12, "9999", std::string(200, 'y'))}));
}

TEST_F(EntryWrite, AFullTableRefusesNewRowsAndTouchesNothing) {
  std::vector<std::string> lines;
  lines.reserve(kMaxEventLines);
  for (int i = 0; i < kMaxEventLines; ++i)
    lines.push_back(MakeLine(1 + i % 28, 1 + i % 12, "2025", "e" + std::to_string(i)));
  lines[0] = MakeLine(10, 12, "2026", "Dentist");
  Plant(lines);
  const std::string before = Slurp(file);
  EntryRows rows = Open(D(2026, 12, 10));
  rows.SetText(kRowWeekly, "One too many");
  EXPECT_EQ(rows.Write(store).outcome, Outcome::TableFull);
  EXPECT_EQ(store.EventCount, kMaxEventLines);
  EXPECT_EQ(Slurp(file), before);

  // Making room in the same OK lets it through.
  rows.SetText(kRowToday, "");
  ASSERT_EQ(rows.Write(store).outcome, Outcome::Saved);
  EXPECT_EQ(store.EventCount, kMaxEventLines);
  EXPECT_EQ(store.EventRecords[kMaxEventLines], MakeLine(10, 12, "9995", "One too many"));
}

// Clear All leaves the day without an event: whatever the box shows goes, also the lines no row
// can show (further one-offs, the hidden line of a conflict, the lines between the first and the
// last of three conflicts), in one save.
TEST_F(EntryWrite, ClearAllEmptiesTheDaysBox) {
  struct Case {
    const char* name;
    Date day;
    std::vector<std::string> onTheDay;   // every line of these stands in the day's box
    std::vector<std::string> elsewhere;  // lines of other days, which stay
  };
  const Case cases[] = {
      // Monday 21 December 2026, the third Monday.
      {"one-offs and three monthly conflicts", D(2026, 12, 21),
       {MakeLine(21, 12, "2026", "Dentist"), MakeLine(21, 1, "9998", "Club"), MakeLine(21, 12, "6298", "Chess"),
        MakeLine(21, 12, "2026", "Vet"), MakeLine(21, 3, "9998", "Choir")},
       {MakeLine(22, 12, "2026", "Tomorrow"), MakeLine(22, 1, "9998", "Other monthly")}},
      // Monday 28 December 2026, the fourth and last Monday: a weekly line on both stands twice.
      {"every other kind, with reminders and conflicts", D(2026, 12, 28),
       {MakeLine(28, 12, "2026", "Two~lines", "020000"), MakeLine(28, 12, "2026", ""),
        MakeLine(7, 12, "5992", "Fourth and last", "000101"), MakeLine(1, 1, "9992", "Every Monday"),
        MakeLine(28, 9, "9989", "Rent"), MakeLine(1, 3, "4289", "Board"), MakeLine(28, 12, "9999", "Birthday"),
        MakeLine(1, 12, "4299", "Dinner"), MakeLine(1, 12, "5299", "Party")},
       {MakeLine(7, 12, "8992", "First and second"), MakeLine(1, 1, "9993", "Every Tuesday"),
        MakeLine(28, 1, "9989", "Other quarter"), MakeLine(26, 12, "9999", "December")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> lines;
    // Interleaved, so that the lines that stay are not all at one end of the file.
    for (std::size_t i = 0; i < std::max(c.onTheDay.size(), c.elsewhere.size()); ++i) {
      if (i < c.elsewhere.size()) lines.push_back(c.elsewhere[i]);
      if (i < c.onTheDay.size()) lines.push_back(c.onTheDay[i]);
    }
    Plant(lines);
    const std::vector<int> shown = BoxOf(store.EventRecords, store.EventCount, c.day).lines;
    ASSERT_EQ(std::set<int>(shown.begin(), shown.end()).size(), c.onTheDay.size());

    EntryRows rows = Open(c.day);
    rows.ClearTexts();
    const auto result = rows.Write(store);
    ASSERT_EQ(result.outcome, Outcome::Saved);
    EXPECT_TRUE(result.linesRemoved);
    EXPECT_EQ(FileLines(), c.elsewhere);
    EXPECT_EQ(BoxOf(store.EventRecords, store.EventCount, c.day).text, "");
  }
}

// An OK that changes no line still reads the file again, so that what was changed outside the
// program comes in; it writes nothing. A file that cannot be read again says so.
TEST_F(EntryWrite, OkWithoutChangesReadsTheFileAgain) {
  Plant({MakeLine(10, 12, "2026", "Dentist")});
  EntryRows rows = Open(D(2026, 12, 10));
  // LF line ends and a line that is no event: a save would make them CR LF and move it.
  const std::string outside = MakeLine(10, 12, "2026", "Dentist") + "\nnot an event\n" +
                              MakeLine(11, 12, "2026", "Added outside") + "\n";
  Put(file, outside);
  const auto result = rows.Write(store);
  EXPECT_EQ(result.outcome, Outcome::NothingChanged);
  EXPECT_EQ(store.EventRecords[2], MakeLine(11, 12, "2026", "Added outside"));
  EXPECT_EQ(Slurp(file), outside);

  std::filesystem::remove(file);
  std::filesystem::create_directory(file);
  const EventLines records = store.EventRecords;
  const auto unreadable = rows.Write(store);
  EXPECT_EQ(unreadable.outcome, Outcome::NothingChanged);
  EXPECT_NE(unreadable.error, "");
  EXPECT_EQ(store.EventRecords, records);
}

TEST_F(EntryWrite, ALineChangedMeanwhileIsNotOverwritten) {
  Plant({MakeLine(10, 12, "2026", "Dentist")});
  EntryRows rows = Open(D(2026, 12, 10));
  rows.SetText(kRowToday, "Dentist at ten");
  store.EventRecords.Set(1, MakeLine(1, 1, "2027", "Someone else's"));
  const std::string before = Slurp(file);
  EXPECT_EQ(rows.Write(store).outcome, Outcome::SaveFailed);
  EXPECT_EQ(store.EventRecords[1], MakeLine(1, 1, "2027", "Someone else's"));
  EXPECT_EQ(Slurp(file), before);
}

}  // namespace
}  // namespace orlevant
