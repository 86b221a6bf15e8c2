#pragma once

#include "platform/Extended.h"
#include "platform/Point.h"
#include "platform/Rounding.h"

#include <algorithm>

namespace platform {

// How the logical pixels that layouts are computed in map onto the device
// pixels of a target whose device pixel ratio is `ratio` (2 on a screen
// scaled to 200 %). With a ratio of 1 every mapping is the identity.
// Rounding is to the nearest integer, halves to even (RoundHalfEven).
//
// Two kinds of positions are mapped:
// - Edges (of rectangles, fills, clips, bitmaps): logical edge x lies at
//   device edge round(x * ratio) (halves to even), so logical pixel p covers device
//   pixels [Edge(p), Edge(p + 1)) and neighbouring cells tile without gaps.
// - Lines: a line of device width W whose centre lies at the logical
//   coordinate z (a one-pixel line along pixel p has z = p + 0.5) is drawn
//   at device position round(z * ratio - W / 2) + W / 2, halves to even, so
//   that its cross-section (LineCrossSection in Canvas.h) covers the device
//   pixels nearest to where the logical line lies. A one-pixel line along
//   logical pixel p at ratio 2 covers device rows 2p and 2p + 1, the pixel's
//   own block.
struct DeviceMapping {
    double ratio = 1.0;

    bool IsIdentity() const { return ratio == 1.0; }

    // Device edge of a logical edge; an edge at a real coordinate rounds to
    // the nearest one at ratio 1, as a rounded pixel position does.
    int Edge(Extended x) const { return RoundHalfEven(x * Extended(ratio)); }

    // Device width of a pen of the given logical width (0 counts as one
    // pixel): the logical width times the ratio, rounded, at least 1.
    int PenWidth(int logicalWidth) const
    {
        const int width = std::max(logicalWidth, 1);
        if (IsIdentity())
            return width;
        return std::max(1, RoundHalfEven(Extended(width) * Extended(ratio)));
    }

    // Device position of a line of device width deviceWidth centred on the
    // logical coordinate z.
    int LinePosition(Extended z, int deviceWidth) const { return DeviceLinePosition(z * Extended(ratio), deviceWidth); }

    // The same for a line centred on the device coordinate v.
    static int DeviceLinePosition(Extended v, int deviceWidth)
    {
        // The sum is rounded again only to hold it within the int range.
        return RoundHalfEven(RoundToIntegral(v - Half(deviceWidth)) + Extended(deviceWidth / 2));
    }

    // Device position of the line a pen of the given logical width draws
    // along logical pixel p (the pixels LineCrossSection(p, width) at ratio 1).
    // A wider pen's line rounds halves upwards, so that it holds the
    // one-pixel line along the same pixel, as at ratio 1 (an axis line
    // holds the edge of the wall it lies on).
    int PixelLine(int p, int logicalWidth) const
    {
        const int width = std::max(logicalWidth, 1);
        if (IsIdentity())
            return p;
        const Extended centre = Extended(p) - Extended(width / 2) + Half(width);
        const int deviceWidth = PenWidth(width);
        if (width == 1)
            return LinePosition(centre, deviceWidth);
        return RoundHalfEven(Floor(centre * Extended(ratio) - Half(deviceWidth) + Half(1)) + Extended(deviceWidth / 2));
    }

    // Device position of a one-pixel line through the logical point at real
    // coordinate v, where v rounds to the pixel it lies in at ratio 1
    // (halves to even): a shape's point worked out at device resolution.
    int PointLine(Extended v, int deviceWidth) const
    {
        if (IsIdentity())
            return RoundHalfEven(v);
        return LinePosition(v + Half(1), deviceWidth);
    }

    // Device size of a logical size counted from 0.
    int Size(int logical) const { return std::max(0, Edge(logical)); }

    // The device line that draws the logical line from a to b with a pen of
    // the given logical width. A one-pixel line along a row or a column sets
    // exactly the device blocks of the logical pixels it sets (from a's on,
    // b's left out); any other line joins the device positions of its end
    // pixels (PixelLine).
    struct Line {
        Point from;
        Point to;
    };
    Line DeviceLine(Point a, Point b, int logicalWidth) const;

private:
    // n / 2, exactly.
    static Extended Half(int n) { return Extended(n) / Extended(2); }

    // The device ends along a row or column of the logical pixels a .. b, b
    // left out, stepped from a's side.
    Line AlongPixels(int a, int b) const;
};

} // namespace platform
