#include "platform/raster/PolygonFill.h"

#include "platform/raster/PixelTarget.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace platform::raster {

namespace {

// An edge with real ends: it crosses the centre lines Y = y + 0.5 with
// yTop < Y <= yBottom.
struct RealEdge {
    double yTop;
    double yBottom;
    double xAtTop;
    double slope; // dx / dy
    int winding;  // +1 downwards, -1 upwards

    int FirstRow() const { return static_cast<int>(std::floor(yTop - 0.5) + 1); }
    int LastRow() const { return static_cast<int>(std::floor(yBottom - 0.5)); }

    // The first pixel whose centre lies after the crossing with row y.
    int PixelAfter(int y) const
    {
        const double x = xAtTop + (y + 0.5 - yTop) * slope;
        constexpr double far = 1 << 30;
        return static_cast<int>(std::clamp(std::floor(x - 0.5) + 1, -far, far));
    }
};

// An edge with whole-pixel ends, its crossings in 16.16 fixed point.
struct FixedEdge {
    int yTop;
    int yBottom;
    std::int64_t xAtTop; // 16.16
    std::int64_t slope;  // 16.16 per row, cut towards zero
    int winding;

    int FirstRow() const { return yTop; }
    int LastRow() const { return yBottom - 1; }

    int PixelAfter(int y) const
    {
        const std::int64_t x = xAtTop + slope * (static_cast<std::int64_t>(y) - yTop) + slope / 2;
        constexpr std::int64_t far = 1 << 30;
        return static_cast<int>(std::clamp<std::int64_t>(((x - 0x8000) >> 16) + 1, -far, far));
    }
};

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

void FillContours(std::span<const std::vector<RealPoint>> contours, FillRule rule, SpanWriter& writer)
{
    std::vector<RealEdge> edges;
    for (const std::vector<RealPoint>& corners : contours) {
        if (corners.size() < 3)
            continue;
        for (std::size_t i = 0; i < corners.size(); ++i) {
            RealPoint a = corners[i];
            RealPoint b = corners[(i + 1) % corners.size()];
            if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y))
                return;
            if (a.y == b.y)
                continue;
            const int winding = OrderDownwards(a, b);
            const RealEdge edge{a.y, b.y, a.x, (b.x - a.x) / (b.y - a.y), winding};
            if (edge.FirstRow() <= edge.LastRow())
                edges.push_back(edge);
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
    // Any int corners keep the 16.16 arithmetic within 64 bits: a row's
    // crossing moves at most |dx| / dy * 65536 per row over dy rows.
    std::vector<FixedEdge> edges;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        IntPoint a = corners[i];
        IntPoint b = corners[(i + 1) % corners.size()];
        if (a.y == b.y)
            continue;
        const int winding = OrderDownwards(a, b);
        const std::int64_t slope = ((static_cast<std::int64_t>(b.x) - a.x) * 65536) / (static_cast<std::int64_t>(b.y) - a.y);
        edges.push_back({a.y, b.y, static_cast<std::int64_t>(a.x) * 65536, slope, winding});
    }
    ScanEdges(edges, rule, writer);
}

} // namespace platform::raster
