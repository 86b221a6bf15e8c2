// The chart's drawing canvas: targets, the kept off-screen picture, chart pens, text.
#include "chart/ChartCanvas.h"

#include "platform/qt/QtCanvasTarget.h"
#include "platform/qt/QtPixels.h"
#include "tests/support/TestImages.h"


#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using testing_support::countPixelsNot;
using testing_support::rgbAt;

constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kRed = 0xFF0000;
constexpr unsigned kBlack = 0x000000;

// An image standing for the chart window, with the window's own canvas.
struct Window {
    Window(int width, int height)
        : image(width, height, QImage::Format_RGB32)
    {
        image.fill(Qt::white);
        platform::qt::BindImage(canvas, &image);
    }
    TChartRect client() const { return {0, 0, image.width(), image.height()}; }

    QImage image;
    platform::Canvas canvas;
};

// One buffered paint that fills the drawing area with the colour.
void paintFilled(TChartCanvas3D& chart, Window& window, const TChartRect& rect, TColor color)
{
    const TChartRect bounds = chart.BeginDrawing(&window.canvas, rect);
    chart.Brush().Assign({color, bsSolid});
    chart.FillRectangle(bounds);
    chart.EndDrawing(&window.canvas, &window.canvas, rect);
}

TEST(ChartCanvasBuffer, SecondPaintWithoutMarkDirtyOnlyCopiesTheKeptPicture)
{
    Window window(60, 40);
    TChartCanvas3D chart(&window.canvas);
    EXPECT_TRUE(chart.Dirty());
    EXPECT_FALSE(chart.RedrawFromBuffer()) << "nothing kept before the first paint";

    const TChartRect bounds = chart.BeginDrawing(&window.canvas, window.client());
    EXPECT_EQ(bounds, (TChartRect{0, 0, 60, 40}));
    ASSERT_NE(chart.Bitmap(), nullptr);
    EXPECT_EQ(chart.Target(), &const_cast<platform::RasterBitmap*>(chart.Bitmap())->GetCanvas());
    chart.Brush().Assign({clRed, bsSolid});
    chart.FillRectangle(bounds);
    EXPECT_EQ(rgbAt(window.image, 5, 5), kWhite) << "the window is untouched while drawing";
    chart.EndDrawing(&window.canvas, &window.canvas, window.client());
    EXPECT_FALSE(chart.Dirty());
    EXPECT_EQ(chart.Target(), &window.canvas);
    EXPECT_EQ(countPixelsNot(window.image, kRed, 0, 0, 60, 40), 0);

    window.image.fill(Qt::white);
    EXPECT_TRUE(chart.RedrawFromBuffer());
    EXPECT_EQ(countPixelsNot(window.image, kRed, 0, 0, 60, 40), 0);

    chart.MarkDirty();
    window.image.fill(Qt::white);
    EXPECT_FALSE(chart.RedrawFromBuffer());
    EXPECT_EQ(countPixelsNot(window.image, kWhite, 0, 0, 60, 40), 0);
}

TEST(ChartCanvasBuffer, BitmapIsKeptWhileTheSizeStaysAndMadeAnewWhenItChanges)
{
    Window window(80, 50);
    TChartCanvas3D chart(&window.canvas);
    paintFilled(chart, window, {0, 0, 60, 40}, clRed);

    // Drawing nothing into a kept bitmap still shows its last picture.
    chart.BeginDrawing(&window.canvas, {0, 0, 60, 40});
    window.image.fill(Qt::white);
    chart.EndDrawing(&window.canvas, &window.canvas, {0, 0, 60, 40});
    EXPECT_EQ(countPixelsNot(window.image, kRed, 0, 0, 60, 40), 0);

    const TChartRect bounds = chart.BeginDrawing(&window.canvas, {0, 0, 80, 50});
    EXPECT_EQ(bounds, (TChartRect{0, 0, 80, 50}));
    ASSERT_NE(chart.Bitmap(), nullptr);
    EXPECT_EQ(chart.Bitmap()->Width(), 80);
    EXPECT_EQ(chart.Bitmap()->Height(), 50);
    EXPECT_EQ(countPixelsNot(platform::qt::WrapPixels(chart.Bitmap()->Pixels()), kWhite, 0, 0, 80, 50), 0) << "a new, blank bitmap";
    chart.EndDrawing(&window.canvas, &window.canvas, {0, 0, 80, 50});
}

