#include "core/reminder_code.h"

#include <gtest/gtest.h>

namespace orlevant {
namespace {

TEST(ReminderCode, ParsesTheSixDigitsAndRefusesAnythingElse) {
  EXPECT_EQ(ReminderCode::Parse("010130"), (ReminderCode{1, 1, 30, 0}));
  EXPECT_EQ(ReminderCode::Parse("992497"), (ReminderCode{99, 24, 90, 7}));
  EXPECT_TRUE(ReminderCode::Parse("000000").IsEmpty());
  EXPECT_TRUE(ReminderCode::Parse("01013").IsEmpty());
  EXPECT_TRUE(ReminderCode::Parse("0101300").IsEmpty());
  EXPECT_TRUE(ReminderCode::Parse("01 130").IsEmpty());
  EXPECT_TRUE(ReminderCode::Parse("").IsEmpty());
}

TEST(ReminderIntervalText, WordsNumbersAndBlanksAsWritten) {
  struct Case { std::string_view code; std::string_view text; };
  const Case cases[] = {
      {"010130", "1 Day  1 Hour  30 Minutes"},
      {"020000", "2 Days  "},
      {"000000", ""},
      {"000009", ""},  // the sound is not shown
      {"000300", "3 Hours  "},
      {"000010", "10 Minutes"},
      {"100000", "10 Days  "},
      {"000100", "1 Hour  "},
      {"xx0130", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ReminderIntervalText(c.code), c.text) << c.code;
}

}  // namespace
}  // namespace orlevant
