#include "platform/raster/CanvasShapeGeometry.h"

#include <cmath>
#include <numbers>

namespace platform::raster {

namespace {

// The direction from (cx, cy) to p in degrees counter-clockwise from the
// positive x axis, as seen on the screen (y grows downwards).
double ScreenAngle(double cx, double cy, RealPoint p)
{
    return std::atan2(-(p.y - cy), p.x - cx) * 180.0 / std::numbers::pi;
}

} // namespace

RealBox EllipseShapeBox(int left, int top, int right, int bottom, bool identity, int penWidth)
{
    const double width = static_cast<double>(right) - left;
    const double height = static_cast<double>(bottom) - top;
    if (identity)
        return {static_cast<double>(left), static_cast<double>(top), width - 1, height - 1};
    const double w = penWidth;
    return {left + w / 2, top + w / 2, width - w, height - w};
}

ArcShape ArcOnBox(int left, int top, int right, int bottom, RealPoint from, RealPoint to, int penWidth)
{
    const double cx = (left + static_cast<double>(right)) / 2.0;
    const double cy = (top + static_cast<double>(bottom)) / 2.0;
    const double start = ScreenAngle(cx, cy, from);
    double span = ScreenAngle(cx, cy, to) - start;
    while (span <= 0)
        span += 360.0;
    const double w = penWidth;
    const RealBox box{left + w / 2, top + w / 2, static_cast<double>(right) - left - w,
                      static_cast<double>(bottom) - top - w};
    return {box, static_cast<int>(std::lround(start * 16)), static_cast<int>(std::lround(span * 16))};
}

RealPoint ArcPoint(const RealBox& box, int angle16)
{
    const double radians = angle16 / 16.0 * std::numbers::pi / 180.0;
    // The centre as the box's two edges' mean.
    const double cx = (box.x + box.x + box.width) / 2;
    const double cy = (box.y + box.y + box.height) / 2;
    return {cx + box.width / 2 * std::cos(radians), cy - box.height / 2 * std::sin(radians)};
}

} // namespace platform::raster
