#include "mainwindow/total_events_check.h"

namespace orlevant {

namespace {
constexpr int kEventLimit = 32000;
}

TotalEventsDecision DecideTotalEventsWarning(int eventCount, int neverFlag, int limitsOnly, int firstUse) {
  const int e = eventCount;
  if (neverFlag == 1 && e < kEventLimit) return {};

  // k is the number of started thousands (at least 1); the milestone is 1 exactly at a positive
  // round thousand.
  const int k = e <= 1000 ? 1 : (e + 999) / 1000;
  const int milestone = (e / 1000) / k;

  TotalEventsDecision decision;
  if (e >= 1000 && milestone == 0 && limitsOnly == 0) decision.showWarning = true;
  if (milestone != 1) return decision;

  const int m = e / 1000;
  if (m == firstUse && e != kEventLimit) return decision;
  decision.showWarning = true;
  decision.newFirstUse = m;
  return decision;
}

}  // namespace orlevant
