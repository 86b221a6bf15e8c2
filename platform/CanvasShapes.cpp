// The canvas's filled and outlined shapes and its block copy.
#include "platform/Canvas.h"

#include "platform/RasterRecipes.h"
#include "platform/raster/CanvasShapeGeometry.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace platform {

namespace {

PixelBox Normalized(int x0, int y0, int x1, int y1)
{
    return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
}

} // namespace

void Canvas::FillRect(int left, int top, int right, int bottom)
{
    RealizeBrush();
    const PixelBox box = DeviceBox(left, top, right, bottom);
    if (box.Empty() || brush_.Style() == bsClear || !target_)
        return;
    if (brush_.Style() == bsSolid)
        TakeFreshPixelsUnder(box);
    ForEachBrushPaint(raster::RasterOp::Copy, [&](const raster::Paint& paint) { target_->FillRectangle(box, paint); });
}

void Canvas::TakeFreshPixelsUnder(const PixelBox& box)
{
    const PixelBox covered = deviceClip_ ? deviceClip_->Intersected(box) : box;
    const PixelBox surface = target_->Surface();
    if (!surface.Empty() && covered.Covers(surface))
        target_->TakeFreshPixels();
}

void Canvas::Rectangle(int x0, int y0, int x1, int y1)
{
    RealizeBrush();
    const TPenData& pen = pen_.Data();
    const PixelBox box = DeviceBox(x0, y0, x1, y1);
    if (box.Empty() || pen.mode == pmNop || !target_)
        return;
    const raster::RasterOp op = recipes::RasterOp(pen.mode);
    if (pen.style == psClear) {
        ForEachBrushPaint(op, [&](const raster::Paint& paint) { target_->FillRectangle(box, paint); });
        return;
    }
    // A one-pixel outline's edges lie where one-pixel lines along the
    // rectangle's edge pixels do; the brush fills what it leaves inside.
    const PixelBox ring = pen.width > 1 ? box : LineBox(x0, y0, x1, y1);
    const int w = mapping_.PenWidth(1);
    const PixelBox inside{ring.left + w, ring.top + w, ring.right - w, ring.bottom - w};
    if (!inside.Empty())
        ForEachBrushPaint(op, [&](const raster::Paint& paint) { target_->FillRectangle(inside, paint); });
    if (pen.width > 1) {
        target_->OutlineRectangle(box, Stroke());
        return;
    }
    OutlineBox(ring.left, ring.top, ring.right, ring.bottom);
}

PixelBox Canvas::LineBox(int x0, int y0, int x1, int y1) const
{
    // The device pixels across one-pixel lines along the first and the last
    // column and row of the logical box.
    const int w = mapping_.PenWidth(1);
    const auto across = [this, w](int p) { return LineCrossSection(mapping_.PixelLine(p, 1), w); };
    const PixelSpan left = across(std::min(x0, x1));
    const PixelSpan right = across(std::max(x0, x1) - 1);
    const PixelSpan top = across(std::min(y0, y1));
    const PixelSpan bottom = across(std::max(y0, y1) - 1);
    return {left.first, top.first, right.last + 1, bottom.last + 1};
}

void Canvas::OutlineBox(int left, int top, int right, int bottom)
{
    // Each pixel of the ring once, so that xor-like modes stay reversible.
    const int w = mapping_.PenWidth(1);
    if (w == 1) {
        if (bottom - top == 1) {
            const Point row[] = {{left, top}, {right, top}};
            DeviceSegments(row, false);
        } else if (right - left == 1) {
            const Point column[] = {{left, top}, {left, bottom}};
            DeviceSegments(column, false);
        } else {
            const Point ring[] = {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}};
            DeviceSegments(ring, true);
        }
        return;
    }
    if (right - left <= 2 * w || bottom - top <= 2 * w) {
        // The ring covers the whole box: one fill in the pen's colour and mode.
        const TPenData& pen = pen_.Data();
        target_->FillBox({left, top, right, bottom},
                         {recipes::ModeColor(pen.mode, Resolve(pen.color)), recipes::RasterOp(pen.mode)});
        return;
    }
    // Four bands w pixels thick, each pixel once: the top one without the
    // right corner, the right one without the bottom, and so on round.
    const int half = w / 2;
    const Point sides[] = {
        {left, top + half},           {right - w, top + half},         // top, rightwards
        {right - w + half, top},      {right - w + half, bottom - w},  // right, downwards
        {right - 1, bottom - w + half}, {left + w - 1, bottom - w + half}, // bottom, leftwards
        {left + half, bottom - 1},    {left + half, top + w - 1},      // left, upwards
    };
    DeviceLinePairs(sides);
}

void Canvas::Ellipse(int x0, int y0, int x1, int y1)
{
    RealizeBrush();
    EllipseOnDeviceBox(DeviceBox(x0, y0, x1, y1));
}

void Canvas::DeviceEllipse(int x0, int y0, int x1, int y1)
{
    RealizeBrush();
    EllipseOnDeviceBox(Normalized(x0, y0, x1, y1));
}

