#pragma once
// The one clock of the program. Everything that asks "what day or time is it" asks AppClock(), so
// tests can stand at any date and time by installing a FixedClock.

#include "core/calendar_date.h"

namespace orlevant {

struct DateTime {
  Date date{};
  int hour = 0;
  int minute = 0;
  int second = 0;

  friend bool operator==(const DateTime&, const DateTime&) = default;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Local date and time of day.
  virtual DateTime Now() const = 0;
};

// The local wall clock.
class SystemClock final : public Clock {
 public:
  DateTime Now() const override;
};

// A clock that stands still until told otherwise.
class FixedClock final : public Clock {
 public:
  explicit FixedClock(DateTime now) : now_(now) {}
  DateTime Now() const override { return now_; }
  void Set(DateTime now) { now_ = now; }

 private:
  DateTime now_;
};

Clock& AppClock();
// Installs a clock for the whole program; nullptr goes back to the system clock. The caller keeps
// ownership and must keep it alive while installed.
void SetAppClock(Clock* clock);

// The system's current date, from AppClock().
inline Date SystemToday() { return AppClock().Now().date; }

}  // namespace orlevant
