#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace platform {

// The pixels [left, right) x [top, bottom) of a buffer that may be written.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr bool Contains(int x, int y) const
    {
        return x >= left && x < right && y >= top && y < bottom;
    }
    constexpr bool Empty() const { return right <= left || bottom <= top; }
    // The pixels in both (Empty when none).
    constexpr PixelBox Intersected(const PixelBox& other) const
    {
        return {left > other.left ? left : other.left, top > other.top ? top : other.top,
                right < other.right ? right : other.right, bottom < other.bottom ? bottom : other.bottom};
    }
    // True when every pixel of other lies in this box.
    constexpr bool Covers(const PixelBox& other) const
    {
        return left <= other.left && top <= other.top && right >= other.right && bottom >= other.bottom;
    }

    friend constexpr bool operator==(const PixelBox&, const PixelBox&) = default;
};

// The engine's bitmap: a plain buffer of 32-bit pixels, rows from the top,
// each pixel 0xFFRRGGBB as one std::uint32_t (in the processor's byte order;
// the layout of a Format_RGB32 QImage). Its size is in device pixels and it
// carries the device pixel ratio it was made for.
//
// A buffer either owns its pixels or borrows them from whoever made them (a
// window's image, a page's canvas memory), who keeps them alive while the
// buffer is used. Owned pixels are shared with whatever wraps them (see
// platform/qt/QtPixels.h), so that they live as long as the last user.
class PixelBuffer {
public:
    // An empty buffer: no pixels.
    PixelBuffer() = default;
    // Owned pixels, width x height, each set to fill; rows have no padding.
    PixelBuffer(int width, int height, double ratio = 1.0, std::uint32_t fill = 0xFFFFFFFFu);
    // Owned pixels whose values are not set, for a caller that sets every
    // one of them next (a fill of the whole buffer, a copy).
    static PixelBuffer Unset(int width, int height, double ratio = 1.0);
    // A view of pixels someone else owns: stride is the distance from one
    // row to the next in pixels (at least the width).
    static PixelBuffer Borrow(std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride,
                              double ratio = 1.0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::ptrdiff_t Stride() const { return stride_; }
    double Ratio() const { return ratio_; }
    bool IsEmpty() const { return width_ == 0 || height_ == 0; }
    bool OwnsPixels() const { return storage_ != nullptr; }

    std::uint32_t* Data() { return pixels_; }
    const std::uint32_t* Data() const { return pixels_; }
    std::uint32_t* Row(int y) { return pixels_ + y * stride_; }
    const std::uint32_t* Row(int y) const { return pixels_ + y * stride_; }
    std::uint32_t At(int x, int y) const { return Row(y)[x]; }

    void Fill(std::uint32_t color);

    // True when owned pixels are shared with a copy of the buffer or a wrapper.
    bool IsShared() const { return storage_.use_count() > 1; }
    // Shared pixels are replaced by a copy of them of the buffer's own, so
    // that writing does not change what the others see; unshared ones stay.
    void Detach();
    // The same for a writer that sets every pixel next: shared pixels are
    // replaced by unset ones instead of a copy.
    void DetachUnset();

    // The owner of owned pixels, for a wrapper that must keep them alive;
    // null for borrowed ones.
    const std::shared_ptr<std::uint32_t[]>& Storage() const { return storage_; }

private:
    std::shared_ptr<std::uint32_t[]> storage_;
    std::uint32_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    std::ptrdiff_t stride_ = 0;
    double ratio_ = 1.0;
};

} // namespace platform
