// Scrolling the chart's axes with a mouse drag and with the wheel.
#include "chart/CustomChart.h"

namespace {

// A wheel notch moves the vertical axes by this share of their span.
constexpr double wheelStepPercent = 3;

} // namespace

bool TCustomChart::ScrollAxesByDrag(bool horizontal, int fromPixel, int toPixel)
{
    if (fromPixel == toPixel)
        return false;
    const TPanningMode mode = horizontal ? pmHorizontal : pmVertical;
    if (AllowPanning() != mode && AllowPanning() != pmBoth)
        return false;
    for (TCustomChartAxis* axis : AxisList())
        if (!axis->IsDepth() && axis->IsHorizontal() == horizontal)
            ScrollOneAxis(*axis, fromPixel, toPixel);
    return true;
}

// The content follows the mouse: dragging to the right shows smaller values
// of a normal horizontal axis, dragging down larger values of a vertical one.
void TCustomChart::ScrollOneAxis(TCustomChartAxis& axis, int fromPixel, int toPixel)
{
    const double delta = axis.PixelToValue(fromPixel) - axis.PixelToValue(toPixel);
    double newMinimum = axis.Minimum() + delta;
    double newMaximum = axis.Maximum() + delta;
    bool allowScroll = true;
    if (OnAllowScroll)
        OnAllowScroll(axis, newMinimum, newMaximum, allowScroll);
    if (allowScroll)
        axis.SetRange(newMinimum, newMaximum);
}

void TCustomChart::ScrollVerticalAxesByWheel(bool towardsUser)
{
    for (TCustomChartAxis* axis : AxisList()) {
        if (axis->IsHorizontal())
            continue;
        const double step = (axis->Maximum() - axis->Minimum()) * wheelStepPercent * 0.01;
        axis->ScrollRange(towardsUser ? step : -step, false);
    }
}
