#pragma once

#include "chart/ChartPen.h"

#include <functional>
#include <utility>

// The pens of an axis. Each starts from the chart pen (black, solid, width 1,
// visible) and changes what its part of the axis needs.

// The axis line: width 2.
class TChartAxisPen : public TChartPen {
public:
    explicit TChartAxisPen(std::function<void()> onChange)
        : TChartPen(std::move(onChange))
    {
        data_.width = 2;
    }
};

// Ticks: gray.
class TDarkGrayPen : public TChartPen {
public:
    explicit TDarkGrayPen(std::function<void()> onChange)
        : TChartPen(std::move(onChange))
    {
        data_.color = clGray;
    }
};

// Grid lines: gray and dotted.
class TDottedGrayPen : public TChartPen {
public:
    explicit TDottedGrayPen(std::function<void()> onChange)
        : TChartPen(std::move(onChange))
    {
        data_.color = clGray;
        data_.style = psDot;
    }
};
