#pragma once

#include <cstdint>
#include <vector>

namespace platform {
class PixelBuffer;
}

namespace web {

// A picture as a page's canvas takes it: 4 bytes a pixel in the order red,
// green, blue, alpha, rows from the top without padding, every pixel opaque.
class RgbaPicture {
public:
    // Takes the buffer's pixels (0xFFRRGGBB words) at its device size.
    void Assign(const platform::PixelBuffer& pixels);

    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::uint8_t* Bytes() const { return bytes_.data(); }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> bytes_;
};

} // namespace web
