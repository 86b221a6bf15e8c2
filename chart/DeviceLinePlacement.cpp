#include "chart/DeviceLinePlacement.h"

#include "platform/Rounding.h"

#include <algorithm>
#include <climits>
#include <cmath>

DeviceLinePlacement DeviceLinePlacement::ForPen(const platform::DeviceMapping& mapping, int logicalWidth)
{
    const int width = std::max(logicalWidth, 1);
    return {mapping.ratio, mapping.PenWidth(width), platform::Extended(width % 2 == 1 ? 0.5 : 0.0)};
}

DeviceLinePlacement::Origin DeviceLinePlacement::OriginOf(int logicalBase, int direction) const
{
    // LinePosition(base + direction * offset + centre, width)
    //   = round(C + direction * offset * ratio) + width / 2
    //   = K + width / 2 + direction * round(offset * ratio + direction * (C - K))
    // with C = ratio * (base + centre) - width / 2 and K its nearest integer.
    using platform::Extended;
    const Extended c = Extended(ratio) * (Extended(logicalBase) + centre) - Extended(width) / Extended(2);
    const auto k = platform::RoundHalfEven<long long>(c);
    return {k + width / 2, Extended(direction) * (c - Extended(k))};
}

int DeviceLinePlacement::PixelPosition(int p) const
{
    // C - K lies within half a pixel, which rounds to 0.
    return Bound(OriginOf(p, 1).base);
}

int DeviceLinePlacement::Bound(long long position) const
{
    // A one-pixel logical pen widened at a ratio above 1 sets width / 2
    // pixels before its position and (width - 1) / 2 after it.
    const int margin = IsIdentity() ? 0 : width;
    return static_cast<int>(std::clamp<long long>(position, INT_MIN + static_cast<long long>(margin),
                                                  INT_MAX - static_cast<long long>(margin)));
}
