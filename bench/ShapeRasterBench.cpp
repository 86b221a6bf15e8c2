// The pendulum figure's shapes at the sizes it draws them, by the engine's
// own shape rasteriser and by QPainter as the canvas drives it: the rounded
// end's half circle (radius 50 logical pixels), a dot (radius 4, filled and
// outlined), and a ten-cornered polygon of the same size, at device pixel
// ratios 1 and 2 (the argument).
#include "bench/GuiBenchmarkMain.h"
#include "platform/raster/ShapeRaster.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

using namespace platform::raster;

constexpr int kSide = 256;

QImage Blank()
{
    QImage image(kSide, kSide, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

PixelTarget TargetOf(QImage& image)
{
    return {reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
            image.bytesPerLine() / 4};
}

// The shapes' boxes at a ratio: as the canvas hands them over (the arc's and
// the ellipse's box inset by half the pen's device width, which is 1 at
// ratio 1 and 2 at ratio 2).
struct FigureSizes {
    int pen;
    RealBox arc;
    RealBox dot;
};

FigureSizes SizesAt(int ratio)
{
    const int pen = ratio;
    const double half = pen / 2.0;
    const int arcSide = 100 * ratio;
    const int dotSide = 8 * ratio;
    const RealBox dot = ratio == 1 ? RealBox{20, 20, dotSide - 1.0, dotSide - 1.0}
                                   : RealBox{20 + half, 20 + half, dotSide - half * 2, dotSide - half * 2};
    return {pen, {10 + half, 10 + half, arcSide - half * 2, arcSide - half * 2}, dot};
}

QPen PenOf(int width)
{
    if (width <= 1)
        return QPen(Qt::black, 0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    return QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

QRectF Rect(const RealBox& box)
{
    return QRectF(box.x, box.y, box.width, box.height);
}

// Start angles sweeping round, a half turn each, as the swinging figure's arcs.
int StartOf(int i)
{
    return (i * 37) % 5760;
}

void BM_ArcOwn(benchmark::State& state)
{
    QImage image = Blank();
    const FigureSizes sizes = SizesAt(static_cast<int>(state.range(0)));
    const ShapeRaster raster(TargetOf(image), ClipBox{0, 0, kSide, kSide});
    int i = 0;
    for (auto _ : state)
        raster.Arc(sizes.arc, StartOf(i++), 2880, Paint{0}, sizes.pen);
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_ArcOwn)->Arg(1)->Arg(2);

void BM_ArcQPainter(benchmark::State& state)
{
    QImage image = Blank();
    const FigureSizes sizes = SizesAt(static_cast<int>(state.range(0)));
    QPainter painter(&image);
    painter.setPen(PenOf(sizes.pen));
    int i = 0;
    for (auto _ : state)
        painter.drawArc(Rect(sizes.arc), StartOf(i++), 2880);
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_ArcQPainter)->Arg(1)->Arg(2);

void BM_DotOwn(benchmark::State& state)
{
    QImage image = Blank();
    const FigureSizes sizes = SizesAt(static_cast<int>(state.range(0)));
    const ShapeRaster raster(TargetOf(image), ClipBox{0, 0, kSide, kSide});
    for (auto _ : state) {
        raster.FillEllipse(sizes.dot, Paint{0xFFFFFF});
        raster.OutlineEllipse(sizes.dot, Paint{0xFF0000}, sizes.pen);
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_DotOwn)->Arg(1)->Arg(2);

void BM_DotQPainter(benchmark::State& state)
{
    QImage image = Blank();
    const FigureSizes sizes = SizesAt(static_cast<int>(state.range(0)));
    QPainter painter(&image);
    const QPen pen = PenOf(sizes.pen);
    for (auto _ : state) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(Rect(sizes.dot));
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(Rect(sizes.dot));
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_DotQPainter)->Arg(1)->Arg(2);

std::vector<IntPoint> Decagon(int ratio)
{
    std::vector<IntPoint> corners;
    for (int k = 0; k < 10; ++k) {
        const double angle = k * 2 * std::numbers::pi / 10;
        const double radius = (k % 2 == 0 ? 50 : 30) * ratio;
        corners.push_back({static_cast<int>(std::lround(60 * ratio + radius * std::cos(angle))),
                           static_cast<int>(std::lround(60 * ratio + radius * std::sin(angle)))});
    }
    return corners;
}

void BM_PolygonOwn(benchmark::State& state)
{
    QImage image = Blank();
    const std::vector<IntPoint> corners = Decagon(static_cast<int>(state.range(0)));
    const ShapeRaster raster(TargetOf(image), ClipBox{0, 0, kSide, kSide});
    for (auto _ : state)
        raster.FillPolygon(corners, Paint{0x00C000});
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_PolygonOwn)->Arg(1)->Arg(2);

void BM_PolygonQPainter(benchmark::State& state)
{
    QImage image = Blank();
    QPolygon polygon;
    for (const IntPoint& p : Decagon(static_cast<int>(state.range(0))))
        polygon << QPoint(p.x, p.y);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0xC0, 0));
    for (auto _ : state)
        painter.drawPolygon(polygon, Qt::OddEvenFill);
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_PolygonQPainter)->Arg(1)->Arg(2);

} // namespace

int main(int argc, char** argv)
{
    return RunGuiBenchmarks<QGuiApplication>(argc, argv);
}
