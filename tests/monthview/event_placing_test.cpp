#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/date_engine.h"
#include "core/event_line.h"
#include "month_test_support.h"

namespace orlevant {
namespace {

using testing::MakeLine;
using testing::MakeView;
using testing::Records;
using testing::ShowMonth;

// ------------------------------------------------------------------ the oracle
// What a person with a printed calendar would say: for each day of the month its week of the
// month (days 1-7 the first, 8-14 the second ...) and whether it is the last such weekday.

struct OracleMonth {
  int year, month, days;
  int WeekOf(int day) const { return (day - 1) / 7 + 1; }
  bool IsLastOfItsWeekday(int day) const { return day + 7 > days; }
  int Weekday(int day) const {
    const std::chrono::sys_days d{std::chrono::year{year} / month / day};
    return static_cast<int>(std::chrono::weekday{d}.c_encoding()) + 1;
  }
};

OracleMonth MakeOracleMonth(int year, int month) {
  const std::chrono::year_month_day_last last{std::chrono::year{year},
                                              std::chrono::month_day_last{std::chrono::month(month)}};
  return {year, month, static_cast<int>(static_cast<unsigned>(last.day()))};
}

// A named week: 1..4, or 0 for the last.
constexpr int kLast = 0;

// How often a line names day x: once per named week that x is.
int TimesNamed(const OracleMonth& m, int x, int weekday, const std::vector<int>& weeks) {
  if (m.Weekday(x) != weekday) return 0;
  int n = 0;
  for (int w : weeks) n += (w == kLast) ? m.IsLastOfItsWeekday(x) : m.WeekOf(x) == w;
  return n;
}

// The test's own reading of the 20 combinations (by their texts, not the program's table).
const std::map<std::string, std::vector<int>> kCombinationWeeks = {
    {"89", {1, 2}},    {"88", {1, 2, 3}},    {"87", {1, 2, 4}}, {"86", {1, 2, kLast}}, {"85", {1, 3}},
    {"84", {1, 3, 4}}, {"83", {1, 3, kLast}}, {"82", {1, 4}},   {"81", {1, 4, kLast}}, {"80", {1, kLast}},
    {"79", {2, 3}},    {"78", {2, 3, 4}},    {"77", {2, 3, kLast}}, {"76", {2, 4}},    {"75", {2, 4, kLast}},
    {"74", {2, kLast}}, {"69", {3, 4}},      {"68", {3, 4, kLast}}, {"67", {3, kLast}}, {"59", {4, kLast}},
};

std::vector<int> WeeksOfOrdinal(int ordinalDigit) {
  if (ordinalDigit == 4) return {kLast};
  return {8 - ordinalDigit + 1};  // 8 First .. 5 Fourth
}

// A test line and the rule that says how often it stands on each day of a month.
struct Probe {
  std::string line;
  std::string text;
  bool reminder = false;
  // times[day] for the month asked; index 0 unused.
  std::function<std::vector<int>(const OracleMonth&)> days;
};

std::vector<int> None(const OracleMonth& m) { return std::vector<int>(m.days + 1, 0); }

std::vector<Probe> MakeProbes() {
  std::vector<Probe> probes;
  int serial = 0;
  auto add = [&](int day, int month, std::string code, std::function<std::vector<int>(const OracleMonth&)> days) {
    Probe p;
    p.text = "E" + std::to_string(++serial);
    p.reminder = serial % 3 == 0;
    p.line = MakeLine(day, month, code, p.text, p.reminder ? "010000" : "000000");
    p.days = std::move(days);
    probes.push_back(std::move(p));
  };
  auto onDayIf = [](int d, bool when) {
    return [d, when](const OracleMonth& m) {
      auto v = None(m);
      if (when && d >= 1 && d <= m.days) v[d] = 1;
      return v;
    };
  };
  auto nthIn = [](int ordinal, int weekday, std::function<bool(const OracleMonth&)> monthOk) {
    return [=](const OracleMonth& m) {
      auto v = None(m);
      if (!monthOk(m)) return v;
      for (int x = 1; x <= m.days; ++x) v[x] = TimesNamed(m, x, weekday, WeeksOfOrdinal(ordinal));
      return v;
    };
  };

  // One-off events on assorted days of the months around the ones shown.
  for (int year = 2026; year <= 2028; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day : {1, 13, 28, 29, 30, 31}) {
        if (day > MakeOracleMonth(year, month).days) continue;
        add(day, month, std::to_string(year), [=](const OracleMonth& m) {
          auto v = None(m);
          if (m.year == year && m.month == month) v[day] = 1;
          return v;
        });
      }
    }
  }
  for (int month = 1; month <= 12; ++month) {
    // Yearly on the anchor day (29 February only in leap years), and on an nth weekday.
    for (int day : {1, 29, 30, 31}) {
      if (day > MakeOracleMonth(2028, month).days) continue;
      add(day, month, "9999", [=](const OracleMonth& m) {
        auto v = None(m);
        if (m.month == month && day <= m.days) v[day] = 1;
        return v;
      });
    }
    for (int ordinal = 4; ordinal <= 8; ++ordinal)
      for (int weekday = 1; weekday <= 7; ++weekday)
        add(3, month, std::to_string(ordinal) + std::to_string(weekday) + "99",
            nthIn(ordinal, weekday, [=](const OracleMonth& m) { return m.month == month; }));
    // Quarterly on the anchor day, the last day of a shorter quarter month.
    for (int day : {1, 15, 28, 29, 30, 31}) {
      if (day > MakeOracleMonth(2028, month).days) continue;
      add(day, month, "9989", [=](const OracleMonth& m) {
        auto v = None(m);
        if ((m.month - month + 12) % 3 == 0) v[std::min(day, m.days)] = 1;
        return v;
      });
    }
  }
  // Quarterly on an nth weekday, for each of the three quarter cycles.
  for (int anchor = 1; anchor <= 3; ++anchor)
    for (int ordinal = 4; ordinal <= 8; ++ordinal)
      for (int weekday = 1; weekday <= 7; ++weekday)
        add(9, anchor + 3 * (weekday % 4), std::to_string(ordinal) + std::to_string(weekday) + "89",
            nthIn(ordinal, weekday, [=](const OracleMonth& m) { return (m.month - anchor + 12) % 3 == 0; }));
  // Monthly on every day number, and on every nth weekday.
  for (int day = 1; day <= 31; ++day) add(day, 1, "9998", onDayIf(day, true));
  for (int ordinal = 4; ordinal <= 8; ++ordinal)
    for (int weekday = 1; weekday <= 7; ++weekday)
      add(14, 7, std::to_string(ordinal) + std::to_string(weekday) + "98",
          nthIn(ordinal, weekday, [](const OracleMonth&) { return true; }));
  // Weekly: every week, and all 20 combinations, on every weekday.
  for (int weekday = 1; weekday <= 7; ++weekday) {
    add(5, 1, "99" + std::string("9") + std::to_string(weekday), [=](const OracleMonth& m) {
      auto v = None(m);
      for (int x = 1; x <= m.days; ++x) v[x] = m.Weekday(x) == weekday;
      return v;
    });
    for (const auto& [code, weeks] : kCombinationWeeks) {
      add(6, 2, code + "9" + std::to_string(weekday), [=, weeks = weeks](const OracleMonth& m) {
        auto v = None(m);
        for (int x = 1; x <= m.days; ++x) v[x] = TimesNamed(m, x, weekday, weeks);
        return v;
      });
    }
  }
  // Lines that belong to no day: an unknown tail, weekday or ordinal digit, a week list that is
  // not one of the 20, and short or damaged lines.
  for (std::string code : {"9990", "9900", "8099", "9399", "8998", "0498", "9389", "7392", "6092", "9092"})
    add(10, 5, code, None);
  probes.push_back({"10/05/9998", "", false, onDayIf(10, true)});  // no reminder, no text: an empty line
  probes.push_back({"xx/05/9998000000=Bad day", "Bad day", false, None});
  // A quarterly line whose anchor month is no month has no quarter months at all.
  probes.push_back({"10/00/9989000000=Month 00", "Month 00", false, None});
  probes.push_back({"10/13/9989000000=Month 13", "Month 13", false, None});
  probes.push_back({"10/xx/9989000000=Month xx", "Month xx", false, None});
  return probes;
}

