#pragma once
// The reminder field of an event line (columns 11-16): two digits of days before the event, two of
// "every N hours", one of "every N x 10 minutes" and one sound digit. "000000" means no reminder;
// a field that is not six digits reads as "000000", as the event line itself reads it.

#include <string>
#include <string_view>

namespace orlevant {

struct ReminderCode {
  int Days = 0;     // 0..99
  int Hours = 0;    // 0..99
  int Minutes = 0;  // 0, 10 .. 90
  int Sound = 0;    // 0..9

  // The six characters as they are; anything but six digits gives the empty code.
  static ReminderCode Parse(std::string_view field);
  bool IsEmpty() const { return Days == 0 && Hours == 0 && Minutes == 0 && Sound == 0; }
  // Days, hours and minutes all zero: a reminder that would never alert.
  bool AllSettingsZero() const { return Days == 0 && Hours == 0 && Minutes == 0; }
  // The six characters: two digits of days and of hours, the tens of minutes, the sound digit.
  // Values beyond what a field holds are cut to its largest value.
  std::string ToField() const;
  friend bool operator==(const ReminderCode&, const ReminderCode&) = default;
};

// "1 Day  1 Hour  30 Minutes" for "010130", "2 Days  " for "020000", "" for "000000". The sound
// digit is not shown.
std::string ReminderIntervalText(std::string_view code);

}  // namespace orlevant
