#include "platform/raster/RasterCanvasTarget.h"

#include "platform/RasterLine.h"
#include "platform/RasterRecipes.h"
#include "platform/raster/PolygonFill.h"
#include "platform/raster/ShapeRaster.h"
#include "platform/raster/WideStroke.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace platform::raster {

namespace {

// Twice the signed area of the closed polygon (positive when it runs
// clockwise on the screen).
double TwiceArea(const std::vector<RealPoint>& points)
{
    double sum = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const RealPoint& a = points[i];
        const RealPoint& b = points[(i + 1) % points.size()];
        sum += a.x * b.y - b.x * a.y;
    }
    return sum;
}

// The contour turned to run clockwise on the screen, so that contours
// filled together by the winding rule make their union.
std::vector<RealPoint> Clockwise(std::vector<RealPoint> points)
{
    if (TwiceArea(points) < 0)
        std::reverse(points.begin(), points.end());
    return points;
}

// A round cap: the circle of the pen's width about the point.
std::vector<RealPoint> Disc(RealPoint centre, double width)
{
    const double r = width / 2;
    std::vector<RealPoint> points = Flatten(EllipseCubics({centre.x - r, centre.y - r, width, width}), Flattening::Fill);
    if (points.size() > 1)
        points.pop_back(); // the closing point repeats the first
    return Clockwise(std::move(points));
}

} // namespace

std::unique_ptr<CanvasTarget> RasterBitmapTargets::On(PixelBuffer& pixels) const
{
    return std::make_unique<RasterCanvasTarget>(&pixels, text_);
}

RasterCanvasTarget::RasterCanvasTarget(PixelBuffer* pixels, TextBackend& text)
    : pixels_(pixels), text_(text), bitmaps_(text)
{
}

double RasterCanvasTarget::Ratio() const
{
    return pixels_->IsEmpty() || !(pixels_->Ratio() > 0) ? 1.0 : pixels_->Ratio();
}

PixelBox RasterCanvasTarget::Surface() const
{
    return {0, 0, pixels_->Width(), pixels_->Height()};
}

PixelBox RasterCanvasTarget::Visible() const
{
    return clip_ ? clip_->Intersected(Surface()) : Surface();
}

ClipBox RasterCanvasTarget::VisibleClip() const
{
    const PixelBox visible = Visible();
    return {visible.left, visible.top, visible.right, visible.bottom};
}

PixelTarget RasterCanvasTarget::Surface32()
{
    PixelBuffer& pixels = *Pixels();
    return {pixels.Row(0), pixels.Width(), pixels.Height(), pixels.Stride()};
}

PixelBuffer* RasterCanvasTarget::Pixels()
{
    // While a copy shares the pixels, this target's writes go to a copy of its own.
    pixels_->Detach();
    return pixels_;
}

void RasterCanvasTarget::TakeFreshPixels()
{
    pixels_->DetachUnset();
}

std::optional<WideLineCaps> RasterCanvasTarget::CapsOfWideLines(int deviceWidth)
{
    StrokePen pen;
    pen.pen.width = deviceWidth;
    pen.deviceWidth = deviceWidth;
    pen.color = 0xFF000000u;
    return WideLineCaps::Measure(deviceWidth, [this, &pen](PixelBuffer& picture, Point from, Point to) {
        RasterCanvasTarget(&picture, text_).WideLine(from, to, pen);
    });
}

void RasterCanvasTarget::FillBoxes(std::span<const PixelBox> boxes, const Paint& paint)
{
    if (!HasPixels())
        return;
    Paint solid = paint;
    solid.hatch = hatches::Solid;
    SpanWriter writer(Surface32(), VisibleClip(), solid);
    for (const PixelBox& box : boxes)
        for (int y = box.top; y < box.bottom; ++y)
            writer.Span(box.left, y, box.right - box.left);
}

void RasterCanvasTarget::FillRectangle(const PixelBox& box, const Paint& brush)
{
    if (!HasPixels())
        return;
    SpanWriter writer(Surface32(), VisibleClip(), brush);
    for (int y = box.top; y < box.bottom; ++y)
        writer.Span(box.left, y, box.right - box.left);
}

void RasterCanvasTarget::FillEllipse(const RealBox& box, const Paint& brush)
{
    if (HasPixels())
        ShapeRaster(Surface32(), VisibleClip()).FillEllipse(box, brush);
}

