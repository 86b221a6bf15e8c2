// The shape rasteriser on its own (standard library only, so that it runs in
// the portable builds too): paints, clipping, the midpoint ellipse, the
// one-pixel line rule, the arc's curves and the fill rule, and one picture of
// the figure's shapes whose pixels every processor must give alike.
#include "platform/raster/ArcCurves.h"
#include "platform/raster/CanvasShapeGeometry.h"
#include "platform/raster/PolygonFill.h"
#include "platform/raster/ShapeRaster.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace platform::raster;

constexpr std::uint32_t white = 0xFFFFFFFFu;

struct Buffer {
    Buffer(int width, int height) : width(width), height(height), pixels(std::size_t(width) * height, white) {}

    PixelTarget Target() { return {pixels.data(), width, height, width}; }
    ShapeRaster Raster() { return ShapeRaster(Target(), ClipBox{0, 0, width, height}); }

    // Row y as '#' for pixels that are not white, '.' for white ones.
    std::string Row(int y) const
    {
        std::string text;
        for (int x = 0; x < width; ++x)
            text += pixels[std::size_t(y) * width + x] == white ? '.' : '#';
        return text;
    }

    int width;
    int height;
    std::vector<std::uint32_t> pixels;
};

TEST(ShapeRaster, PaintsCombineWithThePixelsAndKeepToTheClipAndHatch)
{
    Buffer b(16, 4);
    SpanWriter xorWriter(b.Target(), ClipBox{2, 0, 6, 4}, Paint{0x00FF00FF, RasterOp::SourceXorDestination});
    xorWriter.Span(-5, 0, 100);
    EXPECT_EQ(b.Row(0), "..####..........");
    EXPECT_EQ(b.pixels[2], 0xFF00FF00u) << "alpha stays opaque";
    xorWriter.Span(0, 0, 16);
    EXPECT_EQ(b.Row(0), "................") << "xor twice restores";
    // The vertical hatch sets column 4 of every 8, counted from the target's origin.
    SpanWriter hatch(b.Target(), ClipBox{0, 0, 16, 4}, Paint{0, RasterOp::Copy, hatches::Vertical});
    hatch.Span(0, 1, 16);
    EXPECT_EQ(b.Row(1), "....#.......#...");
}

TEST(ShapeRaster, ArcsAreTheDesktopsCubicsAndFlattenWithinAQuarterPixel)
{
    // A part of a quarter: the piece of the quarter's cubic between the
    // parameters of 10 and 40 degrees, as QPainterPath::arcTo gives it.
    const std::vector<Cubic> arc = ArcCubics({0, 0, 200, 200}, 10, 30);
    ASSERT_EQ(arc.size(), 1u);
    const RealPoint expected[] = {{198.48918644921878, 82.58674298686951},
                                  {195.39019117990225, 64.937998882824672},
                                  {187.66323724253266, 48.883010757418873},
                                  {176.60580018312777, 35.719254156669791}};
    const RealPoint got[] = {arc[0].from, arc[0].control1, arc[0].control2, arc[0].to};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(got[i].x, expected[i].x, 1e-9) << i;
        EXPECT_NEAR(got[i].y, expected[i].y, 1e-9) << i;
    }
    // Three quarters and a part, clockwise: four pieces from 100 degrees down to -200.
    EXPECT_EQ(ArcCubics({0, 0, 200, 200}, 100, -300).size(), 5u);
    // Every flattened point of a full circle lies on or just inside it.
    for (const RealPoint& p : Flatten(EllipseCubics({0.5, 0.5, 99, 99}))) {
        const double r = std::hypot(p.x - 50, p.y - 50);
        EXPECT_GT(r, 49.5 - 0.25);
        EXPECT_LT(r, 49.5 + 0.05);
    }
}

