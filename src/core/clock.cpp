#include "core/clock.h"

#include <ctime>

namespace orlevant {

DateTime SystemClock::Now() const {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return DateTime{DateSerial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday), local.tm_hour, local.tm_min,
                  local.tm_sec};
}

namespace {
SystemClock systemClock;
Clock* installed = nullptr;
}  // namespace

Clock& AppClock() { return installed ? *installed : systemClock; }
void SetAppClock(Clock* clock) { installed = clock; }

}  // namespace orlevant
