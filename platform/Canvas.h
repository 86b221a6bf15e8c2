#pragma once

#include "platform/CanvasBrush.h"
#include "platform/CanvasFont.h"
#include "platform/CanvasPen.h"
#include "platform/CanvasTarget.h"
#include "platform/DeviceMapping.h"
#include "platform/GraphicsTypes.h"
#include "platform/PixelBuffer.h"
#include "platform/Point.h"
#include "platform/RasterLine.h"
#include "platform/TextBackend.h"
#include "platform/WideLineCaps.h"
#include "platform/raster/ShapeRaster.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

namespace raster {
class DirectLineWriter;
}

// The pixels across a horizontal (vertical) line through the row (column)
// position that the canvas sets with a pen of the given width: that row for
// a one-pixel pen; for a wider one width rows centred on it, the odd one out
// before it (rows position - 1 and position for width 2).
// The line rule's own cross-section (raster::CrossSectionAt).
using PixelSpan = raster::CrossSpan;
constexpr PixelSpan LineCrossSection(int position, int penWidth)
{
    return raster::CrossSectionAt(position, penWidth);
}

// A drawing surface with the classic raster rules.
//
// A canvas draws on a target it is bound to (CanvasTarget.h): a backend's
// surface, such as an image or a widget's paint event on the desktop
// (platform/qt/QtCanvasTarget.h). Unbound, it draws nothing but still
// measures text, with the platform's text backend (CurrentTextBackend).
//
// State: the pen, brush and font (see CanvasPen.h, CanvasBrush.h and
// CanvasFont.h; a brush assignment sets the background for the next
// operation), the pen position, the background mode and colour, the text
// alignment and a clip rectangle (or none).
// Coordinates are pixels; rectangles are given by their corners with the right
// column and bottom row left out, and corners may come in either order.
//
// Logical and device pixels: the coordinates of the operations below are
// logical pixels. A target with a device pixel ratio above 1 (an image for
// a screen scaled to 200 % has 2) has that many device
// pixels per logical one, and the canvas draws at its resolution: edges and
// fills go to the device edges of DeviceMapping, lines to its line positions
// at the device width of their pen (a one-pixel pen is PenWidth(1) device
// pixels wide, each pixel of the line rule's centre line widened across the
// line; its dash patterns grow by the same factor), shapes are worked out in
// device pixels, and text is drawn with the font at the ratio times its pixel
// size where the logical layout puts it. Text is measured in logical pixels,
// so layouts do not move. The Device... operations take device pixels, for
// callers that work out positions at device resolution themselves. With a
// ratio of 1 both are the same and nothing is converted.
//
// Pixel rules:
// - Lines: a one-pixel pen sets the pixels nearest to the ideal line
//   (platform/RasterLine.h), the start point but never the end point,
//   whatever the direction, each pixel once; a line to the current position
//   draws nothing. Wider pens are solid, with round caps (LineCrossSection).
//   Styled one-pixel pens follow the dash patterns of RasterRecipes.h from
//   the start point; with an opaque background their gaps take the
//   background colour, with a transparent one they stay as they are.
// - FillRect copies the brush into [left, right) x [top, bottom), whatever the
//   pen mode. Rectangle outlines the same box with the pen (one-pixel pen: its
//   outer ring of pixels, each edge on the device pixels a one-pixel line
//   along it takes) and fills the inside with the brush; a clear pen fills
//   the whole box, a clear brush leaves the inside alone.
// - Ellipse and Arc use the ellipse inscribed in that box. Arc runs counter-
//   clockwise on the screen from the ray through its third point to the ray
//   through its fourth (a full ellipse when both rays coincide).
// - The pen mode (copy, not-xor, ...) applies to lines and to the outline and
//   fill of shapes; text, FillRect and Draw always copy.
// - Text is placed by the corner or edge the alignment names (top-left with
//   0); its cell is TextWidth x TextHeight (ascent + descent). An opaque
//   background fills the cell with the background colour first.
// - The clip rectangle only ever narrows: each new one is intersected with the
//   one set; RemoveClip lifts it.
//
// One-pixel lines in copy mode on a target with pixels are written into them
// directly; other one-pixel lines fill the same pixels, run by run, through
// the target, which applies the pen mode. Shapes go to the engine's
// rasteriser where the target wants it, else to the target.
class Canvas {
public:
    Canvas();
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Binding replaces the previous target (null unbinds); the state (pen,
    // brush, font, position, background, alignment, clip) stays with the
    // canvas.
    void Bind(std::unique_ptr<CanvasTarget> target);
    void Unbind() { Bind(nullptr); }
    bool IsBound() const { return target_ != nullptr; }
    CanvasTarget* Target() const { return target_.get(); }
    // Ends the target's drawing in progress, so that copies of its pixels
    // share them instead of copying them at once.
    void SettleDrawing();

    // A monochrome canvas draws every colour as black or white, whichever is nearer.
    bool Monochrome() const { return monochrome_; }
    void SetMonochrome(bool value) { monochrome_ = value; }
    // The colour a TColor is drawn with on this canvas.
    std::uint32_t Resolve(TColor color) const;

    CanvasPen& Pen() { return pen_; }
    const CanvasPen& Pen() const { return pen_; }
    CanvasBrush& Brush() { return brush_; }
    const CanvasBrush& Brush() const { return brush_; }
    CanvasFont& Font() { return font_; }
    const CanvasFont& Font() const { return font_; }

    Point PenPos() const { return penPos_; }

    // The background as last set; a brush assigned since then changes it at
    // the next operation.
    TBackgroundMode BackgroundMode() const { return backgroundMode_; }
    void SetBackgroundMode(TBackgroundMode mode);
    TColor BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(TColor color);
    // TextAlign flags.
    int TextAlignment() const { return textAlignment_; }
    void SetTextAlignment(int flags);

    // The mapping from logical pixels to the device pixels of the target
    // (identity when unbound).
    const DeviceMapping& Mapping() const { return mapping_; }

    // Narrows the clip to its intersection with the rectangle.
    void IntersectClipRect(int left, int top, int right, int bottom);
    void RemoveClip();
    // The clip rectangle in logical pixels, or none.
    const std::optional<PixelBox>& ClipRect() const { return clip_; }

    void FillRect(int left, int top, int right, int bottom);
    void Rectangle(int x0, int y0, int x1, int y1);
    void Ellipse(int x0, int y0, int x1, int y1);
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    // The lines from each point to the next; the pen position stays.
    void Polyline(std::span<const Point> points);
    // MoveTo(first point), then LineTo to each further one.
    void DrawLineStrip(std::span<const Point> points);
    // DrawLineStrip of each strip in turn: ends[i] is where strip i ends in
    // points (strip 0 starts at 0, strip i at ends[i - 1]).
    void DrawLineStrips(std::span<const Point> points, std::span<const std::size_t> ends);
    // The closed outline in the pen, the inside (odd-even rule) in the brush.
    void Polygon(std::span<const Point> points);
    void TextOut(int x, int y, const std::string& text);
    // The text turned about (x, y) by angle degrees counter-clockwise.
    void TextOutRotated(int x, int y, double angle, const std::string& text);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;
    // Block copy of the pixels, one to one onto device pixels, with their
    // top-left corner at (x, y).
    void Draw(int x, int y, const PixelBuffer& pixels);

    // Drawing in device pixels, with the pen's device width; the pen
    // position stays. Lines and strips as DrawLineStrips; the shapes as
    // Ellipse and Arc on the box with these device corners.
    void DrawDeviceLineStrips(std::span<const Point> points, std::span<const std::size_t> ends);
    void DrawDeviceLine(Point from, Point to);
    void DeviceEllipse(int x0, int y0, int x1, int y1);
    // Where a device arc begins and ends, in device coordinates: the points
    // of the ellipse it is drawn on at its start and end angles.
    struct ArcEnds {
        raster::RealPoint from;
        raster::RealPoint to;
    };
    ArcEnds DeviceArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);

