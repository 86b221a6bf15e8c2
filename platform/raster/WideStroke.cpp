#include "platform/raster/WideStroke.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace platform::raster {

namespace {

RealPoint Plus(RealPoint a, RealPoint b, double scale = 1)
{
    return {a.x + b.x * scale, a.y + b.y * scale};
}

// The unit direction from a to b, or nothing where they coincide.
std::optional<RealPoint> Direction(RealPoint a, RealPoint b)
{
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    if (!(length > 0))
        return std::nullopt;
    return RealPoint{(b.x - a.x) / length, (b.y - a.y) / length};
}

} // namespace

Cubic OffsetCubic(const Cubic& c, double by)
{
    const RealPoint p[4] = {c.from, c.control1, c.control2, c.to};
    std::optional<RealPoint> legs[3] = {Direction(p[0], p[1]), Direction(p[1], p[2]), Direction(p[2], p[3])};
    // A leg of no length takes its neighbour's direction.
    if (!legs[1])
        legs[1] = legs[0] ? legs[0] : legs[2];
    if (!legs[0])
        legs[0] = legs[1];
    if (!legs[2])
        legs[2] = legs[1];
    if (!legs[0] || !legs[1] || !legs[2])
        return c;
    const auto normal = [by](RealPoint d) { return RealPoint{-d.y * by, d.x * by}; };
    // Where the moved leg through a in direction da meets the one through b in direction db.
    const auto meet = [](RealPoint a, RealPoint da, RealPoint b, RealPoint db) {
        const double cross = da.x * db.y - da.y * db.x;
        if (std::fabs(cross) < 1e-12)
            return b;
        const double t = ((b.x - a.x) * db.y - (b.y - a.y) * db.x) / cross;
        return Plus(a, da, t);
    };
    const RealPoint q0 = Plus(p[0], normal(*legs[0]));
    const RealPoint q3 = Plus(p[3], normal(*legs[2]));
    const RealPoint q1 = meet(q0, *legs[0], Plus(p[1], normal(*legs[1])), *legs[1]);
    const RealPoint q2 = meet(Plus(p[2], normal(*legs[1])), *legs[1], q3, *legs[2]);
    return {q0, q1, q2, q3};
}

namespace {

Cubic Reversed(const Cubic& c)
{
    return {c.to, c.control2, c.control1, c.from};
}

// The polyline a side of the band is filled along: its cubics moved `by`,
// forwards or backwards.
std::vector<RealPoint> Side(const std::vector<Cubic>& curve, double by, bool backwards)
{
    std::vector<Cubic> side;
    for (const Cubic& c : curve)
        side.push_back(OffsetCubic(c, by));
    if (backwards) {
        std::reverse(side.begin(), side.end());
        for (Cubic& c : side)
            c = Reversed(c);
    }
    return Flatten(side, Flattening::Fill);
}

} // namespace

std::vector<std::vector<RealPoint>> WideBand(const std::vector<Cubic>& curve, double width, bool closed)
{
    if (curve.empty())
        return {};
    const double half = width / 2;
    std::vector<RealPoint> contour = Side(curve, -half, false);
    std::vector<RealPoint> back = Side(curve, half, true);
    if (closed)
        return {contour, back};
    const Cubic& first = curve.front();
    const Cubic& last = curve.back();
    const std::optional<RealPoint> ahead = Direction(last.control2, last.to) ? Direction(last.control2, last.to)
                                                                             : Direction(last.from, last.to);
    const std::optional<RealPoint> behind = Direction(first.from, first.control1)
                                                ? Direction(first.from, first.control1)
                                                : Direction(first.from, first.to);
    if (!ahead || !behind)
        return {};
    const RealPoint end = contour.back();
    contour.push_back(Plus(end, *ahead, half));
    contour.push_back(Plus(back.front(), *ahead, half));
    contour.insert(contour.end(), back.begin(), back.end());
    contour.push_back(Plus(back.back(), *behind, -half));
    contour.push_back(Plus(contour.front(), *behind, -half));
    return {contour};
}

} // namespace platform::raster
