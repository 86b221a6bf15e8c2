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

// The direction from (cx, cy) to (x, y) in degrees counter-clockwise from the
// positive x axis, as seen on the screen (y grows downwards).
double ScreenAngle(double cx, double cy, int x, int y)
{
    return std::atan2(-(y - cy), x - cx) * 180.0 / std::numbers::pi;
}

} // namespace

void Canvas::FillRect(int left, int top, int right, int bottom)
{
    realizeBrush();
    const Box box = Normalized(left, top, right, bottom);
    if (box.empty() || brush_.Style() == bsClear)
        return;
    const QRect rect(box.left, box.top, box.width(), box.height());
    if (brush_.Style() == bsSolid)
        dropSharedPixelsCoveredBy(rect);
    QPainter* p = clippedPainter();
    if (p == nullptr)
        return;
    fillArea(*p, QPainter::CompositionMode_SourceOver, [&](QPainter& q) { q.drawRect(rect); });
}

void Canvas::dropSharedPixelsCoveredBy(const QRect& rect)
{
    if (image_ == nullptr || image_->isNull() || image_->isDetached())
        return;
    const QRect covered = clip_ ? clip_->intersected(rect) : rect;
    if (!covered.contains(image_->rect()))
        return;
    endOwnPainter();
    QImage fresh(image_->size(), image_->format());
    fresh.setColorTable(image_->colorTable());
    fresh.setDevicePixelRatio(image_->devicePixelRatio());
    *image_ = std::move(fresh);
}

void Canvas::Rectangle(int x0, int y0, int x1, int y1)
{
    realizeBrush();
    const Box box = Normalized(x0, y0, x1, y1);
    const TPenData& pen = pen_.Data();
    if (box.empty() || pen.mode == pmNop)
        return;
    QPainter* p = clippedPainter();
    if (p == nullptr)
        return;
    const QPainter::CompositionMode mode = recipes::Composition(pen.mode);
    if (pen.style == psClear) {
        const QRect whole(box.left, box.top, box.width(), box.height());
        fillArea(*p, mode, [&](QPainter& q) { q.drawRect(whole); });
        return;
    }
    const QRect inside(box.left + 1, box.top + 1, box.width() - 2, box.height() - 2);
    if (!inside.isEmpty())
        fillArea(*p, mode, [&](QPainter& q) { q.drawRect(inside); });
    if (pen.width > 1) {
        applyOutlinePen(*p);
        p->drawRect(box.outlineRect());
        return;
    }
    outlineBox(box.left, box.top, box.right, box.bottom);
}

void Canvas::outlineBox(int left, int top, int right, int bottom)
{
    // Each pixel of the ring once, so that xor-like modes stay reversible.
    if (bottom - top == 1) {
        const QPoint row[] = {{left, top}, {right, top}};
        segments(row, false);
    } else if (right - left == 1) {
        const QPoint column[] = {{left, top}, {left, bottom}};
        segments(column, false);
    } else {
        const QPoint ring[] = {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}};
        segments(ring, true);
    }
}

void Canvas::Ellipse(int x0, int y0, int x1, int y1)
{
    realizeBrush();
    const Box box = Normalized(x0, y0, x1, y1);
    const TPenData& pen = pen_.Data();
    if (box.empty() || pen.mode == pmNop)
        return;
    QPainter* p = clippedPainter();
    if (p == nullptr)
        return;
    const QPainter::CompositionMode mode = recipes::Composition(pen.mode);
    const QRect shape = box.outlineRect();
    fillArea(*p, mode, [&](QPainter& q) { q.drawEllipse(shape); });
    if (pen.style == psClear)
        return;
    applyOutlinePen(*p);
    p->drawEllipse(shape);
}

void Canvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    realizeBrush();
    const Box box = Normalized(x1, y1, x2, y2);
    if (box.empty() || recipes::DrawsNothing(pen_.Data()))
        return;
    QPainter* p = clippedPainter();
    if (p == nullptr)
        return;
    const double cx = (box.left + box.right) / 2.0;
    const double cy = (box.top + box.bottom) / 2.0;
    const double start = ScreenAngle(cx, cy, x3, y3);
    double span = ScreenAngle(cx, cy, x4, y4) - start;
    while (span <= 0)
        span += 360.0;
    applyOutlinePen(*p);
    // The ellipse through the centres of the box's edge pixels: both halves
    // of a circle then keep to the box's columns left .. right - 1 and rows
    // top .. bottom - 1, as the filled ellipse does.
    const QRectF throughPixelCentres(box.left + 0.5, box.top + 0.5, box.width() - 1, box.height() - 1);
    p->drawArc(throughPixelCentres, static_cast<int>(std::lround(start * 16)),
               static_cast<int>(std::lround(span * 16)));
}

void Canvas::Polygon(std::span<const QPoint> points)
{
    realizeBrush();
    const TPenData& pen = pen_.Data();
    if (points.size() < 2 || pen.mode == pmNop)
        return;
    QPainter* p = clippedPainter();
    if (p == nullptr)
        return;
    const QPolygon polygon(QList<QPoint>(points.begin(), points.end()));
    fillArea(*p, recipes::Composition(pen.mode),
             [&](QPainter& q) { q.drawPolygon(polygon, Qt::OddEvenFill); });
    segments(points, true);
}

void Canvas::applyOutlinePen(QPainter& p)
{
    const TPenData& pen = pen_.Data();
    applyComposition(p, recipes::Composition(pen.mode));
    applyBackground(p, backgroundMode_ == bkOpaque && recipes::IsStyled(pen));
    applyPen(p, recipes::LinePen(pen, Resolve(pen.color)));
    applyBrush(p, Qt::NoBrush);
}

void Canvas::fillArea(QPainter& p, QPainter::CompositionMode mode,
                      const std::function<void(QPainter&)>& drawShape)
{
    const TBrushData& brush = brush_.Data();
    if (brush.style == bsClear)
        return;
    applyComposition(p, mode);
    applyBackground(p, false);
    applyPen(p, Qt::NoPen);
    if (brush.style != bsSolid && backgroundMode_ == bkOpaque) {
        applyBrush(p, QBrush(QColor::fromRgb(Resolve(backgroundColor_))));
        drawShape(p);
    }
    applyBrush(p, QBrush(QColor::fromRgb(Resolve(brush.color)), recipes::BrushPattern(brush.style)));
    drawShape(p);
}

void Canvas::Draw(int x, int y, const QImage& image)
{
    realizeBrush();
    // An image that replaces every pixel of the bound one is shared rather
    // than copied: the bound image holds the same pixels either way, and
    // the first drawing into either side gives it pixels of its own.
    if (image_ != nullptr && x == 0 && y == 0 && !image.isNull() && image.size() == image_->size()
        && image.format() == image_->format() && (!clip_ || clip_->contains(image_->rect()))) {
        endOwnPainter();
        *image_ = image;
        return;
    }
    QPainter* p = painter();
    if (p == nullptr || image.isNull())
        return;
    applyClip(*p, clip_);
    applyComposition(*p, QPainter::CompositionMode_Source);
    p->drawImage(QPoint(x, y), image);
}

} // namespace platform
