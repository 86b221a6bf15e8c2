// The page's pictures drawn by the canvas on the engine's own target, over
// the picture's own pixels, with the text backend handed to the engine.
#include "web/core/PageCanvasBinding.h"

#include "platform/Canvas.h"
#include "platform/PixelBuffer.h"
#include "platform/TextBackend.h"
#include "platform/raster/RasterCanvasTarget.h"

namespace web {

namespace {

class EngineBinding final : public CanvasBinding {
public:
    EngineBinding(platform::Canvas& canvas, platform::PixelBuffer& pixels)
        : canvas_(canvas)
    {
        canvas_.Bind(std::make_unique<platform::raster::RasterCanvasTarget>(&pixels, platform::CurrentTextBackend()));
    }

    ~EngineBinding() override { canvas_.Unbind(); }

    EngineBinding(const EngineBinding&) = delete;
    EngineBinding& operator=(const EngineBinding&) = delete;

    // The target writes into the pixels as it draws; a whole-size block copy
    // makes them share the copied picture's, which reads the same.
    void Settle() override { canvas_.SettleDrawing(); }

private:
    platform::Canvas& canvas_;
};

} // namespace

std::unique_ptr<CanvasBinding> BindCanvas(platform::Canvas& canvas, platform::PixelBuffer& pixels)
{
    return std::make_unique<EngineBinding>(canvas, pixels);
}

} // namespace web
