#include "core/event_line.h"

#include <gtest/gtest.h>

namespace orlevant {
namespace {

TEST(EventLineColumns, ShortLinesGiveEmptyFieldsAndNoReminder) {
  const std::string_view shortLine = "05/12/2026";
  EXPECT_EQ(CodeField(shortLine), "2026");
  EXPECT_EQ(TextField(shortLine), "");
  EXPECT_EQ(ReminderField(shortLine), kNoReminder);
  EXPECT_EQ(ReminderField("05/12/2026010002=x"), "010002");
  EXPECT_EQ(TextField("05/12/2026000000="), "");
  EXPECT_EQ(TextField("05/12/2026000000=Dentist~at 9"), "Dentist~at 9");
  EXPECT_EQ(Column("", 1, 2), "");
}

TEST(EventLineColumns, OnlySixDigitsOtherThanNoughtsAreAReminder) {
  struct Case { std::string_view line; bool reminder; };
  const Case cases[] = {
      {"05/12/2026010002=x", true},  {"05/12/2026000001", true},   {"05/12/2026100000=", true},
      {"05/12/2026000000=x", false}, {"05/12/202600000", false},   {"05/12/2026", false},
      {"05/12/20260a0000=x", false}, {"05/12/202600000/=x", false}, {"05/12/2026:00000=x", false},
      {"05/12/2026 10000=x", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HasReminder(c.line), c.reminder) << c.line;
    EXPECT_EQ(HasReminder(c.line), ReminderField(c.line) != kNoReminder) << c.line;
  }
}

TEST(EventLineKinds, TailDecidesTheKind) {
  struct Case { std::string_view code; RecurrenceKind kind; };
  const Case cases[] = {
      {"2026", RecurrenceKind::OneOff},   {"3999", RecurrenceKind::OneOff},  {"9999", RecurrenceKind::Yearly},
      {"8299", RecurrenceKind::Yearly},   {"9989", RecurrenceKind::Quarterly}, {"4189", RecurrenceKind::Quarterly},
      {"9998", RecurrenceKind::Monthly},  {"9991", RecurrenceKind::Weekly},  {"8597", RecurrenceKind::Weekly},
      {"9990", RecurrenceKind::None},     {"9998x", RecurrenceKind::Monthly}, {"4000", RecurrenceKind::None},
  };
  for (const auto& c : cases) EXPECT_EQ(KindOfCode(c.code), c.kind) << c.code;
}

TEST(EventLineValidity, DatesAndAnchors) {
  struct Case { std::string_view line; bool valid; };
  const Case cases[] = {
      {"05/12/2026000000=Party", true},          {"05/12/2026", true},  // short but its date is whole
      {"29/02/2028000000=Leap", true},           {"29/02/2027000000=No such day", false},
      {"31/04/2026000000=April has 30", false},  {"29/02/9999000000=Yearly leap anchor", true},
      {"29/02/9998000000=Monthly", true},        {"29/02/8489000000=Quarterly nth", true},
      {"30/02/9999000000=Never", false},         {"31/04/9998000000=Never", false},
      {"00/12/2026000000=x", false},             {"05/13/2026000000=x", false},
      {"05/00/9999000000=x", false},             {"05-12-2026000000=x", false},
      {"5/12/2026000000=x", false},              {"05/12/0999000000=x", false},
      {"05/12/20a6000000=x", false},             {"Meeting at noon", false},
      {"", false},
      // Codes at the edge of the years: 3999 is a year (no leap year), 4000 and above are anchors.
      {"29/02/3999000000=x", false},             {"29/02/3996000000=x", true},
      {"29/02/4000000000=x", true},              {"29/02/4099000000=x", true},
      {"31/04/4000000000=x", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsValidEventLine(c.line), c.valid) << c.line;
}

TEST(EventLineText, TildesAndLineBreaksRoundTrip) {
  EXPECT_EQ(TildesToLineBreaks("a~b~"), "a\r\nb\r\n");
  EXPECT_EQ(LineBreaksToTildes("a\r\nb\nc\rd"), "a~b~c~d");
}

TEST(WeekCombinations, FoundByCode) {
  ASSERT_NE(FindWeekCombination("81"), nullptr);
  EXPECT_EQ(FindWeekCombination("81")->text, "First, Fourth and Last");
  EXPECT_EQ(FindWeekCombination("90"), nullptr);
  EXPECT_EQ(FindWeekCombination("99"), nullptr);
}

}  // namespace
}  // namespace orlevant
