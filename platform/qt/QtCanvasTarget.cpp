#include "platform/qt/QtCanvasTarget.h"

#include "platform/Canvas.h"
#include "platform/DeviceMapping.h"
#include "platform/RasterRecipes.h"
#include "platform/qt/QtPixels.h"
#include "platform/qt/QtRecipes.h"
#include "platform/qt/QtWideLineCaps.h"

#include <QPolygon>

#include <algorithm>

namespace platform::qt {

namespace {

QRectF ToQRectF(const raster::RealBox& box)
{
    return QRectF(box.x, box.y, box.width, box.height);
}

// The box QPainter's outline of [left, right) x [top, bottom) is drawn on.
QRect OutlineRectOf(const PixelBox& box)
{
    return QRect(box.left, box.top, box.right - box.left - 1, box.bottom - box.top - 1);
}

class QtBitmapTargets final : public BitmapTargets {
public:
    std::unique_ptr<CanvasTarget> On(PixelBuffer& pixels) const override
    {
        return std::make_unique<QtCanvasTarget>(&pixels);
    }
};

} // namespace

// What the target last set on its QPainter; an empty optional is "unknown".
struct QtCanvasTarget::PainterState {
    std::optional<std::optional<QRect>> clip;
    std::optional<QPen> pen;
    std::optional<QBrush> brush;
    std::optional<QPainter::CompositionMode> composition;
    std::optional<std::optional<std::uint32_t>> background;
    std::optional<TextFont> font;
    std::optional<bool> deviceTransform;
};

QtCanvasTarget::QtCanvasTarget(QImage* image)
    : image_(image), applied_(std::make_unique<PainterState>()), ratio_(RatioOfSurface())
{
}

QtCanvasTarget::QtCanvasTarget(QPainter* painter)
    : external_(painter), applied_(std::make_unique<PainterState>())
{
    if (external_ != nullptr) {
        external_->setRenderHint(QPainter::Antialiasing, false);
        external_->setRenderHint(QPainter::TextAntialiasing, false);
    }
    ratio_ = RatioOfSurface();
}

QtCanvasTarget::QtCanvasTarget(PixelBuffer* pixels)
    : buffer_(pixels), applied_(std::make_unique<PainterState>())
{
    ViewBuffer();
    ratio_ = RatioOfSurface();
}

QtCanvasTarget::~QtCanvasTarget()
{
    EndOwnPainter();
}

void QtCanvasTarget::ViewBuffer()
{
    // A view that keeps none of the buffer alive, so that the buffer alone
    // tells whether a copy shares its pixels.
    view_ = WrapPixels(PixelBuffer::Borrow(buffer_->Data(), buffer_->Width(), buffer_->Height(), buffer_->Stride(),
                                           buffer_->Ratio()));
    image_ = &view_;
}

double QtCanvasTarget::Ratio() const
{
    return ratio_;
}

double QtCanvasTarget::RatioOfSurface() const
{
    double ratio = 1.0;
    if (image_ != nullptr && !image_->isNull())
        ratio = image_->devicePixelRatio();
    else if (external_ != nullptr && external_->device() != nullptr)
        ratio = external_->device()->devicePixelRatioF();
    return ratio > 0 ? ratio : 1.0;
}

PixelBox QtCanvasTarget::Surface() const
{
    if (image_ != nullptr)
        return {0, 0, image_->width(), image_->height()};
    if (external_ == nullptr || external_->device() == nullptr)
        return {};
    const QPaintDevice* device = external_->device();
    // A widget measures itself in logical pixels, images in their own.
    if (device->devType() == QInternal::Widget) {
        const DeviceMapping mapping{Ratio()};
        return {0, 0, mapping.Size(device->width()), mapping.Size(device->height())};
    }
    return {0, 0, device->width(), device->height()};
}

const BitmapTargets& QtCanvasTarget::Bitmaps() const
{
    return QtBitmaps();
}

void QtCanvasTarget::SetClip(const std::optional<PixelBox>& deviceClip)
{
    clip_ = deviceClip ? std::optional<QRect>(ToQRect(*deviceClip)) : std::nullopt;
}

bool QtCanvasTarget::HasPixels() const
{
    return image_ != nullptr && image_->format() == QImage::Format_RGB32;
}

void QtCanvasTarget::OwnPixels()
{
    if (buffer_ != nullptr) {
        if (!buffer_->IsShared())
            return;
        EndOwnPainter();
        buffer_->Detach();
        ViewBuffer();
    }
}

PixelBuffer* QtCanvasTarget::Pixels()
{
    if (!HasPixels())
        return nullptr;
    OwnPixels();
    if (buffer_ != nullptr)
        return buffer_;
    // While the pixels are the image's own, the painter and the direct writes
    // go to the same memory in the order they happen. A shared image is copied
    // by bits(); the painter must not keep drawing into the old pixels.
    if (ownPainter_.isActive() && !image_->isDetached())
        EndOwnPainter();
    borrowed_ = BorrowPixels(*image_);
    return &borrowed_;
}

void QtCanvasTarget::TakeFreshPixels()
{
    if (buffer_ != nullptr) {
        if (!buffer_->IsShared())
            return;
        EndOwnPainter();
        buffer_->DetachUnset();
        ViewBuffer();
        return;
    }
    if (image_ == nullptr || image_->isNull()
        || (image_->isDetached() && image_->constBits() != sharedBits_))
        return;
    EndOwnPainter();
    QImage fresh(image_->size(), image_->format());
    fresh.setColorTable(image_->colorTable());
    fresh.setDevicePixelRatio(image_->devicePixelRatio());
    *image_ = std::move(fresh);
}

void QtCanvasTarget::Settle()
{
    EndOwnPainter();
}

std::optional<raster::WideLineCaps> QtCanvasTarget::CapsOfWideLines(int deviceWidth)
{
    return MeasureWideLineCaps(deviceWidth);
}

bool QtCanvasTarget::UsesEngineShapes(const ShapeCase& shape) const
{
    const TPenData& pen = shape.pen;
    const DeviceMapping mapping{Ratio()};
    // The cases where the rasteriser was compared with the painter and
    // found equal, those the pendulum figure draws at ratios 1, 1.5 and 2:
    // circles wider than twice the pen, outlined with a one-pixel pen in
    // copy mode (also in the raster operations at a ratio of 1, with a solid
    // brush), and at a ratio of 1 polygons in copy mode. Everything else stays
    // on QPainter: at 1.25 large circles and arcs running off the picture
    // differ by a pixel or two (at 1 too, rarely), the painter splits the sides of other
    // ellipses where the rasteriser does not, combines a hatch's gaps in the
    // raster operations and gives arcs of wide pens round caps.
    const double r = mapping.ratio;
    if (!HasPixels() || (r != 1.0 && r != 1.5 && r != 2.0))
        return false;
    const bool copy = recipes::RasterOp(pen.mode) == raster::RasterOp::Copy;
    if (shape.kind == ShapeCase::Kind::Polygon)
        return copy && mapping.IsIdentity();
    const bool plainFill = shape.brush == bsSolid || shape.brush == bsClear;
    const int width = shape.box.right - shape.box.left;
    const int height = shape.box.bottom - shape.box.top;
    const bool circle = width == height && width > 2 * mapping.PenWidth(1);
    if (shape.kind == ShapeCase::Kind::Arc) {
        const PixelBox& v = shape.visible;
        const bool inside = shape.box.left >= v.left && shape.box.top >= v.top && shape.box.right <= v.right
                            && shape.box.bottom <= v.bottom;
        return pen.width <= 1 && circle && copy && inside;
    }
    return pen.width <= 1 && circle && (copy || (mapping.IsIdentity() && plainFill));
}

QPainter* QtCanvasTarget::Painter()
{
    if (external_ != nullptr) {
        ApplyDeviceTransform(*external_, true);
        ApplyClip(*external_);
        return external_;
    }
    if (image_ == nullptr)
        return nullptr;
    OwnPixels();
    // A copy of the image shares its pixels until one side writes; end the
    // painter so that beginning it again gives this target pixels of its own.
    if (ownPainter_.isActive() && !image_->isDetached())
        EndOwnPainter();
    if (!ownPainter_.isActive()) {
        ForgetPainterState();
        if (!ownPainter_.begin(image_))
            return nullptr;
        ownPainter_.setRenderHint(QPainter::Antialiasing, false);
        ownPainter_.setRenderHint(QPainter::TextAntialiasing, false);
    }
    ApplyDeviceTransform(ownPainter_, true);
    ApplyClip(ownPainter_);
    return &ownPainter_;
}

void QtCanvasTarget::EndOwnPainter()
{
    if (ownPainter_.isActive())
        ownPainter_.end();
}

void QtCanvasTarget::ForgetPainterState()
{
    *applied_ = PainterState();
}

void QtCanvasTarget::ApplyDeviceTransform(QPainter& p, bool device)
{
    // At a ratio of 1 the painter's own coordinates are device pixels.
    const double ratio = Ratio();
    if (ratio == 1.0 || applied_->deviceTransform == device)
        return;
    // QPainter scales an image of a higher ratio by that ratio by itself;
    // the opposite scale brings it back to device pixels exactly.
    p.setWorldTransform(device ? QTransform::fromScale(1.0 / ratio, 1.0 / ratio) : QTransform());
    applied_->deviceTransform = device;
}

void QtCanvasTarget::ApplyClip(QPainter& p)
{
    if (applied_->clip && *applied_->clip == clip_)
        return;
    if (clip_)
        p.setClipRect(*clip_, Qt::ReplaceClip);
    else
        p.setClipping(false);
    applied_->clip = clip_;
}

void QtCanvasTarget::ApplyPen(QPainter& p, const QPen& pen)
{
    if (applied_->pen && *applied_->pen == pen)
        return;
    p.setPen(pen);
    applied_->pen = pen;
}

void QtCanvasTarget::ApplyBrush(QPainter& p, const QBrush& brush)
{
    if (applied_->brush && *applied_->brush == brush)
        return;
    p.setBrush(brush);
    applied_->brush = brush;
}

void QtCanvasTarget::ApplyComposition(QPainter& p, QPainter::CompositionMode mode)
{
    if (applied_->composition == mode)
        return;
    p.setCompositionMode(mode);
    applied_->composition = mode;
}

void QtCanvasTarget::ApplyBackground(QPainter& p, std::optional<std::uint32_t> opaque)
{
    if (applied_->background == opaque)
        return;
    p.setBackgroundMode(opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    if (opaque)
        p.setBackground(QColor::fromRgb(*opaque));
    applied_->background = opaque;
}

void QtCanvasTarget::ApplyFont(QPainter& p, const TextFont& font)
{
    if (applied_->font == font)
        return;
    p.setFont(text_.Texts(font).Font());
    applied_->font = font;
}

void QtCanvasTarget::FillBoxes(std::span<const PixelBox> boxes, const raster::Paint& paint)
{
    QPainter* p = Painter();
    if (p == nullptr)
        return;
    ApplyComposition(*p, Composition(paint.op));
    const QColor color = QColor::fromRgb(paint.color);
    for (const PixelBox& box : boxes)
        p->fillRect(ToQRect(box), color);
}

QPainter* QtCanvasTarget::FillPainter(const raster::Paint& brush)
{
    QPainter* p = Painter();
    if (p == nullptr)
        return nullptr;
    ApplyComposition(*p, Composition(brush.op));
    ApplyBackground(*p, std::nullopt);
    ApplyPen(*p, Qt::NoPen);
    ApplyBrush(*p, QBrush(QColor::fromRgb(brush.color), BrushPattern(brush.hatch)));
    return p;
}

void QtCanvasTarget::FillRectangle(const PixelBox& box, const raster::Paint& brush)
{
    if (QPainter* p = FillPainter(brush))
        p->drawRect(ToQRect(box));
}

void QtCanvasTarget::DrawEllipse(QPainter* p, const raster::RealBox& box) const
{
    if (p == nullptr)
        return;
    // At a ratio of 1 the painter takes the box as whole pixels, as it
    // always has; the box's numbers are whole there.
    if (IsIdentity())
        p->drawEllipse(ToQRectF(box).toRect());
    else
        p->drawEllipse(ToQRectF(box));
}

void QtCanvasTarget::FillEllipse(const raster::RealBox& box, const raster::Paint& brush)
{
    DrawEllipse(FillPainter(brush), box);
}

void QtCanvasTarget::FillPolygon(std::span<const Point> corners, const raster::Paint& brush)
{
    QPainter* p = FillPainter(brush);
    if (p == nullptr)
        return;
    QPolygon polygon;
    for (const Point& corner : corners)
        polygon << QPoint(corner.x, corner.y);
    p->drawPolygon(polygon, Qt::OddEvenFill);
}

QPainter* QtCanvasTarget::OutlinePainter(const StrokePen& pen)
{
    QPainter* p = Painter();
    if (p == nullptr)
        return nullptr;
    ApplyComposition(*p, Composition(recipes::RasterOp(pen.pen.mode)));
    ApplyBackground(*p, pen.gap);
    ApplyPen(*p, OutlinePen(pen.pen, pen.color, pen.deviceWidth));
    ApplyBrush(*p, Qt::NoBrush);
    return p;
}

void QtCanvasTarget::OutlineRectangle(const PixelBox& box, const StrokePen& pen)
{
    if (QPainter* p = OutlinePainter(pen))
        p->drawRect(OutlineRectOf(box));
}

void QtCanvasTarget::OutlineEllipse(const raster::RealBox& box, const StrokePen& pen)
{
    DrawEllipse(OutlinePainter(pen), box);
}

void QtCanvasTarget::Arc(const raster::RealBox& box, int start16, int span16, const StrokePen& pen)
{
    if (QPainter* p = OutlinePainter(pen))
        p->drawArc(ToQRectF(box), start16, span16);
}

void QtCanvasTarget::WideLine(Point from, Point to, const StrokePen& pen)
{
    QPainter* p = Painter();
    if (p == nullptr)
        return;
    TPenData wide = pen.pen;
    wide.width = pen.deviceWidth;
    ApplyComposition(*p, Composition(recipes::RasterOp(pen.pen.mode)));
    ApplyBackground(*p, std::nullopt);
    ApplyPen(*p, LinePen(wide, pen.color));
    p->drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void QtCanvasTarget::TextRun(QPainter& p, const TextCell& cell, int x, int y, bool background, bool upright)
{
    const QRect box(x + cell.cell.left, y + cell.cell.top, cell.cell.right - cell.cell.left,
                    cell.cell.bottom - cell.cell.top);
    ApplyComposition(p, QPainter::CompositionMode_SourceOver);
    ApplyBackground(p, std::nullopt);
    if (background && cell.background && box.width() > 0) {
        ApplyPen(p, Qt::NoPen);
        ApplyBrush(p, QBrush(QColor::fromRgb(*cell.background)));
        p.drawRect(box);
    }
    ApplyFont(p, *cell.font);
    ApplyPen(p, QPen(QColor::fromRgb(cell.color)));
    text_.DrawRun(p, text_.Texts(*cell.font), QPoint(box.left(), box.top() + cell.ascent), *cell.text, upright);
}

void QtCanvasTarget::DrawText(const TextCell& cell)
{
    QPainter* p = Painter();
    if (p == nullptr)
        return;
    if (cell.turned) {
        p->save();
        // In the target's logical coordinates, which QPainter scales by the ratio.
        if (!IsIdentity())
            p->setWorldTransform(QTransform());
        p->translate(cell.anchor.x, cell.anchor.y);
        p->rotate(-cell.turn);
        TextRun(*p, cell, 0, 0, true, false);
        p->restore();
        ForgetPainterState();
        return;
    }
    if (IsIdentity()) {
        TextRun(*p, cell, 0, 0, true, true);
        return;
    }
    // The background box on device edges, as every fill; the text in the
    // target's logical coordinates, where QPainter draws it at the ratio
    // times its size.
    if (cell.background && cell.cell.right > cell.cell.left) {
        ApplyComposition(*p, QPainter::CompositionMode_SourceOver);
        ApplyBackground(*p, std::nullopt);
        p->fillRect(ToQRect(cell.deviceCell), QColor::fromRgb(*cell.background));
    }
    ApplyDeviceTransform(*p, false);
    TextRun(*p, cell, 0, 0, false, true);
    ApplyDeviceTransform(*p, true);
}

void QtCanvasTarget::CopyPixels(int x, int y, const PixelBuffer& pixels)
{
    // Owned pixels that replace every pixel of the image are shared rather
    // than copied: the image holds the same pixels either way, and the first
    // drawing into either side gives it pixels of its own.
    if (buffer_ == nullptr && image_ != nullptr && x == 0 && y == 0 && pixels.OwnsPixels()
        && pixels.Width() == image_->width() && pixels.Height() == image_->height()
        && image_->format() == QImage::Format_RGB32 && pixels.Ratio() == image_->devicePixelRatio()
        && (!clip_ || clip_->contains(image_->rect()))) {
        EndOwnPainter();
        *image_ = ShareReadOnly(pixels);
        sharedBits_ = image_->constBits();
        return;
    }
    QPainter* p = Painter();
    if (p == nullptr || pixels.IsEmpty())
        return;
    const QImage image = WrapPixels(pixels);
    ApplyComposition(*p, QPainter::CompositionMode_Source);
    if (IsIdentity()) {
        p->drawImage(QPoint(x, y), image);
        return;
    }
    // The pixels one to one onto device pixels, whatever their own ratio.
    p->drawImage(QRectF(x, y, image.width(), image.height()), image, QRectF(0, 0, image.width(), image.height()));
}

const BitmapTargets& QtBitmaps()
{
    static const QtBitmapTargets targets;
    return targets;
}

void BindImage(Canvas& canvas, QImage* image)
{
    canvas.Bind(image != nullptr ? std::make_unique<QtCanvasTarget>(image) : nullptr);
}

void BindPainter(Canvas& canvas, QPainter* painter)
{
    canvas.Bind(painter != nullptr ? std::make_unique<QtCanvasTarget>(painter) : nullptr);
}

} // namespace platform::qt
