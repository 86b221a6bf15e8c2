#include "platform/raster/CosmeticLine.h"

#include "platform/raster/PixelTarget.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace platform::raster {

namespace {

// Coordinates far beyond any target are held here, so that the fixed-point
// arithmetic below stays well within 64 bits.
constexpr double farthest = 1 << 28;

// A coordinate in 1/64 pixels, rounded down.
std::int64_t ToSixtyFourths(double v)
{
    if (std::isnan(v))
        return 0;
    return static_cast<std::int64_t>(std::floor(std::clamp(v, -farthest, farthest) * 64));
}

// A line in terms of its major axis, its ends ordered along it, stepped in
// fixed point: the minor coordinate in 1/65536 pixels, its step per major
// pixel the quotient of the ends' differences cut towards zero.
struct MajorLine {
    bool alongY = false;
    bool forwards = true; // a -> b runs towards larger major coordinates
    std::int64_t major1 = 0; // 1/64 pixels
    std::int64_t minor1 = 0; // 1/64 pixels
    std::int64_t step = 0;   // 1/65536 pixels per major pixel
    std::int64_t sample = 0; // where across a major pixel the minor is taken, in 1/64 pixels

    int Across(int m) const
    {
        const std::int64_t along = static_cast<std::int64_t>(m) * 64 + sample - major1;
        return static_cast<int>(((minor1 << 10) + ((along * step) >> 6)) >> 16);
    }

    PixelPoint Pixel(int m) const { return alongY ? PixelPoint{Across(m), m} : PixelPoint{m, Across(m)}; }
};

// Moves `end` along the line from `other` onto the box [left, right] x
// [top, bottom], a side at a time (x first), the moved coordinate taking the
// side's value exactly. False when the line misses the box.
bool ClipEnd(RealPoint& end, RealPoint other, double left, double top, double right, double bottom)
{
    const double dx = other.x - end.x;
    const double dy = other.y - end.y;
    if (end.x < left || end.x > right) {
        if (dx == 0)
            return false;
        const double side = end.x < left ? left : right;
        end.y += (side - end.x) * dy / dx;
        end.x = side;
    }
    if (end.y < top || end.y > bottom) {
        if (dy == 0)
            return false;
        const double side = end.y < top ? top : bottom;
        end.x += (side - end.y) * dx / dy;
        end.y = side;
    }
    return end.x >= left && end.x <= right && end.y >= top && end.y <= bottom;
}

} // namespace

std::optional<PixelPoint> CosmeticLine(RealPoint a, RealPoint b, SpanWriter& writer,
                                       std::optional<PixelPoint> previous)
{
    // Ends beyond the clip box grown by a pixel are first moved onto it along
    // the line, as the painter clips lines before stepping them.
    const ClipBox& box = writer.Clip();
    if (std::isnan(a.x) || std::isnan(a.y) || std::isnan(b.x) || std::isnan(b.y))
        return std::nullopt;
    const RealPoint fromA = a;
    const RealPoint fromB = b;
    if (!ClipEnd(a, fromB, box.left - 1.0, box.top - 1.0, box.right + 1.0, box.bottom + 1.0)
        || !ClipEnd(b, fromA, box.left - 1.0, box.top - 1.0, box.right + 1.0, box.bottom + 1.0))
        return std::nullopt;
    // A line whose start was moved does not go on from the piece before it.
    if (a.x != fromA.x || a.y != fromA.y)
        previous.reset();
    std::int64_t major1 = ToSixtyFourths(a.x);
    std::int64_t minor1 = ToSixtyFourths(a.y);
    std::int64_t major2 = ToSixtyFourths(b.x);
    std::int64_t minor2 = ToSixtyFourths(b.y);
    MajorLine line;
    line.alongY = std::llabs(minor2 - minor1) > std::llabs(major2 - major1);
    if (line.alongY) {
        std::swap(major1, minor1);
        std::swap(major2, minor2);
    }
    line.forwards = major2 >= major1;
    if (!line.forwards) {
        std::swap(major1, major2);
        std::swap(minor1, minor2);
    }
    if (major2 == major1)
        return previous;
    const ClipBox& clip = writer.Clip();
    line.major1 = major1;
    line.minor1 = minor1;
    line.step = ((minor2 - minor1) * 65536) / (major2 - major1);
    // A rising line is taken at the pixel's centre line, a falling one at its lower edge.
    line.sample = minor2 < minor1 ? 0 : 32;
    // The major pixels m with m + 0.5 in (major1, major2].
    int first = static_cast<int>(((major1 - 32) >> 6) + 1);
    int last = static_cast<int>((major2 - 32) >> 6);
    if (previous) {
        const int after = line.alongY ? previous->y : previous->x;
        if (line.forwards)
            first = std::min(first, after + 1);
        else
            last = std::max(last, after - 1);
        if (first <= last) {
            const PixelPoint start = line.Pixel(line.forwards ? first : last);
            if (std::max(std::abs(start.x - previous->x), std::abs(start.y - previous->y)) > 1)
                (line.forwards ? first : last) += line.forwards ? -1 : 1;
        }
    }
    if (first > last)
        return previous;
    const int from = std::max(first, line.alongY ? clip.top : clip.left);
    const int to = std::min(last, (line.alongY ? clip.bottom : clip.right) - 1);
    for (int m = from; m <= to; ++m) {
        const PixelPoint p = line.Pixel(m);
        // The pixel the previous piece ended on is not written again.
        if (previous && p.x == previous->x && p.y == previous->y)
            continue;
        writer.Pixel(p.x, p.y);
    }
    return line.Pixel(line.forwards ? last : first);
}

void CosmeticPolyline(std::span<const RealPoint> points, SpanWriter& writer)
{
    std::optional<PixelPoint> previous;
    for (std::size_t i = 1; i < points.size(); ++i)
        previous = CosmeticLine(points[i - 1], points[i], writer, previous);
}

} // namespace platform::raster
