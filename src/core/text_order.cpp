#include "core/text_order.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace orlevant {
namespace {

constexpr std::size_t kHeadBytes = 24;

// Byte order of UTF-8 is code point order. It differs from UTF-16 code unit order only where the
// first difference is a lead byte of U+E000 .. U+FFFF (0xEE, 0xEF) against one past U+FFFF
// (0xF0 .. 0xF4), whose surrogates sort below U+E000; ranking those two lead bytes last mends it.
unsigned Rank(unsigned char byte, TextOrder order) {
  if (order == TextOrder::Utf16CodeUnits && (byte == 0xEE || byte == 0xEF)) return byte + 0x10u;
  return byte;
}

int Compare(std::string_view a, std::string_view b, TextOrder order) {
  // Many rows share long beginnings or are equal outright: the common part is skipped a word at a
  // time.
  const std::size_t n = std::min(a.size(), b.size());
  std::size_t i = 0;
  for (std::uint64_t x = 0, y = 0; i + 8 <= n; i += 8) {
    std::memcpy(&x, a.data() + i, 8);
    std::memcpy(&y, b.data() + i, 8);
    if (x != y) break;
  }
  while (i < n && a[i] == b[i]) ++i;
  if (i == n) return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
  return static_cast<int>(Rank(static_cast<unsigned char>(a[i]), order)) -
         static_cast<int>(Rank(static_cast<unsigned char>(b[i]), order));
}

}  // namespace

std::vector<int> StableTextOrder(const std::vector<std::string_view>& texts, TextOrder order) {
  struct Entry {
    std::uint64_t head[kHeadBytes / 8];  // the first bytes, ranked; a shorter text padded with zeros
    std::string_view text;
    int position;
  };
  std::vector<Entry> entries;
  entries.reserve(texts.size());
  for (const std::string_view text : texts) {
    Entry e{{}, text, static_cast<int>(entries.size())};
    for (std::size_t b = 0; b < kHeadBytes; ++b) {
      const unsigned rank = b < text.size() ? Rank(static_cast<unsigned char>(text[b]), order) : 0u;
      e.head[b / 8] = e.head[b / 8] << 8 | rank;
    }
    entries.push_back(e);
  }
  std::sort(entries.begin(), entries.end(), [order](const Entry& a, const Entry& b) {
    for (std::size_t w = 0; w < kHeadBytes / 8; ++w)
      if (a.head[w] != b.head[w]) return a.head[w] < b.head[w];
    const int c = Compare(a.text, b.text, order);
    return c != 0 ? c < 0 : a.position < b.position;
  });
  std::vector<int> positions;
  positions.reserve(entries.size());
  for (const Entry& e : entries) positions.push_back(e.position);
  return positions;
}

}  // namespace orlevant
