// The canvas on targets with a device pixel ratio above 1: logical
// coordinates drawn at the target's resolution.
#include "platform/Canvas.h"
#include "platform/DeviceMapping.h"

#include "platform/qt/QtCanvasTarget.h"
#include "platform/qt/QtPixels.h"
#include "tests/platform/CanvasSurface.h"
#include "tests/support/TestImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

namespace {

using canvas_testing::Surface;
using platform::Canvas;
using platform::DeviceMapping;
using testing_support::countPixelsNot;
using testing_support::rgbAt;

constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kBlack = 0x000000;
constexpr unsigned kRed = 0xFF0000;

// The same drawing written directly (an RGB32 image) and through QPainter
// (an image of another format), at a ratio, clipped alike.
class BothPaths {
public:
    BothPaths(double ratio, const QRect& clip)
        : direct_(60, 50, kWhite, ratio)
        , painted_(direct_.image.size(), QImage::Format_ARGB32_Premultiplied)
    {
        painted_.fill(Qt::white);
        painted_.setDevicePixelRatio(ratio);
        platform::qt::BindImage(filled_, &painted_);
        for (Canvas* canvas : Canvases())
            canvas->IntersectClipRect(clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1);
    }

    std::array<Canvas*, 2> Canvases() { return {&direct_.canvas, &filled_}; }
    const QImage& Direct() const { return direct_.image; }
    QImage Painted()
    {
        filled_.Unbind();
        return painted_.convertToFormat(QImage::Format_RGB32);
    }

private:
    Surface direct_;
    QImage painted_;
    Canvas filled_;
};

// Fills, one-pixel outlines, rows and columns in both directions, a dotted
// row and a clip: everything whose pixels are whole logical pixels.
void DrawAxisAlignedScene(Canvas& canvas)
{
    canvas.Brush().SetColor(clRed);
    canvas.FillRect(2, 3, 9, 7);
    canvas.Brush().SetColor(clWhite);
    canvas.Rectangle(12, 2, 30, 12);
    canvas.MoveTo(3, 20);
    canvas.LineTo(25, 20);
    canvas.MoveTo(25, 22);
    canvas.LineTo(3, 22);
    canvas.MoveTo(32, 2);
    canvas.LineTo(32, 25);
    canvas.MoveTo(35, 25);
    canvas.LineTo(35, 2);
    canvas.Pen().SetAlternateDots(true);
    canvas.MoveTo(3, 26);
    canvas.LineTo(30, 26);
    canvas.Pen().SetStyle(psSolid);
    canvas.IntersectClipRect(5, 10, 20, 16);
    canvas.MoveTo(0, 13);
    canvas.LineTo(40, 13);
    canvas.RemoveClip();
}

TEST(CanvasDeviceRatio, AtAWholeRatioEveryLogicalPixelBecomesItsDeviceBlock)
{
    Surface single(40, 30);
    DrawAxisAlignedScene(single.canvas);
    for (const double ratio : {2.0, 3.0}) {
        Surface scaled(40, 30, kWhite, ratio);
        DrawAxisAlignedScene(scaled.canvas);
        const int r = static_cast<int>(ratio);
        int mismatches = 0;
        for (int y = 0; y < scaled.image.height(); ++y)
            for (int x = 0; x < scaled.image.width(); ++x)
                mismatches += rgbAt(scaled.image, x, y) != rgbAt(single.image, x / r, y / r);
        EXPECT_EQ(mismatches, 0) << "ratio " << ratio;
    }
}

TEST(CanvasDeviceRatio, AtAFractionalRatioLinesTakeThePenWidthOverTheirLogicalPixels)
{
    Surface s(40, 30, kWhite, 1.5);
    const DeviceMapping& map = s.canvas.Mapping();
    ASSERT_EQ(map.PenWidth(1), 2);
    s.canvas.MoveTo(3, 11);
    s.canvas.LineTo(25, 11);
    s.canvas.MoveTo(31, 25);
    s.canvas.LineTo(31, 2);
    // The row 11 line: device columns from the edge of pixel 3 to that of 25,
    // two rows that take in logical row 11's block.
    const int row = map.PixelLine(11, 1);
    const int column = map.PixelLine(31, 1);
    for (int x = 0; x < column - 1; ++x) {
        const bool along = x >= map.Edge(3) && x < map.Edge(25);
        EXPECT_EQ(rgbAt(s.image, x, row - 1) == kBlack, along) << x;
        EXPECT_EQ(rgbAt(s.image, x, row) == kBlack, along) << x;
    }
    EXPECT_LE(row - 1, map.Edge(11));
    EXPECT_GE(row, map.Edge(12) - 1);
    // The column running up: logical rows 3 .. 25, its start pixel's block included.
    for (int y = 0; y < s.image.height(); ++y) {
        const bool along = y >= map.Edge(3) && y < map.Edge(26);
        EXPECT_EQ(rgbAt(s.image, column, y) == kBlack, along) << y;
    }
    EXPECT_EQ(countPixelsNot(s.image, kWhite, 0, 0, s.image.width(), s.image.height()),
              2 * (map.Edge(25) - map.Edge(3)) + 2 * (map.Edge(26) - map.Edge(3)));
}

TEST(CanvasDeviceRatio, ARubberBandInNotXorIsARingOfThePenWidthAndDrawingItTwiceRestores)
{
    for (const double ratio : {1.5, 2.0}) {
        Surface s(60, 40, kWhite, ratio);
        for (int y = 0; y < s.image.height(); ++y)
            for (int x = 0; x < s.image.width(); ++x)
                s.image.setPixel(x, y, qRgb(x * 7 % 256, y * 11 % 256, (x * y) % 256));
        const QImage before = s.image.copy();
        s.canvas.Pen().Assign({clBlack, 1, psSolid, pmNotXor});
        s.canvas.Brush().SetStyle(bsClear);
        s.canvas.Rectangle(5, 4, 50, 33);
        // The ring's edges lie on one-pixel lines along the box's edge pixels.
        const DeviceMapping& map = s.canvas.Mapping();
        const int w = map.PenWidth(1);
        const auto across = [&](int p) { return platform::LineCrossSection(map.PixelLine(p, 1), w); };
        const int width = across(49).last + 1 - across(5).first;
        const int height = across(32).last + 1 - across(4).first;
        int changed = 0;
        for (int y = 0; y < s.image.height(); ++y)
            for (int x = 0; x < s.image.width(); ++x)
                changed += s.image.pixel(x, y) != before.pixel(x, y);
        EXPECT_EQ(changed, width * height - (width - 2 * w) * (height - 2 * w)) << "ratio " << ratio;
        s.canvas.Rectangle(5, 4, 50, 33);
        EXPECT_EQ(s.image, before) << "ratio " << ratio;
    }
}

// The columns of a line along x: each holds exactly the pen width's rows,
// in one run, around the row of the nearest-pixel centre line.
TEST(CanvasDeviceRatio, DeviceLinesWidenTheNearestPixelCentreLineAcrossIt)
{
    Surface s(50, 50, kWhite, 2.0);
    const QPoint from(3, 10);
    const QPoint to(90, 47);
    s.canvas.DrawDeviceLine(from, to);
    const int width = s.canvas.Mapping().PenWidth(1);
    for (int x = 0; x < s.image.width(); ++x) {
        int first = -1;
        int count = 0;
        for (int y = 0; y < s.image.height(); ++y) {
            if (rgbAt(s.image, x, y) != kBlack)
                continue;
            if (first < 0)
                first = y;
            ++count;
            EXPECT_EQ(y, first + count - 1) << "one run in column " << x;
        }
        if (x < from.x() || x >= to.x()) {
            EXPECT_EQ(count, 0) << x;
            continue;
        }
        EXPECT_EQ(count, width) << x;
        // The centre is the pixel nearest to the ideal line (ties upwards).
        const double ideal = from.y() + (x - from.x()) * double(to.y() - from.y()) / (to.x() - from.x());
        const int centre = first + width / 2;
        EXPECT_LE(std::abs(centre - ideal), 0.5) << x;
    }
}

TEST(CanvasDeviceRatio, ClippingStopsTextAndWideLinesAtTheClipsDeviceEdges)
{
    Surface s(80, 40, kWhite, 1.5);
    const DeviceMapping& map = s.canvas.Mapping();
    s.canvas.IntersectClipRect(10, 5, 40, 30);
    s.canvas.Font().SetName("Arial");
    s.canvas.Font().SetPixelHeight(20);
    s.canvas.SetBackgroundMode(bkOpaque);
    s.canvas.SetBackgroundColor(clRed);
    s.canvas.TextOut(30, 20, "WWWW");
    s.canvas.DrawDeviceLine(QPoint(0, map.Edge(5)), QPoint(s.image.width(), map.Edge(5) + 3));
    s.canvas.Pen().SetWidth(3);
    s.canvas.MoveTo(0, 29);
    s.canvas.LineTo(80, 29);
    const QRect clip(QPoint(map.Edge(10), map.Edge(5)), QPoint(map.Edge(40) - 1, map.Edge(30) - 1));
    int outside = 0;
    int inside = 0;
    for (int y = 0; y < s.image.height(); ++y)
        for (int x = 0; x < s.image.width(); ++x) {
            const bool drawn = rgbAt(s.image, x, y) != kWhite;
            outside += drawn && !clip.contains(x, y);
            inside += drawn && clip.contains(x, y);
        }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(inside, 0);
    EXPECT_EQ(rgbAt(s.image, map.Edge(30), map.Edge(25)), kRed) << "the text's background box";
}

TEST(CanvasDeviceRatio, ShapesAndBlockCopiesLieOnTheDeviceBoxesOfTheirLogicalCorners)
{
    Surface s(60, 60, kWhite, 2.0);
    s.canvas.Brush().SetColor(clRed);
    s.canvas.Ellipse(10, 10, 30, 40);
    const QRect box(QPoint(20, 20), QPoint(59, 79));
    int outside = 0;
    QRect drawn;
    for (int y = 0; y < s.image.height(); ++y)
        for (int x = 0; x < s.image.width(); ++x)
            if (rgbAt(s.image, x, y) != kWhite) {
                drawn |= QRect(x, y, 1, 1);
                outside += !box.contains(x, y);
            }
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(drawn, box) << "the outline touches every side of the box";
    EXPECT_EQ(rgbAt(s.image, 40, 50), kRed);
    EXPECT_EQ(rgbAt(s.image, 40, 20), kBlack);
    EXPECT_EQ(rgbAt(s.image, 40, 21), kBlack) << "two device pixels thick";

    QImage patch(6, 4, QImage::Format_RGB32);
    patch.fill(QColor::fromRgb(kBlack));
    patch.setPixel(0, 0, qRgb(0, 0, 255));
    s.canvas.Draw(45, 3, platform::qt::BorrowPixels(patch));
    EXPECT_EQ(rgbAt(s.image, 90, 6), 0x0000FFu) << "one device pixel a patch pixel";
    EXPECT_EQ(countPixelsNot(s.image, kWhite, 90, 6, 96, 10), 24);
    EXPECT_EQ(countPixelsNot(s.image, kWhite, 88, 0, 120, 20), 24);
}

// The direct writer (copy mode on RGB32) and the runs QPainter fills (any
// other target) widen the same centre pixels, steep lines and clipped ones
// included.
TEST(CanvasDeviceRatio, WideLinesAreTheSameWrittenDirectlyAndFilledThroughQPainter)
{
    std::mt19937 random(17);
    std::uniform_int_distribution<int> coordinate(-40, 160);
    for (const double ratio : {1.5, 2.0, 3.0}) {
        BothPaths both(ratio, QRect(QPoint(4, 3), QPoint(54, 45)));
        for (int i = 0; i < 300; ++i) {
            const QPoint from(coordinate(random), coordinate(random));
            const QPoint to(coordinate(random), coordinate(random));
            for (Canvas* canvas : both.Canvases())
                canvas->DrawDeviceLine(from, to);
        }
        EXPECT_EQ(both.Direct(), both.Painted()) << "ratio " << ratio;
        EXPECT_GT(countPixelsNot(both.Direct(), kWhite, 0, 0, both.Direct().width(), both.Direct().height()), 1000);
    }
}

// Lines along rows and columns, solid and in every dash pattern with their
// gaps left alone or filled, in both directions and clipped: the direct
// writer fills each stretch of a dash at once, and sets the pixels that
// QPainter fills step by step along the traced line.
TEST(CanvasDeviceRatio, StraightLinesAreTheSameWrittenDirectlyAndFilledThroughQPainter)
{
    std::mt19937 random(23);
    std::uniform_int_distribution<int> coordinate(-40, 160);
    std::uniform_int_distribution<int> pick(0, 5);
    for (const double ratio : {1.0, 1.5, 2.0, 3.0}) {
        BothPaths both(ratio, QRect(QPoint(4, 3), QPoint(54, 45)));
        for (int i = 0; i < 400; ++i) {
            const QPoint from(coordinate(random), coordinate(random));
            const QPoint to = i % 2 == 0 ? QPoint(coordinate(random), from.y()) : QPoint(from.x(), coordinate(random));
            const int style = pick(random);
            for (Canvas* canvas : both.Canvases()) {
                canvas->Pen().SetColor(static_cast<TColor>(i * 0x10305));
                canvas->Pen().SetStyle(style < 5 ? static_cast<TPenStyle>(style) : psSolid);
                canvas->Pen().SetAlternateDots(style == 5);
                canvas->SetBackgroundMode(i % 3 == 0 ? bkOpaque : bkTransparent);
                canvas->SetBackgroundColor(static_cast<TColor>(i * 0x30201));
                canvas->DrawDeviceLine(from, to);
            }
        }
        EXPECT_EQ(both.Direct(), both.Painted()) << "ratio " << ratio;
        EXPECT_GT(countPixelsNot(both.Direct(), kWhite, 0, 0, both.Direct().width(), both.Direct().height()), 1000);
    }
}

// Pens wider than a pixel (the chart's axis lines) along rows and columns:
// the direct writer sets the pixels QPainter's round caps give them, long
// lines and short ones, clipped ones, at every ratio.
TEST(CanvasDeviceRatio, WidePensAlongRowsAndColumnsAreTheSameWrittenDirectlyAndDrawnByQPainter)
{
    std::mt19937 random(29);
    std::uniform_int_distribution<int> coordinate(-10, 70);
    std::uniform_int_distribution<int> length(0, 40);
    for (const double ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5}) {
        BothPaths both(ratio, QRect(QPoint(3, 2), QPoint(55, 46)));
        for (int i = 0; i < 300; ++i) {
            const QPoint from(coordinate(random), coordinate(random));
            const int reach = length(random) * (i % 4 < 2 ? 1 : -1);
            const QPoint to = i % 2 == 0 ? from + QPoint(reach, 0) : from + QPoint(0, reach);
            for (Canvas* canvas : both.Canvases()) {
                canvas->Pen().SetWidth(2 + i % 3);
                canvas->Pen().SetColor(static_cast<TColor>(i * 0x20103));
                canvas->MoveTo(from.x(), from.y());
                canvas->LineTo(to.x(), to.y());
            }
        }
        EXPECT_EQ(both.Direct(), both.Painted()) << "ratio " << ratio;
    }
}

