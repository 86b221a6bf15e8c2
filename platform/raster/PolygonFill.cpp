#include "platform/raster/PolygonFill.h"

#include "platform/raster/PixelTarget.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace platform::raster {

namespace {

struct Edge {
    double yTop;    // the edge covers sample rows with yTop < Y <= yBottom
    double yBottom;
    double xAtTop;
    double slope;   // dx / dy
    int winding;    // +1 downwards, -1 upwards
};

struct Crossing {
    double x;
    int winding;
};

} // namespace

void FillPolygon(std::span<const RealPoint> corners, FillRule rule, SpanWriter& writer)
{
    const std::vector<RealPoint> contour(corners.begin(), corners.end());
    FillContours(std::span<const std::vector<RealPoint>>(&contour, 1), rule, writer);
}

void FillContours(std::span<const std::vector<RealPoint>> contours, FillRule rule, SpanWriter& writer)
{
    std::vector<Edge> edges;
    double top = std::numeric_limits<double>::infinity();
    double bottom = -top;
    for (const std::vector<RealPoint>& corners : contours) {
        if (corners.size() < 3)
            continue;
        for (std::size_t i = 0; i < corners.size(); ++i) {
            RealPoint a = corners[i];
            RealPoint b = corners[(i + 1) % corners.size()];
            if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y))
                return;
            top = std::min(top, a.y);
            bottom = std::max(bottom, a.y);
            if (a.y == b.y)
                continue;
            int winding = 1;
            if (a.y > b.y) {
                std::swap(a, b);
                winding = -1;
            }
            edges.push_back({a.y, b.y, a.x, (b.x - a.x) / (b.y - a.y), winding});
        }
    }
    if (edges.empty())
        return;
    const ClipBox& clip = writer.Clip();
    // Rows whose centre Y = y + 0.5 lies in (top, bottom].
    const int firstRow = static_cast<int>(std::max<double>(std::floor(top - 0.5) + 1, clip.top));
    const int lastRow = static_cast<int>(std::min<double>(std::floor(bottom - 0.5), clip.bottom - 1));
    // The edges in the order their first sample row comes; those a row
    // crosses are kept active until their last.
    const auto firstRowOf = [](const Edge& e) { return std::floor(e.yTop - 0.5) + 1; };
    std::sort(edges.begin(), edges.end(),
              [&](const Edge& l, const Edge& r) { return firstRowOf(l) < firstRowOf(r); });
    std::size_t next = 0;
    std::vector<const Edge*> active;
    std::vector<Crossing> crossings;
    for (int y = firstRow; y <= lastRow; ++y) {
        const double sampleY = y + 0.5;
        while (next < edges.size() && firstRowOf(edges[next]) <= y)
            active.push_back(&edges[next++]);
        std::erase_if(active, [sampleY](const Edge* e) { return sampleY > e->yBottom; });
        crossings.clear();
        for (const Edge* e : active) {
            if (sampleY > e->yTop)
                crossings.push_back({e->xAtTop + (sampleY - e->yTop) * e->slope, e->winding});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
        int winding = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += rule == FillRule::OddEven ? 1 : crossings[i].winding;
            const bool inside = rule == FillRule::OddEven ? (winding & 1) != 0 : winding != 0;
            if (!inside)
                continue;
            // Pixels whose centres lie in (left, right].
            const double left = std::max<double>(std::floor(crossings[i].x - 0.5) + 1, clip.left);
            const double right = std::min<double>(std::floor(crossings[i + 1].x - 0.5), clip.right - 1);
            if (right >= left)
                writer.Span(static_cast<int>(left), y, static_cast<int>(right - left) + 1);
        }
    }
}

} // namespace platform::raster