// The figure's dots, arcs and one-pixel lines are held to the desktop's
// pixels by the sweep against QPainter and, here, by the digest below; these
// are the rules that those do not reach.
TEST(ShapeRaster, FlatEllipsesXorOutlinesAndOddEvenFillsKeepTheirRules)
{
    // A flat ellipse steps past its middle: that run is on the lower middle row only.
    Buffer flat(32, 8);
    flat.Raster().OutlineEllipse({5, 3, 20, 3}, Paint{0}, 1);
    EXPECT_EQ(flat.Row(3), "........###############.........");
    EXPECT_EQ(flat.Row(4), "...#####...............#####....");
    EXPECT_EQ(flat.Row(5), "..######...............######...");
    EXPECT_EQ(flat.Row(6), "........###############.........");
    // Each pixel once: drawn twice in xor, the outline leaves nothing.
    Buffer twice(14, 14);
    for (int i = 0; i < 2; ++i)
        twice.Raster().OutlineEllipse({3, 3, 6, 9}, Paint{0x123456, RasterOp::SourceXorDestination}, 1);
    for (int y = 0; y < 14; ++y)
        EXPECT_EQ(twice.Row(y), "..............") << y;
    // The odd-even rule leaves a star's middle out.
    Buffer star(12, 12);
    const IntPoint corners[] = {{1, 4}, {11, 4}, {2, 11}, {6, 0}, {10, 11}};
    star.Raster().FillPolygon(corners, Paint{0});
    EXPECT_EQ(star.Row(8), "...##..##...");
}

TEST(ShapeRaster, ShapesBeyondReasonDrawQuicklyAndSafely)
{
    Buffer b(16, 16);
    const ShapeRaster raster = b.Raster();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    raster.FillEllipse({nan, 0, 10, 10}, Paint{0});
    raster.Arc({0, 0, nan, 10}, 0, 5760, Paint{0}, 1);
    raster.OutlineEllipse({-1e12, -1e12, 2e12, 2e12}, Paint{0}, 2);
    raster.Arc({-1e12, 0, 2e12, 1e12}, 0, 2880, Paint{0}, 1);
    // A whole-pixel box far larger than any target is not walked pixel by
    // pixel: its inside covers the target.
    raster.FillEllipse({-(1 << 30), -(1 << 30), 2.0 * (1 << 30), 2.0 * (1 << 30)}, Paint{0});
    EXPECT_EQ(b.Row(8), "################");
    Buffer clipped(16, 16);
    ShapeRaster(clipped.Target(), ClipBox{8, 8, 8, 20}).FillEllipse({0, 0, 15, 15}, Paint{0});
    for (int y = 0; y < 16; ++y)
        EXPECT_EQ(clipped.Row(y), "................") << "an empty clip stops the fill";
}

// FNV-1a of the pixels.
std::uint64_t Digest(const std::vector<std::uint32_t>& pixels)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const std::uint32_t p : pixels) {
        hash ^= p;
        hash *= 1099511628211ull;
    }
    return hash;
}

TEST(ShapeRaster, TheFiguresShapesHaveTheSamePixelsOnEveryProcessor)
{
    // Half circles of the figure's rounded ends and its dots at a sweep of
    // angles, at ratios 1 and 2 (pen widths 1 and 2).
    Buffer b(260, 260);
    const ShapeRaster raster = b.Raster();
    for (const int ratio : {1, 2}) {
        for (int step = 0; step < 24; ++step) {
            const double angle = step * 0.2617993877991494;
            const int cx = 120;
            const int cy = 120;
            const int r = 50 * ratio;
            const RealPoint from{cx + r * std::cos(angle), cy - r * std::sin(angle)};
            const RealPoint to{cx - r * std::cos(angle), cy + r * std::sin(angle)};
            const ArcShape arc = ArcOnBox(cx - r, cy - r, cx + r, cy + r, from, to, ratio);
            raster.Arc(arc.box, arc.start16, arc.span16, Paint{std::uint32_t(step * 0x0A0B0C)}, ratio);
            const RealBox dot = EllipseShapeBox(cx - 4 * ratio + step, cy - 4 * ratio, cx + 4 * ratio + step,
                                                cy + 4 * ratio, ratio == 1, ratio);
            raster.FillEllipse(dot, Paint{0x00C000, RasterOp::SourceXorDestination});
            raster.OutlineEllipse(dot, Paint{0xFF0000, RasterOp::NotSourceXorDestination}, ratio);
        }
    }
    EXPECT_EQ(Digest(b.pixels), 578931340503530349u);
}

} // namespace
