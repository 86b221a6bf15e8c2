#include "platform/DrawEdge.h"

#include "platform/Colors.h"
#include "platform/qt/QtColors.h"

#include <QPainter>

#include <algorithm>

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

// Fills the part of a one-pixel line that lies inside bounds.
void FillInside(QPainter& painter, const QRect& line, const QRect& bounds, TColor color)
{
    const QRect visible = line.intersected(bounds);
    if (!visible.isEmpty())
        painter.fillRect(visible, ToQColor(color));
}

// Draws one ring on the chosen sides of area and returns the area inside it.
QRect DrawRing(QPainter& painter, const QRect& area, RingColors colors, unsigned flags)
{
    if (area.isEmpty())
        return area;
    const int left = area.left();
    const int top = area.top();
    const int width = area.width();
    const int height = area.height();

    // Top-left colour first, bottom-right colour last: the latter wins the
    // shared corners.
    if ((flags & bfTop) != 0)
        FillInside(painter, QRect(left, top, width - 1, 1), area, colors.topLeft);
    if ((flags & bfLeft) != 0)
        FillInside(painter, QRect(left, top, 1, height - 1), area, colors.topLeft);
    if ((flags & bfBottom) != 0)
        FillInside(painter, QRect(left, top + height - 1, width, 1), area, colors.bottomRight);
    if ((flags & bfRight) != 0)
        FillInside(painter, QRect(left + width - 1, top, 1, height), area, colors.bottomRight);

    const int shrinkLeft = (flags & bfLeft) != 0 ? 1 : 0;
    const int shrinkTop = (flags & bfTop) != 0 ? 1 : 0;
    const int shrinkRight = (flags & bfRight) != 0 ? 1 : 0;
    const int shrinkBottom = (flags & bfBottom) != 0 ? 1 : 0;
    const int innerWidth = std::max(0, width - shrinkLeft - shrinkRight);
    const int innerHeight = std::max(0, height - shrinkTop - shrinkBottom);
    return QRect(left + shrinkLeft, top + shrinkTop, innerWidth, innerHeight);
}

} // namespace

QRect DrawEdge(QPainter& painter, const QRect& rect, EdgeStyle style, unsigned flags)
{
    QRect area = rect;
    if (style.outer != EdgeRing::None)
        area = DrawRing(painter, area, OuterColors(style.outer), flags);
    if (style.inner != EdgeRing::None)
        area = DrawRing(painter, area, InnerColors(style.inner), flags);
    if ((flags & bfMiddle) != 0 && !area.isEmpty())
        painter.fillRect(area, ToQColor(clBtnFace));
    return area;
}
