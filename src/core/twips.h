#pragma once
// The month window is laid out in twips (1/1440 inch); the screen is drawn in logical pixels. At the
// 96 dots per inch a logical pixel stands for, one pixel is 15 twips.

namespace orlevant {

inline constexpr int kTwipsPerPixel = 15;

// The nearest whole pixel. 15 is odd, so no whole number of twips lies halfway between two pixels
// and the rounding never has to break a tie.
constexpr int TwipsToPixels(int twips) {
  const int half = kTwipsPerPixel / 2;
  return twips >= 0 ? (twips + half) / kTwipsPerPixel : -((-twips + half) / kTwipsPerPixel);
}

constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace orlevant
