// Where an axis stands beside the chart rectangle, and the arithmetic of its bands.
#include "chart/AxisSide.h"

#include <algorithm>
#include <cmath>

namespace AxisSide {

int Outward(const TCustomChartAxis& axis)
{
    return axis.IsHorizontal() != axis.IsFarSide() ? 1 : -1;
}

int AxisEdgeOf(const TCustomChartAxis& axis, const TChartRect& rect)
{
    if (axis.IsHorizontal())
        return axis.IsFarSide() ? rect.top : rect.bottom;
    return axis.IsFarSide() ? rect.right : rect.left;
}

void Shrink(const TCustomChartAxis& axis, TChartRect& rect, int k)
{
    if (axis.IsHorizontal())
        (axis.IsFarSide() ? rect.top : rect.bottom) -= Outward(axis) * k;
    else
        (axis.IsFarSide() ? rect.right : rect.left) -= Outward(axis) * k;
}

int TickBandSize(const TCustomChartAxis& axis)
{
    int size = axis.Axis().Visible() ? axis.Axis().Width() : 0;
    if (axis.Ticks().Visible())
        size += axis.TickLength();
    if (axis.MinorTicks().Visible())
        size = std::max(size, axis.MinorTickLength());
    return size;
}

int ShiftByPositionPercent(const TCustomChartAxis& axis, int position, const TChartRect& rect)
{
    const double percent = axis.PositionPercent();
    if (percent == 0)
        return position;
    const double across = axis.IsHorizontal() ? rect.Height() : rect.Width();
    const double shift = std::nearbyint(percent * 0.01 * across);
    if (!std::isfinite(shift))
        return position;
    // Percentages that put the line millions of pixels away are kept within
    // the integers instead of overflowing.
    const int c = static_cast<int>(std::clamp(shift, -1e9, 1e9)) * (axis.IsFarSide() ? -1 : 1);
    return axis.IsHorizontal() ? position - c : position + c;
}

} // namespace AxisSide
