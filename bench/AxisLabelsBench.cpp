// What the axes cost in every paint: label texts, label values, and the
// layout and drawing of the program's two axes.
#include "bench/GuiBenchmarkMain.h"
#include "chart/AxisLabelValues.h"
#include "chart/CustomChart.h"
#include "chart/NumberFormat.h"
#include "platform/Canvas.h"
#include "platform/qt/QtCanvasTarget.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

void FormatDefault(benchmark::State& state)
{
    const std::string format = "#,##0.###";
    const TNumberSeparators separators;
    double value = -15;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatNumber(format, value, separators));
        value = value > 15 ? -15 : value + 0.37;
    }
}
BENCHMARK(FormatDefault);

void DeflectionLabelValues(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(LinearLabelValues(-15, 15, 1, true));
}
BENCHMARK(DeflectionLabelValues);

void StepSearchFromTheSmallestStep(benchmark::State& state)
{
    const TLabelStepRequest request{15, 300, 0.5, 0, 10};
    for (auto _ : state)
        benchmark::DoNotOptimize(NiceLabelStep(request));
}
BENCHMARK(StepSearchFromTheSmallestStep);

// The bottom (0 .. 3 s) and left (-15 .. 15 degrees) axes of a run on the
// program's chart, laid out by the chart's own axis layout and drawn as a
// paint does.
void LayOutAndDrawProgramAxes(benchmark::State& state)
{
    QImage image(498, 690, QImage::Format_RGB32);
    platform::Canvas window;
    platform::qt::BindImage(window, &image);
    TCustomChart chart;
    chart.SetWindowCanvas(&window);
    chart.SetView3D(false);
    auto* series = new TChartSeries();
    series->SetParentChart(&chart);
    series->AddPoint(0, 0);
    TChartAxis& bottom = chart.BottomAxis();
    TChartAxis& left = chart.LeftAxis();
    bottom.Title().SetCaption("t [s]");
    left.Title().SetCaption("fi [°]");
    bottom.SetAutomatic(false);
    bottom.SetRange(0, 3);
    left.SetAutomatic(false);
    left.SetRange(-15, 15);

    for (auto _ : state) {
        chart.SetChartArea({15, 28, 483, 662});
        chart.LayoutAxes();
        bottom.DrawAxis(true);
        left.DrawAxis(true);
    }
    chart.SetWindowCanvas(nullptr);
}
BENCHMARK(LayOutAndDrawProgramAxes)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    // Text measuring and drawing need the font database of a GUI application.
    return RunGuiBenchmarks<QGuiApplication>(argc, argv);
}
