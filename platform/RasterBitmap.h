#pragma once

#include "platform/Canvas.h"

#include <QImage>

namespace platform {

// An off-screen bitmap with its own canvas: a Format_RGB32 image, white when
// made, on the pixels of an engine PixelBuffer (platform/qt/QtPixels.h). A
// monochrome bitmap draws every colour as black or white.
//
// Its size is given in logical pixels; at a device pixel ratio above 1 the
// image has as many device pixels as DeviceMapping gives for that size and
// carries the ratio, so that the canvas draws at its resolution and a
// painter shows it at the logical size.
class RasterBitmap {
public:
    RasterBitmap(int width, int height, bool monochrome, double ratio = 1.0);
    RasterBitmap(const RasterBitmap&) = delete;
    RasterBitmap& operator=(const RasterBitmap&) = delete;

    // The logical size and the ratio it was made for.
    int Width() const { return width_; }
    int Height() const { return height_; }
    double Ratio() const { return image_.devicePixelRatio(); }
    bool Monochrome() const { return canvas_.Monochrome(); }

    Canvas& GetCanvas() { return canvas_; }
    // The pixels drawn so far.
    const QImage& Image() const { return image_; }

private:
    int width_;
    int height_;
    // Declared before the canvas, so that the canvas (and its painter) goes first.
    QImage image_;
    Canvas canvas_;
};

} // namespace platform