    // True when solid lines drawn now would be written straight into the
    // target's pixels: a solid one-pixel pen in copy mode on a target with pixels.
    bool DrawsLinesDirectly() const;

private:
    // Before a fill of the device box: when it covers every visible pixel of
    // the target, pixels shared with a copy are replaced by fresh ones
    // instead of being copied, since the fill reads none of them.
    void TakeFreshPixelsUnder(const PixelBox& box);
    // Takes the background from the brush if it was assigned since the last operation.
    void RealizeBrush();
    // True when the pen's pixels may be written straight into the target: a
    // target with pixels, a pen in copy mode.
    bool DirectCopyPossible() const;
    // The colour the gaps of a dashed line take: the background colour when
    // the background is opaque, none (left as they are) when transparent.
    std::optional<std::uint32_t> GapColor() const;
    // The device pixels that may show: the surface within the clip.
    PixelBox Visible() const;
    // A writer into the part of the target's pixels lines may be written to
    // directly, in the pen colour; none when nothing shows.
    std::optional<raster::DirectLineWriter> DirectWriter(int width);
    // The caps of straight lines of a wide pen of this device width, as the
    // target draws them; null when the direct writer cannot copy them.
    const raster::WideLineCaps* CapsOfWideLines(int deviceWidth);
    // Takes the device pixel ratio of the bound target, and the clip at it.
    void TakeMapping();
    // The clip in device pixels, from the logical one.
    void TakeDeviceClip();
    // The device box of a logical one, corners in order.
    PixelBox DeviceBox(int x0, int y0, int x1, int y1) const;
    // The device box a one-pixel outline of a logical box takes: its edges
    // across the lines of a one-pixel pen along the box's edge pixels.
    PixelBox LineBox(int x0, int y0, int x1, int y1) const;

