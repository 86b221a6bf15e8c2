#pragma once

#include "platform/Colors.h"

class TChartSeries;
class TCustomAxisPanel;
class TCustomChart;

// The chart of the runs as the main window shows it. The window and the
// command-line program's picture both set their chart up with these, so the
// two pictures cannot drift apart.
namespace runchart {

// The size of the window's chart in pixels, as its layout gives it.
inline constexpr int ChartWidth = 498;
inline constexpr int ChartHeight = 690;

// The most runs the chart holds between two uses of "Clear".
inline constexpr int MaxRuns = 257;

// Title "Graf", axis titles "t [s]" and "fi [°]", no legend, flat, a clear
// back wall; everything else keeps the chart's defaults.
void ConfigureRunChart(TCustomChart& chart);

// The colour of the run in a slot: red, green, blue, black, then red again.
// The index is 0 or more.
TColor CurveColor(int seriesIndex);

// Gives a run's new series the colour of its slot and attaches it to the
// chart as its last series.
void AttachRunSeries(TChartSeries& series, int seriesIndex, TCustomAxisPanel& chart);

} // namespace runchart
