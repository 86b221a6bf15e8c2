#include "platform/Canvas.h"

#include "platform/RasterDirect.h"
#include "platform/RasterLine.h"
#include "platform/RasterRecipes.h"
#include "platform/RasterVectorUnit.h"

#include <algorithm>
#include <cstdlib>
#include <array>
#include <optional>

namespace platform {

namespace {

// Far enough beyond any surface to stand for "unbounded" in a clip rectangle.
constexpr int kFar = 1 << 28;

// Gathers the pixels of one traced centre line into runs along its major
// axis (a row or column of neighbours in the same state, dash or gap) and
// fills them, each widened by the line's cross-section, through the target,
// which applies the pen mode: the dashes' and the gaps' at the end, in one
// request each (no two runs share a pixel). The box lists are the caller's,
// kept from line to line.
class TargetRuns {
public:
    TargetRuns(CanvasTarget& target, const raster::Paint& dash, const std::optional<raster::Paint>& gap, int width,
               bool alongX, std::vector<PixelBox>& dashes, std::vector<PixelBox>& gaps)
        : target_(target), dash_(dash), gap_(gap), width_(width), alongX_(alongX), dashes_(dashes), gaps_(gaps)
    {
        dashes_.clear();
        gaps_.clear();
    }
    TargetRuns(const TargetRuns&) = delete;
    TargetRuns& operator=(const TargetRuns&) = delete;
    ~TargetRuns()
    {
        Flush();
        if (!dashes_.empty())
            target_.FillBoxes(dashes_, dash_);
        if (gap_ && !gaps_.empty())
            target_.FillBoxes(gaps_, *gap_);
    }

    void Add(int x, int y, bool dash)
    {
        // Along a line, the next pixel shares the row (or column) of the one
        // before it or moves one across.
        if (open_ && dash == dashOn_ && (y == last_.y || x == last_.x)) {
            run_.left = std::min(run_.left, x);
            run_.top = std::min(run_.top, y);
            run_.right = std::max(run_.right, x + 1);
            run_.bottom = std::max(run_.bottom, y + 1);
        } else {
            Flush();
            run_ = {x, y, x + 1, y + 1};
            open_ = true;
            dashOn_ = dash;
        }
        last_ = Point(x, y);
    }

private:
    void Flush()
    {
        if (!open_)
            return;
        open_ = false;
        // Each pixel of a run stands for its cross-section across the line.
        const raster::CrossSpan span = raster::CrossSectionAt(0, width_);
        PixelBox cell = run_;
        if (alongX_) {
            cell.top += span.first;
            cell.bottom += span.last;
        } else {
            cell.left += span.first;
            cell.right += span.last;
        }
        if (dashOn_)
            dashes_.push_back(cell);
        else if (gap_)
            gaps_.push_back(cell);
    }

