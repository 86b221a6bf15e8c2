#include "platform/raster/ShapeRaster.h"

#include "platform/raster/CosmeticLine.h"
#include "platform/raster/MidpointEllipse.h"
#include "platform/raster/PolygonFill.h"
#include "platform/raster/WideStroke.h"

#include <cmath>
#include <optional>
#include <vector>

namespace platform::raster {

namespace {

// The box as whole pixels, when all of its numbers are whole, it is not
// turned inside out and it is small enough to be walked pixel by pixel
// (a larger one is drawn along its curve, clipped).
std::optional<IntegralBox> Integral(const RealBox& box)
{
    constexpr double limit = 1 << 16;
    const double values[] = {box.x, box.y, box.width, box.height};
    for (const double v : values) {
        if (!(std::fabs(v) <= limit) || std::floor(v) != v)
            return std::nullopt;
    }
    if (box.width < 0 || box.height < 0)
        return std::nullopt;
    return IntegralBox{static_cast<int>(box.x), static_cast<int>(box.y), static_cast<int>(box.width),
                       static_cast<int>(box.height)};
}

bool Drawable(const RealBox& box)
{
    return std::isfinite(box.x) && std::isfinite(box.y) && std::isfinite(box.width) && std::isfinite(box.height);
}

} // namespace

void ShapeRaster::FillEllipse(const RealBox& box, const Paint& brush) const
{
    SpanWriter writer(target_, clip_, brush);
    if (writer.Clip().Empty() || !Drawable(box))
        return;
    if (const std::optional<IntegralBox> whole = Integral(box)) {
        MidpointFill(*whole, writer);
        return;
    }
    const std::vector<RealPoint> outline = Flatten(EllipseCubics(box), Flattening::Fill);
    platform::raster::FillPolygon(outline, FillRule::Winding, writer);
}

void ShapeRaster::OutlineEllipse(const RealBox& box, const Paint& pen, int penWidth) const
{
    SpanWriter writer(target_, clip_, pen);
    if (writer.Clip().Empty() || !Drawable(box))
        return;
    if (penWidth <= 1) {
        if (const std::optional<IntegralBox> whole = Integral(box)) {
            MidpointOutline(*whole, writer);
            return;
        }
        CosmeticPolyline(Flatten(EllipseCubics(box)), writer);
        return;
    }
    FillContours(WideBand(EllipseCubics(box), penWidth, true), FillRule::Winding, writer);
}

void ShapeRaster::Arc(const RealBox& box, int start16, int span16, const Paint& pen, int penWidth) const
{
    SpanWriter writer(target_, clip_, pen);
    if (writer.Clip().Empty() || !Drawable(box))
        return;
    if (penWidth <= 1) {
        CosmeticPolyline(Flatten(ArcCubics(box, start16 / 16.0, span16 / 16.0)), writer);
        return;
    }
    FillContours(WideBand(ArcCubics(box, start16 / 16.0, span16 / 16.0), penWidth, false), FillRule::Winding, writer);
}

void ShapeRaster::FillPolygon(std::span<const IntPoint> corners, const Paint& brush) const
{
    SpanWriter writer(target_, clip_, brush);
    if (writer.Clip().Empty())
        return;
    platform::raster::FillPolygon(corners, FillRule::OddEven, writer);
}

} // namespace platform::raster
