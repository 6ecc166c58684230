#pragma once
// Colours are stored as 32-bit values laid out &H00BBGGRR: red in the low byte, blue in the third.

#include <QColor>

#include <cstdint>

namespace orlevant {

inline QColor ColourFromBgr(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                static_cast<int>((bgr >> 16) & 0xFFu));
}

inline std::uint32_t BgrFromColour(const QColor& colour) {
  return static_cast<std::uint32_t>(colour.red()) | static_cast<std::uint32_t>(colour.green()) << 8 |
         static_cast<std::uint32_t>(colour.blue()) << 16;
}

}  // namespace orlevant
