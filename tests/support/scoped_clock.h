#pragma once
// Installs a fixed clock for the life of the object, so a test's "now" never depends on when it runs
// and no later test inherits it.

#include "core/clock.h"

namespace orlevant::testing {

class ScopedClock {
 public:
  explicit ScopedClock(DateTime now) : clock_(now) { SetAppClock(&clock_); }
  ~ScopedClock() { SetAppClock(nullptr); }
  ScopedClock(const ScopedClock&) = delete;
  ScopedClock& operator=(const ScopedClock&) = delete;

  void Set(DateTime now) { clock_.Set(now); }

 private:
  FixedClock clock_;
};

}  // namespace orlevant::testing
