#pragma once

#include "platform/RasterLine.h"

#include <QImage>

#include <algorithm>
#include <span>

namespace platform::raster {

// Writes one-pixel lines, solid ones and the dashed ones it takes, straight
// into the pixels of a Format_RGB32 image, by the rule of traceCanvasLine:
// the same pixels QPainter would set for the same lines through the canvas,
// without a call per segment.
//
// Making the writer gives the image pixels of its own (bits()); the caller
// makes sure that no QPainter keeps drawing into the pixels the image shared
// before (see Canvas).
class DirectLineWriter {
public:
    DirectLineWriter(QImage& image, const PixelBox& box, QRgb color)
        : pixels_(reinterpret_cast<QRgb*>(image.bits())),
          stride_(image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb))),
          width_(image.width()),
          height_(image.height()),
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
        traceCanvasLine(from, to, width_, height_, box_,
                        [this](int x, int y) { pixels_[y * stride_ + x] = color_; });
    }

    // The lines from each point to the next.
    void strip(std::span<const QPoint> points)
    {
        for (std::size_t i = 1; i < points.size(); ++i)
            line(points[i - 1], points[i]);
    }

    // Whether dashedLine draws the line from a to b: a horizontal line to the
    // right or a vertical one downwards, both ends at most one pixel off the
    // surface (no far clipping moves the start of the pattern).
    bool takesDashed(QPoint from, QPoint to) const
    {
        const bool along = (from.y() == to.y() && from.x() < to.x()) || (from.x() == to.x() && from.y() < to.y());
        return along && nearSurface(from, width_, height_) && nearSurface(to, width_, height_);
    }

    // A line that takesDashed, in a one-pixel dash pattern: the pixels of the
    // solid line, stepped from the start, set where the pattern is on and
    // left alone in its gaps. pattern holds the lengths of the dashes and gaps
    // in pixels, starting with a dash; all of them must be positive.
    void dashedLine(QPoint from, QPoint to, std::span<const int> pattern)
    {
        const bool horizontal = from.y() == to.y();
        const int across = horizontal ? from.y() : from.x();
        if (pattern.empty()
            || (horizontal ? across < box_.top || across >= box_.bottom : across < box_.left || across >= box_.right))
            return;
        const int end = horizontal ? to.x() : to.y();
        const int low = horizontal ? box_.left : box_.top;
        const int high = horizontal ? box_.right : box_.bottom;
        std::size_t dash = 0;
        int left = pattern[0];
        for (int along = horizontal ? from.x() : from.y(); along < end; ++along) {
            if (left == 0) {
                dash = (dash + 1) % pattern.size();
                left = pattern[dash];
            }
            --left;
            if (dash % 2 == 0 && along >= low && along < high)
                pixels_[horizontal ? across * stride_ + along : along * stride_ + across] = color_;
        }
    }

private:
    // A vertical line sets the rows from y0 towards y1, y1 excluded, whatever
    // their distance from the surface: QPainter's far clipping moves its ends
    // along the line onto the rows -1 and height + 1, which keeps every row
    // inside.
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
    int width_;
    int height_;
    PixelBox box_;
    QRgb color_;
};

} // namespace platform::raster
