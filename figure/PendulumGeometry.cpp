#include "figure/PendulumGeometry.h"

#include "model/ExtendedTrigonometry.h"
#include "platform/Rounding.h"

#include <algorithm>

namespace figure {

int RoundToPixel(platform::Extended value)
{
    constexpr int limit = 1 << 30;
    return std::clamp(platform::RoundHalfEven(value), -limit, limit);
}

int BarLength(double metres)
{
    const platform::Extended pixels = platform::Extended(metres) * PixelsPerMetre;
    return RoundToPixel(std::clamp<platform::Extended>(pixels, -LongestBar, LongestBar));
}

PendulumGeometry PendulumGeometryOf(int x, int y, int l, double fi)
{
    using platform::Extended;
    const Extended s = model::ExtendedSine(fi);
    const Extended c = model::ExtendedCosine(fi);
    const Extended X = x;
    const Extended Y = y;
    const Extended L = l;
    constexpr int w = HalfWidth;
    constexpr int d = DotRadius;
    // Each sum in the order the figure has always been drawn with: the
    // roundings of the extended type decide single device pixels.
    return {
        .pivot = {X, Y},
        .centre = {X + L * s, Y + L * c},
        .pivotSide1 = {X + w * c, Y - w * s},
        .pivotSide2 = {X - w * c, Y + w * s},
        .farSide1 = {X + L * s + w * c, Y + L * c - w * s},
        .farSide2 = {X + L * s - w * c, Y + L * c + w * s},
        .pivotEnd = {{Extended(x + w), Extended(y - w)}, {Extended(x - w), Extended(y + w)}},
        .farEnd = {{X + w + L * s, Y - w + L * c}, {X - w + L * s, Y + w + L * c}},
        .pivotDot = {{Extended(x + d), Extended(y - d)}, {Extended(x - d), Extended(y + d)}},
        .centreDot = {{X + d + L * s, Y - d + L * c}, {X - d + L * s, Y + d + L * c}},
    };
}

Pixel CentrePixel(const PendulumGeometry& geometry)
{
    return {RoundToPixel(geometry.centre.x), RoundToPixel(geometry.centre.y)};
}

} // namespace figure
