#pragma once

#include "platform/GraphicsTypes.h"
#include "platform/raster/PixelTarget.h"

#include <cstdint>
#include <span>

// What the canvas's pens, brushes and pen modes draw: dash patterns, raster
// operations, colours and hatches (a backend's own painter state is made
// from these in its own folder, platform/qt/QtRecipes.h on the desktop).
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

// The raster operation of a pen mode. pmCopy draws the source over the
// target; pmBlack and pmWhite draw black or white the same way (see
// ModeColor); pmNop is Copy too (it draws nothing).
raster::RasterOp RasterOp(TPenMode mode);

// The colour a pen of the given mode really draws with.
std::uint32_t ModeColor(TPenMode mode, std::uint32_t penColor);

// The hatch of a brush style (solid for bsSolid; bsClear fills nothing and
// has none).
raster::Hatch BrushHatch(TBrushStyle style);

} // namespace platform::recipes
