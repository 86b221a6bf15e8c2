#include "platform/RasterRecipes.h"

#include <QList>

namespace platform::recipes {

std::span<const int> DashPattern(const TPenData& pen)
{
    static constexpr int alternateDots[] = {1, 1};
    static constexpr int dash[] = {18, 6};
    static constexpr int dot[] = {3, 3};
    static constexpr int dashDot[] = {9, 6, 3, 6};
    static constexpr int dashDotDot[] = {9, 3, 3, 3, 3, 3};
    if (pen.width > 1)
        return {};
    if (pen.alternateDots)
        return alternateDots;
    switch (pen.style) {
    case psDash:
        return dash;
    case psDot:
        return dot;
    case psDashDot:
        return dashDot;
    case psDashDotDot:
        return dashDotDot;
    default:
        return {};
    }
}

bool DrawsNothing(const TPenData& pen)
{
    return pen.style == psClear || pen.mode == pmNop;
}

bool IsStyled(const TPenData& pen)
{
    return !DashPattern(pen).empty();
}

QPen LinePen(const TPenData& pen, QRgb color)
{
    const QColor qcolor = QColor::fromRgb(ModeColor(pen.mode, color));
    if (pen.width > 1) {
        QPen wide(qcolor, pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        return wide;
    }
    QPen cosmetic(qcolor, 0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    const std::span<const int> pattern = DashPattern(pen);
    if (!pattern.empty())
        cosmetic.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
    return cosmetic;
}

QPen OutlinePen(const TPenData& pen, QRgb color, int deviceWidth)
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
    QPen widened(QColor::fromRgb(ModeColor(pen.mode, color)), deviceWidth, Qt::SolidLine, Qt::SquareCap,
                 Qt::MiterJoin);
    const std::span<const int> pattern = DashPattern(pen);
    if (!pattern.empty())
        widened.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
    return widened;
}

QPainter::CompositionMode Composition(TPenMode mode)
{
    switch (mode) {
    case pmNot:
        return QPainter::RasterOp_NotDestination;
    case pmNotCopy:
        return QPainter::RasterOp_NotSource;
    case pmMergePenNot:
        return QPainter::RasterOp_SourceOrNotDestination;
    case pmMaskPenNot:
        return QPainter::RasterOp_SourceAndNotDestination;
    case pmMergeNotPen:
        return QPainter::RasterOp_NotSourceOrDestination;
    case pmMaskNotPen:
        return QPainter::RasterOp_NotSourceAndDestination;
    case pmMerge:
        return QPainter::RasterOp_SourceOrDestination;
    case pmNotMerge:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case pmMask:
        return QPainter::RasterOp_SourceAndDestination;
    case pmNotMask:
        return QPainter::RasterOp_NotSourceOrNotDestination;
    case pmXor:
        return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor:
        return QPainter::RasterOp_NotSourceXorDestination;
    default: // pmBlack, pmWhite, pmNop, pmCopy
        return QPainter::CompositionMode_SourceOver;
    }
}

raster::RasterOp RasterOp(TPenMode mode)
{
    using Op = raster::RasterOp;
    switch (mode) {
    case pmNot:
        return Op::NotDestination;
    case pmNotCopy:
        return Op::NotSource;
    case pmMergePenNot:
        return Op::SourceOrNotDestination;
    case pmMaskPenNot:
        return Op::SourceAndNotDestination;
    case pmMergeNotPen:
        return Op::NotSourceOrDestination;
    case pmMaskNotPen:
        return Op::NotSourceAndDestination;
    case pmMerge:
        return Op::SourceOrDestination;
    case pmNotMerge:
        return Op::NotSourceAndNotDestination;
    case pmMask:
        return Op::SourceAndDestination;
    case pmNotMask:
        return Op::NotSourceOrNotDestination;
    case pmXor:
        return Op::SourceXorDestination;
    case pmNotXor:
        return Op::NotSourceXorDestination;
    default: // pmBlack, pmWhite, pmNop, pmCopy
        return Op::Copy;
    }
}

QRgb ModeColor(TPenMode mode, QRgb penColor)
{
    if (mode == pmBlack)
        return qRgb(0, 0, 0);
    if (mode == pmWhite)
        return qRgb(255, 255, 255);
    return penColor;
}

Qt::BrushStyle BrushPattern(TBrushStyle style)
{
    switch (style) {
    case bsSolid:
        return Qt::SolidPattern;
    case bsHorizontal:
        return Qt::HorPattern;
    case bsVertical:
        return Qt::VerPattern;
    case bsFDiagonal:
        return Qt::FDiagPattern;
    case bsBDiagonal:
        return Qt::BDiagPattern;
    case bsCross:
        return Qt::CrossPattern;
    case bsDiagCross:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush;
    }
}

raster::Hatch BrushHatch(TBrushStyle style)
{
    switch (style) {
    case bsHorizontal:
        return raster::hatches::Horizontal;
    case bsVertical:
        return raster::hatches::Vertical;
    case bsFDiagonal:
        return raster::hatches::ForwardDiagonal;
    case bsBDiagonal:
        return raster::hatches::BackwardDiagonal;
    case bsCross:
        return raster::hatches::Cross;
    case bsDiagCross:
        return raster::hatches::DiagonalCross;
    default:
        return raster::hatches::Solid;
    }
}

} // namespace platform::recipes
