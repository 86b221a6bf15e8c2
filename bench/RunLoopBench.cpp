// What one pass of a run costs besides its two sleeps: the step, the new point,
// the figure, and the dispatch step in which the chart and the image repaint.
// Measured on the real window (offscreen) with 0, 10^4 and 10^5 points already
// on the chart, and the parts of a pass on their own for the breakdown.
#include "app/ImageControl.h"
#include "figure/PendulumFigure.h"
#include "app/Unit1.h"
#include "bench/GuiBenchmarkMain.h"
#include "bench/WindowBenchSupport.h"
#include "chart/qt/Chart.h"
#include "platform/Canvas.h"
#include "platform/RasterBitmap.h"
#include "platform/qt/QtCanvasTarget.h"
#include "platform/qt/QtPixels.h"
#include "platform/qt/RunLoop.h"

#include <QApplication>
#include <QLocale>
#include <QPushButton>

#include <benchmark/benchmark.h>


namespace {

using window_bench::CallbackRunLoop;
using window_bench::FailingErrorBox;

// The main window on the offscreen screen, driven by a CallbackRunLoop.
class BenchWindow {
public:
    explicit BenchWindow(benchmark::State& state)
        : errors_(state)
        , form_(runLoop_, &errors_, [] { return QLocale::c(); })
    {
        form_.show();
        QCoreApplication::processEvents();
    }

    TForm1& Form() { return form_; }
    CallbackRunLoop& Loop() { return runLoop_; }
    int Points() const
    {
        return form_.Chart1->NumberOfSeries() == 0 ? 0 : form_.Chart1->SeriesAt(0)->PointCount();
    }
    void Stop() { form_.Button2Click(form_.Button2); }

private:
    CallbackRunLoop runLoop_;
    FailingErrorBox errors_;
    TForm1 form_;
};

// A default run that first records the given number of points without
// repainting, then measures one benchmark iteration per pass with Qt's events
// delivered in each dispatch step, as the program's run loop does.
void BM_RunLoopPass(benchmark::State& state)
{
    const int pointsBefore = static_cast<int>(state.range(0));
    BenchWindow window(state);
    bool finished = false;
    window.Loop().onDispatch = [&] {
        if (finished || window.Points() < pointsBefore)
            return;
        QCoreApplication::processEvents();
        // The first call starts the clock, each further one ends a pass.
        if (!state.KeepRunning()) {
            finished = true;
            window.Stop();
        }
    };
    window.Form().Button1->click();
    state.counters["points_before"] = pointsBefore;
}
BENCHMARK(BM_RunLoopPass)
    ->Arg(0)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Iterations(500)
    ->Unit(benchmark::kMicrosecond);

// The parts of a pass.

// ClearImage and DrawPendulum into a bitmap of the image's size.
void BM_FigureFrame(benchmark::State& state)
{
    platform::RasterBitmap bitmap(377, 673, false, 1.0, &platform::qt::QtBitmaps());
    platform::Canvas& canvas = bitmap.GetCanvas();
    double fi = -0.17;
    for (auto _ : state) {
        canvas.Brush().SetColor(clWhite);
        canvas.FillRect(0, 0, 377, 673);
        figure::DrawPendulum(canvas, 200, 100, 320, fi);
        fi = -fi;
        benchmark::DoNotOptimize(bitmap.Pixels().Data());
    }
}
BENCHMARK(BM_FigureFrame)->Unit(benchmark::kMicrosecond);

// A window whose chart holds a run of the given number of points.
void FillChart(BenchWindow& window, int points)
{
    window.Loop().onDispatch = [&window, points] {
        if (window.Points() >= points)
            window.Stop();
    };
    window.Form().Button1->click();
    QCoreApplication::processEvents();
}

// The chart's new picture after a new point, as the dispatch step paints it.
void BM_ChartRepaint(benchmark::State& state)
{
    BenchWindow window(state);
    FillChart(window, static_cast<int>(state.range(0)));
    TChart& chart = *window.Form().Chart1;
    for (auto _ : state) {
        chart.RequestRepaint();
        chart.repaint();
    }
}
BENCHMARK(BM_ChartRepaint)->Arg(1)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMicrosecond);

// The image control showing its bitmap.
void BM_ImageRepaint(benchmark::State& state)
{
    BenchWindow window(state);
    FillChart(window, 1);
    TImage& image = *window.Form().Image1;
    for (auto _ : state)
        image.repaint();
}
BENCHMARK(BM_ImageRepaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunGuiBenchmarks<QApplication>(argc, argv);
}
