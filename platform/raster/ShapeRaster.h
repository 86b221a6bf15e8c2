#pragma once

#include "platform/raster/ArcCurves.h"
#include "platform/raster/PixelTarget.h"
#include "platform/raster/PolygonFill.h"

#include <span>

// The engine's own rasteriser for the canvas's filled and outlined shapes:
// ellipses, arcs and polygons, aliased, in one paint, within a clip box.
// It takes the shapes in the terms an aliased vector painter's ellipse,
// arc and polygon calls take them, and gives the same pixels for the cases
// the program draws (see the sweep test against QPainter for the exceptions).
//
// From the canvas (CanvasShapes.cpp), for a bound Format_RGB32 image:
//   PixelTarget target{reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
//                      image.bytesPerLine() / 4};
//   ShapeRaster raster(target, clip);            // the device clip, or the whole image
//   // EllipseOnDeviceBox, at ratio 1:   shape = box.outlineRect()
//   raster.FillEllipse({l, t, w - 1, h - 1}, brushPaint);
//   raster.OutlineEllipse({l, t, w - 1, h - 1}, penPaint, 1);
//   // at other ratios, with w = PenWidth(pen.width):
//   raster.FillEllipse({l + w / 2.0, t + w / 2.0, width - w, height - w}, brushPaint);
//   raster.OutlineEllipse({...the same box...}, penPaint, w);
//   // ArcOnDeviceBox: throughPixelCentres and the rounded start16/span16
//   raster.Arc({...throughPixelCentres...}, start16, span16, penPaint, w);
//   // Polygon, the device corners:
//   raster.FillPolygon(corners, brushPaint);
// A brush's paint has its colour, its pen mode's RasterOp and its hatch; a
// hatched brush in opaque background mode is filled first in the background
// colour with the solid hatch, as FillArea does. The pen's paint has the
// colour recipes::ModeColor gives.
namespace platform::raster {

class ShapeRaster {
public:
    ShapeRaster(const PixelTarget& target, const ClipBox& clip) : target_(target), clip_(clip) {}

    // The inside of the ellipse inscribed in box. A box with whole-number
    // corners is filled by the midpoint rule (MidpointEllipse.h), any other
    // by pixel centres inside its curve.
    void FillEllipse(const RealBox& box, const Paint& brush) const;

    // The outline of that ellipse with a pen penWidth device pixels wide: a
    // one-pixel pen by the midpoint rule on a whole-number box, else along
    // its curve (CosmeticLine.h); a wider pen as a band centred on the curve.
    void OutlineEllipse(const RealBox& box, const Paint& pen, int penWidth) const;

    // The arc of that ellipse from start16 / 16 degrees, running span16 / 16
    // degrees counter-clockwise as seen on the screen (clockwise when
    // negative); a wider pen has square caps.
    void Arc(const RealBox& box, int start16, int span16, const Paint& pen, int penWidth) const;

    // The inside of the polygon by the odd-even rule (no outline).
    void FillPolygon(std::span<const IntPoint> corners, const Paint& brush) const;

private:
    PixelTarget target_;
    ClipBox clip_;
};

} // namespace platform::raster