    CanvasTarget& target_;
    raster::Paint dash_;
    std::optional<raster::Paint> gap_;
    int width_;
    bool alongX_;
    std::vector<PixelBox>& dashes_;
    std::vector<PixelBox>& gaps_;
    PixelBox run_;
    bool open_ = false;
    Point last_;
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
// pixels long and lies where the target's rasteriser is exact, which the
// direct writer's copy of its pixels assumes.
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

Canvas::Canvas() = default;

Canvas::~Canvas() = default;

void Canvas::Bind(std::unique_ptr<CanvasTarget> target)
{
    target_ = std::move(target);
    wideLineCaps_.clear();
    TakeMapping();
}

void Canvas::SettleDrawing()
{
    if (target_)
        target_->Settle();
}

void Canvas::TakeMapping()
{
    mapping_.ratio = target_ ? target_->Ratio() : 1.0;
    TakeDeviceClip();
}

void Canvas::TakeDeviceClip()
{
    if (!clip_) {
        deviceClip_.reset();
    } else {
        const PixelBox& clip = *clip_;
        const PixelBox device = DeviceBox(clip.left, clip.top, clip.right, clip.bottom);
        deviceClip_ = device.Empty() ? PixelBox{} : device;
    }
    if (target_)
        target_->SetClip(deviceClip_);
}

PixelBox Canvas::DeviceBox(int x0, int y0, int x1, int y1) const
{
    return {mapping_.Edge(std::min(x0, x1)), mapping_.Edge(std::min(y0, y1)), mapping_.Edge(std::max(x0, x1)),
            mapping_.Edge(std::max(y0, y1))};
}

PixelBox Canvas::Visible() const
{
    const PixelBox surface = target_->Surface();
    return deviceClip_ ? deviceClip_->Intersected(surface) : surface;
}

std::uint32_t Canvas::Resolve(TColor color) const
{
    const std::uint32_t rgb = ToRgb(color);
    if (!monochrome_)
        return rgb;
    // The grey level of the colour, weighted 11 : 16 : 5 (red, green, blue).
    const std::uint32_t gray = (((rgb >> 16) & 0xFF) * 11 + ((rgb >> 8) & 0xFF) * 16 + (rgb & 0xFF) * 5) / 32;
    return gray >= 128 ? 0xFFFFFFFFu : 0xFF000000u;
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
    const PixelBox box{near(std::min(left, right)), near(std::min(top, bottom)), near(std::max(left, right)),
                       near(std::max(top, bottom))};
    const PixelBox narrowed = clip_ ? clip_->Intersected(box) : box;
    // An empty clip is kept as an explicit empty box: nothing shows.
    clip_ = narrowed.Empty() ? PixelBox{} : narrowed;
    TakeDeviceClip();
}

void Canvas::RemoveClip()
{
    RealizeBrush();
    clip_.reset();
    TakeDeviceClip();
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

bool Canvas::DirectCopyPossible() const
{
    return target_ != nullptr && target_->HasPixels() && pen_.Mode() == pmCopy;
}

bool Canvas::DrawsLinesDirectly() const
{
    const TPenData& pen = pen_.Data();
    return DirectCopyPossible() && pen.width <= 1 && (pen.style == psSolid || pen.style == psInsideFrame)
           && !pen.alternateDots;
}

std::optional<raster::DirectLineWriter> Canvas::DirectWriter(int width)
{
    if (deviceClip_ && deviceClip_->Empty())
        return std::nullopt;
    PixelBuffer* pixels = target_->Pixels();
    if (pixels == nullptr)
        return std::nullopt;
    const PixelBox surface{0, 0, pixels->Width(), pixels->Height()};
    const PixelBox visible = deviceClip_ ? deviceClip_->Intersected(surface) : surface;
    if (visible.Empty())
        return std::nullopt;
    return raster::DirectLineWriter(*pixels, visible, Resolve(pen_.Color()), width);
}

std::optional<std::uint32_t> Canvas::GapColor() const
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
        found = wideLineCaps_.emplace(deviceWidth, target_->CapsOfWideLines(deviceWidth)).first;
    return found->second ? &*found->second : nullptr;
}

template <typename ForEach>
void Canvas::DrawDeviceLines(ForEach&& forEach)
{
    if (!IsBound() || recipes::DrawsNothing(pen_.Data()))
        return;
    const TPenData& pen = pen_.Data();
    const bool direct = DirectCopyPossible();
    if (pen.width > 1 && direct) {
        // Straight lines are written directly with the pixels the target gives
        // them; the others, and short ones whose caps may meet, through the target.
        const int width = mapping_.PenWidth(pen.width);
        const raster::WideLineCaps* const caps = CapsOfWideLines(width);
        std::optional<raster::DirectLineWriter> writer;
        bool writerMade = false;
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
            LineThroughTarget(from, to);
        });
        return;
    }
    if (pen.width <= 1 && direct) {
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
            const std::optional<std::uint32_t> gap = GapColor();
            forEach([&](Point from, Point to) { writer->DashedLine(from, to, pattern, gap); });
        }
        return;
    }
    forEach([&](Point from, Point to) { LineThroughTarget(from, to); });
}

StrokePen Canvas::Stroke() const
{
    const TPenData& pen = pen_.Data();
    const bool gaps = backgroundMode_ == bkOpaque && recipes::IsStyled(pen);
    return {pen, Resolve(pen.color), mapping_.PenWidth(pen.width),
            gaps ? std::optional<std::uint32_t>(Resolve(backgroundColor_)) : std::nullopt};
}

void Canvas::LineThroughTarget(Point from, Point to)
{
    if (from == to)
        return;
    const TPenData& pen = pen_.Data();
    const int width = mapping_.PenWidth(pen.width);
    if (pen.width > 1) {
        target_->WideLine(from, to, Stroke());
        return;
    }
    // The pixels of the line rule, filled run by run, so that the target's
    // own line rule does not decide them and the pen mode still applies.
    const PixelBox visible = Visible();
    if (visible.Empty())
        return;
    std::array<int, 8> storage{};
    const std::span<const int> pattern = WidenedPattern(recipes::DashPattern(pen), width, storage);
    const raster::RasterOp op = recipes::RasterOp(pen.mode);
    const std::optional<std::uint32_t> gap = pattern.empty() ? std::nullopt : GapColor();
    TargetRuns runs(*target_, {recipes::ModeColor(pen.mode, Resolve(pen.color)), op},
                    gap ? std::optional<raster::Paint>(raster::Paint{*gap, op}) : std::nullopt, width,
                    raster::StepsAlongX(from, to), runDashes_, runGaps_);
    std::optional<raster::DashPhase> phase;
    raster::TraceWideLine(from, to, visible, width, [&](int x, int y, long long step) {
        if (phase)
            phase->Advance();
        else
            phase.emplace(pattern, step);
        runs.Add(x, y, phase->On());
    });
}

} // namespace platform
