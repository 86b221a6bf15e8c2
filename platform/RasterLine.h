#pragma once

#include <QPoint>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

// Which pixels a one-pixel line sets. The canvas draws such lines either through
// QPainter (cosmetic pen, flat cap, no antialiasing) or, in the hot case, by
// writing the pixels itself; both must set exactly the same pixels, so the rule
// QPainter's raster engine follows is reproduced here:
//
// 1. Endpoints farther out than one pixel beyond the drawing surface are first
//    moved onto the lines x = -1, x = width + 1, y = -1, y = height + 1 in
//    floating point (x first, then y; the start before the end). A line that
//    lies wholly beyond one of them draws nothing.
// 2. The endpoints become 26.6 fixed point (truncated towards zero).
// 3. The line steps along its major axis (x when |dx| >= |dy|) from its lower to
//    its higher end, whatever its direction: pixel rows (or columns)
//    round(lower) .. round(higher) - 1, the minor coordinate advancing by a
//    16.16 slope truncated towards zero, starting half a step in when the slope
//    is positive.
//
// That rule is symmetric: a line drawn from its higher end to its lower end
// sets its end point and leaves out its start point. The canvas's rule is that
// a line never sets its end point, so for such a reversed line the pixels on
// the end point's row (column) are left out and the start point is set. The
// result is the same pixel chain whatever the direction, with the end point
// excluded.
namespace platform::raster {

// The pixels [left, right) x [top, bottom) that may be written.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr bool contains(int x, int y) const
    {
        return x >= left && x < right && y >= top && y < bottom;
    }
};

// How a line from a to b runs: along x (|dx| >= |dy|) or y, and whether it
// runs towards smaller coordinates of that axis.
struct LineCourse {
    bool alongX = true;
    bool reversed = false;
};

constexpr LineCourse lineCourse(QPoint a, QPoint b)
{
    const long long dx = static_cast<long long>(b.x()) - a.x();
    const long long dy = static_cast<long long>(b.y()) - a.y();
    const bool alongX = !((dx < 0 ? -dx : dx) < (dy < 0 ? -dy : dy));
    return {alongX, alongX ? dx < 0 : dy < 0};
}

// Whether a point lies at most one pixel beyond a surface of the given size:
// such endpoints are left where they are by step 1 of the rule.
constexpr bool nearSurface(QPoint p, int surfaceWidth, int surfaceHeight)
{
    return p.x() >= -1 && p.x() <= surfaceWidth + 1 && p.y() >= -1 && p.y() <= surfaceHeight + 1;
}

