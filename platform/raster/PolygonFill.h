#pragma once

#include "platform/raster/ArcCurves.h"

#include <span>
#include <vector>

// Filling a closed polygon with real corners by sampling pixel centres, as
// an aliased painter's fill does: pixel (x, y) is inside when its centre
// (x + 0.5, y + 0.5) is, an edge through a centre counting as passing just
// below and to the right of it (so of a box's pixels, those whose centres
// lie on its left or top edge are left out, those on its right or bottom
// edge are filled).
namespace platform::raster {

class SpanWriter;

enum class FillRule {
    OddEven, // inside where a ray crosses the outline an odd number of times
    Winding, // inside where the outline winds round the point at all
};

void FillPolygon(std::span<const RealPoint> corners, FillRule rule, SpanWriter& writer);

// Several closed polygons filled as one shape (with the winding rule, the
// union of those that run the same way round).
void FillContours(std::span<const std::vector<RealPoint>> contours, FillRule rule, SpanWriter& writer);

} // namespace platform::raster