void RasterCanvasTarget::FillPolygon(std::span<const Point> corners, const Paint& brush)
{
    if (!HasPixels())
        return;
    std::vector<IntPoint> points;
    points.reserve(corners.size());
    for (const Point& corner : corners)
        points.push_back({corner.x, corner.y});
    ShapeRaster(Surface32(), VisibleClip()).FillPolygon(points, brush);
}

Paint RasterCanvasTarget::LinePaint(const StrokePen& pen)
{
    return {recipes::ModeColor(pen.pen.mode, pen.color), recipes::RasterOp(pen.pen.mode)};
}

void RasterCanvasTarget::OutlineRectangle(const PixelBox& box, const StrokePen& pen)
{
    // Bands of the pen's width centred on the box's edge pixels, each pixel
    // once: the top and bottom bands across the whole width, the sides
    // between them.
    const int w = pen.deviceWidth;
    const CrossSpan left = CrossSectionAt(box.left, w);
    const CrossSpan right = CrossSectionAt(box.right - 1, w);
    const CrossSpan top = CrossSectionAt(box.top, w);
    const CrossSpan bottom = CrossSectionAt(box.bottom - 1, w);
    const Paint paint = LinePaint(pen);
    if (bottom.first <= top.last + 1 || right.first <= left.last + 1) {
        FillBox({left.first, top.first, right.last + 1, bottom.last + 1}, paint);
        return;
    }
    FillBox({left.first, top.first, right.last + 1, top.last + 1}, paint);
    FillBox({left.first, bottom.first, right.last + 1, bottom.last + 1}, paint);
    FillBox({left.first, top.last + 1, left.last + 1, bottom.first}, paint);
    FillBox({right.first, top.last + 1, right.last + 1, bottom.first}, paint);
}

void RasterCanvasTarget::StrokePolyline(const std::vector<RealPoint>& points, bool closed, const StrokePen& pen)
{
    if (!HasPixels() || points.size() < 2)
        return;
    const std::span<const int> pattern = recipes::DashPattern(pen.pen);
    const int width = std::max(pen.deviceWidth, 1);
    if (pattern.empty() && width > 1) {
        std::vector<Cubic> pieces;
        for (std::size_t i = 1; i < points.size(); ++i)
            pieces.push_back({points[i - 1], points[i - 1], points[i], points[i]});
        if (closed)
            pieces.push_back({points.back(), points.back(), points.front(), points.front()});
        SpanWriter writer(Surface32(), VisibleClip(), LinePaint(pen));
        FillContours(WideBand(pieces, width, closed), FillRule::Winding, writer);
        return;
    }
    // The dash pattern grows with the pen's device width.
    std::vector<int> widened(pattern.begin(), pattern.end());
    for (int& length : widened)
        length *= width;
    const PixelTarget surface = Surface32();
    const ClipBox clip = VisibleClip();
    SpanWriter dashes(surface, clip, LinePaint(pen));
    std::optional<SpanWriter> gaps;
    if (pen.gap)
        gaps.emplace(surface, clip, Paint{*pen.gap, recipes::RasterOp(pen.pen.mode)});
    const CrossSpan across = CrossSectionAt(0, width);
    std::optional<DashPhase> phase;
    const auto round = [](RealPoint p) {
        return Point(static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y)));
    };
    const PixelBox visible = Visible();
    const std::size_t count = closed ? points.size() + 1 : points.size();
    for (std::size_t i = 1; i < count; ++i) {
        const Point from = round(points[i - 1]);
        const Point to = round(points[i % points.size()]);
        if (from == to)
            continue;
        const bool alongX = StepsAlongX(from, to);
        TraceWideLine(from, to, visible, width, [&](int x, int y, long long step) {
            if (phase)
                phase->Advance();
            else
                phase.emplace(widened, step);
            SpanWriter* writer = phase->On() ? &dashes : (gaps ? &*gaps : nullptr);
            if (writer == nullptr)
                return;
            if (alongX) {
                for (int k = across.first; k <= across.last; ++k)
                    writer->Pixel(x, y + k);
            } else {
                writer->Span(x + across.first, y, across.last - across.first + 1);
            }
        });
    }
}

