#pragma once
// The search behind RemoveDuplicateEvents (declared in events_file.h): lines that are equal
// ignoring letter case, found by grouping equal lines rather than by comparing every pair.

#include <cstdint>
#include <vector>

#include "core/events_file.h"

namespace orlevant {

// How many pairs the duplicate question lists before it sums up the rest.
inline constexpr int kListedDuplicatePairs = 30;

struct DuplicatePair {
  int first = 0;  // index of the earlier line
  int later = 0;  // index of the later, equal line
};

struct DuplicateReport {
  // Every pair i < j of equal lines counts once, so three equal lines make three. 64 bits: all
  // 32000 lines equal make 511,984,000 pairs, and nothing smaller than that may overflow.
  std::int64_t pairCount = 0;
  std::vector<DuplicatePair> listed;  // the first pairs ordered by (first, later), at most 30
  std::vector<int> laterCopies;       // every line that equals an earlier one, ascending
};

// Looks at lines 1 .. EventCount; deleted (empty) lines are skipped.
DuplicateReport FindDuplicateEvents(const EventStore& store);

// The texts of the three boxes.
std::string NoEventsMessage();
std::string NoDuplicatesMessage();
std::string DuplicatesQuestion(const EventStore& store, const DuplicateReport& report);

}  // namespace orlevant
