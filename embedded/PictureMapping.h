#pragma once

#include "embedded/VectorPicture.h"
#include "platform/PixelBuffer.h"

// value * numerator / denominator rounded to the nearest integer, halves to the
// even neighbour, computed exactly. denominator must be positive.
long long RoundedMulDiv(long long value, long long numerator, long long denominator);

// The size in pixels of a picture whose extent is given in units of 0.01 mm,
// at the given pixel densities (pixels per inch), width and height separately.
PictureSize PictureSizeInPixels(PictureSize extent, int pixelsPerInchX, int pixelsPerInchY);

// Maps a picture's logical window onto a box of pixels, x and y scaled
// independently, every result rounded to whole pixels.
class PictureMapping {
public:
    PictureMapping(PictureSize window, const platform::PixelBox& target);

    // False when either the window or the target has no area: nothing maps.
    bool IsValid() const;
    int X(int logicalX) const;
    int Y(int logicalY) const;
    // A vertical length (font heights, pen widths).
    int Height(int logicalHeight) const;

private:
    int TargetWidth() const { return target_.right - target_.left; }
    int TargetHeight() const { return target_.bottom - target_.top; }

    PictureSize window_;
    platform::PixelBox target_;
};
