#pragma once

#include "platform/RasterLine.h"

#include <QImage>

#include <algorithm>
#include <optional>
#include <span>

namespace platform::raster {

// Writes one-pixel lines, solid and dashed, straight into the pixels of a
// Format_RGB32 image by the line rule of TraceLine, within a box of the image.
//
// Making the writer gives the image pixels of its own (bits()); the caller
// makes sure that no QPainter keeps drawing into the pixels the image shared
// before (see Canvas).
class DirectLineWriter {
public:
    // box must lie within the image.
    DirectLineWriter(QImage& image, const PixelBox& box, QRgb color)
        : pixels_(reinterpret_cast<QRgb*>(image.bits())),
          stride_(image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb))),
          box_(box),
          color_(0xFF000000u | color)
    {
    }

    void line(QPoint from, QPoint to)
    {
        if (from.x() == to.x()) {
            column(from.x(), from.y(), to.y());
            return;
        }
        TraceLine(from, to, box_, [this](int x, int y, long long) { pixels_[y * stride_ + x] = color_; });
    }

    // The lines from each point to the next.
    void strip(std::span<const QPoint> points)
    {
        for (std::size_t i = 1; i < points.size(); ++i)
            line(points[i - 1], points[i]);
    }

    // The line in a dash pattern (see DashPhase), stepped from its start: the
    // pixels of its dashes in the colour, those of its gaps in gapColor, or
    // left as they are without one.
    void dashedLine(QPoint from, QPoint to, std::span<const int> pattern, std::optional<QRgb> gapColor)
    {
        const QRgb gap = 0xFF000000u | gapColor.value_or(0);
        std::optional<DashPhase> phase;
        TraceLine(from, to, box_, [&](int x, int y, long long step) {
            // The pixels inside the box come at consecutive steps.
            if (phase)
                phase->advance();
            else
                phase.emplace(pattern, step);
            if (phase->on())
                pixels_[y * stride_ + x] = color_;
            else if (gapColor)
                pixels_[y * stride_ + x] = gap;
        });
    }

private:
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
};

} // namespace platform::raster
