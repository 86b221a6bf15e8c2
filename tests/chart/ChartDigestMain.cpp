// Prints digests of the runs' chart and of pendulum figure frames, painted by
// the engine alone (its own canvas target, a box-glyph text backend) at
// ratios 1 and 2, so that builds on other processors can be compared with
// this one: the same lines mean the same pixels.
#include "chart/CustomChart.h"
#include "chart/FastLineSeries.h"
#include "figure/PendulumFigure.h"
#include "model/RunPass.h"
#include "platform/Canvas.h"
#include "platform/DeviceMapping.h"
#include "platform/RasterBitmap.h"
#include "platform/raster/RasterCanvasTarget.h"
#include "runchart/RunAxes.h"
#include "runchart/RunChart.h"
#include "tests/chart/BoxTextBackend.h"

#include <cinttypes>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// FNV-1a of the pixels, row by row.
std::uint64_t Digest(const platform::PixelBuffer& pixels)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (int y = 0; y < pixels.Height(); ++y) {
        for (int x = 0; x < pixels.Width(); ++x) {
            hash ^= pixels.At(x, y);
            hash *= 1099511628211ull;
        }
    }
    return hash;
}

struct Run {
    double length;
    double degrees;
    double inertia;
    int passes;
};

// The window's chart after two runs, as the window drives it: start ranges
// and a series per run, a sample per pass, the time axis following the data
// once a run passes its start range.
std::uint64_t ChartDigest(platform::TextBackend& text, double ratio)
{
    const platform::DeviceMapping mapping{ratio};
    platform::PixelBuffer window(mapping.Size(runchart::ChartWidth), mapping.Size(runchart::ChartHeight), ratio,
                                 0xFF000000u);
    platform::Canvas windowCanvas;
    windowCanvas.Bind(std::make_unique<platform::raster::RasterCanvasTarget>(&window, text));
    TCustomChart chart;
    chart.SetWindowCanvas(&windowCanvas);
    chart.SetClientSize(runchart::ChartWidth, runchart::ChartHeight);
    runchart::ConfigureRunChart(chart);
    std::vector<std::unique_ptr<TFastLineSeries>> series;
    const Run runs[] = {{0.8, 12.0, 0.05, 450}, {0.5, -9.5, 0.02, 700}};
    for (const Run& run : runs) {
        runchart::SetStartRanges(chart);
        series.push_back(std::make_unique<TFastLineSeries>());
        runchart::AttachRunSeries(*series.back(), static_cast<int>(series.size()) - 1, chart);
        model::PendulumState pendulum = model::StartedPendulum(run.length, run.degrees, run.inertia);
        for (int pass = 0; pass < run.passes; ++pass) {
            const model::RunSample sample = model::AdvancePass(pendulum);
            series.back()->AddPoint(sample.Time, sample.Degrees);
            runchart::FollowDataPastStartRange(chart, pendulum.Time);
        }
    }
    chart.HandlePaint();
    chart.SetWindowCanvas(nullptr);
    return Digest(window);
}

std::uint64_t FigureDigest(const platform::BitmapTargets& targets, double ratio, double fi)
{
    platform::RasterBitmap bitmap(377, 673, false, ratio, &targets);
    figure::DrawPendulum(bitmap.GetCanvas(), 200, 100, 280, fi);
    return Digest(bitmap.Pixels());
}

} // namespace

int main()
{
    chart_testing::BoxTextBackend text;
    platform::SetTextBackend(&text);
    const platform::raster::RasterBitmapTargets targets(text);
    for (const double ratio : {1.0, 2.0}) {
        std::printf("chart ratio %g %016" PRIX64 "\n", ratio, ChartDigest(text, ratio));
        std::printf("figure ratio %g %016" PRIX64 "\n", ratio, FigureDigest(targets, ratio, -0.7));
    }
    platform::SetTextBackend(nullptr);
    return 0;
}
