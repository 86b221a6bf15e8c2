#pragma once

#include "chart/ChartRect.h"

#include <optional>

class AxisPixelMaps;
class TChartCanvas3D;

// What a chart's paint hands each series it draws: the canvas to draw on,
// the pixel maps of the chart's axes as they are in this paint, whether the
// picture goes to a printer, and the rectangle the series is clipped to
// (none: not clipped).
struct SeriesPaint {
    TChartCanvas3D& canvas;
    const AxisPixelMaps& maps;
    bool printing = false;
    std::optional<TChartRect> clip;
};
