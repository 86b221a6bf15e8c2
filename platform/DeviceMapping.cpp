#include "platform/DeviceMapping.h"

namespace platform {

DeviceMapping::Line DeviceMapping::AlongPixels(int a, int b) const
{
    // The ends as x coordinates; the caller puts them on their row or column.
    const long long first = a;
    const long long last = b;
    if (last > first)
        return {Point(Edge(first), 0), Point(Edge(last), 0)};
    if (last < first) {
        // Running back: the pixels b + 1 .. a, from the last device pixel of a's block.
        return {Point(Edge(first + 1) - 1, 0), Point(Edge(last + 1) - 1, 0)};
    }
    return {Point(Edge(first), 0), Point(Edge(first), 0)};
}

DeviceMapping::Line DeviceMapping::DeviceLine(Point a, Point b, int logicalWidth) const
{
    if (IsIdentity())
        return {a, b};
    if (logicalWidth <= 1 && a.y == b.y) {
        const Line along = AlongPixels(a.x, b.x);
        const int y = PixelLine(a.y, 1);
        return {Point(along.from.x, y), Point(along.to.x, y)};
    }
    if (logicalWidth <= 1 && a.x == b.x) {
        const Line along = AlongPixels(a.y, b.y);
        const int x = PixelLine(a.x, 1);
        return {Point(x, along.from.x), Point(x, along.to.x)};
    }
    return {Point(PixelLine(a.x, logicalWidth), PixelLine(a.y, logicalWidth)),
            Point(PixelLine(b.x, logicalWidth), PixelLine(b.y, logicalWidth))};
}

} // namespace platform