TEST(ChartCanvasBuffer, WindowAndKeptPictureStayApartAfterTheCopy)
{
    Window window(60, 40);
    TChartCanvas3D chart(&window.canvas);
    paintFilled(chart, window, window.client(), clRed);
    const auto countNot = [](const QImage& image, unsigned rgb, int left, int right) {
        return countPixelsNot(image, rgb, left, 0, right, 40);
    };

    // Drawing onto the window outside a paint leaves the kept picture alone,
    // which then restores the window.
    window.canvas.Pen().SetColor(clBlack);
    window.canvas.MoveTo(0, 10);
    window.canvas.LineTo(60, 10);
    EXPECT_EQ(countNot(window.image, kRed, 0, 60), 60);
    EXPECT_EQ(countNot(platform::qt::WrapPixels(chart.Bitmap()->Pixels()), kRed, 0, 60), 0);
    EXPECT_TRUE(chart.RedrawFromBuffer());
    EXPECT_EQ(countNot(window.image, kRed, 0, 60), 0);

    // While the next paint draws, the window keeps the last picture.
    chart.MarkDirty();
    const TChartRect bounds = chart.BeginDrawing(&window.canvas, window.client());
    chart.Brush().Assign({clBlue, bsSolid});
    chart.FillRectangle(bounds);
    chart.ClipRectangle({0, 0, 30, 40});
    chart.Brush().Assign({clLime, bsSolid});
    chart.FillRectangle(bounds);
    chart.RemoveClipping();
    EXPECT_EQ(countNot(window.image, kRed, 0, 60), 0);
    chart.EndDrawing(&window.canvas, &window.canvas, window.client());
    EXPECT_EQ(countNot(window.image, 0x00FF00, 0, 30), 0);
    EXPECT_EQ(countNot(window.image, 0x0000FF, 30, 60), 0);

    // A fill of the whole picture under a clip keeps the last picture's
    // pixels outside the clip.
    chart.MarkDirty();
    chart.BeginDrawing(&window.canvas, window.client());
    chart.ClipRectangle({0, 0, 30, 40});
    chart.Brush().Assign({clBlack, bsSolid});
    chart.FillRectangle(bounds);
    chart.RemoveClipping();
    chart.EndDrawing(&window.canvas, &window.canvas, window.client());
    EXPECT_EQ(countNot(window.image, kBlack, 0, 30), 0);
    EXPECT_EQ(countNot(window.image, 0x0000FF, 30, 60), 0);
}

TEST(ChartCanvasBuffer, EndDrawingCopiesToTheRectanglesCorner)
{
    Window window(60, 40);
    TChartCanvas3D chart(&window.canvas);
    const TChartRect rect{10, 5, 50, 35};
    const TChartRect bounds = chart.BeginDrawing(&window.canvas, rect);
    EXPECT_EQ(bounds, (TChartRect{0, 0, 40, 30}));
    chart.Brush().Assign({clRed, bsSolid});
    chart.FillRectangle(bounds);
    chart.Pen().SetColor(clBlack);
    chart.DrawLine(0, 0, 40, 0);
    chart.EndDrawing(&window.canvas, &window.canvas, rect);
    EXPECT_EQ(countPixelsNot(window.image, kWhite, 0, 0, 60, 40), 40 * 30);
    EXPECT_EQ(rgbAt(window.image, 10, 5), kBlack);
    EXPECT_EQ(rgbAt(window.image, 49, 5), kBlack);
    EXPECT_EQ(rgbAt(window.image, 49, 34), kRed);
}

