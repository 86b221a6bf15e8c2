#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The pixels the engine's shape rasteriser writes: a plain buffer of 32-bit
// 0xAARRGGBB words, the way paint operations combine the pen's or brush's
// colour with them, and the span writer every shape ends in.
namespace platform::raster {

// width x height pixels, row y starting stride words after row y - 1.
struct PixelTarget {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
};

// The device pixels [left, right) x [top, bottom) a shape may write.
struct ClipBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr bool Empty() const { return right <= left || bottom <= top; }
};

// How a drawn colour S combines with the pixel D it lands on (bitwise on the
// red, green and blue bytes; the alpha byte always ends as 0xFF). Copy writes
// S. These are the pen modes' operations (see RasterRecipes' Composition).
enum class RasterOp {
    Copy,
    NotDestination,             // ~D
    NotSource,                  // ~S
    SourceOrNotDestination,     // S | ~D
    SourceAndNotDestination,    // S & ~D
    NotSourceOrDestination,     // ~S | D
    NotSourceAndDestination,    // ~S & D
    SourceOrDestination,        // S | D
    NotSourceAndNotDestination, // ~S & ~D
    SourceAndDestination,       // S & D
    NotSourceOrNotDestination,  // ~S | ~D
    SourceXorDestination,       // S ^ D
    NotSourceXorDestination,    // ~S ^ D
};

// The 8 x 8 hatch of a brush, one byte a row, bit x for column x, repeated
// from the device origin: pixels under set bits are painted, the others are
// left alone.
using Hatch = std::array<std::uint8_t, 8>;

namespace hatches {
inline constexpr Hatch Solid = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
inline constexpr Hatch Horizontal = {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00};
inline constexpr Hatch Vertical = {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10};
inline constexpr Hatch ForwardDiagonal = {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80};
inline constexpr Hatch BackwardDiagonal = {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};
inline constexpr Hatch Cross = {0x10, 0x10, 0x10, 0xFF, 0x10, 0x10, 0x10, 0x10};
inline constexpr Hatch DiagonalCross = {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81};
} // namespace hatches

// What a shape is painted with: an opaque colour (0xRRGGBB; the alpha byte
// is ignored), its operation and, for fills, the brush's hatch.
struct Paint {
    std::uint32_t color = 0;
    RasterOp op = RasterOp::Copy;
    Hatch hatch = hatches::Solid;
};

// Writes horizontal runs of pixels in one paint, clipped to a box within the
// target. A run written twice is combined twice (a xor run cancels).
class SpanWriter {
public:
    // The clip is cut to the target's own pixels.
    SpanWriter(const PixelTarget& target, const ClipBox& clip, const Paint& paint);

    // Pixels x .. x + length - 1 of row y.
    void Span(int x, int y, int length);
    void Pixel(int x, int y) { Span(x, y, 1); }

    const ClipBox& Clip() const { return clip_; }

private:
    PixelTarget target_;
    ClipBox clip_;
    Paint paint_;
    bool solid_ = true;
};

} // namespace platform::raster
