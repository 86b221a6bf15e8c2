#pragma once

#include "platform/raster/ArcCurves.h"

// Where the canvas's ellipses and arcs over a device box are drawn: the box
// handed to the rasteriser (ShapeRaster.h) and an arc's angles, from the
// device box [left, right) x [top, bottom) and the pen's device width.
namespace platform::raster {

// The ellipse's box: at a device pixel ratio of 1 the box whose outline
// covers the columns left .. right - 1 and rows top .. bottom - 1 (both
// included); at other ratios the box inset by half the pen's device width,
// so that the outline's middle runs that far inside and the outline stays
// within the device box as a one-pixel one does.
RealBox EllipseShapeBox(int left, int top, int right, int bottom, bool identity, int penWidth);

// An arc as the rasteriser takes it: drawn on the ellipse through the
// middles of the outline's edge pixels, from start16 / 16 degrees running
// span16 / 16 degrees counter-clockwise on the screen.
struct ArcShape {
    RealBox box;
    int start16 = 0;
    int span16 = 0;
};

// The arc over the device box from the ray from its centre through `from` to
// the ray through `to`, counter-clockwise as seen on the screen, each angle
// rounded to 1/16 degree; a span of 0 is a full turn.
ArcShape ArcOnBox(int left, int top, int right, int bottom, RealPoint from, RealPoint to, int penWidth);

// The point of the arc's ellipse at angle16 / 16 degrees (where an arc that
// starts or ends there does, for lines that go on from it).
RealPoint ArcPoint(const RealBox& box, int angle16);

} // namespace platform::raster
