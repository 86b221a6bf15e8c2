// The canvas's filled and outlined shapes and its block copy.
#include "platform/Canvas.h"

#include "platform/RasterRecipes.h"
#include "platform/qt/QtPixels.h"
#include "platform/raster/CanvasShapeGeometry.h"

#include <QPolygon>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace platform {

namespace {

struct Box {
    int left;
    int top;
    int right;
    int bottom;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    // The box QPainter's outline of [left, right) x [top, bottom) is drawn on.
    QRect outlineRect() const { return QRect(left, top, width() - 1, height() - 1); }
};

Box Normalized(int x0, int y0, int x1, int y1)
{
    return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
}

Box BoxOf(const QRect& rect)
{
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

QRectF QRectOf(const raster::RealBox& box)
{
    return QRectF(box.x, box.y, box.width, box.height);
}

} // namespace

void Canvas::FillRect(int left, int top, int right, int bottom)
{
    RealizeBrush();
    const QRect rect = DeviceBox(left, top, right, bottom);
    if (rect.isEmpty() || brush_.Style() == bsClear)
        return;
    if (brush_.Style() == bsSolid)
        DropSharedPixelsCoveredBy(rect);
    QPainter* p = ClippedPainter();
    if (p == nullptr)
        return;
    FillArea(*p, QPainter::CompositionMode_SourceOver, [&](QPainter& q) { q.drawRect(rect); });
}

void Canvas::DropSharedPixelsCoveredBy(const QRect& rect)
{
    if (image_ == nullptr || image_->isNull() || image_->isDetached())
        return;
    const QRect covered = deviceClip_ ? deviceClip_->intersected(rect) : rect;
    if (!covered.contains(image_->rect()))
        return;
    EndOwnPainter();
    QImage fresh(image_->size(), image_->format());
    fresh.setColorTable(image_->colorTable());
    fresh.setDevicePixelRatio(image_->devicePixelRatio());
    *image_ = std::move(fresh);
}

void Canvas::Rectangle(int x0, int y0, int x1, int y1)
{
    RealizeBrush();
    const TPenData& pen = pen_.Data();
    const Box box = BoxOf(DeviceBox(x0, y0, x1, y1));
    if (box.empty() || pen.mode == pmNop)
        return;
    QPainter* p = ClippedPainter();
    if (p == nullptr)
        return;
    const QPainter::CompositionMode mode = recipes::Composition(pen.mode);
    if (pen.style == psClear) {
        const QRect whole(box.left, box.top, box.width(), box.height());
        FillArea(*p, mode, [&](QPainter& q) { q.drawRect(whole); });
        return;
    }
    // A one-pixel outline's edges lie where one-pixel lines along the
    // rectangle's edge pixels do; the brush fills what it leaves inside.
    const Box ring = pen.width > 1 ? box : BoxOf(LineBox(x0, y0, x1, y1));
    const int w = mapping_.PenWidth(1);
    const QRect inside(ring.left + w, ring.top + w, ring.width() - 2 * w, ring.height() - 2 * w);
    if (!inside.isEmpty())
        FillArea(*p, mode, [&](QPainter& q) { q.drawRect(inside); });
    if (pen.width > 1) {
        ApplyOutlinePen(*p);
        p->drawRect(box.outlineRect());
        return;
    }
    OutlineBox(ring.left, ring.top, ring.right, ring.bottom);
}

QRect Canvas::LineBox(int x0, int y0, int x1, int y1) const
{
    // The device pixels across one-pixel lines along the first and the last
    // column and row of the logical box.
    const int w = mapping_.PenWidth(1);
    const auto across = [this, w](int p) { return LineCrossSection(mapping_.PixelLine(p, 1), w); };
    const PixelSpan left = across(std::min(x0, x1));
    const PixelSpan right = across(std::max(x0, x1) - 1);
    const PixelSpan top = across(std::min(y0, y1));
    const PixelSpan bottom = across(std::max(y0, y1) - 1);
    return QRect(QPoint(left.first, top.first), QPoint(right.last, bottom.last));
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
        QPainter* p = ClippedPainter();
        if (p == nullptr)
            return;
        const TPenData& pen = pen_.Data();
        ApplyComposition(*p, recipes::Composition(pen.mode));
        p->fillRect(QRect(left, top, right - left, bottom - top),
                    QColor::fromRgb(recipes::ModeColor(pen.mode, Resolve(pen.color))));
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
    const Box box = Normalized(x0, y0, x1, y1);
    EllipseOnDeviceBox(QRect(box.left, box.top, box.width(), box.height()));
}

void Canvas::EllipseOnDeviceBox(const QRect& rect)
{
    const Box box = BoxOf(rect);
    const TPenData& pen = pen_.Data();
    if (box.empty() || pen.mode == pmNop)
        return;
    const int w = mapping_.PenWidth(pen.width);
    const raster::RealBox shape =
        raster::EllipseShapeBox(box.left, box.top, box.right, box.bottom, mapping_.IsIdentity(), w);
    if (const std::optional<raster::ShapeRaster> raster = RasterFor(ShapeKind::Ellipse, rect)) {
        ForEachBrushPaint([&](const raster::Paint& brush) { raster->FillEllipse(shape, brush); });
        if (pen.style != psClear)
            raster->OutlineEllipse(shape, PenPaint(), w);
        return;
    }
    QPainter* p = ClippedPainter();
    if (p == nullptr)
        return;
    // At a ratio of 1 the painter takes the box as whole pixels, as it
    // always has; the shape box's numbers are whole there.
    const QRectF real = QRectOf(shape);
    const QRect whole = real.toRect();
    const auto draw = [&](QPainter& q) {
        if (mapping_.IsIdentity())
            q.drawEllipse(whole);
        else
            q.drawEllipse(real);
    };
    FillArea(*p, recipes::Composition(pen.mode), draw);
    if (pen.style == psClear)
        return;
    ApplyOutlinePen(*p);
    draw(*p);
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
    const Box box = Normalized(x1, y1, x2, y2);
    return ArcOnDeviceBox(QRect(box.left, box.top, box.width(), box.height()), {double(x3), double(y3)},
                          {double(x4), double(y4)});
}

Canvas::ArcEnds Canvas::ArcOnDeviceBox(const QRect& rect, raster::RealPoint from, raster::RealPoint to)
{
    const Box box = BoxOf(rect);
    // Drawn on the ellipse through the middles of the outline's edge pixels
    // (their centres for a one-pixel pen): both halves of a circle then keep
    // to the box's columns left .. right - 1 and rows top .. bottom - 1, as
    // the filled ellipse does.
    const int w = mapping_.PenWidth(pen_.Width());
    const raster::ArcShape arc =
        raster::ArcOnBox(box.left, box.top, box.right, box.bottom, from, to, w);
    const auto pointAt = [&arc](int angle16) { return raster::ArcPoint(arc.box, angle16); };
    const ArcEnds ends{pointAt(arc.start16), pointAt(arc.start16 + arc.span16)};
    if (box.empty() || recipes::DrawsNothing(pen_.Data()))
        return ends;
    if (const std::optional<raster::ShapeRaster> raster = RasterFor(ShapeKind::Arc, rect)) {
        raster->Arc(arc.box, arc.start16, arc.span16, PenPaint(), w);
        return ends;
    }
    QPainter* p = ClippedPainter();
    if (p == nullptr)
        return ends;
    ApplyOutlinePen(*p);
    p->drawArc(QRectOf(arc.box), arc.start16, arc.span16);
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
    if (const std::optional<raster::ShapeRaster> raster = RasterFor(ShapeKind::Polygon, QRect())) {
        std::vector<raster::IntPoint> inside;
        inside.reserve(corners.size());
        for (const Point& corner : corners)
            inside.push_back({corner.x, corner.y});
        ForEachBrushPaint([&](const raster::Paint& brush) { raster->FillPolygon(inside, brush); });
    } else if (QPainter* p = ClippedPainter()) {
        QPolygon polygon;
        for (const Point& corner : corners)
            polygon << QPoint(corner.x, corner.y);
        FillArea(*p, recipes::Composition(pen.mode),
                 [&](QPainter& q) { q.drawPolygon(polygon, Qt::OddEvenFill); });
    }
    DeviceSegments(corners, true);
}

bool Canvas::RasterGivesPainterPixels(ShapeKind kind, const QRect& box, const QRect& visible) const
{
    const TPenData& pen = pen_.Data();
    // The cases where the rasteriser was compared with the painter and
    // found equal, those the pendulum figure draws at ratios 1, 1.5 and 2:
    // circles wider than twice the pen, outlined with a one-pixel pen in
    // copy mode (also in the raster operations at a ratio of 1, with a solid
    // brush), and at a ratio of 1 polygons in copy mode. Everything else stays
    // on QPainter: at 1.25 large circles and arcs running off the picture
    // differ by a pixel or two (at 1 too, rarely), the painter splits the sides of other
    // ellipses where the rasteriser does not, combines a hatch's gaps in the
    // raster operations and gives arcs of wide pens round caps.
    const double r = mapping_.ratio;
    if (r != 1.0 && r != 1.5 && r != 2.0)
        return false;
    const bool copy = recipes::RasterOp(pen.mode) == raster::RasterOp::Copy;
    if (kind == ShapeKind::Polygon)
        return copy && mapping_.IsIdentity();
    const bool plainFill = brush_.Style() == bsSolid || brush_.Style() == bsClear;
    const bool circle = box.width() == box.height() && box.width() > 2 * mapping_.PenWidth(1);
    if (kind == ShapeKind::Arc)
        return pen.width <= 1 && circle && copy && visible.contains(box);
    return pen.width <= 1 && circle && (copy || (mapping_.IsIdentity() && plainFill));
}

std::optional<raster::ShapeRaster> Canvas::RasterFor(ShapeKind kind, const QRect& box)
{
    const TPenData& pen = pen_.Data();
    if (image_ == nullptr || image_->format() != QImage::Format_RGB32 || recipes::IsStyled(pen))
        return std::nullopt;
    const QRect surface = image_->rect();
    const QRect visible = deviceClip_ ? deviceClip_->intersected(surface) : surface;
    if (!RasterGivesPainterPixels(kind, box, visible))
        return std::nullopt;
    // The painter and the rasteriser write the same memory in the order they
    // draw while the pixels are the image's own; a shared image takes pixels
    // of its own first, which the painter must not go on drawing into.
    if (ownPainter_.isActive() && !image_->isDetached())
        EndOwnPainter();
    PixelBuffer pixels = qt::BorrowPixels(*image_);
    const raster::PixelTarget target{pixels.Row(0), pixels.Width(), pixels.Height(), pixels.Stride()};
    return raster::ShapeRaster(target, raster::ClipBox{visible.left(), visible.top(), visible.left() + visible.width(),
                                                       visible.top() + visible.height()});
}

raster::Paint Canvas::PenPaint() const
{
    const TPenData& pen = pen_.Data();
    return {recipes::ModeColor(pen.mode, Resolve(pen.color)), recipes::RasterOp(pen.mode)};
}

void Canvas::ForEachBrushPaint(const std::function<void(const raster::Paint&)>& fill) const
{
    const TBrushData& brush = brush_.Data();
    if (brush.style == bsClear)
        return;
    const raster::RasterOp op = recipes::RasterOp(pen_.Mode());
    if (brush.style != bsSolid && backgroundMode_ == bkOpaque)
        fill({Resolve(backgroundColor_), op});
    fill({Resolve(brush.color), op, recipes::BrushHatch(brush.style)});
}

void Canvas::ApplyOutlinePen(QPainter& p)
{
    const TPenData& pen = pen_.Data();
    ApplyComposition(p, recipes::Composition(pen.mode));
    ApplyBackground(p, backgroundMode_ == bkOpaque && recipes::IsStyled(pen));
    ApplyPen(p, recipes::OutlinePen(pen, Resolve(pen.color), mapping_.PenWidth(pen.width)));
    ApplyBrush(p, Qt::NoBrush);
}

void Canvas::FillArea(QPainter& p, QPainter::CompositionMode mode,
                      const std::function<void(QPainter&)>& drawShape)
{
    const TBrushData& brush = brush_.Data();
    if (brush.style == bsClear)
        return;
    ApplyComposition(p, mode);
    ApplyBackground(p, false);
    ApplyPen(p, Qt::NoPen);
    if (brush.style != bsSolid && backgroundMode_ == bkOpaque) {
        ApplyBrush(p, QBrush(QColor::fromRgb(Resolve(backgroundColor_))));
        drawShape(p);
    }
    ApplyBrush(p, QBrush(QColor::fromRgb(Resolve(brush.color)), recipes::BrushPattern(brush.style)));
    drawShape(p);
}

void Canvas::Draw(int x, int y, const QImage& image)
{
    RealizeBrush();
    // An image that replaces every pixel of the bound one is shared rather
    // than copied: the bound image holds the same pixels either way, and
    // the first drawing into either side gives it pixels of its own.
    if (image_ != nullptr && x == 0 && y == 0 && !image.isNull() && image.size() == image_->size()
        && image.format() == image_->format() && image.devicePixelRatio() == image_->devicePixelRatio()
        && (!deviceClip_ || deviceClip_->contains(image_->rect()))) {
        EndOwnPainter();
        *image_ = image;
        return;
    }
    QPainter* p = Painter();
    if (p == nullptr || image.isNull())
        return;
    ApplyClip(*p, deviceClip_);
    ApplyComposition(*p, QPainter::CompositionMode_Source);
    if (mapping_.IsIdentity()) {
        p->drawImage(QPoint(x, y), image);
        return;
    }
    // The image's pixels one to one onto device pixels, whatever its own ratio.
    p->drawImage(QRectF(mapping_.Edge(x), mapping_.Edge(y), image.width(), image.height()), image,
                 QRectF(0, 0, image.width(), image.height()));
}

} // namespace platform
