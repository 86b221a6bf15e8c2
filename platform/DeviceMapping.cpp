#include "platform/DeviceMapping.h"

namespace platform {

DeviceMapping::Line DeviceMapping::AlongPixels(int a, int b) const
{
    // The ends as x coordinates; the caller puts them on their row or column.
    const long long first = a;
    const long long last = b;
    if (last > first)
        return {QPoint(Edge(first), 0), QPoint(Edge(last), 0)};
    if (last < first) {
        // Running back: the pixels b + 1 .. a, from the last device pixel of a's block.
        return {QPoint(Edge(first + 1) - 1, 0), QPoint(Edge(last + 1) - 1, 0)};
    }
    return {QPoint(Edge(first), 0), QPoint(Edge(first), 0)};
}

DeviceMapping::Line DeviceMapping::DeviceLine(QPoint a, QPoint b, int logicalWidth) const
{
    if (IsIdentity())
        return {a, b};
    if (logicalWidth <= 1 && a.y() == b.y()) {
        const Line along = AlongPixels(a.x(), b.x());
        const int y = PixelLine(a.y(), 1);
        return {QPoint(along.from.x(), y), QPoint(along.to.x(), y)};
    }
    if (logicalWidth <= 1 && a.x() == b.x()) {
        const Line along = AlongPixels(a.y(), b.y());
        const int x = PixelLine(a.x(), 1);
        return {QPoint(x, along.from.x()), QPoint(x, along.to.x())};
    }
    return {QPoint(PixelLine(a.x(), logicalWidth), PixelLine(a.y(), logicalWidth)),
            QPoint(PixelLine(b.x(), logicalWidth), PixelLine(b.y(), logicalWidth))};
}

} // namespace platform
