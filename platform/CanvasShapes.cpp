// The canvas's filled and outlined shapes and its block copy.
#include "platform/Canvas.h"

#include "platform/RasterRecipes.h"

#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

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

// The direction from (cx, cy) to p in degrees counter-clockwise from the
// positive x axis, as seen on the screen (y grows downwards).
double ScreenAngle(double cx, double cy, QPointF p)
{
    return std::atan2(-(p.y() - cy), p.x() - cx) * 180.0 / std::numbers::pi;
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
            const QPoint row[] = {{left, top}, {right, top}};
            DeviceSegments(row, false);
        } else if (right - left == 1) {
            const QPoint column[] = {{left, top}, {left, bottom}};
            DeviceSegments(column, false);
        } else {
            const QPoint ring[] = {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}};
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
    const QPoint sides[] = {
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
    QPainter* p = ClippedPainter();
    if (p == nullptr)
        return;
    const QPainter::CompositionMode mode = recipes::Composition(pen.mode);
    if (mapping_.IsIdentity()) {
        const QRect shape = box.outlineRect();
        FillArea(*p, mode, [&](QPainter& q) { q.drawEllipse(shape); });
        if (pen.style == psClear)
            return;
        ApplyOutlinePen(*p);
        p->drawEllipse(shape);
        return;
    }
    // The outline's middle runs half the pen's device width inside the box,
    // so that the outline stays within it as a one-pixel one does.
    const double w = mapping_.PenWidth(pen.width);
    const QRectF shape(box.left + w / 2, box.top + w / 2, box.width() - w, box.height() - w);
    FillArea(*p, mode, [&](QPainter& q) { q.drawEllipse(shape); });
    if (pen.style == psClear)
        return;
    ApplyOutlinePen(*p);
    p->drawEllipse(shape);
}

void Canvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    RealizeBrush();
    // Only the rays' directions matter, and scaling keeps them.
    const double r = mapping_.ratio;
    ArcOnDeviceBox(DeviceBox(x1, y1, x2, y2), QPointF(x3 * r, y3 * r), QPointF(x4 * r, y4 * r));
}

Canvas::ArcEnds Canvas::DeviceArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    RealizeBrush();
    const Box box = Normalized(x1, y1, x2, y2);
    return ArcOnDeviceBox(QRect(box.left, box.top, box.width(), box.height()), QPointF(x3, y3), QPointF(x4, y4));
}

Canvas::ArcEnds Canvas::ArcOnDeviceBox(const QRect& rect, QPointF from, QPointF to)
{
    const Box box = BoxOf(rect);
    const double cx = (box.left + box.right) / 2.0;
    const double cy = (box.top + box.bottom) / 2.0;
    const double start = ScreenAngle(cx, cy, from);
    double span = ScreenAngle(cx, cy, to) - start;
    while (span <= 0)
        span += 360.0;
    // The ellipse through the middles of the outline's edge pixels (their
    // centres for a one-pixel pen): both halves of a circle then keep to the
    // box's columns left .. right - 1 and rows top .. bottom - 1, as the
    // filled ellipse does.
    const double w = mapping_.PenWidth(pen_.Width());
    const QRectF throughPixelCentres(box.left + w / 2, box.top + w / 2, box.width() - w, box.height() - w);
    const int start16 = static_cast<int>(std::lround(start * 16));
    const int span16 = static_cast<int>(std::lround(span * 16));
    const auto pointAt = [&throughPixelCentres](int angle16) {
        const double radians = angle16 / 16.0 * std::numbers::pi / 180.0;
        return QPointF(throughPixelCentres.center().x() + throughPixelCentres.width() / 2 * std::cos(radians),
                       throughPixelCentres.center().y() - throughPixelCentres.height() / 2 * std::sin(radians));
    };
    const ArcEnds ends{pointAt(start16), pointAt(start16 + span16)};
    if (box.empty() || recipes::DrawsNothing(pen_.Data()))
        return ends;
    QPainter* p = ClippedPainter();
    if (p == nullptr)
        return ends;
    ApplyOutlinePen(*p);
    p->drawArc(throughPixelCentres, start16, span16);
    return ends;
}

void Canvas::Polygon(std::span<const QPoint> points)
{
    RealizeBrush();
    const TPenData& pen = pen_.Data();
    if (points.size() < 2 || pen.mode == pmNop)
        return;
    QPainter* p = ClippedPainter();
    if (p == nullptr)
        return;
    QList<QPoint> corners(points.begin(), points.end());
    if (!mapping_.IsIdentity()) {
        for (QPoint& corner : corners)
            corner = QPoint(mapping_.PixelLine(corner.x(), pen.width), mapping_.PixelLine(corner.y(), pen.width));
    }
    const QPolygon polygon(corners);
    FillArea(*p, recipes::Composition(pen.mode),
             [&](QPainter& q) { q.drawPolygon(polygon, Qt::OddEvenFill); });
    DeviceSegments(std::span<const QPoint>(corners.data(), corners.size()), true);
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