TEST(ChartCanvasBuffer, WithoutTheBufferEveryPaintDrawsOnTheTargetAndStaysDirty)
{
    Window window(60, 40);
    TChartCanvas3D chart(&window.canvas);
    paintFilled(chart, window, window.client(), clRed);
    ASSERT_NE(chart.Bitmap(), nullptr);

    chart.SetUseOffscreenBuffer(false);
    EXPECT_EQ(chart.Bitmap(), nullptr);
    EXPECT_TRUE(chart.Dirty());

    const TChartRect rect{5, 5, 30, 30};
    const TChartRect bounds = chart.BeginDrawing(&window.canvas, rect);
    EXPECT_EQ(bounds, rect);
    EXPECT_EQ(chart.Target(), &window.canvas);
    chart.Brush().Assign({clBlue, bsSolid});
    chart.FillRectangle(bounds);
    EXPECT_EQ(rgbAt(window.image, 5, 5), 0x0000FFu) << "drawn straight onto the window";
    chart.EndDrawing(&window.canvas, &window.canvas, rect);
    EXPECT_TRUE(chart.Dirty());
    EXPECT_FALSE(chart.RedrawFromBuffer());
}

TEST(ChartCanvasBuffer, MonochromeChangeDropsTheBitmapAndTheNextOneIsBlackAndWhite)
{
    Window window(20, 20);
    TChartCanvas3D chart(&window.canvas);
    paintFilled(chart, window, window.client(), clRed);
    chart.SetMonochrome(true);
    EXPECT_EQ(chart.Bitmap(), nullptr);
    EXPECT_TRUE(chart.Dirty());
    paintFilled(chart, window, window.client(), clRed);
    ASSERT_NE(chart.Bitmap(), nullptr);
    EXPECT_TRUE(chart.Bitmap()->Monochrome());
    EXPECT_EQ(countPixelsNot(window.image, kBlack, 0, 0, 20, 20), 0);
    paintFilled(chart, window, window.client(), clYellow);
    EXPECT_EQ(countPixelsNot(window.image, kWhite, 0, 0, 20, 20), 0);
}

TEST(ChartCanvasTools, PenBrushAndFontAreTheTargetsOwn)
{
    Window window(10, 10);
    TChartCanvas3D chart(&window.canvas);
    chart.Pen().SetColor(clRed);
    chart.Brush().SetStyle(bsClear);
    chart.Font().SetSize(12);
    EXPECT_EQ(window.canvas.Pen().Color(), clRed);
    EXPECT_EQ(window.canvas.Brush().Style(), bsClear);
    EXPECT_EQ(window.canvas.Font().Size(), 12);

    chart.BeginDrawing(&window.canvas, window.client());
    EXPECT_EQ(chart.Pen().Color(), clBlack) << "the bitmap canvas has its own pen";
    chart.EndDrawing(&window.canvas, &window.canvas, window.client());
    EXPECT_EQ(chart.Pen().Color(), clRed);

    TChartCanvas3D lonely(nullptr);
    lonely.FillRectangle({0, 0, 5, 5});
    EXPECT_GT(lonely.TextWidth(std::string("W")), 0) << "text is measured without a target";
}

TEST(ChartCanvasTools, ApplyVisiblePenFollowsVisibilityAndSmallDots)
{
    Window window(30, 30);
    TChartCanvas3D chart(&window.canvas);

    TChartPen hidden;
    hidden.SetColor(clRed);
    hidden.SetVisible(false);
    chart.ApplyVisiblePen(hidden);
    EXPECT_EQ(chart.Pen().Style(), psClear);
    chart.Brush().Assign({clBlue, bsSolid});
    chart.DrawRectangle(10, 10, 20, 20);
    EXPECT_EQ(countPixelsNot(window.image, 0x0000FF, 10, 10, 20, 20), 0) << "filled, not outlined";
    EXPECT_EQ(countPixelsNot(window.image, kWhite, 0, 0, 30, 30), 100);

    TChartPen dots;
    dots.SetColor(clRed);
    dots.SetSmallDots(true);
    chart.Pen().SetMode(pmCopy);
    chart.ApplyVisiblePen(dots);
    EXPECT_TRUE(chart.Pen().AlternateDots());
    EXPECT_EQ(chart.Pen().Color(), clRed);
    chart.SetBackgroundMode(bkTransparent);
    chart.DrawHorizontalLine(0, 9, 25);
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(rgbAt(window.image, x, 25), x % 2 == 0 && x < 9 ? kRed : kWhite) << x;

    TChartPen wide;
    wide.SetColor(clGreen);
    wide.SetWidth(2);
    wide.SetSmallDots(true);
    wide.SetStyle(psDash);
    wide.SetMode(pmNotXor);
    chart.ApplyVisiblePen(wide);
    EXPECT_FALSE(chart.Pen().AlternateDots());
    EXPECT_EQ(chart.Pen().Data(), wide.Data());
}