void RasterCanvasTarget::OutlineEllipse(const RealBox& box, const StrokePen& pen)
{
    if (!HasPixels())
        return;
    if (!recipes::IsStyled(pen.pen)) {
        ShapeRaster(Surface32(), VisibleClip()).OutlineEllipse(box, LinePaint(pen), pen.deviceWidth);
        return;
    }
    std::vector<RealPoint> points = Flatten(EllipseCubics(box));
    if (points.size() > 1)
        points.pop_back(); // the closing point repeats the first
    StrokePolyline(points, true, pen);
}

void RasterCanvasTarget::Arc(const RealBox& box, int start16, int span16, const StrokePen& pen)
{
    if (!HasPixels())
        return;
    if (!recipes::IsStyled(pen.pen)) {
        ShapeRaster(Surface32(), VisibleClip()).Arc(box, start16, span16, LinePaint(pen), pen.deviceWidth);
        return;
    }
    StrokePolyline(Flatten(ArcCubics(box, start16 / 16.0, span16 / 16.0)), false, pen);
}

void RasterCanvasTarget::WideLine(Point from, Point to, const StrokePen& pen)
{
    if (!HasPixels())
        return;
    // The band along the line with a disc at each end, filled once as their union.
    const double width = pen.deviceWidth;
    // Centred on the points, so that the band's cross-section is the line
    // rule's (CrossSectionAt) and the direct writer can copy its caps.
    const RealPoint a{double(from.x), double(from.y)};
    const RealPoint b{double(to.x), double(to.y)};
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    std::vector<std::vector<RealPoint>> contours{Disc(a, width), Disc(b, width)};
    if (length > 0) {
        const double nx = -(b.y - a.y) / length * width / 2;
        const double ny = (b.x - a.x) / length * width / 2;
        contours.push_back(
            Clockwise({{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}}));
    }
    SpanWriter writer(Surface32(), VisibleClip(), LinePaint(pen));
    FillContours(contours, FillRule::Winding, writer);
}

void RasterCanvasTarget::DrawText(const TextCell& cell)
{
    if (!HasPixels() || cell.font == nullptr || cell.text == nullptr)
        return;
    const double ratio = Ratio();
    if (cell.background && cell.cell.right > cell.cell.left) {
        const Paint background{*cell.background};
        if (!cell.turned) {
            FillBox(cell.deviceCell, background);
        } else {
            // The turned cell, in device pixels.
            const double turn = cell.turn * std::acos(-1.0) / 180.0;
            const double c = std::cos(turn);
            const double s = std::sin(turn);
            const auto corner = [&](int x, int y) {
                return Point(static_cast<int>(std::lround((cell.anchor.x + x * c + y * s) * ratio)),
                             static_cast<int>(std::lround((cell.anchor.y - x * s + y * c) * ratio)));
            };
            const Point corners[] = {corner(cell.cell.left, cell.cell.top), corner(cell.cell.right, cell.cell.top),
                                     corner(cell.cell.right, cell.cell.bottom),
                                     corner(cell.cell.left, cell.cell.bottom)};
            FillPolygon(corners, background);
        }
    }
    TextPlacement at;
    if (cell.turned) {
        at = {cell.anchor.x, cell.anchor.y, cell.cell.left, cell.cell.top + cell.ascent, cell.turn};
    } else {
        at = {cell.cell.left, cell.cell.top, 0, cell.ascent, 0.0};
    }
    text_.Draw(*Pixels(), Visible(), *cell.font, at, *cell.text, cell.color & 0xFFFFFFu);
}

void RasterCanvasTarget::CopyPixels(int x, int y, const PixelBuffer& pixels)
{
    if (!HasPixels() || pixels.IsEmpty())
        return;
    const PixelBox visible = Visible();
    if (x == 0 && y == 0 && pixels.OwnsPixels() && pixels_->OwnsPixels() && pixels.Width() == pixels_->Width()
        && pixels.Height() == pixels_->Height() && pixels.Ratio() == pixels_->Ratio()
        && visible.Covers(Surface())) {
        *pixels_ = pixels;
        return;
    }
    const PixelBox box = visible.Intersected({x, y, x + pixels.Width(), y + pixels.Height()});
    if (box.Empty())
        return;
    PixelBuffer& target = *Pixels();
    for (int row = box.top; row < box.bottom; ++row)
        std::copy_n(pixels.Row(row - y) + (box.left - x), box.right - box.left, target.Row(row) + box.left);
}

} // namespace platform::raster
