#include "platform/RasterRecipes.h"


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

std::uint32_t ModeColor(TPenMode mode, std::uint32_t penColor)
{
    if (mode == pmBlack)
        return 0xFF000000u;
    if (mode == pmWhite)
        return 0xFFFFFFFFu;
    return penColor;
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
