#include "core/reminder_code.h"

#include "core/event_line.h"

namespace orlevant {

ReminderCode ReminderCode::Parse(std::string_view field) {
  if (field.size() != 6) return {};
  for (char c : field) {
    if (c < '0' || c > '9') return {};
  }
  return ReminderCode{TwoDigits(field.substr(0, 2)), TwoDigits(field.substr(2, 2)), DigitAt(field, 4) * 10,
                      DigitAt(field, 5)};
}

std::string ReminderIntervalText(std::string_view code) {
  const ReminderCode r = ReminderCode::Parse(code);
  std::string text;
  if (r.Days >= 1) text += std::to_string(r.Days) + (r.Days == 1 ? " Day  " : " Days  ");
  if (r.Hours >= 1) text += std::to_string(r.Hours) + (r.Hours == 1 ? " Hour  " : " Hours  ");
  if (r.Minutes != 0) text += std::to_string(r.Minutes) + " Minutes";
  return text;
}

}  // namespace orlevant
