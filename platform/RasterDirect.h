#pragma once

#include "platform/PixelBuffer.h"
#include "platform/RasterLine.h"
#include "platform/WideLineCaps.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace platform::raster {

// Writes one-pixel lines (widened by a width, see the constructor), solid and dashed, straight into the pixels of a
// pixel buffer by the line rule of TraceLine, within a box of the buffer.
//
// The caller makes sure that nothing else keeps drawing into other pixels
// than the buffer's (see Canvas, which hands it a view of its image's own pixels).
class DirectLineWriter {
public:
    // box must lie within the image. A width above 1 widens every pixel of
    // the line rule's centre line across the line's major axis
    // (CrossSectionAt), for one-pixel pens drawn at a device pixel ratio
    // above 1.
    DirectLineWriter(PixelBuffer& pixels, const PixelBox& box, std::uint32_t color, int width = 1)
        : pixels_(pixels.Data()),
          stride_(pixels.Stride()),
          box_(box),
          color_(0xFF000000u | color),
          width_(width > 1 ? width : 1)
    {
    }

    void Line(Point from, Point to)
    {
        if (from.x == to.x || from.y == to.y) {
            StraightLine(from, to, {}, std::nullopt);
            return;
        }
        if (width_ > 1) {
            WideLine(from, to);
            return;
        }
        TraceLine(from, to, box_, [this](int x, int y, long long) { pixels_[y * stride_ + x] = color_; });
    }

    // The line in a dash pattern (see DashPhase), stepped from its start: the
    // pixels of its dashes in the colour, those of its gaps in gapColor, or
    // left as they are without one.
    void DashedLine(Point from, Point to, std::span<const int> pattern, std::optional<std::uint32_t> gapColor)
    {
        if (from.x == to.x || from.y == to.y) {
            StraightLine(from, to, pattern, gapColor);
            return;
        }
        const std::uint32_t gap = 0xFF000000u | gapColor.value_or(0);
        const bool alongX = StepsAlongX(from, to);
        std::optional<DashPhase> phase;
        TraceWideLine(from, to, box_, width_, [&](int x, int y, long long step) {
            // The pixels inside the box come at consecutive steps.
            if (phase)
                phase->Advance();
            else
                phase.emplace(pattern, step);
            if (phase->On())
                Cross(x, y, alongX, color_);
            else if (gapColor)
                Cross(x, y, alongX, gap);
        });
    }

    // A straight line of a wide round-capped pen along a row or a column
    // (the writer's width is the pen's), with the pixels the target gives it:
    // the cross-section from the lower end to the pixel before the upper
    // one, and the caps beyond. The line must be at least
    // caps.ShortestLine() long.
    void RoundCappedLine(Point from, Point to, const WideLineCaps& caps)
    {
        const bool alongX = from.y == to.y;
        const long long lower = alongX ? std::min(from.x, to.x) : std::min(from.y, to.y);
        const long long upper = alongX ? std::max(from.x, to.x) : std::max(from.y, to.y);
        const long long centre = alongX ? from.y : from.x;
        const CrossSpan body = CrossSectionAt(0, width_);
        FillClipped(alongX, lower, upper - 1, centre + body.first, centre + body.last);
        for (const WideLineCaps::Stretch& cap : caps.Lower())
            FillClipped(alongX, lower + cap.along, lower + cap.along, centre + cap.first, centre + cap.last);
        for (const WideLineCaps::Stretch& cap : caps.Upper())
            FillClipped(alongX, upper + cap.along, upper + cap.along, centre + cap.first, centre + cap.last);
    }

private:
    // The pixels from alongFirst to alongLast along a row (alongX) or a
    // column and from acrossFirst to acrossLast across it, those in the box.
    void FillClipped(bool alongX, long long alongFirst, long long alongLast, long long acrossFirst,
                     long long acrossLast)
    {
        const long long left = std::max<long long>(alongX ? alongFirst : acrossFirst, box_.left);
        const long long right = std::min<long long>(alongX ? alongLast : acrossLast, box_.right - 1LL);
        const long long top = std::max<long long>(alongX ? acrossFirst : alongFirst, box_.top);
        const long long bottom = std::min<long long>(alongX ? acrossLast : alongLast, box_.bottom - 1LL);
        if (left > right)
            return;
        std::uint32_t* row = pixels_ + top * stride_;
        for (long long y = top; y <= bottom; ++y, row += stride_)
            std::fill(row + left, row + right + 1, color_);
    }

