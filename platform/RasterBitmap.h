#pragma once

#include "platform/Canvas.h"

#include <QImage>

namespace platform {

// An off-screen bitmap with its own canvas: a Format_RGB32 image, white when
// made. A monochrome bitmap draws every colour as black or white.
class RasterBitmap {
public:
    RasterBitmap(int width, int height, bool monochrome);
    RasterBitmap(const RasterBitmap&) = delete;
    RasterBitmap& operator=(const RasterBitmap&) = delete;

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    bool Monochrome() const { return canvas_.Monochrome(); }

    Canvas& GetCanvas() { return canvas_; }
    // The pixels drawn so far.
    const QImage& Image() const { return image_; }

private:
    // Declared before the canvas, so that the canvas (and its painter) goes first.
    QImage image_;
    Canvas canvas_;
};

} // namespace platform
