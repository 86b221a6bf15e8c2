#pragma once

#include "platform/Canvas.h"
#include "platform/CanvasTarget.h"
#include "platform/PixelBuffer.h"

namespace platform {

// An off-screen bitmap with its own canvas: an engine PixelBuffer, white when
// made, that a backend's target draws on (BitmapTargets: the backend of the
// canvas the bitmap is copied to). Without a backend the canvas stays
// unbound: it draws nothing and still measures text. A monochrome bitmap
// draws every colour as black or white.
//
// Its size is given in logical pixels; at a device pixel ratio above 1 the
// buffer has as many device pixels as DeviceMapping gives for that size and
// carries the ratio, so that the canvas draws at its resolution and a
// painter shows it at the logical size.
class RasterBitmap {
public:
    RasterBitmap(int width, int height, bool monochrome, double ratio, const BitmapTargets* targets);
    RasterBitmap(const RasterBitmap&) = delete;
    RasterBitmap& operator=(const RasterBitmap&) = delete;

    // The logical size and the ratio it was made for (1 for an empty bitmap).
    int Width() const { return width_; }
    int Height() const { return height_; }
    double Ratio() const { return pixels_.IsEmpty() ? 1.0 : pixels_.Ratio(); }
    bool Monochrome() const { return canvas_.Monochrome(); }

    Canvas& GetCanvas() { return canvas_; }
    // The pixels drawn so far. A copy shares them; the bitmap's next drawing
    // then goes to pixels of its own.
    const PixelBuffer& Pixels() const { return pixels_; }

private:
    int width_;
    int height_;
    // Declared before the canvas, so that the canvas (and its target) goes first.
    PixelBuffer pixels_;
    Canvas canvas_;
};

} // namespace platform
