#pragma once

#include "platform/raster/ArcCurves.h"

#include <span>

// One-pixel lines between real points, with the pixels an aliased vector
// painter's cosmetic flat-capped pen gives them.
//
// The ends are first cut to 1/64 pixel (rounded down). The line steps along
// its major axis (y when |dy| > |dx|, else x) over the pixels whose centres
// lie after the lower end and up to and including the upper one. On each
// such pixel it sets the one across whose column (row) holds the line at the
// pixel's centre line when the line rises along the major axis, and at the
// pixel's lower edge when it falls.
namespace platform::raster {

class SpanWriter;

void CosmeticLine(RealPoint a, RealPoint b, SpanWriter& writer);

// Each piece of the polyline on its own (pixels at a corner that two pieces
// both set are written twice).
void CosmeticPolyline(std::span<const RealPoint> points, SpanWriter& writer);

} // namespace platform::raster
