// Shapes, pen modes, styles, clipping and block copies of the canvas, on pixels.
#include "platform/Canvas.h"

#include "platform/qt/QtCanvasTarget.h"
#include "platform/qt/QtPixels.h"
#include "tests/platform/CanvasSurface.h"
#include "tests/support/TestImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using canvas_testing::Surface;
using platform::Canvas;
using testing_support::countPixelsNot;
using testing_support::rgbAt;

constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kBlack = 0x000000;
constexpr unsigned kRed = 0xFF0000;
constexpr unsigned kGreen = 0x008000;

// A background where every pixel differs, so that drawing twice in an
// inverting mode shows any pixel hit an odd number of times.
void paintGradient(QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 11 % 256, (x * y) % 256));
}

TEST(CanvasRectangle, OutlinesTheBoxWithoutItsRightColumnAndBottomRowInAnyCornerOrder)
{
    const int corners[][4] = {{10, 10, 20, 20}, {20, 20, 10, 10}, {20, 10, 10, 20}, {10, 20, 20, 10}};
    for (const auto& c : corners) {
        Surface s(30, 30);
        s.canvas.Brush().SetColor(clRed);
        s.canvas.Rectangle(c[0], c[1], c[2], c[3]);
        EXPECT_EQ(s.row(10, 8, 22), "..##########..");
        EXPECT_EQ(s.row(19, 8, 22), "..##########..");
        EXPECT_EQ(s.column(10, 8, 22), "..##########..");
        EXPECT_EQ(s.column(19, 8, 22), "..##########..");
        EXPECT_EQ(s.row(15, 8, 22, kRed), "...########...");
        EXPECT_EQ(countPixelsNot(s.image, kWhite, 0, 0, 30, 30), 100);
    }
}

TEST(CanvasRectangle, ClearPenFillsTheWholeBoxAndClearBrushOnlyOutlines)
{
    Surface filled(30, 30);
    filled.canvas.Pen().SetStyle(psClear);
    filled.canvas.Brush().SetColor(clRed);
    filled.canvas.Rectangle(10, 10, 20, 20);
    EXPECT_EQ(filled.row(10, 8, 22, kRed), "..##########..");
    EXPECT_EQ(countPixelsNot(filled.image, kWhite, 0, 0, 30, 30), 100);
    EXPECT_EQ(countPixelsNot(filled.image, kRed, 10, 10, 20, 20), 0);

    Surface outlined(30, 30, kGreen);
    outlined.canvas.Brush().SetStyle(bsClear);
    outlined.canvas.Rectangle(10, 10, 20, 20);
    EXPECT_EQ(outlined.row(10, 8, 22), "..##########..");
    EXPECT_EQ(countPixelsNot(outlined.image, kGreen, 11, 11, 19, 19), 0);
}

TEST(CanvasRectangle, EmptyBoxesDrawNothingAndThinOnesAreOneLine)
{
    Surface s(20, 20);
    s.canvas.Rectangle(5, 5, 5, 12);
    s.canvas.Rectangle(5, 5, 12, 5);
    EXPECT_EQ(countPixelsNot(s.image, kWhite, 0, 0, 20, 20), 0);
    s.canvas.Rectangle(3, 2, 4, 8);
    s.canvas.Rectangle(6, 2, 12, 3);
    EXPECT_EQ(s.column(3, 0, 10), "..######..");
    EXPECT_EQ(s.row(2, 4, 14), "..######..");
}

TEST(CanvasPenModes, NotXorDrawnTwiceRestoresEveryPixel)
{
    Surface s(40, 40);
    paintGradient(s.image);
    const QImage before = s.image;
    s.canvas.Pen().SetMode(pmNotXor);
    s.canvas.Brush().SetStyle(bsClear);
    const auto draw = [&] {
        s.canvas.Rectangle(30, 28, 4, 3);
        s.canvas.Rectangle(8, 8, 9, 20);
        s.canvas.Rectangle(12, 35, 25, 36);
        s.canvas.MoveTo(2, 38);
        s.canvas.LineTo(37, 1);
        const platform::Point zigzag[] = {{1, 1}, {20, 5}, {3, 12}, {30, 30}};
        s.canvas.Polyline(zigzag);
    };
    draw();
    EXPECT_NE(s.image, before);
    EXPECT_EQ(rgbAt(s.image, 4, 3), ~rgbAt(before, 4, 3) & 0xFFFFFF) << "not-xor of a black pen inverts";
    draw();
    EXPECT_EQ(s.image, before);
}

