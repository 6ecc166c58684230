#pragma once
// Text as an editor saves it in UTF-16 ("Unicode"): the units of a UTF-16 literal in one byte
// order, the byte-order mark first when the literal starts with U+FEFF.

#include <string>
#include <string_view>

#include "core/text_encoding.h"

namespace orlevant::testing {

inline std::string Utf16Bytes(std::u16string_view units, Utf16Order order) {
  std::string bytes;
  for (const char16_t u : units) {
    const char high = static_cast<char>(u >> 8), low = static_cast<char>(u & 0xFF);
    bytes += order == Utf16Order::LittleEndian ? low : high;
    bytes += order == Utf16Order::LittleEndian ? high : low;
  }
  return bytes;
}

}  // namespace orlevant::testing
