#pragma once

#include "chart/CustomChart.h"
#include "chart/FastLineSeries.h"
#include "model/AngleConversion.h"
#include "model/PendulumState.h"
#include "platform/Canvas.h"
#include "platform/Colors.h"
#include "platform/qt/QtCanvasTarget.h"
#include "runchart/RunAxes.h"
#include "runchart/RunChart.h"
#include "tests/model/PendulumTestSupport.h"

#include <QImage>
#include <QPointF>
#include <QRgb>

#include <vector>

// The samples of one run of the default pendulum (a = 0.8 m, J = 0.05 kg m^2),
// as the run loop takes them: (time before the step's time advance, angle in
// degrees after the step).
inline std::vector<QPointF> PendulumRun(double startDegrees, int count)
{
    model::PendulumState state = model_testing::startedPendulum(0.8, startDegrees, 0.05);
    state.AdvanceStep();
    std::vector<QPointF> samples;
    samples.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        state.AdvanceStep();
        samples.emplace_back(state.Time, model::ChartDegrees(state.Fi));
        state.Time += state.TimeStep;
    }
    return samples;
}

// A chart set up as the main window sets up its chart (498 x 690, title
// "Graf", axis titles, no legend, flat, clear back wall), painting into an
// image that stands for its window: with a device pixel ratio, one of the
// logical size at that ratio, as on a scaled screen.
struct ConfiguredChart {
    static constexpr int width = runchart::ChartWidth;
    static constexpr int height = runchart::ChartHeight;

    explicit ConfiguredChart(double ratio = 1.0)
        : window(platform::DeviceMapping{ratio}.Size(width), platform::DeviceMapping{ratio}.Size(height),
                 QImage::Format_RGB32)
    {
        window.setDevicePixelRatio(ratio);
        window.fill(Qt::black);
        platform::qt::BindImage(windowCanvas, &window);
        chart.SetWindowCanvas(&windowCanvas);
        chart.SetClientSize(width, height);
        runchart::ConfigureRunChart(chart);
    }

    // A series attached to the chart, which destroys it.
    TFastLineSeries& AddSeries(TColor color, const std::vector<QPointF>& points = {})
    {
        auto* series = new TFastLineSeries;
        series->SetSeriesColor(color);
        for (const QPointF& p : points)
            series->AddPoint(p.x(), p.y());
        series->SetParentChart(&chart);
        return *series;
    }

    // The axes as "Start" sets them.
    void SetStartRanges() { runchart::SetStartRanges(chart); }

    // Answers a paint request and gives what the window shows.
    const QImage& Paint()
    {
        chart.HandlePaint();
        return window;
    }

    // Declared in this order so that the chart goes first and the image last.
    QImage window;
    platform::Canvas windowCanvas;
    TCustomChart chart;
};

// The colour a TColor is drawn with, without alpha.
inline QRgb Drawn(TColor color)
{
    return ToRgb(color) & 0xFFFFFFu;
}

// The pixels of the colour (without alpha) in [x0, x1) x [y0, y1).
inline int CountColor(const QImage& image, QRgb rgb, int x0, int y0, int x1, int y1)
{
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if ((image.pixel(x, y) & 0xFFFFFFu) == rgb)
                ++count;
    return count;
}

// The pixels of the colour (without alpha) in the whole image.
inline int CountColor(const QImage& image, QRgb rgb)
{
    return CountColor(image, rgb, 0, 0, image.width(), image.height());
}