    // A line along a row or a column: the pixels from `from` towards `to`,
    // `to` left out, with their cross-sections, as the traced line sets them,
    // but a stretch of a dash or a gap at a time instead of a traced step
    // per pixel. The pattern and gap colour as for DashedLine.
    void StraightLine(Point from, Point to, std::span<const int> pattern, std::optional<std::uint32_t> gapColor)
    {
        const bool alongX = from.y == to.y;
        const long long start = alongX ? from.x : from.y;
        const long long end = alongX ? to.x : to.y;
        if (start == end)
            return;
        const int direction = end > start ? 1 : -1;
        const long long steps = direction > 0 ? end - start : start - end;
        // Across the line: its cross-section within the box.
        const long long centre = alongX ? from.y : from.x;
        const long long acrossFirst = std::max<long long>(centre - width_ / 2, alongX ? box_.top : box_.left);
        const long long acrossLast
            = std::min<long long>(centre + (width_ - 1) / 2, (alongX ? box_.bottom : box_.right) - 1LL);
        // Along it: the steps whose pixels lie within the box.
        const long long low = alongX ? box_.left : box_.top;
        const long long high = (alongX ? box_.right : box_.bottom) - 1LL;
        const long long first = std::max(0LL, direction > 0 ? low - start : start - high);
        const long long last = std::min(steps - 1, direction > 0 ? high - start : start - low);
        if (acrossFirst > acrossLast || first > last)
            return;
        // Pointers step along the line from its first pixel in the box, and
        // across it over the cross-section.
        const std::ptrdiff_t along = alongX ? direction : direction * stride_;
        const std::ptrdiff_t across = alongX ? stride_ : 1;
        const long long firstAlong = start + direction * first;
        std::uint32_t* const origin = alongX ? pixels_ + acrossFirst * stride_ + firstAlong
                                    : pixels_ + firstAlong * stride_ + acrossFirst;
        const int crossPixels = static_cast<int>(acrossLast - acrossFirst + 1);
        const auto put = [along, across, crossPixels](std::uint32_t* at, long long count, std::uint32_t color) {
            for (int c = 0; c < crossPixels; ++c, at += across) {
                std::uint32_t* pixel = at;
                for (long long k = 0; k < count; ++k, pixel += along)
                    *pixel = color;
            }
        };
        const std::uint32_t gap = 0xFF000000u | gapColor.value_or(0);
        DashPhase(pattern, first).ForEachRun(last - first + 1, [&](long long offset, long long count, bool on) {
            if (on)
                put(origin + offset * along, count, color_);
            else if (gapColor)
                put(origin + offset * along, count, gap);
        });
    }

    // A line of the writer's width that runs along neither a row nor a
    // column: each pixel of its centre line with its cross-section.
    void WideLine(Point from, Point to)
    {
        if (StepsAlongX(from, to)) {
            TraceWideLine(from, to, box_, width_, [&](int x, int y, long long) { Cross(x, y, true, color_); });
            return;
        }
        // A steep line's centre pixels come in stretches down (or up) one
        // column: each stretch is filled with its cross-section at once.
        TraceLineRuns(from, to, WideLineCentres(from, to, box_, width_), [&](int centre, int first, int last) {
            const CrossSpan span = CrossSectionAt(centre, width_);
            const int left = std::max(span.first, box_.left);
            const int right = std::min(span.last, box_.right - 1);
            std::uint32_t* row = pixels_ + std::min(first, last) * stride_;
            for (int y = std::min(first, last); y <= std::max(first, last); ++y, row += stride_)
                for (int x = left; x <= right; ++x)
                    row[x] = color_;
        });
    }

    // The cross-section of the centre pixel (x, y) inside the box: a piece of
    // column x for a line along x, of row y otherwise.
    void Cross(int x, int y, bool alongX, std::uint32_t color)
    {
        if (width_ == 1) {
            pixels_[y * stride_ + x] = color;
            return;
        }
        if (alongX) {
            const CrossSpan span = CrossSectionAt(y, width_);
            const int top = std::max(span.first, box_.top);
            const int bottom = std::min(span.last, box_.bottom - 1);
            std::uint32_t* pixel = pixels_ + top * stride_ + x;
            for (int row = top; row <= bottom; ++row, pixel += stride_)
                *pixel = color;
        } else {
            const CrossSpan span = CrossSectionAt(x, width_);
            const int left = std::max(span.first, box_.left);
            const int right = std::min(span.last, box_.right - 1);
            std::uint32_t* pixel = pixels_ + y * stride_;
            for (int column = left; column <= right; ++column)
                pixel[column] = color;
        }
    }

    std::uint32_t* pixels_;
    std::ptrdiff_t stride_;
    PixelBox box_;
    std::uint32_t color_;
    int width_;
};

} // namespace platform::raster
