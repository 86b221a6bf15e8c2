#include "platform/RasterRecipes.h"

namespace platform::recipes {

QList<qreal> DashPattern(const TPenData& pen)
{
    if (pen.width > 1)
        return {};
    if (pen.alternateDots)
        return {1, 1};
    switch (pen.style) {
    case psDash:
        return {18, 6};
    case psDot:
        return {3, 3};
    case psDashDot:
        return {9, 6, 3, 6};
    case psDashDotDot:
        return {9, 3, 3, 3, 3, 3};
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
    return !DashPattern(pen).isEmpty();
}

QPen LinePen(const TPenData& pen, QRgb color, qreal dashOffset)
{
    const QColor qcolor = QColor::fromRgb(ModeColor(pen.mode, color));
    if (pen.width > 1) {
        QPen wide(qcolor, pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        return wide;
    }
    QPen cosmetic(qcolor, 0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    const QList<qreal> pattern = DashPattern(pen);
    if (!pattern.isEmpty()) {
        cosmetic.setDashPattern(pattern);
        cosmetic.setDashOffset(dashOffset);
    }
    return cosmetic;
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

} // namespace platform::recipes
