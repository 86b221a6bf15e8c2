#include "platform/Canvas.h"

#include "platform/RasterDirect.h"
#include "platform/RasterLine.h"
#include "platform/RasterRecipes.h"
#include "platform/RasterVectorUnit.h"
#include "platform/qt/QtPixels.h"

#include <algorithm>
#include <cstdlib>
#include <array>
#include <optional>

namespace platform {

namespace {

// Far enough beyond any surface to stand for "unbounded" in a clip rectangle.
constexpr int kFar = 1 << 28;

raster::PixelBox ToPixelBox(const QRect& rect)
{
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

// Gathers the pixels of one traced centre line into runs along its major
// axis (a row or column of neighbours in the same state, dash or gap) and
// fills each run, widened by the line's cross-section, through QPainter,
// which applies the pen mode.
class PainterRuns {
public:
    PainterRuns(QPainter& painter, const QColor& dash, const std::optional<QColor>& gap, int width, bool alongX)
        : painter_(painter), dash_(dash), gap_(gap), width_(width), alongX_(alongX)
    {
    }
    PainterRuns(const PainterRuns&) = delete;
    PainterRuns& operator=(const PainterRuns&) = delete;
    ~PainterRuns() { Flush(); }

    void Add(int x, int y, bool dash)
    {
        // Along a line, the next pixel shares the row (or column) of the one
        // before it or moves one across.
        if (!run_.isEmpty() && dash == dashOn_ && (y == last_.y() || x == last_.x())) {
            run_ |= QRect(x, y, 1, 1);
        } else {
            Flush();
            run_ = QRect(x, y, 1, 1);
            dashOn_ = dash;
        }
        last_ = QPoint(x, y);
    }

private:
    void Flush()
    {
        if (run_.isEmpty())
            return;
        // Each pixel of a run stands for its cross-section across the line.
        const raster::CrossSpan span = raster::CrossSectionAt(0, width_);
        const QRect cell = alongX_ ? run_.adjusted(0, span.first, 0, span.last)
                                   : run_.adjusted(span.first, 0, span.last, 0);
        if (dashOn_)
            painter_.fillRect(cell, dash_);
        else if (gap_)
            painter_.fillRect(cell, *gap_);
        run_ = QRect();
    }

    QPainter& painter_;
    QColor dash_;
    std::optional<QColor> gap_;
    int width_;
    bool alongX_;
    QRect run_;
    QPoint last_;
    bool dashOn_ = true;
};

// draw(from, to) for the lines between consecutive points, and back to the
// first one when closed.
template <typename Draw>
void ForEachSegment(std::span<const Point> points, bool closed, Draw&& draw)
{
    for (std::size_t i = 1; i < points.size(); ++i)
        draw(points[i - 1], points[i]);
    if (closed)
        draw(points.back(), points.front());
}

// The dash pattern of a pen drawn width device pixels wide: each length
// times the width, in storage.
std::span<const int> WidenedPattern(std::span<const int> pattern, int width, std::array<int, 8>& storage)
{
    if (width <= 1 || pattern.empty())
        return pattern;
    const std::size_t count = std::min(pattern.size(), storage.size());
    for (std::size_t i = 0; i < count; ++i)
        storage[i] = pattern[i] * width;
    return std::span<const int>(storage.data(), count);
}

// Whether the line runs along a row or a column, is at least shortest
// pixels long and lies where QPainter's rasterizer is exact, which the direct
// writer's copy of its pixels assumes.
bool IsStraightAndWritable(Point from, Point to, int shortest)
{
    constexpr int near = 1 << 14;
    const auto isNear = [](Point p) { return std::abs(p.x) < near && std::abs(p.y) < near; };
    if (!isNear(from) || !isNear(to))
        return false;
    return (from.y == to.y && std::abs(to.x - from.x) >= shortest)
           || (from.x == to.x && std::abs(to.y - from.y) >= shortest);
}

// draw(from, to) for a line given in logical pixels (its device line for a
// pen of the given logical width) or, when not logical, in device pixels.
template <typename Draw>
auto DeviceLineOf(const DeviceMapping& mapping, bool logical, int width, Draw& draw)
{
    return [&mapping, logical, width, &draw](Point from, Point to) {
        if (!logical) {
            draw(from, to);
            return;
        }
        const DeviceMapping::Line line = mapping.DeviceLine(from, to, width);
        draw(line.from, line.to);
    };
}

} // namespace

// What the canvas last set on its QPainter; an empty optional is "unknown".
struct Canvas::PainterState {
    std::optional<std::optional<QRect>> clip;
    std::optional<QPen> pen;
    std::optional<QBrush> brush;
    std::optional<QPainter::CompositionMode> composition;
    std::optional<bool> opaque;
    QRgb background = 0;
    std::optional<std::uint64_t> fontRevision;
    std::optional<bool> deviceTransform;
};

Canvas::Canvas()
    : applied_(std::make_unique<PainterState>())
{
}

Canvas::~Canvas()
{
    EndOwnPainter();
}

void Canvas::BindImage(QImage* image)
{
    Unbind();
    image_ = image;
    TakeMapping();
}

void Canvas::BindPainter(QPainter* painter)
{
    Unbind();
    external_ = painter;
    if (external_ != nullptr) {
        external_->setRenderHint(QPainter::Antialiasing, false);
        external_->setRenderHint(QPainter::TextAntialiasing, false);
    }
    TakeMapping();
}

void Canvas::Unbind()
{
    EndOwnPainter();
    ForgetPainterState();
    image_ = nullptr;
    external_ = nullptr;
    TakeMapping();
}

void Canvas::TakeMapping()
{
    double ratio = 1.0;
    if (image_ != nullptr && !image_->isNull())
        ratio = image_->devicePixelRatio();
    else if (external_ != nullptr && external_->device() != nullptr)
        ratio = external_->device()->devicePixelRatioF();
    mapping_.ratio = ratio > 0 ? ratio : 1.0;
    TakeDeviceClip();
}

void Canvas::TakeDeviceClip()
{
    if (!clip_) {
        deviceClip_.reset();
        return;
    }
    const PixelBox& clip = *clip_;
    const QRect device = DeviceBox(clip.left, clip.top, clip.right, clip.bottom);
    deviceClip_ = device.isEmpty() ? QRect(0, 0, 0, 0) : device;
}

QRect Canvas::DeviceBox(int x0, int y0, int x1, int y1) const
{
    const int left = mapping_.Edge(std::min(x0, x1));
    const int top = mapping_.Edge(std::min(y0, y1));
    const int right = mapping_.Edge(std::max(x0, x1));
    const int bottom = mapping_.Edge(std::max(y0, y1));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

std::uint32_t Canvas::Resolve(TColor color) const
{
    const QRgb rgb = ToRgb(color);
    if (!monochrome_)
        return rgb;
    return qGray(rgb) >= 128 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
}

void Canvas::SetBackgroundMode(TBackgroundMode mode)
{
    RealizeBrush();
    backgroundMode_ = mode;
}

void Canvas::SetBackgroundColor(TColor color)
{
    RealizeBrush();
    backgroundColor_ = color;
}

void Canvas::SetTextAlignment(int flags)
{
    RealizeBrush();
    textAlignment_ = flags;
}

void Canvas::IntersectClipRect(int left, int top, int right, int bottom)
{
    RealizeBrush();
    const auto near = [](int value) { return std::clamp(value, -kFar, kFar); };
    PixelBox narrowed{near(std::min(left, right)), near(std::min(top, bottom)), near(std::max(left, right)),
                      near(std::max(top, bottom))};
    if (clip_) {
        narrowed.left = std::max(narrowed.left, clip_->left);
        narrowed.top = std::max(narrowed.top, clip_->top);
        narrowed.right = std::min(narrowed.right, clip_->right);
        narrowed.bottom = std::min(narrowed.bottom, clip_->bottom);
    }
    // An empty clip is kept as an explicit empty box: nothing shows.
    clip_ = narrowed.left < narrowed.right && narrowed.top < narrowed.bottom ? narrowed : PixelBox{};
    TakeDeviceClip();
}

void Canvas::RemoveClip()
{
    RealizeBrush();
    clip_.reset();
    deviceClip_.reset();
}

void Canvas::MoveTo(int x, int y)
{
    RealizeBrush();
    penPos_ = Point(x, y);
}

void Canvas::LineTo(int x, int y)
{
    const Point points[] = {penPos_, Point(x, y)};
    DrawLineStrip(points);
}

void Canvas::Polyline(std::span<const Point> points)
{
    RealizeBrush();
    Segments(points, false);
}

void Canvas::DrawLineStrip(std::span<const Point> points)
{
    RealizeBrush();
    if (points.empty())
        return;
    Segments(points, false);
    penPos_ = points.back();
}

void Canvas::DrawLineStrips(std::span<const Point> points, std::span<const std::size_t> ends)
{
    RealizeBrush();
    if (ends.empty())
        return;
    StripSegments(points, ends, false);
    const std::size_t end = std::min(ends.back(), points.size());
    if (end > 0)
        penPos_ = points[end - 1];
}

void Canvas::DrawDeviceLineStrips(std::span<const Point> points, std::span<const std::size_t> ends)
{
    RealizeBrush();
    StripSegments(points, ends, true);
}

void Canvas::DrawDeviceLine(Point from, Point to)
{
    RealizeBrush();
    const Point points[] = {from, to};
    DeviceSegments(points, false);
}

void Canvas::RealizeBrush()
{
    if (!brush_.assigned_)
        return;
    brush_.assigned_ = false;
    if (brush_.Style() == bsSolid) {
        backgroundMode_ = bkOpaque;
        backgroundColor_ = brush_.Color();
    } else {
        backgroundMode_ = bkTransparent;
    }
}

QPainter* Canvas::Painter()
{
    if (external_ != nullptr) {
        ApplyDeviceTransform(*external_, true);
        return external_;
    }
    if (image_ == nullptr)
        return nullptr;
    // A copy of the image shares its pixels until one side writes; end the
    // painter so that beginning it again gives this canvas pixels of its own.
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
    return &ownPainter_;
}

void Canvas::ApplyDeviceTransform(QPainter& p, bool device)
{
    // At a ratio of 1 the painter's own coordinates are device pixels.
    if (mapping_.IsIdentity() || applied_->deviceTransform == device)
        return;
    // QPainter scales an image of a higher ratio by that ratio by itself;
    // the opposite scale brings it back to device pixels exactly.
    p.setWorldTransform(device ? QTransform::fromScale(1.0 / mapping_.ratio, 1.0 / mapping_.ratio) : QTransform());
    applied_->deviceTransform = device;
}

QPainter* Canvas::ClippedPainter()
{
    QPainter* p = Painter();
    if (p != nullptr)
        ApplyClip(*p, deviceClip_);
    return p;
}

void Canvas::EndOwnPainter()
{
    if (ownPainter_.isActive())
        ownPainter_.end();
}

void Canvas::ForgetPainterState()
{
    *applied_ = PainterState();
}

bool Canvas::DirectCopyPossible() const
{
    return image_ != nullptr && image_->format() == QImage::Format_RGB32 && pen_.Mode() == pmCopy;
}

bool Canvas::DrawsLinesDirectly() const
{
    const TPenData& pen = pen_.Data();
    return DirectCopyPossible() && pen.width <= 1 && (pen.style == psSolid || pen.style == psInsideFrame)
           && !pen.alternateDots;
}

std::optional<raster::DirectLineWriter> Canvas::DirectWriter(int width)
{
    // While the pixels are the image's own, the painter and the direct writes
    // go to the same memory in the order they happen. A shared image is copied
    // by bits(); the painter must not keep drawing into the old pixels.
    if (ownPainter_.isActive() && !image_->isDetached())
        EndOwnPainter();
    const QRect surface = image_->rect();
    const QRect visible = deviceClip_ ? deviceClip_->intersected(surface) : surface;
    if (visible.isEmpty())
        return std::nullopt;
    PixelBuffer pixels = qt::BorrowPixels(*image_);
    return raster::DirectLineWriter(pixels, ToPixelBox(visible), Resolve(pen_.Color()), width);
}

std::optional<QRgb> Canvas::GapColor() const
{
    if (backgroundMode_ != bkOpaque)
        return std::nullopt;
    return Resolve(backgroundColor_);
}

void Canvas::StripSegments(std::span<const Point> points, std::span<const std::size_t> ends, bool device)
{
    const bool logical = !device && !mapping_.IsIdentity();
    const int width = pen_.Width();
    DrawDeviceLines([&](auto&& draw) {
        const auto line = DeviceLineOf(mapping_, logical, width, draw);
        std::size_t start = 0;
        for (std::size_t end : ends) {
            end = std::min(end, points.size());
            if (end > start + 1)
                ForEachSegment(points.subspan(start, end - start), false, line);
            start = std::max(start, end);
        }
    });
}

void Canvas::Segments(std::span<const Point> points, bool closed)
{
    const bool logical = !mapping_.IsIdentity();
    const int width = pen_.Width();
    DrawDeviceLines(
        [&](auto&& draw) { ForEachSegment(points, closed, DeviceLineOf(mapping_, logical, width, draw)); });
}

void Canvas::DeviceSegments(std::span<const Point> points, bool closed)
{
    DrawDeviceLines([&](auto&& draw) { ForEachSegment(points, closed, draw); });
}

void Canvas::DeviceLinePairs(std::span<const Point> ends)
{
    DrawDeviceLines([&](auto&& draw) {
        for (std::size_t i = 1; i < ends.size(); i += 2)
            draw(ends[i - 1], ends[i]);
    });
}

const raster::WideLineCaps* Canvas::CapsOfWideLines(int deviceWidth)
{
    auto found = wideLineCaps_.find(deviceWidth);
    if (found == wideLineCaps_.end())
        found = wideLineCaps_.emplace(deviceWidth, raster::WideLineCaps::Measure(deviceWidth)).first;
    return found->second ? &*found->second : nullptr;
}

template <typename ForEach>
void Canvas::DrawDeviceLines(ForEach&& forEach)
{
    if (!IsBound() || recipes::DrawsNothing(pen_.Data()))
        return;
    const TPenData& pen = pen_.Data();
    if (pen.width > 1 && DirectCopyPossible()) {
        // Straight lines are written directly with the pixels QPainter gives
        // them; the others, and short ones whose caps may meet, through QPainter.
        const int width = mapping_.PenWidth(pen.width);
        const raster::WideLineCaps* const caps = CapsOfWideLines(width);
        std::optional<raster::DirectLineWriter> writer;
        bool writerMade = false;
        QPainter* p = nullptr;
        forEach([&](Point from, Point to) {
            if (caps != nullptr && IsStraightAndWritable(from, to, caps->ShortestLine())) {
                if (!writerMade) {
                    writer = DirectWriter(width);
                    writerMade = true;
                }
                if (writer)
                    writer->RoundCappedLine(from, to, *caps);
                return;
            }
            if (p == nullptr)
                p = Painter();
            if (p != nullptr)
                LineThroughPainter(*p, from, to);
        });
        return;
    }
    if (pen.width <= 1 && DirectCopyPossible()) {
        const int width = mapping_.PenWidth(pen.width);
        std::optional<raster::DirectLineWriter> writer = DirectWriter(width);
        if (!writer)
            return;
        std::array<int, 8> storage{};
        const std::span<const int> pattern = WidenedPattern(recipes::DashPattern(pen), width, storage);
        raster::ClearUpperVectorHalves();
        if (pattern.empty()) {
            forEach([&](Point from, Point to) { writer->Line(from, to); });
        } else {
            const std::optional<QRgb> gap = GapColor();
            forEach([&](Point from, Point to) { writer->DashedLine(from, to, pattern, gap); });
        }
        return;
    }
    QPainter* p = Painter();
    if (p == nullptr)
        return;
    forEach([&](Point from, Point to) { LineThroughPainter(*p, from, to); });
}

QRect Canvas::DeviceSurface(const QPainter& p) const
{
    const QPaintDevice* device = p.device();
    // A widget measures itself in logical pixels, images in their own.
    if (device->devType() == QInternal::Widget)
        return QRect(0, 0, mapping_.Size(device->width()), mapping_.Size(device->height()));
    return QRect(0, 0, device->width(), device->height());
}

void Canvas::LineThroughPainter(QPainter& p, Point from, Point to)
{
    if (from == to)
        return;
    const TPenData& pen = pen_.Data();
    const QRgb color = Resolve(pen.color);
    const int width = mapping_.PenWidth(pen.width);
    ApplyComposition(p, recipes::Composition(pen.mode));
    ApplyClip(p, deviceClip_);
    if (pen.width > 1) {
        TPenData wide = pen;
        wide.width = width;
        ApplyBackground(p, false);
        ApplyPen(p, recipes::LinePen(wide, color));
        p.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
        return;
    }
    // The pixels of the line rule, filled run by run, so that QPainter's own
    // line rule does not decide them and the pen mode still applies.
    const QRect surface = DeviceSurface(p);
    const QRect visible = deviceClip_ ? deviceClip_->intersected(surface) : surface;
    if (visible.isEmpty())
        return;
    std::array<int, 8> storage{};
    const std::span<const int> pattern = WidenedPattern(recipes::DashPattern(pen), width, storage);
    const std::optional<QRgb> gap = pattern.empty() ? std::nullopt : GapColor();
    PainterRuns runs(p, QColor::fromRgb(recipes::ModeColor(pen.mode, color)),
                     gap ? std::optional<QColor>(QColor::fromRgb(*gap)) : std::nullopt, width,
                     raster::StepsAlongX(from, to));
    std::optional<raster::DashPhase> phase;
    raster::TraceWideLine(from, to, ToPixelBox(visible), width, [&](int x, int y, long long step) {
        if (phase)
            phase->Advance();
        else
            phase.emplace(pattern, step);
        runs.Add(x, y, phase->On());
    });
}

void Canvas::ApplyClip(QPainter& p, const std::optional<QRect>& clip)
{
    if (applied_->clip && *applied_->clip == clip)
        return;
    if (clip)
        p.setClipRect(*clip, Qt::ReplaceClip);
    else
        p.setClipping(false);
    applied_->clip = clip;
}

void Canvas::ApplyPen(QPainter& p, const QPen& pen)
{
    if (applied_->pen && *applied_->pen == pen)
        return;
    p.setPen(pen);
    applied_->pen = pen;
}

void Canvas::ApplyBrush(QPainter& p, const QBrush& brush)
{
    if (applied_->brush && *applied_->brush == brush)
        return;
    p.setBrush(brush);
    applied_->brush = brush;
}

void Canvas::ApplyComposition(QPainter& p, QPainter::CompositionMode mode)
{
    if (applied_->composition == mode)
        return;
    p.setCompositionMode(mode);
    applied_->composition = mode;
}

void Canvas::ApplyBackground(QPainter& p, bool opaque)
{
    // Only an opaque background needs its colour resolved.
    const QRgb background = opaque ? Resolve(backgroundColor_) : 0;
    if (applied_->opaque == opaque && applied_->background == background)
        return;
    p.setBackgroundMode(opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    if (opaque)
        p.setBackground(QColor::fromRgb(background));
    applied_->opaque = opaque;
    applied_->background = background;
}


void Canvas::ApplyFont(QPainter& p)
{
    if (applied_->fontRevision == font_.Revision())
        return;
    p.setFont(QtFont());
    applied_->fontRevision = font_.Revision();
}

} // namespace platform
