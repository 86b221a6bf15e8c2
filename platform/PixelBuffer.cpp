#include "platform/PixelBuffer.h"

#include <algorithm>

namespace platform {

PixelBuffer::PixelBuffer(int width, int height, double ratio, std::uint32_t fill)
    : PixelBuffer(Unset(width, height, ratio))
{
    Fill(fill);
}

PixelBuffer PixelBuffer::Unset(int width, int height, double ratio)
{
    PixelBuffer buffer;
    buffer.width_ = std::max(width, 0);
    buffer.height_ = std::max(height, 0);
    buffer.stride_ = buffer.width_;
    buffer.ratio_ = ratio;
    if (buffer.IsEmpty())
        return buffer;
    buffer.storage_.reset(
        new std::uint32_t[static_cast<std::size_t>(buffer.stride_) * static_cast<std::size_t>(buffer.height_)]);
    buffer.pixels_ = buffer.storage_.get();
    return buffer;
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

void PixelBuffer::Detach()
{
    if (!IsShared())
        return;
    PixelBuffer own = Unset(width_, height_, ratio_);
    for (int y = 0; y < height_; ++y)
        std::copy_n(Row(y), width_, own.Row(y));
    *this = std::move(own);
}

void PixelBuffer::DetachUnset()
{
    if (IsShared())
        *this = Unset(width_, height_, ratio_);
}

} // namespace platform
