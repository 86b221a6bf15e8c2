#pragma once

#include "chart/Axis.h"
#include "chart/ChartRect.h"

// Where an axis stands beside the chart rectangle, and the arithmetic of its
// bands. The depth axis stands where the right axis does.
namespace AxisSide {

// +1 when "outward" (away from the chart rectangle) is the direction of
// growing coordinates (down for the bottom axis, right for the right axis),
// -1 for the top and left axes.
int Outward(const TCustomChartAxis& axis);

// The rectangle's edge on the axis's side: bottom, top, left or right.
int AxisEdgeOf(const TCustomChartAxis& axis, const TChartRect& rect);

// Moves the rectangle's edge on the axis's side inward by k pixels.
void Shrink(const TCustomChartAxis& axis, TChartRect& rect, int k);

// The room of the axis line and the outer ticks: the Axis pen's width when it
// is visible, plus TickLength when Ticks is visible, and at least
// MinorTickLength when MinorTicks is visible. Inner ticks take no room.
int TickBandSize(const TCustomChartAxis& axis);

// A position across the axis moved by PositionPercent of the rectangle's
// other dimension, toward the inside of the chart rectangle for positive
// percentages.
int ShiftByPositionPercent(const TCustomChartAxis& axis, int position, const TChartRect& rect);

} // namespace AxisSide
