#pragma once

#include "platform/raster/ArcCurves.h"

#include <span>

// Polylines drawn with a pen several pixels wide: the union of a band of the
// pen's width along each piece, the wedges that fill the corners between
// neighbouring bands, and for an open line square caps reaching half the
// width past its ends; filled by pixel centres (PolygonFill.h).
namespace platform::raster {

class SpanWriter;

void WidePolyline(std::span<const RealPoint> points, double width, bool closed, SpanWriter& writer);

} // namespace platform::raster
