#include "web/core/RgbaPicture.h"

#include "platform/PixelBuffer.h"

#include <cstddef>

namespace web {

void RgbaPicture::Assign(const platform::PixelBuffer& pixels)
{
    width_ = pixels.Width();
    height_ = pixels.Height();
    bytes_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 4);
    std::uint8_t* out = bytes_.data();
    for (int y = 0; y < height_; ++y) {
        const std::uint32_t* row = pixels.Row(y);
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t pixel = row[x];
            *out++ = static_cast<std::uint8_t>(pixel >> 16);
            *out++ = static_cast<std::uint8_t>(pixel >> 8);
            *out++ = static_cast<std::uint8_t>(pixel);
            *out++ = 0xFF;
        }
    }
}

} // namespace web
