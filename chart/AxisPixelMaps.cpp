#include "chart/AxisPixelMaps.h"

#include "chart/AxisPanel.h"
#include "chart/ChartCanvas.h"

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
    const DeviceLinePlacement placement = DeviceLinePlacement::ForPen(chart_.Canvas().Mapping(), 1);
    bottom_.emplace(chart_.BottomAxis(), true, placement);
    top_.emplace(chart_.TopAxis(), true, placement);
    left_.emplace(chart_.LeftAxis(), false, placement);
    right_.emplace(chart_.RightAxis(), false, placement);
}
