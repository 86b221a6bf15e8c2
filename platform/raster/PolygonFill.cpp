#include "platform/raster/PolygonFill.h"

#include "platform/raster/PixelTarget.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace platform::raster {

namespace {

// An edge in 16.16 fixed point, its ends on the 1/64 pixel grid: it crosses
// the centre lines Y = y + 0.5 with yTop < Y <= yBottom, at x worked out from
// its slope per pixel, cut towards zero.
struct FixedEdge {
    std::int64_t xTop;
    std::int64_t yTop;
    std::int64_t yBottom;
    std::int64_t slope;
    int winding; // +1 downwards, -1 upwards

    int FirstRow() const { return static_cast<int>(((yTop - 0x8000) >> 16) + 1); }
    int LastRow() const { return static_cast<int>((yBottom - 0x8000) >> 16); }

    // The first pixel whose centre lies after the crossing with row y.
    int PixelAfter(int y) const
    {
        const std::int64_t centre = static_cast<std::int64_t>(y) * 0x10000 + 0x8000;
        const std::int64_t x = xTop + ((slope * (centre - yTop)) >> 16);
        constexpr std::int64_t far = 1 << 30;
        return static_cast<int>(std::clamp<std::int64_t>(((x - 0x8000) >> 16) + 1, -far, far));
    }
};

// A corner in 16.16 fixed point, rounded to the nearest 1/64 pixel; far
// coordinates are held at +-2^28 pixels, which keeps the edges' arithmetic
// within 64 bits.
struct FixedPoint {
    std::int64_t x;
    std::int64_t y;
};

std::int64_t ToFixed(double v)
{
    constexpr double far = 1 << 28;
    return static_cast<std::int64_t>(std::llround(std::clamp(v, -far, far) * 64)) * 1024;
}

struct Crossing {
    int pixelAfter;
    int winding;
};

// Puts the edge's upper end first; its winding is +1 when it ran downwards.
template <typename Point>
int OrderDownwards(Point& a, Point& b)
{
    if (a.y <= b.y)
        return 1;
    std::swap(a, b);
    return -1;
}

// Rows from the first edge's to the last one's within the clip, each filled
// between its crossings by the rule.
template <typename Edge>
void ScanEdges(std::vector<Edge>& edges, FillRule rule, SpanWriter& writer)
{
    if (edges.empty())
        return;
    const ClipBox& clip = writer.Clip();
    std::sort(edges.begin(), edges.end(), [](const Edge& l, const Edge& r) { return l.FirstRow() < r.FirstRow(); });
    int firstRow = edges.front().FirstRow();
    int lastRow = firstRow;
    for (const Edge& e : edges)
        lastRow = std::max(lastRow, e.LastRow());
    firstRow = std::max(firstRow, clip.top);
    lastRow = std::min(lastRow, clip.bottom - 1);
    std::size_t next = 0;
    std::vector<const Edge*> active;
    std::vector<Crossing> crossings;
    for (int y = firstRow; y <= lastRow; ++y) {
        while (next < edges.size() && edges[next].FirstRow() <= y)
            active.push_back(&edges[next++]);
        std::erase_if(active, [y](const Edge* e) { return e->LastRow() < y; });
        crossings.clear();
        for (const Edge* e : active)
            crossings.push_back({e->PixelAfter(y), e->winding});
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& l, const Crossing& r) { return l.pixelAfter < r.pixelAfter; });
        int winding = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += rule == FillRule::OddEven ? 1 : crossings[i].winding;
            const bool inside = rule == FillRule::OddEven ? (winding & 1) != 0 : winding != 0;
            if (!inside)
                continue;
            const int left = std::max(crossings[i].pixelAfter, clip.left);
            const int right = std::min(crossings[i + 1].pixelAfter, clip.right);
            if (right > left)
                writer.Span(left, y, right - left);
        }
    }
}

} // namespace

namespace {

// Adds the edge from a to b unless it crosses no row's centre line.
void AddEdge(FixedPoint a, FixedPoint b, std::vector<FixedEdge>& edges)
{
    if (a.y == b.y)
        return;
    const int winding = OrderDownwards(a, b);
    const FixedEdge edge{a.x, a.y, b.y, ((b.x - a.x) * 0x10000) / (b.y - a.y), winding};
    if (edge.FirstRow() <= edge.LastRow())
        edges.push_back(edge);
}

} // namespace

void FillContours(std::span<const std::vector<RealPoint>> contours, FillRule rule, SpanWriter& writer)
{
    std::vector<FixedEdge> edges;
    for (const std::vector<RealPoint>& corners : contours) {
        if (corners.size() < 3)
            continue;
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const RealPoint a = corners[i];
            const RealPoint b = corners[(i + 1) % corners.size()];
            if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y))
                return;
            AddEdge({ToFixed(a.x), ToFixed(a.y)}, {ToFixed(b.x), ToFixed(b.y)}, edges);
        }
    }
    ScanEdges(edges, rule, writer);
}

void FillPolygon(std::span<const RealPoint> corners, FillRule rule, SpanWriter& writer)
{
    const std::vector<RealPoint> contour(corners.begin(), corners.end());
    FillContours(std::span<const std::vector<RealPoint>>(&contour, 1), rule, writer);
}

void FillPolygon(std::span<const IntPoint> corners, FillRule rule, SpanWriter& writer)
{
    if (corners.size() < 3)
        return;
    const auto fixed = [](IntPoint p) {
        return FixedPoint{ToFixed(static_cast<double>(p.x)), ToFixed(static_cast<double>(p.y))};
    };
    std::vector<FixedEdge> edges;
    for (std::size_t i = 0; i < corners.size(); ++i)
        AddEdge(fixed(corners[i]), fixed(corners[(i + 1) % corners.size()]), edges);
    ScanEdges(edges, rule, writer);
}

} // namespace platform::raster
