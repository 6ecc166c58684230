#pragma once
// The warning about a large events file, decided at the end of every start. It speaks up at every
// start while the count is past 1000 and not a round thousand (unless the user chose to be told only
// at the limits), once at each new round thousand, and at every start when the file is full.

#include <optional>

namespace orlevant {

struct TotalEventsDecision {
  bool showWarning = false;
  // The new "FirstUse" value (the thousands milestone warned about), written after the warning.
  std::optional<int> newFirstUse;

  friend bool operator==(const TotalEventsDecision&, const TotalEventsDecision&) = default;
};

// eventCount: events loaded (0..32000); neverFlag: "NeverShowTotalEventsMessage"; limitsOnly:
// "ShowTotalEventsMessage"; firstUse: the "FirstUse" value as this start knows it.
TotalEventsDecision DecideTotalEventsWarning(int eventCount, int neverFlag, int limitsOnly, int firstUse);

}  // namespace orlevant
