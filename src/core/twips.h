#pragma once
// The month window is laid out in twips (1/1440 inch); the screen is drawn in logical pixels. At the
// 96 dots per inch a logical pixel stands for, one pixel is 15 twips.

namespace orlevant {

inline constexpr int kTwipsPerPixel = 15;

// The nearest whole pixel. 15 is odd, so no whole number of twips lies halfway between two pixels
// and the rounding never has to break a tie. Rounded from the quotient and its remainder, with no
// sum or negation that could leave an int, so any number at all converts.
constexpr int TwipsToPixels(int twips) {
  const int half = kTwipsPerPixel / 2;
  const int rest = twips % kTwipsPerPixel;  // takes the sign of twips
  return twips / kTwipsPerPixel + (rest > half ? 1 : 0) - (rest < -half ? 1 : 0);
}

constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace orlevant
