#include "chart/AxisPixelMaps.h"

#include "chart/AxisPanel.h"

AxisPixelMaps::AxisPixelMaps(const TCustomAxisPanel& chart)
    : chart_(chart)
{
    Renew();
}

const AxisPixelMapper& AxisPixelMaps::Of(const TCustomChartAxis& axis) const
{
    if (&axis == &chart_.BottomAxis())
        return *bottom_;
    if (&axis == &chart_.TopAxis())
        return *top_;
    if (&axis == &chart_.RightAxis())
        return *right_;
    // A series maps its values through the four side axes only.
    return *left_;
}

void AxisPixelMaps::Renew()
{
    bottom_.emplace(chart_.BottomAxis(), true);
    top_.emplace(chart_.TopAxis(), true);
    left_.emplace(chart_.LeftAxis(), false);
    right_.emplace(chart_.RightAxis(), false);
}
