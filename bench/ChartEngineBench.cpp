// Costs of the chart engine on the paths a run takes: storing points in X
// order, reading the data range, and mapping values to pixels in a paint.
#include "chart/AxisPanel.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int pointCount = 1'000'000;

// One run's points, 0.01 s apart, attached to a chart as the run control does.
void BM_AddPointInXOrder(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        TCustomAxisPanel chart;
        TChartSeries series;
        series.SetParentChart(&chart);
        for (int i = 0; i < count; ++i)
            series.AddPoint(i * 0.01, 10 * std::sin(i * 0.01));
        benchmark::DoNotOptimize(series.PointCount());
        series.SetParentChart(nullptr);
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_AddPointInXOrder)->Arg(pointCount)->Unit(benchmark::kMillisecond);

// The first read of the extremes after the adds rescans the whole list.
void BM_DataRangeAfterAdding(benchmark::State& state)
{
    TCustomAxisPanel chart;
    TChartSeries series;
    series.SetParentChart(&chart);
    for (int i = 0; i < pointCount; ++i)
        series.AddPoint(i * 0.01, std::sin(i * 0.01));
    for (auto _ : state) {
        series.YValues().SetValueAt(0, 0); // marks the statistics stale
        benchmark::DoNotOptimize(chart.ChartMaxY(chart.LeftAxis()));
    }
    state.SetItemsProcessed(state.iterations() * pointCount);
    series.SetParentChart(nullptr);
}
BENCHMARK(BM_DataRangeAfterAdding)->Unit(benchmark::kMillisecond);

// The mapping every point of every series goes through in each paint.
void BM_ValueToPixel(benchmark::State& state)
{
    TCustomAxisPanel chart;
    chart.SetChartArea({60, 40, 460, 640});
    TChartAxis& axis = chart.LeftAxis();
    axis.SetRange(-15, 15);
    axis.ComputeRange();
    axis.ComputePixelPositions();
    std::vector<double> values(pointCount);
    for (int i = 0; i < pointCount; ++i)
        values[static_cast<std::size_t>(i)] = 20 * std::sin(i * 0.001);
    for (auto _ : state) {
        long long sum = 0;
        for (double v : values)
            sum += axis.ValueToPixel(v);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * pointCount);
}
BENCHMARK(BM_ValueToPixel)->Unit(benchmark::kMillisecond);

// A paint's pixel loop through the series: stored value, then the axis.
void BM_PointPixels(benchmark::State& state)
{
    TCustomAxisPanel chart;
    TChartSeries series;
    series.SetParentChart(&chart);
    for (int i = 0; i < pointCount; ++i)
        series.AddPoint(i * 0.01, 10 * std::sin(i * 0.01));
    chart.SetChartArea({60, 40, 460, 640});
    for (TCustomChartAxis* axis : chart.AxisList()) {
        axis->ComputeRange();
        axis->ComputePixelPositions();
    }
    for (auto _ : state) {
        series.ComputeVisibleRange();
        long long sum = 0;
        for (int i = series.FirstVisibleIndex(); i <= series.LastVisibleIndex(); ++i)
            sum += series.PointPixelX(i) + series.PointPixelY(i);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * pointCount);
    series.SetParentChart(nullptr);
}
BENCHMARK(BM_PointPixels)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
