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

std::string ReminderCode::ToField() const {
  const auto clamp = [](int v, int high) { return v < 0 ? 0 : (v > high ? high : v); };
  const int days = clamp(Days, 99);
  const int hours = clamp(Hours, 99);
  const int tens = clamp(Minutes / 10, 9);
  const int sound = clamp(Sound, 9);
  return std::string{static_cast<char>('0' + days / 10), static_cast<char>('0' + days % 10),
                     static_cast<char>('0' + hours / 10), static_cast<char>('0' + hours % 10),
                     static_cast<char>('0' + tens), static_cast<char>('0' + sound)};
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
