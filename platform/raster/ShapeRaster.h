#pragma once

#include "platform/ShapePainter.h"
#include "platform/raster/ArcCurves.h"
#include "platform/raster/PixelTarget.h"
#include "platform/raster/PolygonFill.h"

#include <span>

// The engine's own rasteriser for the canvas's filled and outlined shapes:
// ellipses, arcs and polygons, aliased, in one paint, within a clip box. It
// takes the shapes in the terms an aliased vector painter's drawEllipse,
// drawArc and drawPolygon take them and gives the same pixels as QPainter
// (Qt 6.4's raster engine) for:
//   - the pendulum figure's dots and arcs at ratios 1, 1.5 and 2 in every
//     frame, and at 1.25 but for a pixel or two in 5 of 3600 frames (arcs
//     running off the picture);
//   - ellipses of whole-pixel boxes, filled and outlined with a one-pixel pen
//     (the canvas's Ellipse at ratio 1), but for one column wide ones in
//     the raster operations;
//   - arcs and ellipses of real boxes with a one-pixel pen, but for a pixel
//     or two in a few cases in a hundred;
//   - arcs and outlines of circles with wider pens; those of other ellipses
//     differ in about a third of cases, where the painter splits a side;
//   - fills of real boxes and of polygons, odd-even, but for a pixel in
//     about one case in a hundred;
//   - copy, the raster operations and the brush hatches alike.
//
// The canvas (CanvasShapes.cpp) draws its shapes on its target's pixels with
// it where the target wants it (on the desktop where it gives QPainter's
// pixels for the shape), with the boxes and angles of CanvasShapeGeometry.h,
// and leaves the rest to the target.
// A paint's op is the pen mode's RasterOp (recipes::RasterOp; pmCopy, pmBlack
// and pmWhite are Copy); the pen's colour is recipes::ModeColor's; a brush's
// hatch is its style's (recipes::BrushHatch), and a hatched brush in opaque
// background mode is first filled with the solid hatch in the background
// colour first.
namespace platform::raster {

class ShapeRaster final : public ShapePainter {
public:
    ShapeRaster(const PixelTarget& target, const ClipBox& clip) : target_(target), clip_(clip) {}

    // The inside of the ellipse inscribed in box. A box with whole-number
    // corners is filled by the midpoint rule (MidpointEllipse.h), any other
    // by pixel centres inside its curve.
    void FillEllipse(const RealBox& box, const Paint& brush) const override;

    // The outline of that ellipse with a pen penWidth device pixels wide: a
    // one-pixel pen by the midpoint rule on a whole-number box, else along
    // its curve (CosmeticLine.h); a wider pen as a band centred on the curve.
    void OutlineEllipse(const RealBox& box, const Paint& pen, int penWidth) const override;

    // The arc of that ellipse from start16 / 16 degrees, running span16 / 16
    // degrees counter-clockwise as seen on the screen (clockwise when
    // negative); a wider pen has square caps.
    void Arc(const RealBox& box, int start16, int span16, const Paint& pen, int penWidth) const override;

    // The inside of the polygon by the odd-even rule (no outline).
    void FillPolygon(std::span<const IntPoint> corners, const Paint& brush) const override;

private:
    PixelTarget target_;
    ClipBox clip_;
};

} // namespace platform::raster