void Canvas::EllipseOnDeviceBox(const PixelBox& box)
{
    const TPenData& pen = pen_.Data();
    if (box.Empty() || pen.mode == pmNop || !target_)
        return;
    const int w = mapping_.PenWidth(pen.width);
    const raster::RealBox shape =
        raster::EllipseShapeBox(box.left, box.top, box.right, box.bottom, mapping_.IsIdentity(), w);
    const raster::RasterOp op = recipes::RasterOp(pen.mode);
    if (const std::optional<raster::ShapeRaster> raster = RasterFor(ShapeCase::Kind::Ellipse, box)) {
        ForEachBrushPaint(op, [&](const raster::Paint& brush) { raster->FillEllipse(shape, brush); });
        if (pen.style != psClear)
            raster->OutlineEllipse(shape, PenPaint(), w);
        return;
    }
    ForEachBrushPaint(op, [&](const raster::Paint& brush) { target_->FillEllipse(shape, brush); });
    if (pen.style != psClear)
        target_->OutlineEllipse(shape, Stroke());
}

void Canvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    RealizeBrush();
    // Only the rays' directions matter, and scaling keeps them.
    const double r = mapping_.ratio;
    ArcOnDeviceBox(DeviceBox(x1, y1, x2, y2), {x3 * r, y3 * r}, {x4 * r, y4 * r});
}

Canvas::ArcEnds Canvas::DeviceArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    RealizeBrush();
    return ArcOnDeviceBox(Normalized(x1, y1, x2, y2), {double(x3), double(y3)}, {double(x4), double(y4)});
}

Canvas::ArcEnds Canvas::ArcOnDeviceBox(const PixelBox& box, raster::RealPoint from, raster::RealPoint to)
{
    // Drawn on the ellipse through the middles of the outline's edge pixels
    // (their centres for a one-pixel pen): both halves of a circle then keep
    // to the box's columns left .. right - 1 and rows top .. bottom - 1, as
    // the filled ellipse does.
    const int w = mapping_.PenWidth(pen_.Width());
    const raster::ArcShape arc = raster::ArcOnBox(box.left, box.top, box.right, box.bottom, from, to, w);
    const auto pointAt = [&arc](int angle16) { return raster::ArcPoint(arc.box, angle16); };
    const ArcEnds ends{pointAt(arc.start16), pointAt(arc.start16 + arc.span16)};
    if (box.Empty() || recipes::DrawsNothing(pen_.Data()) || !target_)
        return ends;
    if (const std::optional<raster::ShapeRaster> raster = RasterFor(ShapeCase::Kind::Arc, box)) {
        raster->Arc(arc.box, arc.start16, arc.span16, PenPaint(), w);
        return ends;
    }
    target_->Arc(arc.box, arc.start16, arc.span16, Stroke());
    return ends;
}

void Canvas::Polygon(std::span<const Point> points)
{
    RealizeBrush();
    const TPenData& pen = pen_.Data();
    if (points.size() < 2 || pen.mode == pmNop || !IsBound())
        return;
    std::vector<Point> corners(points.begin(), points.end());
    if (!mapping_.IsIdentity()) {
        for (Point& corner : corners)
            corner = Point(mapping_.PixelLine(corner.x, pen.width), mapping_.PixelLine(corner.y, pen.width));
    }
    const raster::RasterOp op = recipes::RasterOp(pen.mode);
    if (const std::optional<raster::ShapeRaster> raster = RasterFor(ShapeCase::Kind::Polygon, PixelBox{})) {
        std::vector<raster::IntPoint> inside;
        inside.reserve(corners.size());
        for (const Point& corner : corners)
            inside.push_back({corner.x, corner.y});
        ForEachBrushPaint(op, [&](const raster::Paint& brush) { raster->FillPolygon(inside, brush); });
    } else {
        ForEachBrushPaint(op, [&](const raster::Paint& brush) { target_->FillPolygon(corners, brush); });
    }
    DeviceSegments(corners, true);
}

std::optional<raster::ShapeRaster> Canvas::RasterFor(ShapeCase::Kind kind, const PixelBox& box)
{
    const TPenData& pen = pen_.Data();
    if (!target_ || !target_->HasPixels() || recipes::IsStyled(pen))
        return std::nullopt;
    const PixelBox visible = Visible();
    if (!target_->UsesEngineShapes({kind, box, visible, pen, brush_.Style()}))
        return std::nullopt;
    PixelBuffer* pixels = target_->Pixels();
    if (pixels == nullptr)
        return std::nullopt;
    const raster::PixelTarget surface{pixels->Row(0), pixels->Width(), pixels->Height(), pixels->Stride()};
    return raster::ShapeRaster(surface, raster::ClipBox{visible.left, visible.top, visible.right, visible.bottom});
}

raster::Paint Canvas::PenPaint() const
{
    const TPenData& pen = pen_.Data();
    return {recipes::ModeColor(pen.mode, Resolve(pen.color)), recipes::RasterOp(pen.mode)};
}

void Canvas::ForEachBrushPaint(raster::RasterOp op, const std::function<void(const raster::Paint&)>& fill) const
{
    const TBrushData& brush = brush_.Data();
    if (brush.style == bsClear)
        return;
    if (brush.style != bsSolid && backgroundMode_ == bkOpaque)
        fill({Resolve(backgroundColor_), op});
    fill({Resolve(brush.color), op, recipes::BrushHatch(brush.style)});
}

void Canvas::Draw(int x, int y, const PixelBuffer& pixels)
{
    RealizeBrush();
    if (target_)
        target_->CopyPixels(mapping_.Edge(x), mapping_.Edge(y), pixels);
}

} // namespace platform
