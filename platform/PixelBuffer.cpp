#include "platform/PixelBuffer.h"

#include <algorithm>

namespace platform {

PixelBuffer::PixelBuffer(int width, int height, double ratio, std::uint32_t fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      stride_(width_),
      ratio_(ratio)
{
    if (IsEmpty())
        return;
    storage_.reset(new std::uint32_t[static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_)]);
    pixels_ = storage_.get();
    Fill(fill);
}

PixelBuffer PixelBuffer::Borrow(std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride, double ratio)
{
    PixelBuffer view;
    view.pixels_ = pixels;
    view.width_ = std::max(width, 0);
    view.height_ = std::max(height, 0);
    view.stride_ = std::max<std::ptrdiff_t>(stride, view.width_);
    view.ratio_ = ratio;
    return view;
}

void PixelBuffer::Fill(std::uint32_t color)
{
    for (int y = 0; y < height_; ++y)
        std::fill_n(Row(y), width_, color);
}

} // namespace platform
