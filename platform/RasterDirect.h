#pragma once

#include "platform/RasterLine.h"

#include <QImage>

#include <span>

namespace platform::raster {

// Writes solid one-pixel lines straight into the pixels of a Format_RGB32
// image, by the rule of traceCanvasLine: the same pixels QPainter would set
// for the same lines through the canvas, without a call per segment.
//
// The caller makes sure that no QPainter can write into another copy of the
// pixels meanwhile (see Canvas); the image must be detached before the writer
// is made, so that bits() does not copy it.
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
        traceCanvasLine(from, to, width_, height_, box_,
                        [this](int x, int y) { pixels_[y * stride_ + x] = color_; });
    }

    // The lines from each point to the next.
    void strip(std::span<const QPoint> points)
    {
        for (std::size_t i = 1; i < points.size(); ++i)
            line(points[i - 1], points[i]);
    }

private:
    QRgb* pixels_;
    qsizetype stride_;
    int width_;
    int height_;
    PixelBox box_;
    QRgb color_;
};

} // namespace platform::raster