namespace detail {

inline int toFixed26(double value)
{
    return static_cast<int>(value * 64.0);
}

// The 16.16 quotient of two 26.6 values, truncated towards zero.
inline int fixedDivide(int numerator, int denominator)
{
    return static_cast<int>((static_cast<std::int64_t>(numerator) * 65536) / denominator);
}

// Step 1 of the rule. Returns false when nothing of the line remains.
inline bool coarseClip(double& x1, double& y1, double& x2, double& y2, double xmin, double xmax,
                       double ymin, double ymax)
{
    if (x1 < xmin) {
        if (x2 <= xmin)
            return false;
        y1 += (y2 - y1) / (x2 - x1) * (xmin - x1);
        x1 = xmin;
    } else if (x1 > xmax) {
        if (x2 >= xmax)
            return false;
        y1 += (y2 - y1) / (x2 - x1) * (xmax - x1);
        x1 = xmax;
    }
    if (x2 < xmin) {
        y2 += (y2 - y1) / (x2 - x1) * (xmin - x2);
        x2 = xmin;
    } else if (x2 > xmax) {
        y2 += (y2 - y1) / (x2 - x1) * (xmax - x2);
        x2 = xmax;
    }
    if (y1 < ymin) {
        if (y2 <= ymin)
            return false;
        x1 += (x2 - x1) / (y2 - y1) * (ymin - y1);
        y1 = ymin;
    } else if (y1 > ymax) {
        if (y2 >= ymax)
            return false;
        x1 += (x2 - x1) / (y2 - y1) * (ymax - y1);
        y1 = ymax;
    }
    if (y2 < ymin) {
        x2 += (x2 - x1) / (y2 - y1) * (ymin - y2);
        y2 = ymin;
    } else if (y2 > ymax) {
        x2 += (x2 - x1) / (y2 - y1) * (ymax - y2);
        y2 = ymax;
    }
    return true;
}

// Steps 2 and 3 on 26.6 endpoints; plot(x, y) for every pixel.
template <typename Plot>
void stepFixedLine(int x1, int y1, int x2, int y2, Plot&& plot)
{
    const int dx = std::abs(x2 - x1);
    const int dy = std::abs(y2 - y1);
    if (dx < dy) {
        if (y1 > y2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        const int xinc = fixedDivide(x2 - x1, y2 - y1);
        int x = x1 * 1024;
        int y = (y1 + 32) >> 6;
        const int yEnd = (y2 + 32) >> 6;
        if (y == yEnd)
            return;
        const int half = xinc > 0 ? 32 : 0;
        x += ((y * 64 + half - y1) * xinc) >> 6;
        do {
            plot(x >> 16, y);
            x += xinc;
        } while (++y < yEnd);
    } else {
        if (dx == 0)
            return;
        if (x1 > x2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        const int yinc = fixedDivide(y2 - y1, x2 - x1);
        int y = y1 * 1024;
        int x = (x1 + 32) >> 6;
        const int xEnd = (x2 + 32) >> 6;
        if (x == xEnd)
            return;
        const int half = yinc > 0 ? 32 : 0;
        y += ((x * 64 + half - x1) * yinc) >> 6;
        do {
            plot(x, y >> 16);
            y += yinc;
        } while (++x < xEnd);
    }
}

} // namespace detail

// The pixels QPainter sets for the line from a to b on a surface of the given
// size (steps 1 to 3 above), clipping aside; plot(x, y) may be called for
// pixels just outside the surface. Surfaces up to 16384 pixels each way.
template <typename Plot>
void traceQtLine(QPoint a, QPoint b, int surfaceWidth, int surfaceHeight, Plot&& plot)
{
    if (nearSurface(a, surfaceWidth, surfaceHeight) && nearSurface(b, surfaceWidth, surfaceHeight)) {
        detail::stepFixedLine(a.x() * 64, a.y() * 64, b.x() * 64, b.y() * 64, plot);
        return;
    }
    double x1 = a.x();
    double y1 = a.y();
    double x2 = b.x();
    double y2 = b.y();
    if (!detail::coarseClip(x1, y1, x2, y2, -1.0, surfaceWidth + 1.0, -1.0, surfaceHeight + 1.0))
        return;
    detail::stepFixedLine(detail::toFixed26(x1), detail::toFixed26(y1), detail::toFixed26(x2),
                          detail::toFixed26(y2), plot);
}

namespace detail {

// traceCanvasLine for endpoints that need no coarse clipping, in integers:
// the 26.6 endpoints are whole pixels, so the first pixel of the step is the
// lower end itself and the 16.16 slope is (d_minor << 16) / d_major.
template <typename Plot>
void traceNearCanvasLine(QPoint a, QPoint b, const PixelBox& box, Plot&& plot)
{
    const int dx = b.x() - a.x();
    const int dy = b.y() - a.y();
    const bool alongX = !(std::abs(dx) < std::abs(dy));
    const int major = alongX ? dx : dy;
    const bool reversed = major < 0;
    const QPoint lower = reversed ? b : a;
    const int steps = major < 0 ? -major : major;
    const int minorDelta = reversed ? -(alongX ? dy : dx) : (alongX ? dy : dx);
    const int inc = steps > 1 ? (minorDelta * 65536) / steps : 0;
    int minor = (alongX ? lower.y() : lower.x()) * 65536 + (inc > 0 ? inc >> 1 : 0);
    int along = alongX ? lower.x() : lower.y();
    const int end = along + steps;
    if (reversed) {
        // Leave out the end point's row (column), the first one stepped.
        ++along;
        minor += inc;
    }
    const bool inside = box.contains(std::min(a.x(), b.x()), std::min(a.y(), b.y()))
                        && box.contains(std::max(a.x(), b.x()), std::max(a.y(), b.y()));
    if (inside) {
        if (alongX)
            for (; along < end; ++along, minor += inc)
                plot(along, minor >> 16);
        else
            for (; along < end; ++along, minor += inc)
                plot(minor >> 16, along);
    } else {
        for (; along < end; ++along, minor += inc) {
            const int x = alongX ? along : minor >> 16;
            const int y = alongX ? minor >> 16 : along;
            if (box.contains(x, y))
                plot(x, y);
        }
    }
    if (reversed && box.contains(a.x(), a.y()))
        plot(a.x(), a.y());
}

} // namespace detail

// The canvas's line from a to b: the pixels of traceQtLine, with the end point
// left out and the start point set also when the line runs backwards. Only
// pixels inside box are plotted; box must lie within the surface. A line whose
// ends coincide draws nothing.
template <typename Plot>
void traceCanvasLine(QPoint a, QPoint b, int surfaceWidth, int surfaceHeight, const PixelBox& box,
                     Plot&& plot)
{
    if (a == b)
        return;
    if (nearSurface(a, surfaceWidth, surfaceHeight) && nearSurface(b, surfaceWidth, surfaceHeight)) {
        detail::traceNearCanvasLine(a, b, box, plot);
        return;
    }
    const LineCourse course = lineCourse(a, b);
    if (!course.reversed) {
        traceQtLine(a, b, surfaceWidth, surfaceHeight, [&](int x, int y) {
            if (box.contains(x, y))
                plot(x, y);
        });
        return;
    }
    const int endLine = course.alongX ? b.x() : b.y();
    traceQtLine(a, b, surfaceWidth, surfaceHeight, [&](int x, int y) {
        if ((course.alongX ? x : y) != endLine && box.contains(x, y))
            plot(x, y);
    });
    if (box.contains(a.x(), a.y()))
        plot(a.x(), a.y());
}

} // namespace platform::raster
