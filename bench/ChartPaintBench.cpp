// Full repaints of the configured 498 x 690 chart holding default pendulum
// runs (a = 0.8 m, J = 0.05 kg m^2, start 10 degrees, dt = 0.01 s), and a
// repaint with nothing changed.
#include "chart/ChartCanvas.h"
#include "chart/CustomChart.h"
#include "chart/FastLineSeries.h"
#include "model/AngleConversion.h"
#include "model/PendulumState.h"
#include "platform/Canvas.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int kWidth = 498;
constexpr int kHeight = 690;

struct Sample {
    double time;
    double degrees;
};

// The samples a run of the default pendulum records, as the run loop takes them.
std::vector<Sample> PendulumRun(int count)
{
    model::PendulumState state;
    state.Length = 0.8;
    state.Fi0 = model::startAngleFromDegrees(10);
    state.TimeStep = model::standardTimeStep;
    state.Mass = model::standardMass;
    state.Gravity = model::standardGravity;
    state.Fi = state.Fi0;
    state.Inertia = 0.05;
    state.AdvanceStep();
    std::vector<Sample> samples;
    samples.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        state.AdvanceStep();
        samples.push_back({state.Time, model::chartDegrees(state.Fi)});
        state.Time += state.TimeStep;
    }
    return samples;
}

// The chart as the main window configures it, with the deflection axis at
// -15 .. 15 as a run sets it and the time axis automatic, painting into an
// image that stands for its window.
class BenchChart {
public:
    BenchChart(int seriesCount, int pointsPerSeries)
    {
        windowCanvas_.BindImage(&window_);
        chart_.SetWindowCanvas(&windowCanvas_);
        chart_.SetClientSize(kWidth, kHeight);
        chart_.BackWall().Brush().SetColor(clWhite);
        chart_.BackWall().Brush().SetStyle(bsClear);
        chart_.Title().SetText({QStringLiteral("Graf")});
        chart_.BottomAxis().Title().SetCaption(QStringLiteral("t [s]"));
        chart_.LeftAxis().Title().SetCaption(QStringLiteral("fi [°]"));
        chart_.Legend().SetVisible(false);
        chart_.SetView3D(false);
        chart_.LeftAxis().SetRange(-15, 15);
        chart_.BottomAxis().SetAutomatic(true);

        const std::vector<Sample> run = PendulumRun(pointsPerSeries);
        for (int s = 0; s < seriesCount; ++s) {
            auto* series = new TFastLineSeries;
            for (const Sample& sample : run)
                series->AddPoint(sample.time, sample.degrees);
            series->SetParentChart(&chart_);
        }
        chart_.HandlePaint();
    }

    void FullRepaint()
    {
        chart_.RequestRepaint();
        chart_.HandlePaint();
    }

    void UnchangedRepaint() { chart_.HandlePaint(); }

    const QImage& Window() const { return window_; }

private:
    QImage window_{kWidth, kHeight, QImage::Format_RGB32};
    platform::Canvas windowCanvas_;
    TCustomChart chart_;
};

void BM_FullRepaint100SeriesOf10000(benchmark::State& state)
{
    BenchChart chart(100, 10'000);
    for (auto _ : state) {
        chart.FullRepaint();
        benchmark::DoNotOptimize(chart.Window().constBits());
    }
    state.SetItemsProcessed(state.iterations() * 1'000'000);
}
BENCHMARK(BM_FullRepaint100SeriesOf10000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

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

// Nothing changed: one copy of the kept picture.
void BM_RepaintUnchanged(benchmark::State& state)
{
    BenchChart chart(100, 10'000);
    for (auto _ : state) {
        chart.UnchangedRepaint();
        benchmark::DoNotOptimize(chart.Window().constBits());
    }
}
BENCHMARK(BM_RepaintUnchanged)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