TEST(CanvasPenModes, ModesApplyToLinesButFillRectAlwaysCopies)
{
    Surface s(10, 5, 0x336699);
    s.canvas.Pen().SetColor(clWhite);
    const TPenMode modes[] = {pmXor, pmNot, pmBlack, pmNop};
    for (int y = 0; y < 4; ++y) {
        s.canvas.Pen().SetMode(modes[y]);
        s.canvas.MoveTo(0, y);
        s.canvas.LineTo(5, y);
    }
    EXPECT_EQ(s.column(2, 0, 4, 0xCC9966), "##..");
    EXPECT_EQ(rgbAt(s.image, 2, 2), kBlack);
    EXPECT_EQ(rgbAt(s.image, 2, 3), 0x336699u);
    s.canvas.Pen().SetMode(pmNotXor);
    s.canvas.Brush().SetColor(clRed);
    s.canvas.FillRect(6, 0, 10, 5);
    EXPECT_EQ(countPixelsNot(s.image, kRed, 6, 0, 10, 5), 0);
}
TEST(CanvasLines, PolylineLeavesOutOnlyItsLastPointAndKeepsThePenPosition)
{
    Surface s(16, 12);
    s.canvas.MoveTo(1, 1);
    const platform::Point points[] = {{2, 2}, {10, 2}, {10, 8}, {4, 8}};
    s.canvas.Polyline(points);
    EXPECT_EQ(s.row(2, 0, 12), "..#########.");
    EXPECT_EQ(s.column(10, 0, 10), "..#######.");
    EXPECT_EQ(s.row(8, 0, 12), ".....######.");
    EXPECT_EQ(countPixelsNot(s.image, kWhite, 0, 0, 16, 12), 20);
    EXPECT_EQ(s.canvas.PenPos(), platform::Point(1, 1));
}

TEST(CanvasLines, WidePenIsSolidAndCoversTheEndPoints)
{
    Surface s(20, 10);
    s.canvas.Pen().SetWidth(3);
    s.canvas.Pen().SetStyle(psDot);
    s.canvas.MoveTo(5, 5);
    s.canvas.LineTo(15, 5);
    EXPECT_EQ(s.row(5, 5, 16), "###########");
    EXPECT_EQ(s.column(10, 4, 7), "###");
    EXPECT_EQ(rgbAt(s.image, 10, 2), kWhite);
    EXPECT_EQ(rgbAt(s.image, 10, 8), kWhite);
}

TEST(CanvasLines, HorizontalAndVerticalLinesCoverTheirCrossSection)
{
    for (int width = 0; width <= 7; ++width) {
        SCOPED_TRACE(width);
        Surface s(30, 30);
        s.canvas.Pen().SetWidth(width);
        s.canvas.MoveTo(10, 12);
        s.canvas.LineTo(20, 12);
        s.canvas.MoveTo(5, 20);
        s.canvas.LineTo(5, 28);
        const platform::PixelSpan rows = platform::LineCrossSection(12, width);
        const platform::PixelSpan columns = platform::LineCrossSection(5, width);
        EXPECT_EQ(rows.last - rows.first + 1, std::max(width, 1));
        for (int y = 0; y < 20; ++y)
            EXPECT_EQ(rgbAt(s.image, 15, y) == 0, rows.first <= y && y <= rows.last) << y;
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(rgbAt(s.image, x, 24) == 0, columns.first <= x && x <= columns.last) << x;
    }
}

TEST(CanvasLines, DottedPenLeavesItsGapsOnATransparentBackgroundAndFillsThemOnAnOpaqueOne)
{
    Surface s(20, 4, kGreen);
    s.canvas.Pen().SetStyle(psDot);
    s.canvas.SetBackgroundMode(bkTransparent);
    s.canvas.MoveTo(1, 1);
    s.canvas.LineTo(19, 1);
    s.canvas.SetBackgroundMode(bkOpaque);
    s.canvas.SetBackgroundColor(clYellow);
    s.canvas.MoveTo(1, 2);
    s.canvas.LineTo(19, 2);
    EXPECT_EQ(s.row(1, 0, 20), ".###...###...###....");
    EXPECT_EQ(s.row(1, 0, 20, kGreen), "#...###...###...####");
    EXPECT_EQ(s.row(2, 0, 20), ".###...###...###....");
    EXPECT_EQ(s.row(2, 0, 20, 0xFFFF00), "....###...###...###.");
}

