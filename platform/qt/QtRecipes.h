#pragma once

#include "platform/GraphicsTypes.h"
#include "platform/raster/PixelTarget.h"

#include <QPainter>
#include <QPen>

#include <cstdint>

// How the canvas's pens, brushes and raster operations become QPainter
// state. All the QPainter settings behind the raster rules are made here.
namespace platform::qt {

// The QPen of a canvas pen in the resolved colour, for what QPainter draws
// with the pen: outlines of shapes and lines of wide pens (one-pixel lines
// take the pixels of the line rule, RasterLine.h). A pen of width 0 or 1 is a
// cosmetic one-pixel pen with flat caps in its dash pattern. Wider pens are
// solid with round caps and joins, centred on the line.
QPen LinePen(const TPenData& pen, std::uint32_t color);

// The QPen shapes are outlined with when the pen is deviceWidth device pixels
// wide (see DeviceMapping::PenWidth): LinePen at one device pixel; a wide pen
// at that width; a one-pixel pen drawn wider gets square caps and keeps its
// dash pattern, which grows with the width.
QPen OutlinePen(const TPenData& pen, std::uint32_t color, int deviceWidth);

// The composition mode of a raster operation: Copy draws the source over
// the target.
QPainter::CompositionMode Composition(raster::RasterOp op);

// The Qt pattern of a brush hatch (recipes::BrushHatch gives the same pixels).
Qt::BrushStyle BrushPattern(const raster::Hatch& hatch);

} // namespace platform::qt