// Splits a DayCellText into its events (each after a CR LF), newest first.
std::vector<std::string> SplitCell(const std::string& caption) {
  std::vector<std::string> parts;
  if (caption.empty()) return parts;
  EXPECT_EQ(caption.substr(0, 2), "\r\n");
  std::size_t from = 2;
  while (true) {
    const std::size_t next = caption.find("\r\n", from);
    parts.push_back(caption.substr(from, next == std::string::npos ? std::string::npos : next - from));
    if (next == std::string::npos) break;
    from = next + 2;
  }
  return parts;
}

TEST(EventPlacing, EveryKindOfLineOnEveryMonthAndFirstDayMatchesTheOracle) {
  const std::vector<Probe> probes = MakeProbes();
  std::vector<std::string> lines;
  std::map<std::string, std::size_t> byText;
  for (std::size_t i = 0; i < probes.size(); ++i) {
    lines.push_back(probes[i].line);
    if (!probes[i].text.empty()) byText[probes[i].text] = i;
    if (i % 50 == 0) lines.push_back("");  // deleted lines are skipped
  }
  const std::vector<std::string> records = Records(lines);

  for (int year = 2026; year <= 2028; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const OracleMonth om = MakeOracleMonth(year, month);
      std::vector<std::vector<int>> expected;
      for (const Probe& p : probes) expected.push_back(p.days(om));
      for (int firstDay = 1; firstDay <= 7; ++firstDay) {
        SCOPED_TRACE(::testing::Message() << year << "-" << month << " FirstDay " << firstDay);
        MonthView view = MakeView(DateSerial(2030, 1, 1));
        Settings s;
        s.FirstDay = firstDay;
        ShowMonth(view, DateSerial(year, month, 1), s, records);

        std::vector<std::vector<int>> actual(probes.size(), std::vector<int>(om.days + 1, 0));
        int emptyEvents = 0;
        for (int box = 0; box < 42; ++box) {
          const int day = view.DayOfBox(box);
          const std::vector<std::string> parts = SplitCell(view.DayCellText(box));
          if (day < 1 || day > om.days) {
            ASSERT_EQ(view.DayCellText(box), "\r\n") << "box " << box;
            ASSERT_FALSE(view.imgRemind[box].Visible) << "box " << box;
            continue;
          }
          bool anyReminder = false;
          std::size_t previous = probes.size();
          for (std::string part : parts) {
            if (part.empty()) {  // the line with no text
              ++emptyEvents;
              continue;
            }
            const bool marked = part[0] == '.';
            if (marked) part.erase(0, 1);
            const auto found = byText.find(part);
            ASSERT_NE(found, byText.end()) << "box " << box << " shows \"" << part << "\"";
            const std::size_t index = found->second;
            ASSERT_EQ(marked, probes[index].reminder) << part;
            ASSERT_LE(index, previous) << "newest first in box " << box;
            previous = index;
            anyReminder |= marked;
            ++actual[index][day];
          }
          ASSERT_EQ(view.imgRemind[box].Visible, anyReminder) << "box " << box;
        }
        EXPECT_EQ(emptyEvents, 1);
        for (std::size_t i = 0; i < probes.size(); ++i) {
          if (probes[i].text.empty()) continue;
          ASSERT_EQ(actual[i], expected[i]) << probes[i].line;
        }
      }
    }
  }
}

