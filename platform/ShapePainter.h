#pragma once

#include "platform/raster/ArcCurves.h"
#include "platform/raster/PixelTarget.h"
#include "platform/raster/PolygonFill.h"

#include <span>

namespace platform {

// What draws the canvas's filled and outlined shapes in device pixels, in the
// terms of ShapeRaster.h: the engine's own rasteriser (raster::ShapeRaster),
// which every front end can use, or a toolkit's painter where that one must
// keep its own pixels.
class ShapePainter {
public:
    virtual ~ShapePainter() = default;

    // The inside of the ellipse inscribed in box.
    virtual void FillEllipse(const raster::RealBox& box, const raster::Paint& brush) const = 0;
    // The outline of that ellipse with a pen penWidth device pixels wide.
    virtual void OutlineEllipse(const raster::RealBox& box, const raster::Paint& pen, int penWidth) const = 0;
    // The arc of that ellipse from start16 / 16 degrees, running span16 / 16
    // degrees counter-clockwise as seen on the screen.
    virtual void Arc(const raster::RealBox& box, int start16, int span16, const raster::Paint& pen,
                     int penWidth) const = 0;
    // The inside of the polygon by the odd-even rule.
    virtual void FillPolygon(std::span<const raster::IntPoint> corners, const raster::Paint& brush) const = 0;
};

} // namespace platform
