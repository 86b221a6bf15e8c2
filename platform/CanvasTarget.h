#pragma once

#include "platform/GraphicsTypes.h"
#include "platform/PixelBuffer.h"
#include "platform/Point.h"
#include "platform/TextBackend.h"
#include "platform/WideLineCaps.h"
#include "platform/raster/ArcCurves.h"
#include "platform/raster/PixelTarget.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace platform {

class CanvasTarget;

// Makes targets of one backend on pixel buffers, so that an off-screen
// bitmap draws as the canvas it is copied to does (platform::RasterBitmap).
class BitmapTargets {
public:
    virtual ~BitmapTargets() = default;
    // A target drawing into pixels, which must outlive it. Pixels shared
    // with a copy (PixelBuffer::Storage) are replaced by pixels of the
    // target's own before it writes: fresh ones before a fill of every
    // pixel, a copy of them before any other drawing.
    virtual std::unique_ptr<CanvasTarget> On(PixelBuffer& pixels) const = 0;
};

// The pen a target draws wide lines and outlines shapes with.
struct StrokePen {
    // The canvas pen: its style, mode, logical width and dots.
    TPenData pen;
    // Its colour as the canvas resolves it (the mode's own colour not yet applied).
    std::uint32_t color = 0;
    // Its width in device pixels (DeviceMapping::PenWidth).
    int deviceWidth = 1;
    // The colour the gaps of a styled pen take; none when they are left alone.
    std::optional<std::uint32_t> gap;
};

// A text cell as the canvas lays it out: upright at its place, or turned
// counter-clockwise by turn degrees ([0, 360)) about the anchor.
struct TextCell {
    const TextFont* font = nullptr;
    const std::string* text = nullptr;
    // In logical pixels: at its place when upright; relative to the anchor
    // when turned.
    PixelBox cell;
    // The upright cell's device box, where its background goes at a device
    // pixel ratio above 1.
    PixelBox deviceCell;
    int ascent = 0;
    std::uint32_t color = 0;
    // The colour the cell is filled with first; none for no background.
    std::optional<std::uint32_t> background;
    bool turned = false;
    Point anchor;
    double turn = 0.0;
};

// A shape the canvas may draw with the engine's rasteriser, in device pixels.
struct ShapeCase {
    enum class Kind { Ellipse, Arc, Polygon };
    Kind kind = Kind::Ellipse;
    // The box of an ellipse or arc (none for polygons), and the device pixels
    // that may show.
    PixelBox box;
    PixelBox visible;
    TPenData pen;
    TBrushStyle brush = bsSolid;
};

// What a canvas draws on: a backend's surface with the drawing the canvas
// does not do itself. Coordinates are device pixels but for text, whose
// cells are logical; every operation stays inside the clip last set.
//
// The canvas writes one-pixel lines (and the straight lines of wider pens)
// into Pixels() itself and shapes with the engine's rasteriser where the
// target wants it (UsesEngineShapes); the rest it hands to the target in the
// order it draws, and the target keeps that order with its own writes.
class CanvasTarget {
public:
    virtual ~CanvasTarget() = default;

    // Device pixels per logical pixel.
    virtual double Ratio() const = 0;
    // The device pixels of the surface.
    virtual PixelBox Surface() const = 0;
    // The backend's targets for off-screen bitmaps copied to this one.
    virtual const BitmapTargets& Bitmaps() const = 0;

    virtual void SetClip(const std::optional<PixelBox>& deviceClip) = 0;

    // True when the target has pixels the canvas may write (Pixels()).
    virtual bool HasPixels() const = 0;
    // The pixels, with everything drawn so far in them and their own (not
    // shared with a copy); null when the target has none.
    virtual PixelBuffer* Pixels() = 0;
    // Before a fill of every pixel: pixels shared with a copy are replaced
    // by fresh ones instead of being copied.
    virtual void TakeFreshPixels() = 0;
    // Ends drawing in progress, so that copies of the pixels share them.
    virtual void Settle() = 0;

    // The caps of straight lines this wide, for the direct writer to copy;
    // none when the target draws such lines itself (WideLine).
    virtual std::optional<raster::WideLineCaps> CapsOfWideLines(int deviceWidth) = 0;
    // True when the engine's rasteriser is to draw the shape on the pixels.
    virtual bool UsesEngineShapes(const ShapeCase& shape) const = 0;

    // Solid boxes in the paint (runs of lines, bands of outlines, text
    // backgrounds), in any order: they share no pixel.
    virtual void FillBoxes(std::span<const PixelBox> boxes, const raster::Paint& paint) = 0;
    void FillBox(const PixelBox& box, const raster::Paint& paint) { FillBoxes({&box, 1}, paint); }
    // The insides of shapes in a brush's paint (its hatch).
    virtual void FillRectangle(const PixelBox& box, const raster::Paint& brush) = 0;
    virtual void FillEllipse(const raster::RealBox& box, const raster::Paint& brush) = 0;
    virtual void FillPolygon(std::span<const Point> corners, const raster::Paint& brush) = 0;
    // Outlines with the pen: a rectangle of a wide pen drawn on the box's
    // edge pixels, the ellipse inscribed in a box, an arc of it.
    virtual void OutlineRectangle(const PixelBox& box, const StrokePen& pen) = 0;
    virtual void OutlineEllipse(const raster::RealBox& box, const StrokePen& pen) = 0;
    virtual void Arc(const raster::RealBox& box, int start16, int span16, const StrokePen& pen) = 0;
    // A line of a pen wider than a pixel, round-capped.
    virtual void WideLine(Point from, Point to, const StrokePen& pen) = 0;
    virtual void DrawText(const TextCell& cell) = 0;
    // Block copy of the pixels with their top-left corner at the device
    // pixel (x, y). A copy of pixels of this target's size to (0, 0) may
    // share them (see BitmapTargets).
    virtual void CopyPixels(int x, int y, const PixelBuffer& pixels) = 0;
};

} // namespace platform