// A one-pixel rectangle outline and one-pixel lines along its edge pixels
// take the same device rows (top and bottom edge) and columns (left and
// right edge) at fractional ratios too, where a rectangle's device box and
// a line's device pixels are rounded differently; and a two-pixel line along
// an edge holds it, as the chart's axis line holds its wall's edge.
TEST(CanvasDeviceRatio, ARectanglesEdgesLieOnTheLinesAlongItsEdgePixels)
{
    std::mt19937 random(31);
    std::uniform_int_distribution<int> corner(2, 60);
    for (const double ratio : {1.25, 1.5, 1.75, 2.5}) {
        for (int i = 0; i < 60; ++i) {
            const int x0 = corner(random);
            const int y0 = corner(random);
            const int x1 = x0 + 5 + corner(random) % 20;
            const int y1 = y0 + 5 + corner(random) % 20;
            Surface outline(90, 90, kWhite, ratio);
            outline.canvas.Brush().SetStyle(bsClear);
            outline.canvas.Rectangle(x0, y0, x1, y1);
            // The device pixels set across the outline half way along each edge.
            const DeviceMapping& map = outline.canvas.Mapping();
            const int midX = map.Edge((x0 + x1) / 2);
            const int midY = map.Edge((y0 + y1) / 2);
            const auto set = [](const QImage& image, bool row, int at, int from, int to) {
                std::vector<int> found;
                for (int k = from; k < to; ++k)
                    if (rgbAt(image, row ? k : at, row ? at : k) == kBlack)
                        found.push_back(k);
                return found;
            };
            // A line along a row or a column, right across the surface.
            const auto lineAlong = [ratio](bool row, int p) {
                Surface line(90, 90, kWhite, ratio);
                line.canvas.MoveTo(row ? 0 : p, row ? p : 0);
                line.canvas.LineTo(row ? 90 : p, row ? p : 90);
                line.canvas.Unbind();
                return line.image;
            };
            SCOPED_TRACE(testing::Message() << "ratio " << ratio << ", " << x0 << "," << y0 << " " << x1 << "," << y1);
            // A wider line along the left edge holds the edge, as at ratio 1.
            const auto wideAlong = [ratio](int x, bool withOutline, int x0, int y0, int x1, int y1) {
                Surface line(90, 90, kWhite, ratio);
                line.canvas.Brush().SetStyle(bsClear);
                if (withOutline)
                    line.canvas.Rectangle(x0, y0, x1, y1);
                line.canvas.Pen().SetWidth(2);
                line.canvas.MoveTo(x, 0);
                line.canvas.LineTo(x, 90);
                line.canvas.Unbind();
                return line.image;
            };
            EXPECT_EQ(set(wideAlong(x0, true, x0, y0, x1, y1), true, midY, 0, midX),
                      set(wideAlong(x0, false, x0, y0, x1, y1), true, midY, 0, midX));
            const QImage& drawn = outline.image;
            EXPECT_EQ(set(drawn, false, midX, 0, midY), set(lineAlong(true, y0), false, midX, 0, midY));
            EXPECT_EQ(set(drawn, false, midX, midY, drawn.height()),
                      set(lineAlong(true, y1 - 1), false, midX, midY, drawn.height()));
            EXPECT_EQ(set(drawn, true, midY, 0, midX), set(lineAlong(false, x0), true, midY, 0, midX));
            EXPECT_EQ(set(drawn, true, midY, midX, drawn.width()),
                      set(lineAlong(false, x1 - 1), true, midY, midX, drawn.width()));
        }
    }
}

} // namespace
