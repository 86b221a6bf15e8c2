#pragma once

#include "platform/RasterLine.h"

#include <QImage>

#include <algorithm>
#include <optional>
#include <span>

namespace platform::raster {

// Writes one-pixel lines (widened by a width, see the constructor), solid and dashed, straight into the pixels of a
// Format_RGB32 image by the line rule of TraceLine, within a box of the image.
//
// Making the writer gives the image pixels of its own (bits()); the caller
// makes sure that no QPainter keeps drawing into the pixels the image shared
// before (see Canvas).
class DirectLineWriter {
public:
    // box must lie within the image. A width above 1 widens every pixel of
    // the line rule's centre line across the line's major axis
    // (CrossSectionAt), for one-pixel pens drawn at a device pixel ratio
    // above 1.
    DirectLineWriter(QImage& image, const PixelBox& box, QRgb color, int width = 1)
        : pixels_(reinterpret_cast<QRgb*>(image.bits())),
          stride_(image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb))),
          box_(box),
          color_(0xFF000000u | color),
          width_(width > 1 ? width : 1)
    {
    }

    void line(QPoint from, QPoint to)
    {
        if (width_ > 1) {
            wideLine(from, to);
            return;
        }
        if (from.x() == to.x()) {
            column(from.x(), from.y(), to.y());
            return;
        }
        TraceLine(from, to, box_, [this](int x, int y, long long) { pixels_[y * stride_ + x] = color_; });
    }

    // The line in a dash pattern (see DashPhase), stepped from its start: the
    // pixels of its dashes in the colour, those of its gaps in gapColor, or
    // left as they are without one.
    void dashedLine(QPoint from, QPoint to, std::span<const int> pattern, std::optional<QRgb> gapColor)
    {
        const QRgb gap = 0xFF000000u | gapColor.value_or(0);
        const bool alongX = StepsAlongX(from, to);
        std::optional<DashPhase> phase;
        TraceWideLine(from, to, box_, width_, [&](int x, int y, long long step) {
            // The pixels inside the box come at consecutive steps.
            if (phase)
                phase->advance();
            else
                phase.emplace(pattern, step);
            if (phase->on())
                cross(x, y, alongX, color_);
            else if (gapColor)
                cross(x, y, alongX, gap);
        });
    }

private:
    // A line of the writer's width: each pixel of its centre line with its
    // cross-section; a vertical one as width columns.
    void wideLine(QPoint from, QPoint to)
    {
        if (from.x() == to.x()) {
            const CrossSpan span = CrossSectionAt(from.x(), width_);
            for (int x = span.first; x <= span.last; ++x)
                column(x, from.y(), to.y());
            return;
        }
        if (StepsAlongX(from, to)) {
            TraceWideLine(from, to, box_, width_, [&](int x, int y, long long) { cross(x, y, true, color_); });
            return;
        }
        // A steep line's centre pixels come in stretches down (or up) one
        // column: each stretch is filled with its cross-section at once.
        TraceLineRuns(from, to, WideLineCentres(from, to, box_, width_), [&](int centre, int first, int last) {
            const CrossSpan span = CrossSectionAt(centre, width_);
            const int left = std::max(span.first, box_.left);
            const int right = std::min(span.last, box_.right - 1);
            QRgb* row = pixels_ + std::min(first, last) * stride_;
            for (int y = std::min(first, last); y <= std::max(first, last); ++y, row += stride_)
                for (int x = left; x <= right; ++x)
                    row[x] = color_;
        });
    }

    // The cross-section of the centre pixel (x, y) inside the box: a piece of
    // column x for a line along x, of row y otherwise.
    void cross(int x, int y, bool alongX, QRgb color)
    {
        if (width_ == 1) {
            pixels_[y * stride_ + x] = color;
            return;
        }
        if (alongX) {
            const CrossSpan span = CrossSectionAt(y, width_);
            const int top = std::max(span.first, box_.top);
            const int bottom = std::min(span.last, box_.bottom - 1);
            QRgb* pixel = pixels_ + top * stride_ + x;
            for (int row = top; row <= bottom; ++row, pixel += stride_)
                *pixel = color;
        } else {
            const CrossSpan span = CrossSectionAt(x, width_);
            const int left = std::max(span.first, box_.left);
            const int right = std::min(span.last, box_.right - 1);
            QRgb* pixel = pixels_ + y * stride_;
            for (int column = left; column <= right; ++column)
                pixel[column] = color;
        }
    }

    // A vertical line, the rows from y0 towards y1, y1 excluded, filled as a
    // column.
    void column(int x, int y0, int y1)
    {
        if (y0 == y1 || x < box_.left || x >= box_.right)
            return;
        const long long first = y0 < y1 ? y0 : y1 + 1LL;
        const long long last = y0 < y1 ? y1 - 1LL : y0;
        const int top = static_cast<int>(std::max<long long>(first, box_.top));
        const int bottom = static_cast<int>(std::min<long long>(last, box_.bottom - 1LL));
        QRgb* pixel = pixels_ + top * stride_ + x;
        for (int y = top; y <= bottom; ++y, pixel += stride_)
            *pixel = color_;
    }

    QRgb* pixels_;
    qsizetype stride_;
    PixelBox box_;
    QRgb color_;
    int width_;
};

} // namespace platform::raster
