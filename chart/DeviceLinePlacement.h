#pragma once

#include "platform/DeviceMapping.h"
#include "platform/Extended.h"

// Where the line of a pen through points on an axis lies at device
// resolution: the device position (DeviceMapping::LinePosition) of the pen's
// line through the point's exact place on the axis rather than through its
// rounded logical pixel, so that a curve is as smooth as the device allows.
//
// A point at logical offset `offset` from an axis end `base` (in the axis's
// direction, +1 or -1) lies at the continuous logical coordinate
// base + direction * offset + centre, where centre is where a pen of the
// logical width draws inside the pixel it is given (the middle, 0.5, for an
// odd width; its leading edge, 0, for an even one, as LineCrossSection
// centres it). Its device position is
//   base' + direction * round(offset * ratio + shift)      (halves to even)
// with base' and shift from OriginOf, which is LinePosition of that
// coordinate for the pen's device width apart from how exact halves round.
// At a ratio of 1 with a one-pixel pen base' is base and shift is 0: the
// axis's own logical pixels.
struct DeviceLinePlacement {
    double ratio = 1.0;
    // The pen's width in device pixels (DeviceMapping::PenWidth).
    int width = 1;
    platform::Extended centre = 0.5;

    // The placement of a pen of the given logical width (0 draws as 1) on
    // a target with the mapping.
    static DeviceLinePlacement ForPen(const platform::DeviceMapping& mapping, int logicalWidth);

    bool IsIdentity() const { return ratio == 1.0; }
    friend bool operator==(const DeviceLinePlacement&, const DeviceLinePlacement&) = default;

    struct Origin {
        long long base = 0;
        platform::Extended shift = 0;
    };
    Origin OriginOf(int logicalBase, int direction) const;
    // The device position of the line through logical pixel p itself:
    // LinePosition(p + centre, width).
    int PixelPosition(int p) const;
    // A device position within the int range, kept far enough from its ends
    // that the pen's cross-section around it fits an int too.
    int Bound(long long position) const;
};