TEST(EventPlacing, FourthAndLastOnOneDayShowTheEventTwice) {
  // February 2026 has four Mondays (2, 9, 16, 23): the fourth is also the last.
  MonthView view = MakeView(DateSerial(2030, 1, 1));
  Settings s;
  for (std::string code : {"81", "75", "68", "59"}) {
    ShowMonth(view, DateSerial(2026, 2, 1), s, Records({MakeLine(2, 2, code + "92", "Club")}));
    EXPECT_EQ(view.DayCellText(view.BoxOfDay(23)), "\r\nClub\r\nClub") << code;
  }
  ShowMonth(view, DateSerial(2026, 2, 1), s, Records({MakeLine(2, 2, "8192", "Club")}));
  EXPECT_EQ(view.DayCellText(view.BoxOfDay(2)), "\r\nClub");
  EXPECT_EQ(view.DayCellText(view.BoxOfDay(9)), "");
  // March 2026 has five Mondays: the fourth (23rd) and the last (30th) are two days.
  ShowMonth(view, DateSerial(2026, 3, 1), s, Records({MakeLine(2, 2, "8192", "Club")}));
  EXPECT_EQ(view.DayCellText(view.BoxOfDay(23)), "\r\nClub");
  EXPECT_EQ(view.DayCellText(view.BoxOfDay(30)), "\r\nClub");
}

