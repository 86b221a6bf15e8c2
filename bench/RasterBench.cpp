// One million line segments of pendulum-like runs into the chart's 498 x 690
// picture, clipped to its plot area: the canvas's direct pixel path against
// the same lines through QPainter.
#include "bench/GuiBenchmarkMain.h"
#include "platform/Canvas.h"
#include "platform/qt/QtCanvasTarget.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kWidth = 498;
constexpr int kHeight = 690;
constexpr int kSegments = 1'000'000;
const QRect kPlotArea(QPoint(16, 29), QPoint(482, 660));

// Damped swings across the plot area, one sweep per run, as the fast line
// series draws them (consecutive points on the same pixel already left out).
std::vector<platform::Point> PendulumStrip()
{
    std::vector<platform::Point> points;
    points.reserve(kSegments + 1);
    for (int run = 0; points.size() <= static_cast<std::size_t>(kSegments); ++run) {
        const double amplitude = 5.0 + run % 30;
        for (int i = 0; i < 2000 && points.size() <= static_cast<std::size_t>(kSegments); ++i) {
            const double t = i * 0.0015;
            const platform::Point p(15 + static_cast<int>(std::lround(t * 156)),
                           345 - static_cast<int>(std::lround(amplitude * 21 * std::exp(-0.02 * t)
                                                              * std::cos(3.5 * t + run * 0.1))));
            if (points.empty() || points.back() != p)
                points.push_back(p);
        }
    }
    return points;
}

const std::vector<platform::Point>& Strip()
{
    static const std::vector<platform::Point> points = PendulumStrip();
    return points;
}

QImage BlankPicture()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void ClipToPlotAreaInRed(platform::Canvas& canvas)
{
    canvas.IntersectClipRect(kPlotArea.left(), kPlotArea.top(), kPlotArea.right() + 1,
                             kPlotArea.bottom() + 1);
    canvas.Pen().SetColor(clRed);
}

void BM_StripDirect(benchmark::State& state)
{
    QImage image = BlankPicture();
    platform::Canvas canvas;
    platform::qt::BindImage(canvas, &image);
    ClipToPlotAreaInRed(canvas);
    for (auto _ : state) {
        canvas.DrawLineStrip(Strip());
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(Strip().size() - 1));
}
BENCHMARK(BM_StripDirect)->Unit(benchmark::kMillisecond);

void BM_LineToDirect(benchmark::State& state)
{
    QImage image = BlankPicture();
    platform::Canvas canvas;
    platform::qt::BindImage(canvas, &image);
    ClipToPlotAreaInRed(canvas);
    const std::vector<platform::Point>& points = Strip();
    for (auto _ : state) {
        canvas.MoveTo(points.front().x, points.front().y);
        for (std::size_t i = 1; i < points.size(); ++i)
            canvas.LineTo(points[i].x, points[i].y);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(points.size() - 1));
}
BENCHMARK(BM_LineToDirect)->Unit(benchmark::kMillisecond);

// The same pixels through the canvas's QPainter path.
void BM_StripThroughPainter(benchmark::State& state)
{
    QImage image = BlankPicture();
    QPainter painter(&image);
    platform::Canvas canvas;
    platform::qt::BindPainter(canvas, &painter);
    ClipToPlotAreaInRed(canvas);
    for (auto _ : state) {
        canvas.DrawLineStrip(Strip());
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(Strip().size() - 1));
}
BENCHMARK(BM_StripThroughPainter)->Unit(benchmark::kMillisecond);

// QPainter's own line per segment, without the end-point rule: the floor of
// what any QPainter-based path can cost.
void BM_PlainQPainterLines(benchmark::State& state)
{
    QImage image = BlankPicture();
    QPainter painter(&image);
    painter.setPen(QPen(Qt::red, 0, Qt::SolidLine, Qt::FlatCap));
    painter.setClipRect(kPlotArea);
    const std::vector<platform::Point>& points = Strip();
    for (auto _ : state) {
        for (std::size_t i = 1; i < points.size(); ++i)
            painter.drawLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(Strip().size() - 1));
}
BENCHMARK(BM_PlainQPainterLines)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunGuiBenchmarks<QGuiApplication>(argc, argv);
}
