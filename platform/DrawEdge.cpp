#include "platform/DrawEdge.h"

#include <algorithm>

using platform::PixelBox;

namespace {

struct RingColors {
    TColor topLeft;
    TColor bottomRight;
};

RingColors OuterColors(EdgeRing ring)
{
    if (ring == EdgeRing::Sunken)
        return {clBtnShadow, clBtnHighlight};
    return {cl3DLight, cl3DDkShadow};
}

RingColors InnerColors(EdgeRing ring)
{
    if (ring == EdgeRing::Sunken)
        return {cl3DDkShadow, cl3DLight};
    return {clBtnHighlight, clBtnShadow};
}

bool IsEmpty(const PixelBox& box)
{
    return box.right <= box.left || box.bottom <= box.top;
}

// Fills the part of a one-pixel line that lies inside bounds.
void FillInside(const EdgeFill& fill, const PixelBox& line, const PixelBox& bounds, TColor color)
{
    const PixelBox visible{std::max(line.left, bounds.left), std::max(line.top, bounds.top),
                           std::min(line.right, bounds.right), std::min(line.bottom, bounds.bottom)};
    if (!IsEmpty(visible))
        fill(visible, color);
}

// Draws one ring on the chosen sides of area and returns the area inside it.
PixelBox DrawRing(const EdgeFill& fill, const PixelBox& area, RingColors colors, unsigned flags)
{
    if (IsEmpty(area))
        return area;
    const int left = area.left;
    const int top = area.top;
    const int right = area.right;
    const int bottom = area.bottom;

    // Top-left colour first, bottom-right colour last: the latter wins the
    // shared corners.
    if ((flags & bfTop) != 0)
        FillInside(fill, PixelBox{left, top, right - 1, top + 1}, area, colors.topLeft);
    if ((flags & bfLeft) != 0)
        FillInside(fill, PixelBox{left, top, left + 1, bottom - 1}, area, colors.topLeft);
    if ((flags & bfBottom) != 0)
        FillInside(fill, PixelBox{left, bottom - 1, right, bottom}, area, colors.bottomRight);
    if ((flags & bfRight) != 0)
        FillInside(fill, PixelBox{right - 1, top, right, bottom}, area, colors.bottomRight);

    const int innerLeft = left + ((flags & bfLeft) != 0 ? 1 : 0);
    const int innerTop = top + ((flags & bfTop) != 0 ? 1 : 0);
    const int innerRight = std::max(innerLeft, right - ((flags & bfRight) != 0 ? 1 : 0));
    const int innerBottom = std::max(innerTop, bottom - ((flags & bfBottom) != 0 ? 1 : 0));
    return PixelBox{innerLeft, innerTop, innerRight, innerBottom};
}

} // namespace

PixelBox DrawEdge(const EdgeFill& fill, const PixelBox& rect, EdgeStyle style, unsigned flags)
{
    PixelBox area = rect;
    if (style.outer != EdgeRing::None)
        area = DrawRing(fill, area, OuterColors(style.outer), flags);
    if (style.inner != EdgeRing::None)
        area = DrawRing(fill, area, InnerColors(style.inner), flags);
    if ((flags & bfMiddle) != 0 && !IsEmpty(area))
        fill(area, clBtnFace);
    return area;
}