    // The lines between consecutive logical points (and back to the first
    // when closed).
    void Segments(std::span<const Point> points, bool closed);
    // The same for device points.
    void DeviceSegments(std::span<const Point> points, bool closed);
    // The device lines from ends[2i] to ends[2i + 1].
    void DeviceLinePairs(std::span<const Point> ends);
    // Draws the device lines that forEach(draw) hands to draw(from, to),
    // with the pen at its device width.
    template <typename ForEach>
    void DrawDeviceLines(ForEach&& forEach);
    // The lines of each strip of logical (device) points; ends as for DrawLineStrips.
    void StripSegments(std::span<const Point> points, std::span<const std::size_t> ends, bool device);
    // A line through the target: a wide pen's line as the target draws it;
    // a one-pixel pen's pixels by the line rule, filled in the pen mode.
    void LineThroughTarget(Point from, Point to);
    // The pen as the target strokes lines and outlines with it.
    StrokePen Stroke() const;
    // The ring of device pixels the pen outlines the device box with, each
    // pixel once.
    void OutlineBox(int left, int top, int right, int bottom);
    void EllipseOnDeviceBox(const PixelBox& box);
    // The rasteriser over the target's pixels and within the clip, when the
    // target wants it for the shape; none when the target draws it.
    std::optional<raster::ShapeRaster> RasterFor(ShapeCase::Kind kind, const PixelBox& box);
    // The pen as the rasteriser paints outlines with it.
    raster::Paint PenPaint() const;
    // Hands fill the paints a shape's inside takes, in the given operation:
    // the background colour under a hatched brush in opaque background mode,
    // then the brush; none with a clear brush.
    void ForEachBrushPaint(raster::RasterOp op, const std::function<void(const raster::Paint&)>& fill) const;
    ArcEnds ArcOnDeviceBox(const PixelBox& box, raster::RealPoint from, raster::RealPoint to);
    // The cell the text takes when placed at (x, y) by the alignment, with
    // its font, colours and text, as the target draws it.
    TextCell CellAt(int x, int y, const std::string& text) const;
    // The canvas font as the text backend takes it.
    const TextFont& CurrentTextFont() const;

    std::unique_ptr<CanvasTarget> target_;

    CanvasPen pen_;
    CanvasBrush brush_;
    CanvasFont font_;
    Point penPos_;
    TBackgroundMode backgroundMode_ = bkOpaque;
    TColor backgroundColor_ = clWhite;
    int textAlignment_ = TextAlign::Left | TextAlign::Top;
    std::optional<PixelBox> clip_;
    // The clip in device pixels.
    std::optional<PixelBox> deviceClip_;
    DeviceMapping mapping_;
    bool monochrome_ = false;

    std::map<int, std::optional<raster::WideLineCaps>> wideLineCaps_;
    // The runs of a line drawn through the target, kept for the next line.
    std::vector<PixelBox> runDashes_;
    std::vector<PixelBox> runGaps_;
    mutable std::uint64_t fontRevision_ = ~std::uint64_t{0};
    mutable TextFont textFont_;
};

} // namespace platform
