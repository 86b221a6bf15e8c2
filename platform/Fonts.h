#pragma once

#include "platform/GraphicsTypes.h"
#include "platform/TextBackend.h"

namespace platform {

// number * numerator / denominator in 64 bits, rounded to the nearest integer
// with halves away from zero; -1 when denominator is 0 or the result does not
// fit an int.
int MulDiv(int number, int numerator, int denominator);

// The font's em height in pixels: its PixelHeight when that is not 0, else its
// size in points at its pixels per inch, MulDiv(size, pixelsPerInch, 72)
// (8 points at 96 pixels per inch -> 11 pixels). At least 1.
int FontPixelSize(const TFontData& font);

// The font a text backend draws and measures a canvas font's text with.
TextFont TextFontOf(const TFontData& font);

} // namespace platform
