#include "platform/raster/ArcCurves.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform::raster {

namespace {

constexpr double handle = 0.5522847498;

RealPoint Mix(RealPoint a, RealPoint b, double t)
{
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

RealPoint Middle(RealPoint a, RealPoint b)
{
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

// The unit quarter from (1, 0) to (0, 1) as a cubic: its x and y at t.
double QuarterX(double t)
{
    const double u = 1 - t;
    return u * u * u + 3 * u * u * t + 3 * u * t * t * handle;
}

double QuarterY(double t)
{
    const double u = 1 - t;
    return 3 * u * u * t * handle + 3 * u * t * t + t * t * t;
}

// d/dt of QuarterX written out from the Bernstein form.
double QuarterXSlope(double t)
{
    // x = u^3 + 3u^2 t + 3 u t^2 k, u = 1 - t
    const double u = 1 - t;
    return -3 * u * u + 3 * (u * u - 2 * u * t) + 3 * handle * (2 * u * t - t * t);
}

// The slope the y estimate below steps with: (9k - 6) t^2 + (12k - 6) t + 3k.
// It is not quite y's derivative (whose middle term is (6 - 12k) t), but
// it is what places a partial quarter where painters place it.
double QuarterYStepSlope(double t)
{
    return ((9 * handle - 6) * t + 12 * handle - 6) * t + 3 * handle;
}

// The parameter of the quarter cubic at an angle within the quarter
// (0 .. 90 degrees): the mean of two estimates, each two Newton steps on
// one coordinate (x against the cosine from angle / 90, then y against the
// sine from there). Close to, but not exactly, where the cubic's direction
// from the centre is the angle; painters place partial quarters there.
double QuarterParameter(double degrees)
{
    if (degrees <= 0)
        return 0;
    if (degrees >= 90)
        return 1;
    const double radians = degrees * std::numbers::pi / 180;
    const double cosine = std::cos(radians);
    const double sine = std::sin(radians);
    double tx = degrees / 90;
    for (int i = 0; i < 2; ++i)
        tx -= (QuarterX(tx) - cosine) / QuarterXSlope(tx);
    double ty = tx;
    for (int i = 0; i < 2; ++i)
        ty -= (QuarterY(ty) - sine) / QuarterYStepSlope(ty);
    return (tx + ty) / 2;
}

// The piece of a cubic between parameters t0 < t1.
Cubic Piece(const Cubic& c, double t0, double t1)
{
    const auto split = [](const Cubic& whole, double t, Cubic& left, Cubic& right) {
        const RealPoint ab = Mix(whole.from, whole.control1, t);
        const RealPoint bc = Mix(whole.control1, whole.control2, t);
        const RealPoint cd = Mix(whole.control2, whole.to, t);
        const RealPoint abc = Mix(ab, bc, t);
        const RealPoint bcd = Mix(bc, cd, t);
        const RealPoint m = Mix(abc, bcd, t);
        left = {whole.from, ab, abc, m};
        right = {m, bcd, cd, whole.to};
    };
    Cubic left;
    Cubic right;
    Cubic result = c;
    if (t1 < 1) {
        split(c, t1, left, right);
        result = left;
    }
    if (t0 > 0) {
        split(result, t0 / t1, left, right);
        result = right;
    }
    return result;
}

// Quarter q (0: from 0 to 90 degrees, 1: 90 to 180, ...) of the ellipse in box.
Cubic Quarter(const RealBox& box, int q)
{
    const double rx = box.width / 2;
    const double ry = box.height / 2;
    const double cx = box.x + rx;
    const double cy = box.y + ry;
    // The unit quarter's points turned by q right angles, in screen terms.
    const RealPoint unit[4] = {{1, 0}, {1, handle}, {handle, 1}, {0, 1}};
    RealPoint p[4];
    for (int i = 0; i < 4; ++i) {
        double ux = unit[i].x;
        double uy = unit[i].y;
        for (int turn = 0; turn < q; ++turn) {
            const double turned = -uy;
            uy = ux;
            ux = turned;
        }
        p[i] = {cx + rx * ux, cy - ry * uy};
    }
    return {p[0], p[1], p[2], p[3]};
}

} // namespace

std::vector<Cubic> ArcCubics(const RealBox& box, double startDegrees, double spanDegrees)
{
    std::vector<Cubic> cubics;
    if (!std::isfinite(startDegrees) || !std::isfinite(spanDegrees) || spanDegrees == 0)
        return cubics;
    spanDegrees = std::clamp(spanDegrees, -360.0, 360.0);
    // Walk the arc counter-clockwise; a clockwise arc is the same curve from
    // its other end, reversed.
    const bool clockwise = spanDegrees < 0;
    double from = clockwise ? startDegrees + spanDegrees : startDegrees;
    const double span = std::fabs(spanDegrees);
    from = std::fmod(from, 360.0);
    if (from < 0)
        from += 360;
    const double to = from + span;
    for (int q = static_cast<int>(std::floor(from / 90)); q * 90.0 < to; ++q) {
        const double quarterStart = q * 90.0;
        const double t0 = QuarterParameter(std::max(from, quarterStart) - quarterStart);
        const double t1 = QuarterParameter(std::min(to, quarterStart + 90) - quarterStart);
        if (t1 <= t0)
            continue;
        cubics.push_back(Piece(Quarter(box, q % 4), t0, t1));
    }
    if (clockwise) {
        std::reverse(cubics.begin(), cubics.end());
        for (Cubic& c : cubics)
            c = {c.to, c.control2, c.control1, c.from};
    }
    return cubics;
}

std::vector<Cubic> EllipseCubics(const RealBox& box)
{
    return ArcCubics(box, 0, 360);
}

namespace {

// Halves the cubic until `flat` holds for each piece or `deepest` halvings
// are made, appending the pieces' end points in order.
template <typename Flat>
void Halve(const Cubic& cubic, int deepest, Flat&& flat, std::vector<RealPoint>& points)
{
    const auto walk = [&](const auto& self, const Cubic& c, int level) -> void {
        if (level == deepest || flat(c)) {
            points.push_back(c.to);
            return;
        }
        const RealPoint ab = Middle(c.from, c.control1);
        const RealPoint bc = Middle(c.control1, c.control2);
        const RealPoint cd = Middle(c.control2, c.to);
        const RealPoint abc = Middle(ab, bc);
        const RealPoint bcd = Middle(bc, cd);
        const RealPoint m = Middle(abc, bcd);
        self(self, Cubic{c.from, ab, abc, m}, level + 1);
        self(self, Cubic{m, bcd, cd, c.to}, level + 1);
    };
    walk(walk, cubic, 0);
}

// The cross product of p - from with the chord.
double Off(const Cubic& c, RealPoint p)
{
    return std::fabs((c.to.x - c.from.x) * (c.from.y - p.y) - (c.to.y - c.from.y) * (c.from.x - p.x));
}

} // namespace

void FlattenCubic(const Cubic& cubic, std::vector<RealPoint>& points)
{
    Halve(cubic, 6, [](const Cubic& c) {
        const double reach = 0.25 * (std::fabs(c.to.x - c.from.x) + std::fabs(c.to.y - c.from.y));
        return Off(c, c.control1) < reach && Off(c, c.control2) < reach;
    }, points);
}

void FlattenCubicForFill(const Cubic& cubic, std::vector<RealPoint>& points)
{
    Halve(cubic, 9, [](const Cubic& c) {
        const double chord = std::fabs(c.to.x - c.from.x) + std::fabs(c.to.y - c.from.y);
        if (chord > 1)
            return Off(c, c.control1) + Off(c, c.control2) < 0.25 * chord;
        const auto manhattan = [&c](RealPoint p) { return std::fabs(c.from.x - p.x) + std::fabs(c.from.y - p.y); };
        return manhattan(c.control1) + manhattan(c.control2) < 0.25;
    }, points);
}

std::vector<RealPoint> Flatten(const std::vector<Cubic>& cubics, Flattening use)
{
    std::vector<RealPoint> points;
    if (cubics.empty())
        return points;
    points.push_back(cubics.front().from);
    for (const Cubic& c : cubics) {
        if (use == Flattening::Fill)
            FlattenCubicForFill(c, points);
        else
            FlattenCubic(c, points);
    }
    return points;
}

} // namespace platform::raster
