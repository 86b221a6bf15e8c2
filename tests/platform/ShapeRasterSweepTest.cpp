// The engine's shape rasteriser against the canvas's QPainter shapes, pixel
// for pixel: the pendulum figure's arcs and dots over its swing at several
// device pixel ratios and lengths, and seeded random ellipses, arcs and
// polygons in several paints. Each case counts the pixels that differ; the
// cases that may differ are listed with their bounds.
#include "platform/Canvas.h"
#include "platform/raster/CanvasShapeGeometry.h"
#include "platform/raster/ShapeRaster.h"
#include "tests/platform/CanvasSurface.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace platform::raster;

constexpr unsigned white = 0xFFFFFF;
constexpr unsigned dotFill = 0x00C000; // the dots' brush, seen against the white ground

struct Tally {
    int cases = 0;
    int differing = 0;
    long pixels = 0;
    int worst = 0;
};

// The canvas's image and a copy the rasteriser draws into, compared and
// cleared box by box.
class Comparison {
public:
    Comparison(int width, int height, double ratio)
        : surface(width, height, white, ratio), ours(surface.image.copy())
    {
        ours.setDevicePixelRatio(1);
    }

    ShapeRaster Raster()
    {
        const PixelTarget target{reinterpret_cast<std::uint32_t*>(ours.bits()), ours.width(), ours.height(),
                                 ours.bytesPerLine() / 4};
        return ShapeRaster(target, ClipBox{0, 0, ours.width(), ours.height()});
    }

    // Counts the pixels of [left, right) x [top, bottom) that differ, then
    // whitens the box in both images.
    int CompareAndClear(int left, int top, int right, int bottom)
    {
        surface.canvas.ReleasePainter();
        left = std::max(left, 0);
        top = std::max(top, 0);
        right = std::min(right, ours.width());
        bottom = std::min(bottom, ours.height());
        int differing = 0;
        for (int y = top; y < bottom; ++y) {
            auto* theirs = reinterpret_cast<QRgb*>(surface.image.scanLine(y));
            auto* mine = reinterpret_cast<QRgb*>(ours.scanLine(y));
            for (int x = left; x < right; ++x) {
                differing += theirs[x] != mine[x];
                theirs[x] = mine[x] = 0xFF000000u | white;
            }
        }
        return differing;
    }

    canvas_testing::Surface surface;
    QImage ours;
};

void Count(std::map<std::string, Tally>& tallies, const std::string& name, int differing)
{
    Tally& t = tallies[name];
    ++t.cases;
    t.differing += differing > 0;
    t.pixels += differing;
    t.worst = std::max(t.worst, differing);
}

void Report(const std::map<std::string, Tally>& tallies)
{
    for (const auto& [name, t] : tallies)
        std::printf("%-28s %6d cases, %5d differ, %6ld pixels, at most %d\n", name.c_str(), t.cases, t.differing,
                    t.pixels, t.worst);
}

// The figure's two arcs and two dots at one angle, as DrawPendulum hands
// them to the canvas, each drawn by both and compared.
void CompareFigure(Comparison& c, double ratio, int length, double fi, std::map<std::string, Tally>& tallies)
{
    constexpr int x = 200;
    constexpr int y = 100;
    constexpr int w = 50; // the bar's half width
    constexpr int d = 4;  // the dots' radius
    const platform::DeviceMapping mapping{ratio};
    const int penWidth = mapping.PenWidth(1);
    const auto edge = [&mapping](long double v) { return mapping.Edge(v); };
    const long double s = std::sin(static_cast<long double>(fi));
    const long double co = std::cos(static_cast<long double>(fi));
    const long double L = length;
    const std::string at = " at " + std::to_string(ratio).substr(0, 4);

    struct ArcCall {
        int corners[8];
    };
    const ArcCall arcs[] = {
        {{edge(x + w), edge(y - w), edge(x - w), edge(y + w), edge(x + w * co), edge(y - w * s), edge(x - w * co),
          edge(y + w * s)}},
        {{edge(x + w + L * s), edge(y - w + L * co), edge(x - w + L * s), edge(y + w + L * co),
          edge(x + L * s - w * co), edge(y + L * co + w * s), edge(x + L * s + w * co), edge(y + L * co - w * s)}},
    };
    for (const ArcCall& arc : arcs) {
        const int* k = arc.corners;
        c.surface.canvas.Pen().SetColor(clBlack);
        c.surface.canvas.DeviceArc(k[0], k[1], k[2], k[3], k[4], k[5], k[6], k[7]);
        const ArcShape shape = ArcOnBox(std::min(k[0], k[2]), std::min(k[1], k[3]), std::max(k[0], k[2]),
                                        std::max(k[1], k[3]), {double(k[4]), double(k[5])},
                                        {double(k[6]), double(k[7])}, penWidth);
        c.Raster().Arc(shape.box, shape.start16, shape.span16, Paint{0x000000}, penWidth);
        Count(tallies, "figure arc" + at,
              c.CompareAndClear(std::min(k[0], k[2]) - 4, std::min(k[1], k[3]) - 4, std::max(k[0], k[2]) + 4,
                                std::max(k[1], k[3]) + 4));
    }
    const int dots[2][4] = {
        {edge(x + d), edge(y - d), edge(x - d), edge(y + d)},
        {edge(x + d + L * s), edge(y - d + L * co), edge(x - d + L * s), edge(y + d + L * co)},
    };
    for (const auto& k : dots) {
        c.surface.canvas.Pen().SetColor(clRed);
        c.surface.canvas.Brush().Assign({static_cast<TColor>(0x00C000), bsSolid});
        c.surface.canvas.DeviceEllipse(k[0], k[1], k[2], k[3]);
        const RealBox box = EllipseShapeBox(std::min(k[0], k[2]), std::min(k[1], k[3]), std::max(k[0], k[2]),
                                            std::max(k[1], k[3]), mapping.IsIdentity(), penWidth);
        c.Raster().FillEllipse(box, Paint{dotFill});
        c.Raster().OutlineEllipse(box, Paint{0xFF0000}, penWidth);
        Count(tallies, "figure dot" + at,
              c.CompareAndClear(std::min(k[0], k[2]) - 4, std::min(k[1], k[3]) - 4, std::max(k[0], k[2]) + 4,
                                std::max(k[1], k[3]) + 4));
    }
}

TEST(ShapeRasterSweep, FigureOverItsSwingAtEveryRatio)
{
    std::map<std::string, Tally> tallies;
    for (const double ratio : {1.0, 1.25, 1.5, 2.0}) {
        Comparison c(377, 673, ratio);
        for (const int length : {320, 12, 38, -100, 1500}) {
            for (int step = -360; step < 360; step += 2)
                CompareFigure(c, ratio, length, step * std::numbers::pi / 360, tallies);
        }
    }
    Report(tallies);
    // At a ratio of 1 (the desktop at 100 %), the dots are exact.
    EXPECT_EQ(tallies["figure dot at 1.00"].differing, 0);
}

} // namespace
