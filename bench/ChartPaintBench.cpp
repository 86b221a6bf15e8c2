// Full repaints of the configured 498 x 690 chart holding default pendulum
// runs (a = 0.8 m, J = 0.05 kg m^2, start 10 degrees, dt = 0.01 s), and a
// repaint with nothing changed; the same on a screen scaled to 200 %, where
// the chart draws four times the pixels.
#include "bench/GuiBenchmarkMain.h"
#include "chart/ChartCanvas.h"
#include "tests/chart/ChartPaintTestSupport.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// The chart as the main window configures it, with the deflection axis at
// -15 .. 15 as a run sets it and the time axis automatic, holding the same
// run seriesCount times.
class BenchChart {
public:
    // varied: start angles spread over 1 .. 15 degrees, so that no line
    // hides another; otherwise the same default run every time. ratio: the
    // device pixel ratio of the window.
    BenchChart(int seriesCount, int pointsPerSeries, bool varied = false, double ratio = 1.0)
        : configured_(ratio)
    {
        configured_.chart.LeftAxis().SetRange(-15, 15);
        configured_.chart.BottomAxis().SetAutomatic(true);
        const std::vector<QPointF> run = PendulumRun(10, pointsPerSeries);
        for (int s = 0; s < seriesCount; ++s)
            configured_.AddSeries(clRed, varied ? PendulumRun(1 + 14.0 * s / seriesCount, pointsPerSeries) : run);
        configured_.Paint();
    }

    void FullRepaint()
    {
        configured_.chart.RequestRepaint();
        configured_.Paint();
    }

    void UnchangedRepaint() { configured_.Paint(); }

    const QImage& Window() const { return configured_.window; }
    // Whether the window holds the kept picture's own pixels, shared rather than copied.
    bool WindowSharesKeptPicture() const
    {
        const platform::RasterBitmap* bitmap = configured_.chart.Canvas().Bitmap();
        return bitmap != nullptr && bitmap->Pixels().Data() == reinterpret_cast<const std::uint32_t*>(configured_.window.constBits());
    }

private:
    ConfiguredChart configured_;
};

void FullRepaints(benchmark::State& state, int seriesCount, int points, bool varied, double ratio)
{
    BenchChart chart(seriesCount, points, varied, ratio);
    for (auto _ : state) {
        chart.FullRepaint();
        benchmark::DoNotOptimize(chart.Window().constBits());
    }
    state.SetItemsProcessed(state.iterations() * seriesCount * points);
}

void BM_FullRepaint100SeriesOf10000(benchmark::State& state)
{
    FullRepaints(state, 100, 10'000, false, 1.0);
}
BENCHMARK(BM_FullRepaint100SeriesOf10000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same with runs that differ, where every line shows.
void BM_FullRepaint100DifferentSeriesOf10000(benchmark::State& state)
{
    FullRepaints(state, 100, 10'000, true, 1.0);
}
BENCHMARK(BM_FullRepaint100DifferentSeriesOf10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Both at a device pixel ratio of 2.
BENCHMARK_CAPTURE(FullRepaints, 100SeriesOf10000AtRatio2, 100, 10'000, false, 2.0)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(FullRepaints, 100DifferentSeriesOf10000AtRatio2, 100, 10'000, true, 2.0)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_FullRepaintOneSeriesOfAMillion(benchmark::State& state)
{
    BenchChart chart(1, 1'000'000);
    for (auto _ : state) {
        chart.FullRepaint();
        benchmark::DoNotOptimize(chart.Window().constBits());
    }
    state.SetItemsProcessed(state.iterations() * 1'000'000);
}
BENCHMARK(BM_FullRepaintOneSeriesOfAMillion)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The cost should grow linearly with the points.
void BM_FullRepaintOneSeries(benchmark::State& state)
{
    const int points = static_cast<int>(state.range(0));
    BenchChart chart(1, points);
    for (auto _ : state) {
        chart.FullRepaint();
        benchmark::DoNotOptimize(chart.Window().constBits());
    }
    state.SetComplexityN(points);
    state.SetItemsProcessed(state.iterations() * points);
}
BENCHMARK(BM_FullRepaintOneSeries)
    ->RangeMultiplier(10)
    ->Range(1'000, 1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// Nothing changed: one copy of the kept picture, which the window shares
// (counter "shared" 1).
void UnchangedRepaints(benchmark::State& state, double ratio)
{
    BenchChart chart(100, 10'000, false, ratio);
    for (auto _ : state) {
        chart.UnchangedRepaint();
        benchmark::DoNotOptimize(chart.Window().constBits());
    }
    state.counters["shared"] = chart.WindowSharesKeptPicture() ? 1 : 0;
}

void BM_RepaintUnchanged(benchmark::State& state)
{
    UnchangedRepaints(state, 1.0);
}
BENCHMARK(BM_RepaintUnchanged)->Unit(benchmark::kMicrosecond);

BENCHMARK_CAPTURE(UnchangedRepaints, AtRatio2, 2.0)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunGuiBenchmarks<QGuiApplication>(argc, argv);
}
