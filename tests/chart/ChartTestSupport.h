#pragma once

#include "chart/AxisPanel.h"
#include "chart/ChartHost.h"

// A window stand-in that counts what the chart asks of it.
class FakeChartHost : public ChartHost {
public:
    void InvalidateWindow() override { ++invalidations; }
    void RepaintNow() override { ++immediatePaints; }
    int ClientWidth() const override { return width; }
    int ClientHeight() const override { return height; }
    void SetWindowCursor(TCursor cursor) override { shownCursor = cursor; }

    int invalidations = 0;
    int immediatePaints = 0;
    int width = 498;
    int height = 690;
    TCursor shownCursor = crDefault;
};

// Gives an axis a manual range and lays it out on the chart rectangle, as a
// paint does before the series draw.
inline void LayOutAxis(TCustomAxisPanel& chart, TCustomChartAxis& axis, const TChartRect& area,
    double minimum, double maximum)
{
    chart.SetChartArea(area);
    axis.SetRange(minimum, maximum);
    axis.ComputeRange();
    axis.ComputePixelPositions();
}

// Counts repaint requests made while it lives.
class RepaintCounter {
public:
    explicit RepaintCounter(const TCustomChartPanel& chart)
        : chart_(chart)
        , start_(chart.RepaintRequestCount())
    {
    }
    long long Count() const { return chart_.RepaintRequestCount() - start_; }

private:
    const TCustomChartPanel& chart_;
    long long start_;
};
