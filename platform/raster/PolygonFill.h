#pragma once

#include "platform/raster/ArcCurves.h"

#include <span>
#include <vector>

// Filling closed polygons by sampling pixel centres, as an aliased painter's
// fill does: pixel (x, y) is inside when its centre (x + 0.5, y + 0.5) is,
// a centre exactly on an edge counting as inside after a leading (left or
// top) edge and before a trailing one, so that of a box with half-pixel
// edges the pixels whose centres lie on its right or bottom edge are filled
// and those on its left or top edge are not. The corners are rounded to the
// nearest 1/64 pixel and where an edge crosses a row's centre line is worked
// out in 16.16 fixed point, with the edge's slope cut towards zero: that
// decides the centres that lie on or next to an edge as the painter does.
namespace platform::raster {

class SpanWriter;

struct IntPoint {
    int x = 0;
    int y = 0;
};

enum class FillRule {
    OddEven, // inside where a ray crosses the outline an odd number of times
    Winding, // inside where the outline winds round the point at all
};

// Several closed polygons with real corners filled as one shape (with the
// winding rule, the union of those that run the same way round).
void FillContours(std::span<const std::vector<RealPoint>> contours, FillRule rule, SpanWriter& writer);

void FillPolygon(std::span<const RealPoint> corners, FillRule rule, SpanWriter& writer);

void FillPolygon(std::span<const IntPoint> corners, FillRule rule, SpanWriter& writer);

} // namespace platform::raster
