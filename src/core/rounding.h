#pragma once
// Rounding of computed geometry to whole twips: to the nearest whole number, a half to the even
// neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Done by hand rather than through the floating-point
// environment so that no library call or compiler flag can change the result.

#include <cmath>
#include <cstdint>
#include <limits>

namespace orlevant {

// Nearest whole number to x, halves to even, as a double (exact for every |x| < 2^52).
inline double RoundHalfToEvenValue(double x) {
  const double down = std::floor(x);
  const double fraction = x - down;
  if (fraction > 0.5) return down + 1.0;
  if (fraction < 0.5) return down;
  // Exactly half way: keep the even one of down and down + 1.
  return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

// The same, as a 32-bit integer; values beyond the 32-bit range stop at its ends and NaN gives 0,
// so no geometry can wrap round.
inline std::int32_t RoundHalfToEven(double x) {
  if (std::isnan(x)) return 0;
  const double r = RoundHalfToEvenValue(x);
  if (r >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
    return std::numeric_limits<std::int32_t>::max();
  if (r <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
    return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(r);
}

}  // namespace orlevant
