#pragma once
// The in-memory table of event lines, as tests compare and set it.

#include <cstddef>
#include <string>
#include <vector>

#include "core/event_lines.h"

namespace orlevant::testing {

// Elements [first, end) of the table as strings.
inline std::vector<std::string> LinesOf(const EventLines& table, std::size_t first, std::size_t end) {
  std::vector<std::string> lines;
  for (std::size_t i = first; i < end && i < table.size(); ++i) lines.emplace_back(table[i]);
  return lines;
}

}  // namespace orlevant::testing