TEST(CanvasLines, AlternateDotsPenSetsEveryOtherPixelFromTheStart)
{
    Surface s(16, 12);
    s.canvas.Pen().SetAlternateDots(true);
    s.canvas.SetBackgroundMode(bkTransparent);
    s.canvas.MoveTo(1, 1);
    s.canvas.LineTo(12, 1);
    s.canvas.MoveTo(2, 11);
    s.canvas.LineTo(2, 3);
    EXPECT_EQ(s.row(1, 0, 14), ".#.#.#.#.#.#..");
    EXPECT_EQ(s.column(2, 2, 12), "...#.#.#.#");
    s.canvas.Pen().SetColor(clBlack);
    EXPECT_FALSE(s.canvas.Pen().AlternateDots()) << "setting the pen makes it ordinary again";
}

TEST(CanvasShapes, PivotDotIsTheEllipseInscribedInItsBox)
{
    Surface s(220, 120);
    s.canvas.Pen().SetColor(clRed);
    s.canvas.Brush().SetColor(clWhite);
    s.canvas.Ellipse(204, 96, 196, 104);
    EXPECT_EQ(s.row(100, 194, 206, kRed), "..#......#..");
    EXPECT_EQ(s.column(200, 94, 106, kRed), "..#......#..");
    EXPECT_EQ(countPixelsNot(s.image, kWhite, 0, 0, 220, 96), 0);
    EXPECT_EQ(countPixelsNot(s.image, kWhite, 204, 0, 220, 120), 0);
}

TEST(CanvasShapes, ArcIsTheUpperHalfCircleAroundThePivot)
{
    // The pendulum's rounded end around the pivot (200, 100) when it hangs straight.
    Surface s(400, 200);
    s.canvas.Arc(250, 50, 150, 150, 250, 100, 150, 100);
    EXPECT_EQ(countPixelsNot(s.image, kWhite, 0, 100, 400, 200), 0) << "nothing below the centre row";
    EXPECT_EQ(countPixelsNot(s.image, kWhite, 0, 0, 400, 50), 0);
    EXPECT_EQ(countPixelsNot(s.image, kWhite, 0, 0, 150, 200), 0);
    EXPECT_EQ(countPixelsNot(s.image, kWhite, 250, 0, 400, 200), 0);
    // Its ends lie on the box's first and last columns, on the row just above
    // the centre, where the pendulum's side lines start.
    EXPECT_EQ(s.row(99, 148, 153), "..#..");
    EXPECT_EQ(s.row(99, 247, 252), "..#..");
    EXPECT_EQ(rgbAt(s.image, 199, 50), kBlack);
    EXPECT_EQ(rgbAt(s.image, 200, 50), kBlack);
}

TEST(CanvasShapes, ArcWithSwappedRaysDrawsTheOtherHalfInTheSameBox)
{
    Surface s(400, 200);
    s.canvas.Arc(250, 50, 150, 150, 150, 100, 250, 100);
    EXPECT_EQ(countPixelsNot(s.image, kWhite, 0, 0, 400, 100), 0);
    EXPECT_EQ(countPixelsNot(s.image, kWhite, 0, 150, 400, 200), 0);
    EXPECT_EQ(countPixelsNot(s.image, kWhite, 250, 0, 400, 200), 0);
    EXPECT_EQ(rgbAt(s.image, 150, 100), kBlack);
    EXPECT_EQ(rgbAt(s.image, 249, 100), kBlack);
    EXPECT_EQ(rgbAt(s.image, 200, 149), kBlack);
}

TEST(CanvasShapes, PolygonFillsAndOutlinesItsClosedRing)
{
    Surface s(20, 20);
    s.canvas.Brush().SetColor(clRed);
    const platform::Point triangle[] = {{2, 2}, {16, 2}, {2, 16}};
    s.canvas.Polygon(triangle);
    EXPECT_EQ(rgbAt(s.image, 2, 2), kBlack);
    EXPECT_EQ(rgbAt(s.image, 16, 2), kBlack);
    EXPECT_EQ(rgbAt(s.image, 2, 16), kBlack);
    EXPECT_EQ(rgbAt(s.image, 5, 5), kRed);
    EXPECT_EQ(rgbAt(s.image, 15, 15), kWhite);
}

