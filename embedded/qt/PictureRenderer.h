#pragma once

#include "embedded/VectorPicture.h"

#include <QFont>
#include <QRect>
#include <QSize>

class QPainter;

// value * numerator / denominator rounded to the nearest integer, halves to the
// even neighbour, computed exactly. denominator must be positive.
long long RoundedMulDiv(long long value, long long numerator, long long denominator);

// The size in pixels of a picture whose extent is given in units of 0.01 mm,
// at the given pixel densities (pixels per inch), width and height separately.
QSize PictureSizeInPixels(PictureSize extent, int pixelsPerInchX, int pixelsPerInchY);

// Maps a picture's logical window onto a device rectangle, x and y scaled
// independently, every result rounded to whole pixels.
class PictureMapping {
public:
    PictureMapping(QSize window, QRect target);

    // False when either the window or the target has no area: nothing maps.
    bool IsValid() const;
    int X(int logicalX) const;
    int Y(int logicalY) const;
    // A vertical length (font heights, pen widths).
    int Height(int logicalHeight) const;

private:
    QSize window_;
    QRect target_;
};

// The serif face of the Times kind in which the picture's glyphs are drawn
// (Latin letters, digits, Greek letters and the operators), at a pixel em
// height; text is drawn without smoothing, so glyph pixels are solid black.
QFont PictureFont(GlyphSlant slant, int pixelSize);

// Draws the picture in black, mapped onto target, with a transparent text
// background. The painter's clipping is left as the caller set it.
void DrawVectorPicture(QPainter& painter, const VectorPicture& picture, const QRect& target);
