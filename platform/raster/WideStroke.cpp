#include "platform/raster/WideStroke.h"

#include "platform/raster/PolygonFill.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace platform::raster {

namespace {

double TwiceArea(const std::vector<RealPoint>& contour)
{
    double sum = 0;
    for (std::size_t i = 0; i < contour.size(); ++i) {
        const RealPoint a = contour[i];
        const RealPoint b = contour[(i + 1) % contour.size()];
        sum += a.x * b.y - b.x * a.y;
    }
    return sum;
}

// Adds a contour running the same way round as every other, so that the
// winding rule fills their union.
void AddContour(std::vector<std::vector<RealPoint>>& contours, std::vector<RealPoint> contour)
{
    const double area = TwiceArea(contour);
    if (area == 0)
        return;
    if (area < 0)
        std::reverse(contour.begin(), contour.end());
    contours.push_back(std::move(contour));
}

struct Direction {
    double x;
    double y;
};

Direction UnitFrom(RealPoint a, RealPoint b)
{
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    return {(b.x - a.x) / length, (b.y - a.y) / length};
}

} // namespace

void WidePolyline(std::span<const RealPoint> points, double width, bool closed, SpanWriter& writer)
{
    // The pieces of non-zero length.
    std::vector<RealPoint> line;
    for (const RealPoint& p : points) {
        if (line.empty() || p.x != line.back().x || p.y != line.back().y)
            line.push_back(p);
    }
    if (closed && line.size() > 1 && line.front().x == line.back().x && line.front().y == line.back().y)
        line.pop_back();
    if (line.size() < 2 || !(width > 0))
        return;
    const double half = width / 2;
    const std::size_t pieces = closed ? line.size() : line.size() - 1;
    std::vector<std::vector<RealPoint>> contours;
    std::vector<Direction> directions;
    for (std::size_t i = 0; i < pieces; ++i) {
        RealPoint a = line[i];
        RealPoint b = line[(i + 1) % line.size()];
        const Direction d = UnitFrom(a, b);
        directions.push_back(d);
        if (!closed && i == 0) {
            a.x -= d.x * half;
            a.y -= d.y * half;
        }
        if (!closed && i + 1 == pieces) {
            b.x += d.x * half;
            b.y += d.y * half;
        }
        const double nx = -d.y * half;
        const double ny = d.x * half;
        AddContour(contours, {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}});
    }
    // The corners: the wedge between the bands' sides on the outer side.
    for (std::size_t i = 0; i < pieces; ++i) {
        if (!closed && i + 1 == pieces)
            break;
        const Direction in = directions[i];
        const Direction out = directions[(i + 1) % pieces];
        const RealPoint v = line[(i + 1) % line.size()];
        for (const double side : {half, -half}) {
            AddContour(contours, {v, {v.x - in.y * side, v.y + in.x * side}, {v.x - out.y * side, v.y + out.x * side}});
        }
    }
    FillContours(contours, FillRule::Winding, writer);
}

} // namespace platform::raster