TEST(CanvasBrushes, HatchedBrushLeavesOrFillsItsGapsByTheBackgroundMode)
{
    Surface s(16, 16, kGreen);
    s.canvas.Brush().SetStyle(bsHorizontal);
    s.canvas.Brush().SetColor(clBlack);
    s.canvas.FillRect(0, 0, 8, 16);
    s.canvas.SetBackgroundMode(bkOpaque);
    s.canvas.SetBackgroundColor(clYellow);
    s.canvas.FillRect(8, 0, 16, 16);
    const int lines = 16 - countPixelsNot(s.image, kBlack, 0, 0, 1, 16);
    EXPECT_GT(lines, 0);
    EXPECT_EQ(countPixelsNot(s.image, kGreen, 0, 0, 1, 16), lines);
    EXPECT_EQ(countPixelsNot(s.image, 0xFFFF00, 8, 0, 9, 16), lines);
}

TEST(CanvasClip, EachClipIntersectsTheOneSetAndRemovalLiftsIt)
{
    Surface s(100, 100);
    s.canvas.Brush().SetColor(clRed);
    s.canvas.IntersectClipRect(0, 0, 50, 50);
    s.canvas.IntersectClipRect(100, 100, 25, 25);
    ASSERT_TRUE(s.canvas.ClipRect().has_value());
    EXPECT_EQ(*s.canvas.ClipRect(), (platform::PixelBox{25, 25, 50, 50}));
    s.canvas.FillRect(0, 0, 100, 100);
    s.canvas.MoveTo(0, 30);
    s.canvas.LineTo(100, 30);
    EXPECT_EQ(countPixelsNot(s.image, kWhite, 0, 0, 100, 100), 25 * 25);
    EXPECT_EQ(s.row(30, 23, 52), "..#########################..");

    s.canvas.IntersectClipRect(60, 60, 90, 90);
    s.canvas.Brush().SetColor(clBlue);
    s.canvas.FillRect(0, 0, 100, 100);
    s.canvas.LineTo(0, 30);
    EXPECT_EQ(countPixelsNot(s.image, kWhite, 0, 0, 100, 100), 25 * 25) << "an empty clip hides everything";

    s.canvas.RemoveClip();
    EXPECT_FALSE(s.canvas.ClipRect().has_value());
    s.canvas.FillRect(0, 0, 100, 100);
    EXPECT_EQ(countPixelsNot(s.image, 0x0000FF, 0, 0, 100, 100), 0);
}

TEST(CanvasBlockCopy, CopiesTheWholeImageAtItsCornerWithinTheClip)
{
    QImage source(4, 3, QImage::Format_RGB32);
    source.fill(QColor::fromRgb(kRed));
    Surface s(12, 12);
    s.canvas.Draw(2, 5, platform::qt::BorrowPixels(source));
    EXPECT_EQ(countPixelsNot(s.image, kWhite, 0, 0, 12, 12), 12);
    EXPECT_EQ(countPixelsNot(s.image, kRed, 2, 5, 6, 8), 0);
    s.canvas.IntersectClipRect(0, 0, 9, 12);
    s.canvas.Draw(7, 0, platform::qt::BorrowPixels(source));
    EXPECT_EQ(countPixelsNot(s.image, kWhite, 0, 0, 12, 3), 2 * 3);
}

