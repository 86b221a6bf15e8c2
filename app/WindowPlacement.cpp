#include "app/WindowPlacement.h"

#include <algorithm>

namespace {

int PlaceAlong(int designed, int extent, int availableStart, int availableExtent)
{
    if (extent > availableExtent)
        return availableStart;
    return std::clamp(designed, availableStart, availableStart + availableExtent - extent);
}

} // namespace

QPoint PlacedPosition(QPoint designed, QSize frame, const QRect& available)
{
    return {PlaceAlong(designed.x(), frame.width(), available.x(), available.width()),
            PlaceAlong(designed.y(), frame.height(), available.y(), available.height())};
}
