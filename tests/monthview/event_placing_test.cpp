#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/event_line.h"
#include "month_test_support.h"
#include "support/calendar_oracle.h"

namespace orlevant {
namespace {

using testing::MakeLine;
using testing::MakeView;
using testing::Records;
using testing::ShowMonth;

// A box's text as its recorded lines give it: each line newest first after a line break, marked
// when it has a reminder, "~" shown as a line break.
std::string TextOfLines(const std::vector<int>& lines, const EventLines& records) {
  std::string text;
  for (int i : lines) {
    text += "\r\n";
    if (HasReminder(records[static_cast<std::size_t>(i)])) text += ".";
    text += TildesToLineBreaks(TextField(records[static_cast<std::size_t>(i)]));
  }
  return text;
}

// Every kind of line on every day of three years, for every first day of the week: each box must
// hold exactly the events the calendar oracle names for its day, newest first, each as often as
// it is named, marked when it has a reminder; boxes outside the month hold nothing.
TEST(EventPlacing, EveryKindOfLineOnEveryMonthAndFirstDayMatchesTheOracle) {
  struct Probe { std::string line, piece; bool marked; };
  std::vector<Probe> probes;
  std::vector<std::string> lines;
  const char* const reminders[] = {"000000", "010000", "00000x"};  // a damaged code is no reminder
  for (const std::string& field : testing::EveryKindOfField()) {
    const std::size_t i = probes.size();
    const std::string text = "E" + std::to_string(i);
    probes.push_back({field + reminders[i % 3] + "=" + text, "\r\n" + std::string(i % 3 == 1 ? "." : "") + text,
                      i % 3 == 1});
    lines.push_back(probes.back().line);
    if (i % 50 == 0) lines.push_back("");  // deleted lines are skipped
  }
  probes.push_back({"10/05/9998", "\r\n", false});  // short: no reminder, no text
  lines.push_back(probes.back().line);
  const auto records = Records(lines);

  for (int year = 2026; year <= 2028; ++year) {
    for (int month = 1; month <= 12; ++month) {
      std::vector<std::string> want(32);
      std::vector<bool> icon(32, false);
      for (int day = 1; day <= DaysInMonthOf(year, month); ++day)
        for (const Probe& p : probes)
          for (int k = testing::OracleTimesOn(p.line, DateSerial(year, month, day)); k > 0; --k) {
            want[day] = p.piece + want[day];
            icon[day] = icon[day] || p.marked;
          }
      for (int firstDay = 1; firstDay <= 7; ++firstDay) {
        SCOPED_TRACE(::testing::Message() << year << "-" << month << " FirstDay " << firstDay);
        MonthView view = MakeView(DateSerial(2030, 1, 1));
        Settings s;
        s.FirstDay = firstDay;
        ShowMonth(view, DateSerial(year, month, 1), s, records);
        for (int box = 0; box < 42; ++box) {
          const int day = view.DayOfBox(box);
          const bool inMonth = day >= 1 && day <= DaysInMonthOf(year, month);
          ASSERT_EQ(view.DayCellText(box), inMonth ? want[day] : "\r\n") << "box " << box << " day " << day;
          ASSERT_EQ(TextOfLines(view.BoxLines[box], records), inMonth ? want[day] : "") << "box " << box;
          ASSERT_EQ(view.imgRemind[box].Visible, inMonth && icon[day]) << "box " << box;
        }
      }
    }
  }
}

TEST(DayCellText, NewestFirstWithMarksLineBreaksTooltipsAndTodaysEvents) {
  const auto records = Records({
      MakeLine(12, 5, "2026", "Dentist"),
      MakeLine(12, 5, "2026", "Pick up~the car", "010000"),
      MakeLine(12, 1, "9998", "Rent"),
      MakeLine(11, 5, "2026", "Other day", "000100"),
      MakeLine(12, 5, "2026", "", "000010"),  // reminder with no text
      MakeLine(12, 5, "2026", "~a~~b~"),      // breaks first, last and side by side
  });
  const std::string expected = "\r\n\r\na\r\n\r\nb\r\n\r\n.\r\nRent\r\n.Pick up\r\nthe car\r\nDentist";
  for (int tips : {0, 1}) {
    SCOPED_TRACE(tips);
    MonthView view = MakeView(DateSerial(2026, 5, 12));
    Settings s;
    s.ShowToolTips = tips;
    ShowMonth(view, DateSerial(2026, 5, 1), s, records);
    const int box = view.BoxOfDay(12);
    EXPECT_EQ(view.DayCellText(box), expected);
    EXPECT_TRUE(view.imgRemind[box].Visible);
    EXPECT_EQ(view.lblData[box].ToolTipText, tips ? expected.substr(2) : "");
    EXPECT_EQ(view.lblDay[box].ToolTipText, tips ? expected.substr(2) : "");
    EXPECT_EQ(view.TodayEvents, expected.substr(2));
  }
}

TEST(DayCellText, ColoursOfBoxesWithEvents) {
  Settings s;
  s.BackGroundDay = 1, s.BackGroundData = 2, s.ForeGroundDay = 3, s.ForeGroundData = 4;
  s.BackGroundEntry = 5, s.ForeGroundEntry = 6, s.BackGroundToday = 7, s.ForeGroundToday = 8;
  MonthView view = MakeView(DateSerial(2026, 5, 12));
  ShowMonth(view, DateSerial(2026, 5, 1), s, Records({MakeLine(12, 5, "2026", "a"), MakeLine(13, 5, "2026", "b")}));
  // Day: back, fore of the day label, then back, fore of the events label.
  struct Case { int day; std::uint32_t dayBack, dayFore, dataBack, dataFore; };
  const Case cases[] = {{12, 7, 3, 7, 8}, {13, 5, 3, 5, 6}, {14, 1, 3, 2, 4}};
  for (const Case& c : cases) {
    const int box = view.BoxOfDay(c.day);
    EXPECT_EQ(view.lblDay[box].BackColor, c.dayBack) << c.day;
    EXPECT_EQ(view.lblDay[box].ForeColor, c.dayFore) << c.day;
    EXPECT_EQ(view.lblData[box].BackColor, c.dataBack) << c.day;
    EXPECT_EQ(view.lblData[box].ForeColor, c.dataFore) << c.day;
  }
}

TEST(TodayEvents, OnlyAfterAPassOverTheCurrentMonth) {
  const auto records = Records(
      {MakeLine(12, 5, "2026", "Dentist"), MakeLine(12, 6, "2026", "June"), MakeLine(12, 1, "9998", "Rent", "010000")});
  struct Case { Date today, shown; std::string expected; };
  const Case cases[] = {
      {DateSerial(2026, 5, 12), DateSerial(2026, 5, 1), ".Rent\r\nDentist"},
      {DateSerial(2026, 5, 12), DateSerial(2026, 6, 1), ""},  // another month with the same day
      {DateSerial(2026, 5, 12), DateSerial(2027, 5, 1), ""},  // the same month a year later
      {DateSerial(2026, 5, 13), DateSerial(2026, 5, 1), ""},
      {DateSerial(2026, 6, 12), DateSerial(2026, 6, 30), ".Rent\r\nJune"},
  };
  for (const Case& c : cases) {
    MonthView view = MakeView(c.today);
    view.TodayEvents = "stale";
    Settings s;
    ShowMonth(view, c.shown, s, records);
    EXPECT_EQ(view.TodayEvents, c.expected) << FormatDayMonthYear(c.shown);
  }
}

TEST(AddEventToDay, DaysAndLinesOutsideTheShownMonthOrTheTableAreIgnored) {
  MonthView view = MakeView(DateSerial(2030, 1, 1));
  Settings s;
  const auto records = Records({MakeLine(1, 2, "2026", "x")});
  ShowMonth(view, DateSerial(2026, 2, 1), s, Records({}));  // February 2026, Sunday first: no leading boxes
  const MonthView before = view;
  for (int day : {0, -40, 29, 42, 1000}) view.AddEventToDay(s, records, 1, day);
  for (int index : {-1, 2, 99}) view.AddEventToDay(s, records, index, 3);
  for (int box = 0; box < 42; ++box) {
    EXPECT_EQ(view.DayCellText(box), before.DayCellText(box)) << box;
    EXPECT_EQ(view.lblDay[box].BackColor, before.lblDay[box].BackColor) << box;
  }
  // The first event of a box decides its icon afresh.
  view.imgRemind[view.BoxOfDay(3)].Visible = true;
  view.AddEventToDay(s, records, 1, 3);
  view.AddEventToDay(s, records, 1, 3);
  EXPECT_EQ(view.DayCellText(view.BoxOfDay(3)), "\r\nx\r\nx");
  EXPECT_FALSE(view.imgRemind[view.BoxOfDay(3)].Visible);
}

// A box's text is made when first asked for, but always says what was placed: a table changed
// afterwards (an edit saved, the month not yet filled again) changes no box, and a later pass from
// the changed table adds its events in front of the old text.
TEST(EventPlacing, TheTextIsWhatWasPlacedWhateverTheTableBecomesAfter) {
  MonthView view = MakeView(DateSerial(2026, 5, 1));
  Settings s;
  EventLines records = Records({MakeLine(4, 5, "2026", "Dentist", "010000"), MakeLine(4, 5, "2026", "Two~lines")});
  ShowMonth(view, DateSerial(2026, 5, 1), s, records);
  const int box = view.BoxOfDay(4);
  EXPECT_EQ(view.LeadingCellText(box, 1), "\r\nTwo\r\nlines");
  records.Set(1, MakeLine(4, 5, "2026", "Changed"));
  records.Set(2, "");
  EXPECT_EQ(view.DayCellText(box), "\r\nTwo\r\nlines\r\n.Dentist");
  EXPECT_EQ(view.LeadingCellText(box, 99), view.DayCellText(box));
  view.AddEventToDay(s, records, 1, 4);
  EXPECT_EQ(view.DayCellText(box), "\r\nChanged\r\nTwo\r\nlines\r\n.Dentist");
  EXPECT_EQ(view.LeadingCellText(box, 1), "\r\nChanged");
}

TEST(EventPlacing, CountBeyondTheTableAndDeletedLinesAreSafe) {
  MonthView view = MakeView(DateSerial(2030, 1, 1));
  Settings s;
  const auto records = Records({MakeLine(4, 5, "2026", "a"), "", MakeLine(4, 5, "2026", "c")});
  struct Case { const EventLines* records; int count; std::string text; };
  const EventLines none;
  const Case cases[] = {{&records, 99, "\r\nc\r\na"}, {&records, 1, "\r\na"}, {&none, 5, ""}};
  view.ShowMonthTitle(DateSerial(2026, 5, 1), s);
  for (const Case& c : cases) {
    view.FillMonthGrid(DateSerial(2026, 5, 1), s, *c.records, c.count);
    EXPECT_EQ(view.DayCellText(view.BoxOfDay(4)), c.text) << c.count;
  }
}

TEST(BoxLines, NameTheLinesOfEachBoxAcrossPassesAndAreClearedByAFill) {
  const auto records = Records({
      MakeLine(12, 5, "2026", "Same name", "010000"),  // 1
      MakeLine(13, 5, "2026", "Same name"),            // 2: same text, other day
      MakeLine(12, 1, "9998", "Rent"),                 // 3: monthly
      "",                                              // 4: deleted
      MakeLine(12, 5, "2026", "Two~lines", "000100"),  // 5
  });
  MonthView view = testing::MakeView(DateSerial(2026, 5, 12));
  Settings s;
  ShowMonth(view, DateSerial(2026, 5, 1), s, records);
  const int twelfth = view.BoxOfDay(12);
  // A second pass without a fill adds onto the boxes as they stand, its lines first, as the text
  // and today's events do.
  view.PlaceMonthEvents(s, records, 5);
  EXPECT_EQ(view.BoxLines[twelfth], (std::vector<int>{5, 3, 1, 5, 3, 1}));
  EXPECT_EQ(TextOfLines(view.BoxLines[twelfth], records), view.DayCellText(twelfth));
  EXPECT_EQ(view.TodayEvents, view.DayCellText(twelfth).substr(2));
  EXPECT_EQ(view.DayCellText(view.BoxOfDay(13)), "\r\nSame name\r\nSame name");
  view.AddEventToDay(s, records, 2, 12);
  EXPECT_EQ(view.BoxLines[twelfth].front(), 2);

  // Another month: nothing of May is left behind.
  ShowMonth(view, DateSerial(2026, 6, 1), s, records);
  EXPECT_EQ(view.BoxLines[view.BoxOfDay(12)], (std::vector<int>{3}));
  for (int box = 0; box < 42; ++box) EXPECT_TRUE(box == view.BoxOfDay(12) || view.BoxLines[box].empty()) << box;
}

}  // namespace
}  // namespace orlevant
