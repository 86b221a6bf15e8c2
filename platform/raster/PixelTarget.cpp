#include "platform/raster/PixelTarget.h"

#include <algorithm>

namespace platform::raster {

namespace {

constexpr std::uint32_t opaque = 0xFF000000u;

std::uint32_t Combine(RasterOp op, std::uint32_t s, std::uint32_t d)
{
    switch (op) {
    case RasterOp::Copy:
        return s;
    case RasterOp::NotDestination:
        return ~d;
    case RasterOp::NotSource:
        return ~s;
    case RasterOp::SourceOrNotDestination:
        return s | ~d;
    case RasterOp::SourceAndNotDestination:
        return s & ~d;
    case RasterOp::NotSourceOrDestination:
        return ~s | d;
    case RasterOp::NotSourceAndDestination:
        return ~s & d;
    case RasterOp::SourceOrDestination:
        return s | d;
    case RasterOp::NotSourceAndNotDestination:
        return ~s & ~d;
    case RasterOp::SourceAndDestination:
        return s & d;
    case RasterOp::NotSourceOrNotDestination:
        return ~s | ~d;
    case RasterOp::SourceXorDestination:
        return s ^ d;
    case RasterOp::NotSourceXorDestination:
        return ~s ^ d;
    }
    return s;
}

} // namespace

SpanWriter::SpanWriter(const PixelTarget& target, const ClipBox& clip, const Paint& paint)
    : target_(target),
      clip_{std::max(clip.left, 0), std::max(clip.top, 0), std::min(clip.right, target.width),
            std::min(clip.bottom, target.height)},
      paint_(paint),
      solid_(paint.hatch == hatches::Solid)
{
    paint_.color |= opaque;
}

void SpanWriter::Span(int x, int y, int length)
{
    if (y < clip_.top || y >= clip_.bottom || length <= 0)
        return;
    const int from = std::max(x, clip_.left);
    const int to = static_cast<int>(std::min<long long>(static_cast<long long>(x) + length, clip_.right));
    if (from >= to)
        return;
    std::uint32_t* row = target_.pixels + static_cast<std::ptrdiff_t>(y) * target_.stride;
    if (solid_ && paint_.op == RasterOp::Copy) {
        std::fill(row + from, row + to, paint_.color);
        return;
    }
    const std::uint8_t hatchRow = paint_.hatch[static_cast<unsigned>(y) & 7u];
    for (int i = from; i < to; ++i) {
        if (!solid_ && (hatchRow & (1u << (static_cast<unsigned>(i) & 7u))) == 0)
            continue;
        row[i] = opaque | Combine(paint_.op, paint_.color, row[i]);
    }
}

} // namespace platform::raster
