#pragma once

#include "platform/raster/ArcCurves.h"

#include <optional>
#include <span>

// One-pixel lines between real points, with the pixels an aliased vector
// painter's cosmetic flat-capped pen gives them.
//
// Ends beyond the clip box grown by a pixel are first moved onto it along
// the line; then the ends are cut to 1/64 pixel (rounded down). A line steps along
// its major axis (y when |dy| > |dx|, else x) over the pixels whose centres
// lie after the lower end and up to and including the upper one. On each
// such pixel it sets the one across that holds the line, in fixed point:
// the minor coordinate is taken at the pixel's centre line when the line
// rises along the major axis and at its lower edge when it falls, with a
// step per pixel of 1/65536 pixel cut towards zero.
//
// In a polyline each piece after the first reaches back to the pixel the
// piece before it ended on: it starts no later than one step past that pixel
// along its own major axis, and one step sooner still when its first pixel
// would not touch that pixel (so that a turn from rows to columns leaves no
// gap). The pixel the previous piece ended on is not written twice.
namespace platform::raster {

class SpanWriter;

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// Draws the line; returns the last pixel of it in the direction a -> b
// (drawn or clipped away), if it has any. `previous` is the pixel the
// polyline's previous piece ended on.
std::optional<PixelPoint> CosmeticLine(RealPoint a, RealPoint b, SpanWriter& writer,
                                       std::optional<PixelPoint> previous = std::nullopt);

void CosmeticPolyline(std::span<const RealPoint> points, SpanWriter& writer);

} // namespace platform::raster