TEST(ChartCanvasLines, StripHasThePixelsOfMovePenToAndDrawLineTo)
{
    std::vector<platform::Point> points;
    for (int i = 0; i < 200; ++i)
        points.emplace_back(i * 3 % 97 - 5, static_cast<int>(std::lround(40 + 45 * std::sin(i * 0.37))));
    for (const TPenStyle style : {psSolid, psDot}) {
        Window one(90, 80);
        Window strip(90, 80);
        TChartCanvas3D byPoint(&one.canvas);
        TChartCanvas3D byStrip(&strip.canvas);
        for (TChartCanvas3D* chart : {&byPoint, &byStrip}) {
            chart->Pen().SetStyle(style);
            chart->ClipRectangle({2, 3, 85, 77});
        }
        byPoint.MovePenTo(points[0].x, points[0].y);
        for (std::size_t i = 1; i < points.size(); ++i)
            byPoint.DrawLineTo(points[i].x, points[i].y);
        byStrip.DrawLineStrip(points);
        one.canvas.Unbind();
        strip.canvas.Unbind();
        EXPECT_EQ(one.image, strip.image) << "style " << style;
        EXPECT_EQ(countPixelsNot(one.image, kWhite, 0, 0, 2, 80), 0);

        // The same points cut into strips that share their joints draw the
        // same; strips of one point draw nothing; the pen ends on the last point.
        Window strips(90, 80);
        TChartCanvas3D byStrips(&strips.canvas);
        byStrips.Pen().SetStyle(style);
        byStrips.ClipRectangle({2, 3, 85, 77});
        std::vector<platform::Point> cut;
        std::vector<std::size_t> ends;
        for (std::size_t i = 0; i < points.size(); ++i) {
            cut.push_back(points[i]);
            if (i % 7 == 6 && i + 1 < points.size()) {
                ends.push_back(cut.size());
                cut.push_back(points[i]);
                cut.push_back({500, 500});
                ends.push_back(cut.size() - 1);
                ends.push_back(cut.size());
                cut.push_back(points[i]);
            }
        }
        ends.push_back(cut.size());
        byStrips.DrawLineStrips(cut, ends);
        EXPECT_EQ(strips.canvas.PenPos(), points.back());
        strips.canvas.Unbind();
        EXPECT_EQ(strips.image, strip.image) << "style " << style;
    }
}

TEST(ChartCanvasLines, StraightLinesLeaveOutTheirEndPixel)
{
    Window flat(20, 20);
    TChartCanvas3D a(&flat.canvas);
    a.DrawHorizontalLine(2, 8, 1);
    a.DrawVerticalLine(1, 2, 8);
    a.MovePenTo(18, 12);
    a.DrawLineTo(12, 12);
    EXPECT_EQ(countPixelsNot(flat.image, kWhite, 0, 0, 20, 20), 18);
    EXPECT_EQ(rgbAt(flat.image, 8, 1), kWhite);
    EXPECT_EQ(rgbAt(flat.image, 1, 8), kWhite);
    EXPECT_EQ(rgbAt(flat.image, 12, 12), kWhite);
    EXPECT_EQ(a.FontHeight(), a.TextHeight(std::string("W")));
}

TEST(ChartCanvasLines, ZoomRectangleInNotXorDrawnTwiceRestoresTheWindow)
{
    Window window(60, 40);
    TChartCanvas3D chart(&window.canvas);
    paintFilled(chart, window, window.client(), clBtnFace);
    const QImage picture = window.image;
    chart.Pen().Assign({clBlack, 1, psSolid, pmNotXor});
    chart.Brush().SetStyle(bsClear);
    chart.DrawRectangle(50, 30, 10, 5);
    EXPECT_NE(window.image, picture);
    chart.DrawRectangle(50, 30, 10, 5);
    EXPECT_EQ(window.image, picture);
    EXPECT_FALSE(chart.Dirty()) << "the rubber band does not make the picture stale";
}

