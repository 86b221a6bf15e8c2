#pragma once

#include "platform/WideLineCaps.h"

#include <optional>

namespace platform::qt {

// The caps QPainter draws on a straight line of a round-capped pen this
// many pixels wide (LinePen), measured by drawing one along a row and one
// down a column; none when its line is not a body with two caps in rows and
// in columns alike.
std::optional<raster::WideLineCaps> MeasureWideLineCaps(int width);

} // namespace platform::qt
