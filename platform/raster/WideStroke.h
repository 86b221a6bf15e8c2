#pragma once

#include "platform/raster/ArcCurves.h"

#include <vector>

// Curves drawn with a pen several pixels wide, as the painter's stroker
// makes them: the band between the curve's two sides, each side the curve's
// cubics moved half the width off it, and for an open curve square caps
// reaching half the width past its ends; filled by the winding rule with
// the fill's flattening (PolygonFill.h, ArcCurves.h).
namespace platform::raster {

// The cubic moved `by` pixels sideways (to the right of its direction as
// seen on the screen for a positive distance): each leg of its control
// polygon moved that far along its normal, the new inner control points
// where neighbouring moved legs meet (Tiller and Hanson's construction).
Cubic OffsetCubic(const Cubic& c, double by);

// The contours of the band a pen `width` pixels wide covers along a chain of
// cubics: for an open chain one contour (one side forwards, the cap, the
// other side backwards, the other cap), for a closed one the two sides, one
// each way round. Empty for an empty chain.
std::vector<std::vector<RealPoint>> WideBand(const std::vector<Cubic>& curve, double width, bool closed);

} // namespace platform::raster
