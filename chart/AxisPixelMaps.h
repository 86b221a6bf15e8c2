#pragma once

#include "chart/AxisPixelMapper.h"

#include <optional>

class TCustomAxisPanel;

// The pixel mappers of a chart's four side axes for one paint: built once
// the axes have this paint's range and pixels, and handed to the drawing of
// every fast line series. They place one-pixel pens at device resolution on
// the chart canvas's current target (see DeviceLinePlacement).
class AxisPixelMaps {
public:
    explicit AxisPixelMaps(const TCustomAxisPanel& chart);

    // The mapper of one of the chart's side axes: as ValueToPixelX for the
    // bottom and top axes, as ValueToPixelY for the left and right ones.
    const AxisPixelMapper& Of(const TCustomChartAxis& axis) const;
    // Builds the mappers anew from the axes and the canvas as they are now,
    // after code that may have changed them (a series' drawing handler).
    void Renew();

private:
    const TCustomAxisPanel& chart_;
    std::optional<AxisPixelMapper> bottom_;
    std::optional<AxisPixelMapper> top_;
    std::optional<AxisPixelMapper> left_;
    std::optional<AxisPixelMapper> right_;
};
