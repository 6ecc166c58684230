#pragma once
// Twips to pixels and back for Qt's points, sizes and rectangles.

#include <QPoint>
#include <QRect>
#include <QSize>

#include "core/twips.h"

namespace orlevant {

inline QPoint TwipsToPixels(QPoint twips) { return {TwipsToPixels(twips.x()), TwipsToPixels(twips.y())}; }
inline QSize TwipsToPixels(QSize twips) { return {TwipsToPixels(twips.width()), TwipsToPixels(twips.height())}; }
// Position and size are converted apart, so a rectangle keeps the size its twips give whatever its
// position.
inline QRect TwipsToPixels(const QRect& twips) {
  return {TwipsToPixels(twips.topLeft()), TwipsToPixels(twips.size())};
}
// A designed place, as the forms give it: left, top, width, height in twips.
inline QRect TwipsToPixels(int left, int top, int width, int height) {
  return TwipsToPixels(QRect(left, top, width, height));
}

inline QPoint PixelsToTwips(QPoint pixels) { return {PixelsToTwips(pixels.x()), PixelsToTwips(pixels.y())}; }
inline QSize PixelsToTwips(QSize pixels) { return {PixelsToTwips(pixels.width()), PixelsToTwips(pixels.height())}; }
inline QRect PixelsToTwips(const QRect& pixels) {
  return {PixelsToTwips(pixels.topLeft()), PixelsToTwips(pixels.size())};
}

}  // namespace orlevant
