// A whole pass of the window as a run makes it, with the window's real
// content: the chart holding one or two runs of 300 points, asked for a new
// picture as a new point asks it, the figure drawn at the next angle of a
// swing, and the dispatch step in which the chart and the image repaint and
// the window's picture reaches the screen. On a screen at 100 % and on one
// scaled to 200 % (the offscreen platform with two screens, the second
// scaled as an X11 desktop scales: the window's backing store then has the
// device pixels of the scaled screen).
#include "app/ImageControl.h"
#include "figure/PendulumFigure.h"
#include "platform/qt/QtPixels.h"
#include "app/Unit1.h"
#include "bench/GuiBenchmarkMain.h"
#include "bench/WindowBenchSupport.h"
#include "chart/qt/Chart.h"
#include "model/RunPass.h"
#include "platform/Canvas.h"
#include "platform/qt/RunLoop.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

using window_bench::CallbackRunLoop;
using window_bench::FailingErrorBox;

constexpr int PointsPerRun = 300;

// runs: how many runs of 300 points the chart holds (the second with
// a = 0.5 m and 12 degrees, as in the README's picture); ratio: the device
// pixel ratio of the screen the window is shown on.
void WindowPass(benchmark::State& state, int runs, double ratio)
{
    CallbackRunLoop loop;
    FailingErrorBox errors(state);
    TForm1 form(loop, &errors, [] { return QLocale::c(); });
    const QList<QScreen*> screens = QGuiApplication::screens();
    const auto screen = std::find_if(screens.begin(), screens.end(),
                                     [ratio](const QScreen* s) { return s->devicePixelRatio() == ratio; });
    if (screen != screens.end())
        form.move((*screen)->geometry().topLeft() + QPoint(20, 20));
    form.show();
    QCoreApplication::processEvents();
    if (form.devicePixelRatioF() != ratio) {
        state.SkipWithError("no screen of this ratio: run with the two screens' configuration");
        return;
    }
    // Each dispatch step delivers Qt's events and stops the run once its
    // series has the points wanted.
    loop.onDispatch = [&form] {
        QCoreApplication::processEvents();
        const TChartSeries* series = form.Chart1->SeriesAt(form.Chart1->NumberOfSeries() - 1);
        if (series->PointCount() >= PointsPerRun)
            form.Button2Click(form.Button2);
    };
    for (int run = 0; run < runs; ++run) {
        if (run == 1) {
            form.Edit1->setText(QStringLiteral("0.5"));
            form.Edit2->setText(QStringLiteral("12"));
        }
        form.Button1Click(form.Button1);
    }
    QCoreApplication::processEvents();

    TChart& chart = *form.Chart1;
    TImage& image = *form.Image1;
    model::PendulumState swing = model::StartedPendulum(0.8, 10, 0.05);
    const int length = figure::BarLength(swing.Length);
    double fi = swing.Fi;
    for (auto _ : state) {
        model::AdvancePass(swing);
        // A new point asks the chart for a new picture, and nothing else.
        chart.RequestRepaint();
        // The frame before cleared, the new one drawn, as the window does;
        // the image shows where the two lie.
        platform::Canvas& canvas = image.Canvas();
        const QRect before = platform::qt::ToQRect(figure::FrameBounds(200, 100, length, fi));
        canvas.Brush().SetColor(clWhite);
        canvas.FillRect(before.left(), before.top(), before.left() + before.width(), before.top() + before.height());
        figure::DrawPendulum(canvas, 200, 100, length, swing.Fi);
        image.Changed(before | platform::qt::ToQRect(figure::FrameBounds(200, 100, length, swing.Fi)));
        fi = swing.Fi;
        QCoreApplication::processEvents();
    }
}

BENCHMARK_CAPTURE(WindowPass, OneRun_Ratio1, 1, 1.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WindowPass, TwoRuns_Ratio1, 2, 1.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WindowPass, OneRun_Ratio2, 1, 2.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WindowPass, TwoRuns_Ratio2, 2, 2.0)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    // Two offscreen screens, at 100 % and 200 %, unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" KYVADLO_TWO_SCREENS_CONFIG);
        qputenv("QT_SCREEN_SCALE_FACTORS", "1;2");
    }
    return RunGuiBenchmarks<QApplication>(argc, argv);
}
