#include "platform/raster/CosmeticLine.h"

#include "platform/raster/PixelTarget.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace platform::raster {

namespace {

// Coordinates far beyond any target are held here, so that the pixel
// arithmetic stays within int.
constexpr double farthest = 1 << 29;

double ToSixtyFourths(double v)
{
    if (std::isnan(v))
        return 0;
    return std::floor(std::clamp(v, -farthest, farthest) * 64) / 64;
}

} // namespace

void CosmeticLine(RealPoint a, RealPoint b, SpanWriter& writer)
{
    double major1 = ToSixtyFourths(a.x);
    double minor1 = ToSixtyFourths(a.y);
    double major2 = ToSixtyFourths(b.x);
    double minor2 = ToSixtyFourths(b.y);
    const bool alongY = std::fabs(minor2 - minor1) > std::fabs(major2 - major1);
    if (alongY) {
        std::swap(major1, minor1);
        std::swap(major2, minor2);
    }
    if (major2 < major1) {
        std::swap(major1, major2);
        std::swap(minor1, minor2);
    }
    if (major2 == major1)
        return;
    const double slope = (minor2 - minor1) / (major2 - major1);
    const double sample = slope < 0 ? 0.0 : 0.5;
    const ClipBox& clip = writer.Clip();
    // The major pixels m with m + 0.5 in (major1, major2], cut to the clip.
    int first = static_cast<int>(std::floor(major1 - 0.5)) + 1;
    int last = static_cast<int>(std::floor(major2 - 0.5));
    first = std::max(first, alongY ? clip.top : clip.left);
    last = std::min(last, (alongY ? clip.bottom : clip.right) - 1);
    for (int m = first; m <= last; ++m) {
        const int across = static_cast<int>(std::floor(minor1 + (m + sample - major1) * slope));
        if (alongY)
            writer.Pixel(across, m);
        else
            writer.Pixel(m, across);
    }
}

void CosmeticPolyline(std::span<const RealPoint> points, SpanWriter& writer)
{
    for (std::size_t i = 1; i < points.size(); ++i)
        CosmeticLine(points[i - 1], points[i], writer);
}

} // namespace platform::raster