TEST(ChartCanvasText, RotatedTextAt450DrawsAsAt90WithoutABackground)
{
    Window quarter(60, 80);
    Window wrapped(60, 80);
    TChartCanvas3D a(&quarter.canvas);
    TChartCanvas3D b(&wrapped.canvas);
    for (TChartCanvas3D* chart : {&a, &b})
        chart->Brush().Assign({clYellow, bsSolid});
    a.DrawRotatedText(20, 70, 90, std::string("fi [°]"));
    b.DrawRotatedText(20, 70, 450, std::string("fi [°]"));
    EXPECT_EQ(a.Brush().Style(), bsClear);
    quarter.canvas.Unbind();
    wrapped.canvas.Unbind();
    EXPECT_EQ(quarter.image, wrapped.image);
    EXPECT_EQ(countPixelsNot(quarter.image, 0xFFFF00, 0, 0, 60, 80), 60 * 80) << "no background box";
    EXPECT_EQ(countPixelsNot(quarter.image, kWhite, 0, 0, 20, 80), 0) << "upward text lies right of x";
    EXPECT_GT(countPixelsNot(quarter.image, kWhite, 20, 0, 60, 80), 0);
    EXPECT_EQ(countPixelsNot(quarter.image, kWhite, 0, 71, 60, 80), 0) << "and above y";
}

// A chart-like picture, saved for the eye; the runs must keep to the clip.
TEST(ChartCanvasPicture, RunsStayInsideTheSeriesClip)
{
    Window window(498, 690);
    TChartCanvas3D chart(&window.canvas);
    const TChartRect bounds = chart.BeginDrawing(&window.canvas, window.client());
    chart.Brush().Assign({clBtnFace, bsSolid});
    chart.FillRectangle(bounds);
    const TChartRect area{60, 50, 483, 620};
    TChartPen grid;
    grid.SetColor(clGray);
    grid.SetStyle(psDot);
    chart.Brush().SetStyle(bsClear);
    chart.SetBackgroundMode(bkTransparent);
    chart.ApplyVisiblePen(grid);
    for (int x = area.left; x <= area.right; x += (area.right - area.left) / 6)
        chart.DrawVerticalLine(x, area.top, area.bottom);
    chart.ApplyVisiblePen(TChartPen());
    chart.DrawRectangle(area.left, area.top, area.right + 1, area.bottom + 1);
    chart.Font().SetColor(clNavy);
    chart.SetTextAlignment(TextAlign::Center);
    chart.DrawTextAt((area.left + area.right) / 2, 30, std::string("Graf"));
    chart.SetTextAlignment(TextAlign::Center | TextAlign::Bottom);
    chart.DrawRotatedText(20, (area.top + area.bottom) / 2, 90, std::string("fi [°]"));
    chart.SetTextAlignment(TextAlign::Left);

    chart.ClipRectangle({area.left + 1, area.top + 1, area.right, area.bottom - 1});
    const TColor runs[] = {clRed, clGreen, clBlue};
    for (int run = 0; run < 3; ++run) {
        std::vector<platform::Point> points;
        for (int i = 0; i < 400; ++i)
            points.emplace_back(area.left + i * 423 / 399,
                                335 - static_cast<int>(std::lround((10 + 2 * run) * 17 * std::cos(0.026 * i + run))));
        chart.Pen().SetColor(runs[run]);
        chart.DrawLineStrip(points);
    }
    chart.RemoveClipping();
    chart.EndDrawing(&window.canvas, &window.canvas, window.client());
    window.canvas.Unbind();
    testing_support::saveScreenshot(window.image, QStringLiteral("chart_canvas_picture"));

    // Columns left + 1 .. right - 1 and rows top + 1 .. bottom - 2 only.
    int outside = 0;
    int inside = 0;
    for (int y = 0; y < window.image.height(); ++y)
        for (int x = 0; x < window.image.width(); ++x) {
            const unsigned rgb = rgbAt(window.image, x, y);
            if (rgb != kRed && rgb != 0x008000 && rgb != 0x0000FF)
                continue;
            const bool clipped = x > area.left && x < area.right && y > area.top && y < area.bottom - 1;
            ++(clipped ? inside : outside);
        }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(inside, 1000);
}

} // namespace
