// The page's pictures drawn by the canvas on the engine's own target, over
// the picture's own pixels, with the text backend handed to the engine.
#include "web/core/PageCanvasBinding.h"

#include "platform/Canvas.h"
#include "platform/PixelBuffer.h"
#include "platform/TextBackend.h"
#include "platform/raster/RasterCanvasTarget.h"

#include <memory>

namespace web {

void BindCanvas(platform::Canvas& canvas, platform::PixelBuffer& pixels)
{
    canvas.Bind(std::make_unique<platform::raster::RasterCanvasTarget>(&pixels, platform::CurrentTextBackend()));
}

} // namespace web