// A copy of the whole surface is shared, not copied; a fill that covers every
// pixel then gives the canvas new ones, while a fill that leaves any pixel
// (smaller, or clipped) keeps the old ones around it. The copy never changes.
TEST(CanvasBlockCopy, SharedPixelsStayWithTheCopyWhateverTheNextFillCovers)
{
    const platform::PixelBuffer pixels(12, 12, 1.0, 0xFF000000u | kRed);
    const QImage picture = platform::qt::WrapPixels(pixels);
    Surface s(12, 12);
    s.canvas.Draw(0, 0, pixels);
    EXPECT_EQ(s.image.constBits(), picture.constBits()) << "the whole-surface copy shares the pixels";

    s.canvas.Brush().SetColor(clGreen);
    s.canvas.FillRect(0, 0, 12, 12);
    EXPECT_EQ(countPixelsNot(s.image, kGreen, 0, 0, 12, 12), 0);
    EXPECT_EQ(countPixelsNot(picture, kRed, 0, 0, 12, 12), 0);

    s.canvas.Draw(0, 0, pixels);
    s.canvas.IntersectClipRect(0, 0, 6, 12);
    s.canvas.FillRect(0, 0, 12, 12);
    EXPECT_EQ(countPixelsNot(s.image, kGreen, 0, 0, 6, 12), 0);
    EXPECT_EQ(countPixelsNot(s.image, kRed, 6, 0, 12, 12), 0) << "pixels outside the clip are kept";
    s.canvas.RemoveClip();

    s.canvas.Draw(0, 0, pixels);
    s.canvas.FillRect(1, 0, 12, 12);
    EXPECT_EQ(countPixelsNot(s.image, kRed, 0, 0, 1, 12), 0) << "pixels beside a smaller fill are kept";
    EXPECT_EQ(countPixelsNot(picture, kRed, 0, 0, 12, 12), 0);
}

TEST(CanvasTargets, UnboundCanvasDrawsNothingAndAPainterTargetIsDrawnThrough)
{
    Canvas canvas;
    canvas.MoveTo(1, 1);
    canvas.LineTo(5, 5);
    canvas.FillRect(0, 0, 5, 5);
    EXPECT_EQ(canvas.PenPos(), platform::Point(5, 5));
    EXPECT_FALSE(canvas.IsBound());

    QImage window(10, 10, QImage::Format_ARGB32_Premultiplied);
    window.fill(Qt::white);
    {
        QPainter painter(&window);
        platform::qt::BindPainter(canvas, &painter);
        EXPECT_FALSE(canvas.DrawsLinesDirectly());
        canvas.Rectangle(1, 1, 9, 9);
        canvas.Unbind();
    }
    EXPECT_EQ(rgbAt(window, 1, 1), kBlack);
    EXPECT_EQ(rgbAt(window, 8, 8), kBlack);
    EXPECT_EQ(rgbAt(window, 9, 9), kWhite);
}

// The pendulum figure's shapes beside a clipped run over a dotted grid,
// saved for the eye.
TEST(CanvasPicture, PendulumAndRunPicture)
{
    Surface s(320, 200, ToRgb(clBtnFace));
    Canvas& c = s.canvas;
    c.Brush().SetColor(clWhite);
    c.FillRect(10, 10, 150, 190);
    c.Arc(130, 20, 30, 120, 130, 70, 30, 70);
    c.Arc(130, 100, 30, 200, 30, 150, 130, 150);
    const platform::Point sides[][2] = {{{130, 70}, {130, 150}}, {{30, 70}, {30, 150}}};
    for (const auto& side : sides)
        c.Polyline(side);
    c.Pen().SetColor(clRed);
    c.Ellipse(84, 66, 76, 74);
    c.Ellipse(84, 146, 76, 154);
    c.MoveTo(80, 70);
    c.LineTo(80, 150);
    c.Pen().Assign({clGray, 1, psDot, pmCopy});
    c.SetBackgroundMode(bkTransparent);
    for (int x = 170; x < 310; x += 20) {
        c.MoveTo(x, 20);
        c.LineTo(x, 180);
    }
    c.Pen().Assign({clBlue, 1, psSolid, pmCopy});
    c.IntersectClipRect(171, 21, 310, 179);
    std::vector<platform::Point> wave;
    for (int i = 0; i <= 300; ++i)
        wave.emplace_back(160 + i / 2, 100 - static_cast<int>(std::lround(70 * std::exp(-i / 200.0) * std::sin(i / 12.0))));
    c.DrawLineStrip(wave);
    c.Unbind();
    testing_support::saveScreenshot(s.image, QStringLiteral("canvas_test_picture"));
    EXPECT_EQ(countPixelsNot(s.image, 0x0000FF, 150, 0, 171, 200), 21 * 200) << "no run left of the clip";
    EXPECT_EQ(rgbAt(s.image, 80, 110), kRed);
}
} // namespace
