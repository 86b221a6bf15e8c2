#pragma once

#include "platform/PixelBuffer.h"
#include "platform/Point.h"

#include <algorithm>
#include <cstddef>
#include <span>

// Which pixels a one-pixel line sets: the nearest pixels to the ideal line
// (the midpoint rule).
//
// The line from a to b steps along its major axis (x when |dx| >= |dy|, else
// y), one pixel per step, from a's column (row) towards b's, b's left out: it
// sets max(|dx|, |dy|) pixels, and a line whose ends coincide sets none. On
// each step it sets the pixel whose minor coordinate is nearest to the ideal
// line through the centres of a and b; where the ideal line passes exactly
// half way between two pixels, the one with the larger coordinate. So every
// pixel lies within half a pixel of the ideal line, measured across it, and
// a line sets the same pixels whichever way it runs, apart from the end it
// leaves out.
namespace platform::raster {

// The pixels that may be written (platform/PixelBuffer.h). Its edges must
// lie within +-2^30.
using PixelBox = platform::PixelBox;

namespace detail {

// Wide enough for products of two coordinate differences of any int points.
__extension__ typedef __int128 Wide;

// Ends within this distance of 0 (with the box within +-2^30) keep those
// products within long long, which divides much faster.
constexpr int nearLimit = 1 << 29;

constexpr bool IsNear(Point p)
{
    return p.x >= -nearLimit && p.x <= nearLimit && p.y >= -nearLimit && p.y <= nearLimit;
}

// n / d rounded down and up, for d > 0.
template <typename Int>
constexpr Int FloorDivide(Int n, Int d)
{
    const Int q = n / d;
    return (n % d != 0 && n < 0) ? q - 1 : q;
}
template <typename Int>
constexpr Int CeilDivide(Int n, Int d)
{
    return -FloorDivide<Int>(-n, d);
}

// A line in the terms of its major axis: step i (0 <= i < steps) sets the
// pixel major0 + direction * i along it and minor0 + offset(i) across it,
// offset(i) = floor((2 i minorDelta + steps) / (2 steps)), the rounding of
// i minorDelta / steps with halves upwards.
struct LineSteps {
    bool alongX = true;
    long long major0 = 0;
    long long minor0 = 0;
    int direction = 1;
    long long steps = 0;
    long long minorDelta = 0;
};

constexpr LineSteps StepsOfLine(Point a, Point b)
{
    const long long dx = static_cast<long long>(b.x) - a.x;
    const long long dy = static_cast<long long>(b.y) - a.y;
    LineSteps line;
    line.alongX = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const long long majorDelta = line.alongX ? dx : dy;
    line.major0 = line.alongX ? a.x : a.y;
    line.minor0 = line.alongX ? a.y : a.x;
    line.direction = majorDelta < 0 ? -1 : 1;
    line.steps = majorDelta < 0 ? -majorDelta : majorDelta;
    line.minorDelta = line.alongX ? dy : dx;
    return line;
}

// The steps first .. last (inclusive) whose pixels lie in [majorLow, majorHigh)
// along the major axis and [minorLow, minorHigh) across it: the offsets grow
// (or shrink) steadily with the step, so they form one run. Empty when
// first > last.
struct StepRange {
    long long first = 0;
    long long last = -1;
};

template <typename Int>
constexpr StepRange ClipSteps(const LineSteps& line, long long majorLow, long long majorHigh, long long minorLow,
                              long long minorHigh)
{
    Int first = 0;
    Int last = line.steps - 1;
    if (line.direction > 0) {
        first = std::max<Int>(first, majorLow - line.major0);
        last = std::min<Int>(last, majorHigh - 1 - line.major0);
    } else {
        first = std::max<Int>(first, line.major0 - (majorHigh - 1));
        last = std::min<Int>(last, line.major0 - majorLow);
    }
    // offset(i) must lie in [low, high].
    const Int low = minorLow - line.minor0;
    const Int high = minorHigh - 1 - line.minor0;
    const Int m = line.steps;
    const Int d = line.minorDelta;
    if (d > 0) {
        first = std::max(first, CeilDivide<Int>(2 * m * low - m, 2 * d));
        last = std::min(last, CeilDivide<Int>(2 * m * (high + 1) - m, 2 * d) - 1);
    } else if (d < 0) {
        first = std::max(first, FloorDivide<Int>(m - 2 * m * (high + 1), -2 * d) + 1);
        last = std::min(last, FloorDivide<Int>(m - 2 * m * low, -2 * d));
    } else if (low > 0 || high < 0) {
        return {};
    }
    if (first > last)
        return {};
    return {static_cast<long long>(first), static_cast<long long>(last)};
}

// Where a line stands at its step first: the offset across it, and the error
// term that StepLine counts down.
struct StepStart {
    long long offset = 0;
    long long error = 0;
};

template <typename Int>
constexpr StepStart StartAtStep(const LineSteps& line, long long first)
{
    const Int m = line.steps;
    const Int d = line.minorDelta;
    if (first == 0)
        return {0, d >= 0 ? line.steps - 1 : line.steps};
    if (d >= 0) {
        // offset = floor(n / 2m) with n = 2 i d + m; error = 2m - 1 - (n mod 2m).
        const Int n = 2 * first * d + m;
        const Int q = FloorDivide<Int>(n, 2 * m);
        return {static_cast<long long>(q), static_cast<long long>(2 * m - 1 - (n - 2 * m * q))};
    }
    // offset = -ceil(n / 2m) with n = -2 i d - m; error = 2m ceil(n / 2m) - n.
    const Int n = -2 * first * d - m;
    const Int c = CeilDivide<Int>(n, 2 * m);
    return {static_cast<long long>(-c), static_cast<long long>(2 * m * c - n)};
}

// The steps from first to last with the offset kept as an error term: the
// error counts down by 2 |minorDelta| per step, and the offset moves one
// pixel each time it drops below 0.
template <bool AlongX, typename Plot>
void StepLine(const LineSteps& line, long long first, long long last, const StepStart& start, Plot& plot)
{
    long long error = start.error;
    const long long twoSteps = 2 * line.steps;
    const long long fall = 2 * (line.minorDelta < 0 ? -line.minorDelta : line.minorDelta);
    const int minorStep = line.minorDelta < 0 ? -1 : 1;
    // Plotted pixels lie in the box, so both coordinates stay well within int.
    int major = static_cast<int>(line.major0 + line.direction * first);
    int minor = static_cast<int>(line.minor0 + start.offset);
    for (long long i = first; i <= last; ++i) {
        if constexpr (AlongX)
            plot(major, minor, i);
        else
            plot(minor, major, i);
        major += line.direction;
        error -= fall;
        // Without a branch: all ones when the error dropped below 0.
        const long long moved = error >> 63;
        error += twoSteps & moved;
        minor += minorStep & static_cast<int>(moved);
    }
}

// The steps of the line from a to b whose pixels lie in box, and where the
// line stands at the first of them; no steps (first > last) when none does.
struct StepsInBox {
    LineSteps line;
    StepRange range;
    StepStart start;
};

inline StepsInBox ClipLine(Point a, Point b, const PixelBox& box)
{
    StepsInBox clipped{StepsOfLine(a, b), {}, {}};
    const LineSteps& line = clipped.line;
    if (line.steps == 0)
        return clipped;
    clipped.range = {0, line.steps - 1};
    clipped.start = StartAtStep<long long>(line, 0);
    if (!box.Contains(a.x, a.y) || !box.Contains(b.x, b.y)) {
        const auto clip = [&](auto wide) {
            using Int = decltype(wide);
            clipped.range = line.alongX ? ClipSteps<Int>(line, box.left, box.right, box.top, box.bottom)
                                        : ClipSteps<Int>(line, box.top, box.bottom, box.left, box.right);
            if (clipped.range.first <= clipped.range.last)
                clipped.start = StartAtStep<Int>(line, clipped.range.first);
        };
        if (IsNear(a) && IsNear(b))
            clip(0LL);
        else
            clip(Wide(0));
    }
    return clipped;
}

// The steps from first to last in stretches of one minor coordinate: the
// error term drops below 0 after error / fall + 1 steps, where the offset
// moves on.
template <typename Run>
void RunLine(const LineSteps& line, long long first, long long last, const StepStart& start, Run& run)
{
    long long error = start.error;
    const long long twoSteps = 2 * line.steps;
    const long long fall = 2 * (line.minorDelta < 0 ? -line.minorDelta : line.minorDelta);
    const int minorStep = line.minorDelta < 0 ? -1 : 1;
    int minor = static_cast<int>(line.minor0 + start.offset);
    for (long long i = first; i <= last;) {
        const long long rest = last - i + 1;
        const long long count = fall == 0 ? rest : std::min(error / fall + 1, rest);
        const long long end = i + count - 1;
        run(minor, static_cast<int>(line.major0 + line.direction * i), static_cast<int>(line.major0 + line.direction * end));
        error += twoSteps - count * fall;
        minor += minorStep;
        i = end + 1;
    }
}

} // namespace detail

// Calls plot(x, y, step) for each pixel of the line from a to b that lies in
// box, in order from a; step is the pixel's number along the line, 0 for a's.
// Exact for any int coordinates of a and b.
template <typename Plot>
void TraceLine(Point a, Point b, const PixelBox& box, Plot&& plot)
{
    const detail::StepsInBox clipped = detail::ClipLine(a, b, box);
    if (clipped.range.first > clipped.range.last)
        return;
    if (clipped.line.alongX)
        detail::StepLine<true>(clipped.line, clipped.range.first, clipped.range.last, clipped.start, plot);
    else
        detail::StepLine<false>(clipped.line, clipped.range.first, clipped.range.last, clipped.start, plot);
}

// The pixels of TraceLine in stretches that share their minor coordinate (a
// column of a line that steps along y, a row of one that steps along x, see
// StepsAlongX): run(minor, first, last) for the pixels from major coordinate
// first to last, in order from a. A stretch costs a division rather than a
// step per pixel, which pays for steep lines.
template <typename Run>
void TraceLineRuns(Point a, Point b, const PixelBox& box, Run&& run)
{
    const detail::StepsInBox clipped = detail::ClipLine(a, b, box);
    if (clipped.range.first <= clipped.range.last)
        detail::RunLine(clipped.line, clipped.range.first, clipped.range.last, clipped.start, run);
}

// Whether the line from a to b steps along x: |dx| >= |dy|.
constexpr bool StepsAlongX(Point a, Point b)
{
    const long long dx = static_cast<long long>(b.x) - a.x;
    const long long dy = static_cast<long long>(b.y) - a.y;
    return (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
}

// The pixels a line width pixels wide sets beside each pixel of its centre
// line, across its major axis: from centre - width / 2 to centre + (width -
// 1) / 2 (the odd one out before the centre), the centre alone for width 1.
struct CrossSpan {
    int first;
    int last;
};
constexpr CrossSpan CrossSectionAt(int centre, int width)
{
    const int w = width > 1 ? width : 1;
    return {centre - w / 2, centre + (w - 1) / 2};
}

// The box the centre pixels of a line width pixels wide from a to b lie in
// when their cross-sections (CrossSectionAt, across the major axis,
// StepsAlongX) reach into box.
constexpr PixelBox WideLineCentres(Point a, Point b, const PixelBox& box, int width)
{
    const int w = width > 1 ? width : 1;
    PixelBox centres = box;
    // A centre at c covers c - w / 2 .. c + (w - 1) / 2 across the line.
    if (StepsAlongX(a, b)) {
        centres.top = box.top - (w - 1) / 2;
        centres.bottom = box.bottom + w / 2;
    } else {
        centres.left = box.left - (w - 1) / 2;
        centres.right = box.right + w / 2;
    }
    return centres;
}

// Calls plot(x, y, step) for each pixel of the centre line from a to b whose
// cross-section reaches into box (WideLineCentres), in order from a; the
// caller sets the part of the cross-section that lies in box. With width 1
// this is TraceLine.
template <typename Plot>
void TraceWideLine(Point a, Point b, const PixelBox& box, int width, Plot&& plot)
{
    TraceLine(a, b, WideLineCentres(a, b, box, width), plot);
}

// Where a step of a line lies in a dash pattern: pattern holds the lengths of
// the dashes and gaps in pixels, starting with a dash at step 0, all positive.
// An empty pattern is one endless dash.
class DashPhase {
public:
    DashPhase(std::span<const int> pattern, long long step)
        : pattern_(pattern)
    {
        if (pattern_.empty())
            return;
        long long period = 0;
        for (const int length : pattern_)
            period += length;
        long long into = step % period;
        while (into >= pattern_[index_])
            into -= pattern_[index_++];
        left_ = pattern_[index_] - static_cast<int>(into);
    }

    // Whether the step is in a dash (not in a gap).
    bool On() const { return index_ % 2 == 0; }

    // Calls run(offset, count, on) for the dashes and gaps of the total
    // steps from this one on, in order: count steps from offset (0 for this
    // step), in a dash when on. The phase itself stays where it is.
    template <typename Run>
    void ForEachRun(long long total, Run&& run) const
    {
        if (pattern_.empty()) {
            if (total > 0)
                run(0LL, total, true);
            return;
        }
        std::size_t index = index_;
        long long left = left_;
        for (long long done = 0; done < total;) {
            const long long count = left < total - done ? left : total - done;
            run(done, count, index % 2 == 0);
            done += count;
            if (++index == pattern_.size())
                index = 0;
            left = pattern_[index];
        }
    }

    // On to the next step.
    void Advance()
    {
        if (pattern_.empty() || --left_ > 0)
            return;
        if (++index_ == pattern_.size())
            index_ = 0;
        left_ = pattern_[index_];
    }

private:
    std::span<const int> pattern_;
    std::size_t index_ = 0;
    int left_ = 0;
};

} // namespace platform::raster
