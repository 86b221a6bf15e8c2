#pragma once

#include <memory>

namespace platform {
class Canvas;
class PixelBuffer;
} // namespace platform

namespace web {

// A canvas drawing into a picture's pixels, for as long as it lives: when it
// goes, the canvas is unbound.
class CanvasBinding {
public:
    virtual ~CanvasBinding() = default;

    // Brings everything the canvas has drawn into the pixels. Call it before
    // the pixels are read.
    virtual void Settle() = 0;
};

// Binds the canvas to draw into the pixels at their device pixel ratio. The
// pixels must outlive the binding.
std::unique_ptr<CanvasBinding> BindCanvas(platform::Canvas& canvas, platform::PixelBuffer& pixels);

} // namespace web
