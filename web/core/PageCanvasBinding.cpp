// The page's pictures drawn by the canvas as the native build has it: on an
// image over the picture's own pixels.
#include "web/core/PageCanvasBinding.h"

#include "platform/Canvas.h"
#include "platform/PixelBuffer.h"
#include "platform/qt/QtPixels.h"

#include <algorithm>
#include <cstring>

namespace web {

namespace {

class ImageBinding final : public CanvasBinding {
public:
    ImageBinding(platform::Canvas& canvas, platform::PixelBuffer& pixels)
        : canvas_(canvas)
        , pixels_(pixels)
        , image_(platform::qt::WrapPixels(pixels))
    {
        canvas_.BindImage(&image_);
    }

    ~ImageBinding() override { canvas_.Unbind(); }

    ImageBinding(const ImageBinding&) = delete;
    ImageBinding& operator=(const ImageBinding&) = delete;

    void Settle() override
    {
        canvas_.ReleasePainter();
        // A block copy of a whole picture of the same size shares that
        // picture's pixels instead of writing them: bring them home.
        if (image_.constBits() == reinterpret_cast<const uchar*>(pixels_.Data()))
            return;
        const std::size_t rowBytes = static_cast<std::size_t>(std::min(image_.width(), pixels_.Width())) * 4;
        for (int y = 0; y < std::min(image_.height(), pixels_.Height()); ++y)
            std::memcpy(pixels_.Row(y), image_.constScanLine(y), rowBytes);
        image_ = platform::qt::WrapPixels(pixels_);
    }

private:
    platform::Canvas& canvas_;
    platform::PixelBuffer& pixels_;
    QImage image_;
};

} // namespace

std::unique_ptr<CanvasBinding> BindCanvas(platform::Canvas& canvas, platform::PixelBuffer& pixels)
{
    return std::make_unique<ImageBinding>(canvas, pixels);
}

} // namespace web
