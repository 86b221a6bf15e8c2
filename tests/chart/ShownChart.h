#pragma once

#include "chart/FastLineSeries.h"
#include "chart/qt/Chart.h"
#include "tests/chart/ChartPaintTestSupport.h"

#include <QCoreApplication>

#include <memory>

// The chart widget configured like the main window's, shown on the offscreen
// screen, with its renders counted.
class ShownChart {
public:
    ShownChart()
        : chart(std::make_unique<TChart>())
    {
        chart->resize(ConfiguredChart::width, ConfiguredChart::height);
        runchart::ConfigureRunChart(*chart);
        chart->OnAfterDraw = [this](TCustomAxisPanel&) { ++renders; };
        chart->show();
        Settle();
    }

    // Lets the posted events (paints among them) be handled.
    static void Settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    // A run of the pendulum from startDegrees, as a series the chart owns.
    TFastLineSeries& AddRun(TColor color, double startDegrees, int count)
    {
        auto* series = new TFastLineSeries(chart.get());
        series->SetSeriesColor(color);
        for (const QPointF& p : PendulumRun(startDegrees, count))
            series->AddPoint(p.x(), p.y());
        series->SetParentChart(chart.get());
        return *series;
    }

    std::unique_ptr<TChart> chart;
    int renders = 0;
};
