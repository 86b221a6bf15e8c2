#pragma once

#include "platform/CanvasTarget.h"
#include "platform/raster/PixelTarget.h"

#include <memory>
#include <optional>
#include <vector>

namespace platform::raster {

// The engine's own targets for bitmaps: RasterCanvasTargets with one text backend.
class RasterBitmapTargets final : public BitmapTargets {
public:
    explicit RasterBitmapTargets(TextBackend& text) : text_(text) {}
    std::unique_ptr<CanvasTarget> On(PixelBuffer& pixels) const override;

private:
    TextBackend& text_;
};

// The engine's own drawing target, for a platform without a painter of its
// own (the browser) and for tests anywhere: it draws everything into a pixel
// buffer with the standard library alone. Fills, hatches, ellipses, arcs
// and polygons go through ShapeRaster; lines and outlines of dashed pens
// follow their pattern along the line rule's pixels; wide lines are bands
// with round caps; text is drawn by the text backend it is given.
//
// Its pixels are those of the classic raster rules where the canvas decides
// them (lines, fills of boxes, the shapes the desktop also draws with the
// engine's rasteriser); elsewhere they are close to a painter's: ellipses
// of real boxes and polygons differ from it by a pixel here and there (see
// ShapeRaster.h), wide rectangle outlines have square corners, and wide
// lines are round-capped bands rather than the painter's stroke.
//
// A copy of a buffer of the target's size to (0, 0) shares its pixels (both
// are owned); either side's next drawing then takes pixels of its own.
class RasterCanvasTarget final : public CanvasTarget {
public:
    // pixels and text must outlive the target.
    RasterCanvasTarget(PixelBuffer* pixels, TextBackend& text);

    double Ratio() const override;
    PixelBox Surface() const override;
    const BitmapTargets& Bitmaps() const override { return bitmaps_; }
    void SetClip(const std::optional<PixelBox>& deviceClip) override { clip_ = deviceClip; }
    bool HasPixels() const override { return !pixels_->IsEmpty(); }
    PixelBuffer* Pixels() override;
    void TakeFreshPixels() override;
    void Settle() override {}
    std::optional<WideLineCaps> CapsOfWideLines(int deviceWidth) override;
    bool UsesEngineShapes(const ShapeCase& /*shape*/) const override { return HasPixels(); }
    void FillBoxes(std::span<const PixelBox> boxes, const Paint& paint) override;
    void FillRectangle(const PixelBox& box, const Paint& brush) override;
    void FillEllipse(const RealBox& box, const Paint& brush) override;
    void FillPolygon(std::span<const Point> corners, const Paint& brush) override;
    void OutlineRectangle(const PixelBox& box, const StrokePen& pen) override;
    void OutlineEllipse(const RealBox& box, const StrokePen& pen) override;
    void Arc(const RealBox& box, int start16, int span16, const StrokePen& pen) override;
    void WideLine(Point from, Point to, const StrokePen& pen) override;
    void DrawText(const TextCell& cell) override;
    void CopyPixels(int x, int y, const PixelBuffer& pixels) override;

private:
    // The device pixels that may be written: the surface within the clip.
    PixelBox Visible() const;
    ClipBox VisibleClip() const;
    PixelTarget Surface32();
    // The pen's line paint (in its mode's colour and operation) and the
    // paint of its gaps, if they are drawn.
    static Paint LinePaint(const StrokePen& pen);
    // The closed (or open) polyline through the points with the pen: a
    // solid pen of more than a pixel as a band, otherwise the line rule's
    // pixels along each piece, widened across it, the dash pattern running on
    // from piece to piece.
    void StrokePolyline(const std::vector<RealPoint>& points, bool closed, const StrokePen& pen);

    PixelBuffer* pixels_;
    TextBackend& text_;
    RasterBitmapTargets bitmaps_;
    std::optional<PixelBox> clip_;
};

} // namespace platform::raster
