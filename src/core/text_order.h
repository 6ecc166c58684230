#pragma once
// The order in which the program's long lists stand: by their texts, equal texts in the order they
// came in. The first bytes of every text are packed into numbers, so that most comparisons of
// 32000 rows touch neither the texts nor the memory they live in, and only small entries are moved.

#include <string_view>
#include <vector>

namespace orlevant {

enum class TextOrder {
  Bytes,           // UTF-8 byte order, which is code point order (as std::string compares)
  Utf16CodeUnits,  // as Qt's strings compare: characters past U+FFFF before U+E000 .. U+FFFF
};

// The positions of `texts` in ascending order; equal texts keep their order.
std::vector<int> StableTextOrder(const std::vector<std::string_view>& texts, TextOrder order);

}  // namespace orlevant
