// Quick reminders: which line of a clicked day gets the code, and the four refusals.

#include "core/reminder_quick.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/events_file.h"
#include "core/settings.h"
#include "monthview/month_view.h"

namespace orlevant {
namespace {

EventStore Store(const std::vector<std::string>& lines) {
  EventStore store;
  for (const std::string& l : lines) AppendEvent(store, l);
  return store;
}

// What the month grid shows in a box of the month of `day` (by default the day's own box): its
// text and the lines it lists.
struct Box {
  std::string text;
  std::vector<int> lines;
};
Box BoxOf(const EventStore& events, Date day, Date today, int box = -1) {
  MonthView m;
  Settings s;
  m.SetToday(today);
  m.ShowMonthTitle(day, s);
  m.FillMonthGrid(day, s, events);
  const int b = box < 0 ? m.BoxOfDay(DayOf(day)) : box;
  return {m.DayCellText(b), m.BoxLines[static_cast<std::size_t>(b)]};
}

const Date kToday = DateSerial(2026, 5, 12);  // a Tuesday

struct Case {
  const char* name;
  std::vector<std::string> lines;
  Date clicked;
  std::string code;
  QuickReminderOutcome outcome;
  std::vector<std::string> after;  // the table afterwards
};

TEST(SetQuickReminder, FindsTheDaysOwnLineOrRefuses) {
  const Case cases[] = {
      {"one-off today, two days before", {"12/05/2026000000=Dentist"}, kToday, "020000", QuickReminderOutcome::Written,
       {"12/05/2026020000=Dentist"}},
      {"one-off yesterday", {"11/05/2026000000=Dentist"}, DateSerial(2026, 5, 11), "020000",
       QuickReminderOutcome::PastEvent, {"11/05/2026000000=Dentist"}},
      {"yearly on 25 December, another year shown", {"25/12/9999000000=Xmas"}, DateSerial(2027, 12, 25), "000100",
       QuickReminderOutcome::Written, {"25/12/9999000100=Xmas"}},
      {"weekly Thursday, found two weeks on", {"14/05/9995000000=Gym"}, DateSerial(2026, 5, 28), "000010",
       QuickReminderOutcome::Written, {"14/05/9995000010=Gym"}},
      {"weekly Thursday from the past, clicked on a later Thursday", {"01/01/9995000000=Gym"}, DateSerial(2026, 5, 21),
       "010000", QuickReminderOutcome::Written, {"01/01/9995010000=Gym"}},
      {"same-named weekly events: the Friday one is left alone",
       {"15/05/9996000000=Gym", "14/05/9995000000=Gym"}, DateSerial(2026, 5, 14), "030000",
       QuickReminderOutcome::Written, {"15/05/9996000000=Gym", "14/05/9995030000=Gym"}},
      {"same text on another one-off day is left alone", {"13/05/2026000000=Call", "14/05/2026000000=Call"},
       DateSerial(2026, 5, 14), "000300", QuickReminderOutcome::Written,
       {"13/05/2026000000=Call", "14/05/2026000300=Call"}},
      {"monthly on the last Friday", {"29/05/4698000000=Report"}, DateSerial(2026, 6, 26), "000200",
       QuickReminderOutcome::Written, {"29/05/4698000200=Report"}},
      {"quarterly first Monday, outside its anchor month", {"02/02/8289000000=Audit"}, DateSerial(2026, 5, 4), "000030",
       QuickReminderOutcome::Written, {"02/02/8289000030=Audit"}},
      {"two events", {"12/05/2026000000=A", "12/05/2026000000=B"}, kToday, "020000",
       QuickReminderOutcome::MultipleEvents, {"12/05/2026000000=A", "12/05/2026000000=B"}},
      // The box lists its events; the lines of one event's text are still one event.
      {"one event over two lines", {"24/12/2026000000=Two~lines"}, DateSerial(2026, 12, 24), "020000",
       QuickReminderOutcome::Written, {"24/12/2026020000=Two~lines"}},
      {"one event over three lines, one of them blank", {"12/05/2026000000=A~ ~C"}, kToday, "000100",
       QuickReminderOutcome::Written, {"12/05/2026000100=A~ ~C"}},
      {"a weekly event over two lines, two weeks on", {"14/05/9995000000=Gym~Hall 2"}, DateSerial(2026, 5, 28),
       "000010", QuickReminderOutcome::Written, {"14/05/9995000010=Gym~Hall 2"}},
      {"an event over two lines beside another", {"12/05/2026000000=A~B", "12/05/2026000000=C"}, kToday, "020000",
       QuickReminderOutcome::MultipleEvents, {"12/05/2026000000=A~B", "12/05/2026000000=C"}},
      {"an event over two lines whose newest has a reminder", {"12/05/2026000000=C", "12/05/2026010000=A~B"}, kToday,
       "020000", QuickReminderOutcome::ReminderSet, {"12/05/2026000000=C", "12/05/2026010000=A~B"}},
      {"the newest already has a reminder", {"12/05/2026000000=A", "12/05/2026010000=B"}, kToday, "020000",
       QuickReminderOutcome::ReminderSet, {"12/05/2026000000=A", "12/05/2026010000=B"}},
      {"empty day", {"13/05/2026000000=A"}, kToday, "020000", QuickReminderOutcome::NoEvent, {"13/05/2026000000=A"}},
      // A text of its own that begins with a dot looks like the reminder mark in the box.
      {"a text beginning with a dot, no reminder", {"12/05/2026000000=.NET meeting"}, kToday, "000100",
       QuickReminderOutcome::Written, {"12/05/2026000100=.NET meeting"}},
      {"a text beginning with a dot, with a reminder", {"12/05/2026010000=.NET meeting"}, kToday, "000100",
       QuickReminderOutcome::ReminderSet, {"12/05/2026010000=.NET meeting"}},
      {"a dotted text newest, another event after it", {"12/05/2026000000=A", "12/05/2026000000=.B"}, kToday,
       "000100", QuickReminderOutcome::MultipleEvents, {"12/05/2026000000=A", "12/05/2026000000=.B"}},
      // ".x" without a reminder and "x" with one both stand as ".x" in the box: the newest decides.
      {"newest has a reminder, an older text begins with a dot", {"12/05/2026000000=.x", "12/05/2026010000=x"},
       kToday, "000100", QuickReminderOutcome::ReminderSet, {"12/05/2026000000=.x", "12/05/2026010000=x"}},
      // The box shows a line break where the line holds "~".
      {"a text beginning with a line break", {"12/05/2026000000=~Blank first line"}, kToday, "020000",
       QuickReminderOutcome::Written, {"12/05/2026020000=~Blank first line"}},
      {"a text ending with a line break", {"14/05/9995000000=Eve~"}, DateSerial(2026, 5, 21), "000100",
       QuickReminderOutcome::Written, {"14/05/9995000100=Eve~"}},
      {"a line break first, dated yesterday", {"11/05/2026000000=~Dentist"}, DateSerial(2026, 5, 11), "020000",
       QuickReminderOutcome::PastEvent, {"11/05/2026000000=~Dentist"}},
      {"one event with an empty text", {"12/05/2026000000="}, kToday, "010000", QuickReminderOutcome::Written,
       {"12/05/2026010000="}},
      {"an empty text beside another event", {"12/05/2026000000=", "12/05/2026000000=A"}, kToday, "010000",
       QuickReminderOutcome::MultipleEvents, {"12/05/2026000000=", "12/05/2026000000=A"}},
      // Columns are characters: a hand-typed line with letters of several bytes before its "=".
      {"Greek letters in the reminder columns", {"12/05/2026\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1=Trip"},
       kToday, "000200", QuickReminderOutcome::Written, {"12/05/2026000200=Trip"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EventStore events = Store(c.lines);
    const Box box = BoxOf(events, c.clicked, kToday);
    const QuickReminderResult r = SetQuickReminder(events, box.text, box.lines, c.clicked, kToday, c.code);
    EXPECT_EQ(r.outcome, c.outcome);
    ASSERT_EQ(events.EventCount, static_cast<int>(c.after.size()));
    for (std::size_t i = 0; i < c.after.size(); ++i) EXPECT_EQ(events.EventRecords[i + 1], c.after[i]);
    if (r.outcome == QuickReminderOutcome::Written) {
      EXPECT_EQ(r.previousLine, c.lines[static_cast<std::size_t>(r.eventIndex) - 1]);
    }
  }
}

TEST(SetQuickReminder, ALineThatCannotBeTracedIsLeftWithoutAWord) {
  // A box filled before its line changed.
  EventStore events = Store({"12/05/2026000000=Dentist"});
  const QuickReminderResult r =
      SetQuickReminder(events, "\r\nSomething else", std::vector<int>{1}, kToday, kToday, "010000");
  EXPECT_EQ(r.outcome, QuickReminderOutcome::NotFound);
  EXPECT_EQ(events.EventRecords[1], "12/05/2026000000=Dentist");
  EXPECT_TRUE(QuickReminderMessage(r.outcome, "\r\nSomething else", "May 12, 2026").empty());
}

TEST(SetQuickReminder, ABoxOfTheNeighbouringMonthsHasNoEvent) {
  // May 2026 with weeks from Sunday: box 0 is 26 April, greyed, its text a bare line break, even
  // though 26 April has an event in its own month.
  EventStore events = Store({"26/04/2026000000=A"});
  const Box box = BoxOf(events, kToday, kToday, 0);
  ASSERT_EQ(box.text, "\r\n");
  EXPECT_EQ(SetQuickReminder(events, box.text, box.lines, DateSerial(2026, 4, 26), kToday, "010000").outcome,
            QuickReminderOutcome::NoEvent);
  EXPECT_EQ(events.EventRecords[1], "26/04/2026000000=A");
}

TEST(QuickReminderCodes, NineItems) {
  const std::string expected[3][3] = {{"010000", "020000", "030000"}, {"000100", "000200", "000300"},
                                      {"000010", "000020", "000030"}};
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(QuickDaysCode(n), expected[0][n - 1]);
    EXPECT_EQ(QuickHoursCode(n), expected[1][n - 1]);
    EXPECT_EQ(QuickMinutesCode(n), expected[2][n - 1]);
  }
}

TEST(QuickReminderMessage, TheFourRefusalsWordForWord) {
  const std::string head = "...\r\nA\r\nB\r\non... May 12, 2026\r\n______________________________          \r\n\r\n";
  const std::string ten = "          ";
  struct Msg {
    QuickReminderOutcome outcome;
    std::string kind;
    std::string body;
  };
  const Msg msgs[] = {
      {QuickReminderOutcome::MultipleEvents, "Multiple Events",
       "Since this day has Multiple Events you" + ten + "\r\nmay not use Quick Reminders." + ten +
           "\r\n\r\nYou must apply the Reminder using the" + ten + "\r\nReminders Dialog Box.\r\n\r\n"},
      {QuickReminderOutcome::ReminderSet, "Reminder Set",
       "Since this Event already has a Reminder" + ten + "\r\nyou may not use Quick Reminders." + ten +
           "\r\n\r\nYou must edit the Reminder using the" + ten + "\r\nReminders Dialog Box.\r\n\r\n"},
      {QuickReminderOutcome::PastEvent, "Past Event",
       "Since this Event has passed and is not" + ten + "\r\na Weekly, Monthly, Quarterly or Yearly Event" + ten +
           "\r\nno Reminder will be set.\r\n\r\n"},
      {QuickReminderOutcome::NoEvent, "No Event",
       "Since there is no Event for this day" + ten + "\r\nan Event Reminder will not be set." + ten + "\r\n\r\n"},
  };
  for (const Msg& m : msgs) {
    SCOPED_TRACE(m.kind);
    EXPECT_EQ(QuickReminderKind(m.outcome), m.kind);
    EXPECT_EQ(QuickReminderMessage(m.outcome, "\r\nA\r\nB", "May 12, 2026"), m.kind + head + m.body);
  }
}

}  // namespace
}  // namespace orlevant
