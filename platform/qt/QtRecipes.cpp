#include "platform/qt/QtRecipes.h"

#include "platform/RasterRecipes.h"

#include <QList>

#include <span>

namespace platform::qt {

QPen LinePen(const TPenData& pen, std::uint32_t color)
{
    const QColor qcolor = QColor::fromRgb(recipes::ModeColor(pen.mode, color));
    if (pen.width > 1) {
        QPen wide(qcolor, pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        return wide;
    }
    QPen cosmetic(qcolor, 0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    const std::span<const int> pattern = recipes::DashPattern(pen);
    if (!pattern.empty())
        cosmetic.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
    return cosmetic;
}

QPen OutlinePen(const TPenData& pen, std::uint32_t color, int deviceWidth)
{
    if (deviceWidth <= 1 || pen.width > 1) {
        TPenData wide = pen;
        if (pen.width > 1)
            wide.width = deviceWidth;
        return LinePen(wide, color);
    }
    // QPen counts the dashes of a pen this wide in widths. Square caps
    // reach half the width past an arc's ends, so that an arc meets the line
    // that goes on from its end as a one-pixel arc does (at one pixel the
    // end pixel is the cap).
    QPen widened(QColor::fromRgb(recipes::ModeColor(pen.mode, color)), deviceWidth, Qt::SolidLine, Qt::SquareCap,
                 Qt::MiterJoin);
    const std::span<const int> pattern = recipes::DashPattern(pen);
    if (!pattern.empty())
        widened.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
    return widened;
}

QPainter::CompositionMode Composition(raster::RasterOp op)
{
    using Op = raster::RasterOp;
    switch (op) {
    case Op::NotDestination:
        return QPainter::RasterOp_NotDestination;
    case Op::NotSource:
        return QPainter::RasterOp_NotSource;
    case Op::SourceOrNotDestination:
        return QPainter::RasterOp_SourceOrNotDestination;
    case Op::SourceAndNotDestination:
        return QPainter::RasterOp_SourceAndNotDestination;
    case Op::NotSourceOrDestination:
        return QPainter::RasterOp_NotSourceOrDestination;
    case Op::NotSourceAndDestination:
        return QPainter::RasterOp_NotSourceAndDestination;
    case Op::SourceOrDestination:
        return QPainter::RasterOp_SourceOrDestination;
    case Op::NotSourceAndNotDestination:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case Op::SourceAndDestination:
        return QPainter::RasterOp_SourceAndDestination;
    case Op::NotSourceOrNotDestination:
        return QPainter::RasterOp_NotSourceOrNotDestination;
    case Op::SourceXorDestination:
        return QPainter::RasterOp_SourceXorDestination;
    case Op::NotSourceXorDestination:
        return QPainter::RasterOp_NotSourceXorDestination;
    case Op::Copy:
        break;
    }
    return QPainter::CompositionMode_SourceOver;
}

Qt::BrushStyle BrushPattern(const raster::Hatch& hatch)
{
    namespace h = raster::hatches;
    if (hatch == h::Horizontal)
        return Qt::HorPattern;
    if (hatch == h::Vertical)
        return Qt::VerPattern;
    if (hatch == h::ForwardDiagonal)
        return Qt::FDiagPattern;
    if (hatch == h::BackwardDiagonal)
        return Qt::BDiagPattern;
    if (hatch == h::Cross)
        return Qt::CrossPattern;
    if (hatch == h::DiagonalCross)
        return Qt::DiagCrossPattern;
    return Qt::SolidPattern;
}

} // namespace platform::qt