TEST(EventPlacing, ExamplesOfTheDayRules) {
  struct Case {
    const char* name;
    std::string line;
    int year, month, firstDay;
    std::set<int> days;
  };
  const Case cases[] = {
      {"one-off in May", MakeLine(12, 5, "2026", "x"), 2026, 5, 1, {12}},
      {"one-off of another year", MakeLine(12, 5, "2025", "x"), 2026, 5, 1, {}},
      {"yearly 29 Feb, no leap year", MakeLine(29, 2, "9999", "x"), 2027, 2, 1, {}},
      {"yearly 29 Feb, leap year", MakeLine(29, 2, "9999", "x"), 2028, 2, 1, {29}},
      {"quarterly 31st from January: April", MakeLine(31, 1, "9989", "x"), 2026, 4, 1, {30}},
      {"quarterly 31st from January: July", MakeLine(31, 1, "9989", "x"), 2026, 7, 1, {31}},
      {"quarterly 31st from August: February", MakeLine(31, 8, "9989", "x"), 2026, 2, 1, {28}},
      {"quarterly 31st from August: May", MakeLine(31, 8, "9989", "x"), 2026, 5, 1, {31}},
      {"quarterly 31st from August: June", MakeLine(31, 8, "9989", "x"), 2026, 6, 1, {}},
      {"monthly 31st in June", MakeLine(31, 1, "9998", "x"), 2026, 6, 1, {}},
      {"monthly 31st in July", MakeLine(31, 1, "9998", "x"), 2026, 7, 1, {31}},
      {"weekly Fridays, May", MakeLine(1, 5, "9996", "x"), 2026, 5, 1, {1, 8, 15, 22, 29}},
      {"weekly Sundays, Saturday first", MakeLine(3, 5, "9991", "x"), 2026, 5, 7, {3, 10, 17, 24, 31}},
      {"third Monday monthly", MakeLine(7, 12, "6298", "x"), 2026, 12, 1, {21}},
      {"last Monday monthly", MakeLine(7, 12, "4298", "x"), 2026, 11, 1, {30}},
      {"first and third Monday", MakeLine(7, 12, "8592", "x"), 2026, 12, 2, {7, 21}},
      {"tail 90", MakeLine(7, 12, "9990", "x"), 2026, 12, 1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MonthView view = MakeView(DateSerial(2030, 1, 1));
    Settings s;
    s.FirstDay = c.firstDay;
    ShowMonth(view, DateSerial(c.year, c.month, 1), s, Records({c.line}));
    std::set<int> shown;
    for (int box = 0; box < 42; ++box)
      if (view.DayCellText(box) == "\r\nx") shown.insert(view.DayOfBox(box));
    EXPECT_EQ(shown, c.days);
  }
  // The 31st of May with Saturday first stands in box 36, the sixth row.
  MonthView view = MakeView(DateSerial(2030, 1, 1));
  Settings s;
  s.FirstDay = 7;
  ShowMonth(view, DateSerial(2026, 5, 1), s, Records({MakeLine(3, 5, "9991", "x")}));
  EXPECT_EQ(view.DayCellText(36), "\r\nx");
}

// ------------------------------------------------------------------ the text of a day box

TEST(DayCellText, SeveralEventsNewestFirstWithMarksAndLineBreaks) {
  MonthView view = MakeView(DateSerial(2026, 5, 12));
  Settings s;
  s.ShowToolTips = 1;
  const auto records = Records({
      MakeLine(12, 5, "2026", "Dentist"),                    // no reminder
      MakeLine(12, 5, "2026", "Pick up~the car", "010000"),  // reminder, two lines
      MakeLine(12, 1, "9998", "Rent"),                       // monthly on the 12th
      MakeLine(11, 5, "2026", "Other day", "000100"),
      MakeLine(12, 5, "2026", "", "000010"),                 // reminder with no text
  });
  ShowMonth(view, DateSerial(2026, 5, 1), s, records);
  const int box = view.BoxOfDay(12);
  const std::string expected = "\r\n.\r\nRent\r\n.Pick up\r\nthe car\r\nDentist";
  EXPECT_EQ(view.DayCellText(box), expected);
  EXPECT_TRUE(view.imgRemind[box].Visible);
  EXPECT_EQ(view.lblData[box].ToolTipText, expected.substr(2));
  EXPECT_EQ(view.lblDay[box].ToolTipText, expected.substr(2));
  EXPECT_EQ(view.TodayEvents, expected.substr(2));
  EXPECT_EQ(view.DayCellText(view.BoxOfDay(11)), "\r\n.Other day");

  // A second pass without a fill adds every event again in front of what the box holds.
  view.PlaceMonthEvents(s, records, static_cast<int>(records.size()) - 1);
  EXPECT_EQ(view.DayCellText(box), expected + expected);
  EXPECT_EQ(view.TodayEvents, (expected + expected).substr(2));
  EXPECT_EQ(view.DayCellText(view.BoxOfDay(11)), "\r\n.Other day\r\n.Other day");
}

TEST(DayCellText, TwoEventsSecondWithReminder) {
  MonthView view = MakeView(DateSerial(2030, 1, 1));
  Settings s;
  ShowMonth(view, DateSerial(2026, 5, 1), s,
            Records({MakeLine(20, 5, "2026", "First"), MakeLine(20, 5, "2026", "Second", "020000")}));
  const int box = view.BoxOfDay(20);
  EXPECT_EQ(view.DayCellText(box), "\r\n.Second\r\nFirst");
  EXPECT_TRUE(view.imgRemind[box].Visible);
  EXPECT_EQ(view.lblData[box].ToolTipText, "");  // tooltips off
}

TEST(DayCellText, ReminderIconFollowsTheEventsOfTheBox) {
  struct Case { std::vector<std::string> reminders; bool visible; };
  const Case cases[] = {
      {{"000000"}, false},
      {{"000000", "000000"}, false},
      {{"010000"}, true},
      {{"010000", "000000"}, true},
      {{"000000", "000001"}, true},
      {{"00000x"}, false},  // a damaged code is no reminder
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines;
    for (const std::string& r : c.reminders) lines.push_back(MakeLine(4, 5, "2026", "e", r));
    MonthView view = MakeView(DateSerial(2030, 1, 1));
    Settings s;
    ShowMonth(view, DateSerial(2026, 5, 1), s, Records(lines));
    EXPECT_EQ(view.imgRemind[view.BoxOfDay(4)].Visible, c.visible) << ::testing::PrintToString(c.reminders);
  }
}

TEST(DayCellText, ColoursOfBoxesWithEvents) {
  Settings s;
  s.BackGroundDay = 1;
  s.BackGroundData = 2;
  s.ForeGroundDay = 3;
  s.ForeGroundData = 4;
  s.BackGroundEntry = 5;
  s.ForeGroundEntry = 6;
  s.BackGroundToday = 7;
  s.ForeGroundToday = 8;
  MonthView view = MakeView(DateSerial(2026, 5, 12));
  ShowMonth(view, DateSerial(2026, 5, 1), s,
            Records({MakeLine(12, 5, "2026", "today"), MakeLine(13, 5, "2026", "tomorrow")}));
  const LabelState& todayDay = view.lblDay[view.BoxOfDay(12)];
  const LabelState& todayData = view.lblData[view.BoxOfDay(12)];
  EXPECT_EQ(todayDay.BackColor, 7u);
  EXPECT_EQ(todayDay.ForeColor, 3u);
  EXPECT_EQ(todayData.BackColor, 7u);
  EXPECT_EQ(todayData.ForeColor, 8u);
  const LabelState& entryDay = view.lblDay[view.BoxOfDay(13)];
  const LabelState& entryData = view.lblData[view.BoxOfDay(13)];
  EXPECT_EQ(entryDay.BackColor, 5u);
  EXPECT_EQ(entryDay.ForeColor, 3u);
  EXPECT_EQ(entryData.BackColor, 5u);
  EXPECT_EQ(entryData.ForeColor, 6u);
  const LabelState& plain = view.lblData[view.BoxOfDay(14)];
  EXPECT_EQ(plain.BackColor, 2u);
  EXPECT_EQ(plain.ForeColor, 4u);
}

TEST(TodayEvents, OnlyAfterAPassOverTheCurrentMonth) {
  const auto records = Records({
      MakeLine(12, 5, "2026", "Dentist"),
      MakeLine(12, 6, "2026", "June twelfth"),
      MakeLine(12, 1, "9998", "Rent", "010000"),
  });
  struct Case { const char* name; Date today; Date shown; std::string expected; };
  const Case cases[] = {
      {"current month", DateSerial(2026, 5, 12), DateSerial(2026, 5, 1), ".Rent\r\nDentist"},
      {"another month with the same day", DateSerial(2026, 5, 12), DateSerial(2026, 6, 1), ""},
      {"same month a year later", DateSerial(2026, 5, 12), DateSerial(2027, 5, 1), ""},
      {"current month, nothing today", DateSerial(2026, 5, 13), DateSerial(2026, 5, 1), ""},
      {"June", DateSerial(2026, 6, 12), DateSerial(2026, 6, 30), ".Rent\r\nJune twelfth"},
  };
  for (const Case& c : cases) {
    MonthView view = MakeView(c.today);
    view.TodayEvents = "stale";
    Settings s;
    ShowMonth(view, c.shown, s, records);
    EXPECT_EQ(view.TodayEvents, c.expected) << c.name;
  }
}

TEST(AddEventToDay, DaysOutsideTheShownMonthOrTheGridAreIgnored) {
  MonthView view = MakeView(DateSerial(2030, 1, 1));
  Settings s;
  const auto records = Records({MakeLine(1, 2, "2026", "x")});
  // February 2026 with Sunday first: day 1 in box 0, days 29.. fall on trailing boxes.
  ShowMonth(view, DateSerial(2026, 2, 1), s, Records({}));
  const MonthView before = view;
  for (int day : {0, -1, -40, 29, 42, 43, 1000}) view.AddEventToDay(s, records, 1, day);
  for (int index : {-1, 2, 99}) view.AddEventToDay(s, records, index, 3);
  for (int box = 0; box < 42; ++box) {
    EXPECT_EQ(view.DayCellText(box), before.DayCellText(box)) << box;
    EXPECT_EQ(view.lblDay[box].BackColor, before.lblDay[box].BackColor) << box;
  }
  // An empty box whose first event has no reminder shows no reminder icon.
  view.imgRemind[view.BoxOfDay(3)].Visible = true;
  view.AddEventToDay(s, records, 1, 3);
  EXPECT_EQ(view.DayCellText(view.BoxOfDay(3)), "\r\nx");
  EXPECT_FALSE(view.imgRemind[view.BoxOfDay(3)].Visible);
  view.AddEventToDay(s, records, 1, 3);
  EXPECT_EQ(view.DayCellText(view.BoxOfDay(3)), "\r\nx\r\nx");
}

TEST(EventPlacing, CountBeyondTheTableAndDeletedLinesAreSafe) {
  MonthView view = MakeView(DateSerial(2030, 1, 1));
  Settings s;
  auto records = Records({MakeLine(4, 5, "2026", "a"), "", MakeLine(4, 5, "2026", "c")});
  view.ShowMonthTitle(DateSerial(2026, 5, 1), s);
  view.FillMonthGrid(DateSerial(2026, 5, 1), s, records, 99);  // more than the table holds
  EXPECT_EQ(view.DayCellText(view.BoxOfDay(4)), "\r\nc\r\na");
  view.FillMonthGrid(DateSerial(2026, 5, 1), s, records, 1);  // only the first line counts
  EXPECT_EQ(view.DayCellText(view.BoxOfDay(4)), "\r\na");
  view.FillMonthGrid(DateSerial(2026, 5, 1), s, std::vector<std::string>{}, 5);
  EXPECT_EQ(view.DayCellText(view.BoxOfDay(4)), "");
}

// ------------------------------------------------------------------ the grid and the next occurrence

TEST(EventPlacing, NextOccurrenceIsTheFirstDayTheGridShowsOnOrAfterToday) {
  std::vector<std::string> lines;
  for (const Probe& p : MakeProbes()) {
    const RecurrenceKind kind = KindOf(p.line);
    if (kind != RecurrenceKind::OneOff && kind != RecurrenceKind::None && !p.text.empty()) lines.push_back(p.line);
  }
  const std::vector<std::string> records = Records(lines);

  // Which days the grid places each line on, month by month, far enough ahead for any search.
  constexpr int kFirstYear = 2026;
  constexpr int kYears = 12;
  std::vector<std::vector<Date>> placed(lines.size());
  std::map<std::string, std::size_t> byText;
  for (std::size_t i = 0; i < lines.size(); ++i) byText[std::string(TextField(lines[i]))] = i;
  MonthView view = MakeView(DateSerial(2000, 1, 1));
  Settings s;
  s.FirstDay = 2;
  for (int k = 0; k < kYears * 12; ++k) {
    const Date first = DateSerial(kFirstYear, 1 + k, 1);
    ShowMonth(view, first, s, records);
    for (int day = 1; day <= view.DaysInMonth; ++day) {
      for (std::string part : SplitCell(view.DayCellText(view.BoxOfDay(day)))) {
        if (!part.empty() && part[0] == '.') part.erase(0, 1);
        const std::size_t i = byText.at(part);
        const Date d = first + std::chrono::days{day - 1};
        if (placed[i].empty() || placed[i].back() != d) placed[i].push_back(d);
      }
    }
  }

  int compared = 0;
  for (Date today = DateSerial(2026, 1, 1); today <= DateSerial(2028, 12, 31); today += std::chrono::days{5}) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const auto next = std::lower_bound(placed[i].begin(), placed[i].end(), today);
      const Date fromGrid = next == placed[i].end() ? kZeroDate : *next;
      ASSERT_EQ(NextOccurrence(DateField(lines[i]), today), fromGrid)
          << lines[i] << " seen on " << FormatDayMonthYear(today);
      ++compared;
    }
  }
  EXPECT_GT(compared, 50000);
}

}  // namespace
}  // namespace orlevant
