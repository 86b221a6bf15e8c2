#pragma once

#include "chart/ChartRect.h"

#include <optional>

class AxisPixelMapper;
class TChartCanvas3D;

// What a chart's paint hands the drawing of a fast line series: the canvas
// to draw on, the pixel mappers of the series' horizontal and vertical axes,
// whether the picture goes to a printer, and the rectangle the line is
// clipped to (none: not clipped).
struct LinePaint {
    TChartCanvas3D& canvas;
    const AxisPixelMapper& toX;
    const AxisPixelMapper& toY;
    bool printing = false;
    std::optional<TChartRect> clip;
};
