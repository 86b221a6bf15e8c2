#pragma once

#include "platform/GraphicsTypes.h"
#include "platform/raster/PixelTarget.h"

#include <QPainter>
#include <QPen>

#include <span>

// How the canvas's pens, brushes and pen modes become QPainter state. All the
// QPainter settings behind the raster rules are made here.
namespace platform::recipes {

// Dash patterns of one-pixel pens, in pixels along the line's major axis,
// starting with a dash at the line's start point:
//   psDash 18 on, 6 off; psDot 3 on, 3 off; psDashDot 9, 6, 3, 6;
//   psDashDotDot 9, 3, 3, 3, 3, 3; the alternate-dots pen 1 on, 1 off.
// Empty for solid pens. Pens wider than one pixel are always solid.
std::span<const int> DashPattern(const TPenData& pen);

// True for a pen that draws nothing (psClear, or pmNop).
bool DrawsNothing(const TPenData& pen);

// True for a pen that leaves gaps: a one-pixel pen with a dash pattern.
bool IsStyled(const TPenData& pen);

// The QPen of a canvas pen in the resolved colour, for what QPainter draws
// with the pen: outlines of shapes and lines of wide pens (one-pixel lines
// take the pixels of the line rule, RasterLine.h). A pen of width 0 or 1 is a
// cosmetic one-pixel pen with flat caps in its dash pattern. Wider pens are
// solid with round caps and joins, centred on the line.
QPen LinePen(const TPenData& pen, QRgb color);

// The QPen shapes are outlined with when the pen is deviceWidth device pixels
// wide (see DeviceMapping::PenWidth): LinePen at one device pixel; a wide pen
// at that width; a one-pixel pen drawn wider gets square caps and keeps its
// dash pattern, which grows with the width.
QPen OutlinePen(const TPenData& pen, QRgb color, int deviceWidth);

// The raster operation of a pen mode. pmCopy draws the source over the target;
// pmBlack and pmWhite draw black or white the same way (see ModeColor).
QPainter::CompositionMode Composition(TPenMode mode);

// The same operation for the engine's shape rasteriser (Copy for those
// Composition draws over the target with).
raster::RasterOp RasterOp(TPenMode mode);

// The colour a pen of the given mode really draws with.
QRgb ModeColor(TPenMode mode, QRgb penColor);

// The Qt pattern of a brush style; Qt::NoBrush for bsClear.
Qt::BrushStyle BrushPattern(TBrushStyle style);

// The rasteriser's hatch of a brush style, the same pixels as BrushPattern's
// (solid for bsSolid; bsClear fills nothing and has none).
raster::Hatch BrushHatch(TBrushStyle style);

} // namespace platform::recipes
