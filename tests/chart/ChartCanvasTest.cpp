// The chart's drawing canvas: targets, the kept off-screen picture, chart pens, text.
#include "chart/ChartCanvas.h"

#include "tests/support/TestImages.h"

#include <QFile>
#include <QPainter>

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
        canvas.BindImage(&image);
    }
    TChartRect client() const { return {0, 0, image.width(), image.height()}; }

    QImage image;
    platform::Canvas canvas;
};

// One buffered paint that fills the drawing area with the colour.
void paintFilled(TChartCanvas3D& chart, Window& window, const TChartRect& rect, TColor color)
{
    const TChartRect bounds = chart.BeginDrawing(&window.canvas, nullptr, clBtnFace, false, rect);
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

    const TChartRect bounds = chart.BeginDrawing(&window.canvas, nullptr, clBtnFace, false, window.client());
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
    chart.BeginDrawing(&window.canvas, nullptr, clBtnFace, false, {0, 0, 60, 40});
    window.image.fill(Qt::white);
    chart.EndDrawing(&window.canvas, &window.canvas, {0, 0, 60, 40});
    EXPECT_EQ(countPixelsNot(window.image, kRed, 0, 0, 60, 40), 0);

    const TChartRect bounds = chart.BeginDrawing(&window.canvas, nullptr, clBtnFace, false, {0, 0, 80, 50});
    EXPECT_EQ(bounds, (TChartRect{0, 0, 80, 50}));
    ASSERT_NE(chart.Bitmap(), nullptr);
    EXPECT_EQ(chart.Bitmap()->Width(), 80);
    EXPECT_EQ(chart.Bitmap()->Height(), 50);
    EXPECT_EQ(countPixelsNot(chart.Bitmap()->Image(), kWhite, 0, 0, 80, 50), 0) << "a new, blank bitmap";
    chart.EndDrawing(&window.canvas, &window.canvas, {0, 0, 80, 50});
}

TEST(ChartCanvasBuffer, EndDrawingCopiesToTheRectanglesCorner)
{
    Window window(60, 40);
    TChartCanvas3D chart(&window.canvas);
    const TChartRect rect{10, 5, 50, 35};
    const TChartRect bounds = chart.BeginDrawing(&window.canvas, nullptr, clBtnFace, false, rect);
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
    const TChartRect bounds = chart.BeginDrawing(&window.canvas, nullptr, clBtnFace, false, rect);
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

TEST(ChartCanvasBuffer, WindowDrawnThroughAPaintersCanvasGetsTheKeptPicture)
{
    Window offscreen(30, 20);
    TChartCanvas3D chart(&offscreen.canvas);
    paintFilled(chart, offscreen, offscreen.client(), clRed);

    QImage widget(30, 20, QImage::Format_ARGB32_Premultiplied);
    widget.fill(Qt::white);
    platform::Canvas paintCanvas;
    {
        QPainter painter(&widget);
        paintCanvas.BindPainter(&painter);
        chart.SetTarget(&paintCanvas);
        EXPECT_TRUE(chart.RedrawFromBuffer());
        paintCanvas.Unbind();
    }
    EXPECT_EQ(countPixelsNot(widget, kRed, 0, 0, 30, 20), 0);
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

    chart.BeginDrawing(&window.canvas, nullptr, clBtnFace, false, window.client());
    EXPECT_EQ(chart.Pen().Color(), clBlack) << "the bitmap canvas has its own pen";
    chart.EndDrawing(&window.canvas, &window.canvas, window.client());
    EXPECT_EQ(chart.Pen().Color(), clRed);

    TChartCanvas3D lonely(nullptr);
    lonely.FillRectangle({0, 0, 5, 5});
    EXPECT_GT(lonely.TextWidth(QStringLiteral("W")), 0) << "text is measured without a target";
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

TEST(ChartCanvasTools, ResetCanvasStateSetsTheDocumentedDefaults)
{
    Window window(10, 10);
    TChartCanvas3D chart(&window.canvas);
    chart.Pen().Assign({clRed, 3, psDot, pmNotXor});
    chart.Brush().Assign({clBlue, bsClear});
    chart.Font().SetColor(clRed);
    chart.SetBackgroundMode(bkOpaque);
    chart.ResetCanvasState();
    EXPECT_EQ(chart.Pen().Color(), clBlack);
    EXPECT_EQ(chart.Pen().Width(), 1);
    EXPECT_EQ(chart.Pen().Style(), psSolid);
    EXPECT_EQ(chart.Brush().Color(), clWhite);
    EXPECT_EQ(chart.Brush().Style(), bsSolid);
    EXPECT_EQ(chart.Font().Color(), clBlack);
    EXPECT_EQ(chart.Font().Size(), 10);
    EXPECT_EQ(window.canvas.BackgroundColor(), clWhite);
    EXPECT_EQ(window.canvas.BackgroundMode(), bkTransparent);
}

TEST(ChartCanvasLines, StripHasThePixelsOfMovePenToAndDrawLineTo)
{
    std::vector<QPoint> points;
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
        byPoint.MovePenTo(points[0].x(), points[0].y());
        for (std::size_t i = 1; i < points.size(); ++i)
            byPoint.DrawLineTo(points[i].x(), points[i].y());
        byStrip.DrawLineStrip(points);
        one.canvas.Unbind();
        strip.canvas.Unbind();
        EXPECT_EQ(one.image, strip.image) << "style " << style;
        EXPECT_EQ(countPixelsNot(one.image, kWhite, 0, 0, 2, 80), 0);
    }
}

TEST(ChartCanvasLines, LinesLeaveOutTheirEndAndDepthFormsActFlat)
{
    Window window(20, 20);
    TChartCanvas3D chart(&window.canvas);
    chart.DrawHorizontalLine(2, 8, 1, 7);
    chart.DrawVerticalLine(1, 2, 8, 7);
    chart.MovePenTo(12, 12, 3);
    chart.DrawLineTo(18, 12, 3);
    chart.DrawLine(18, 18, 12, 18);
    EXPECT_EQ(countPixelsNot(window.image, kWhite, 2, 1, 8, 2), 6);
    EXPECT_EQ(rgbAt(window.image, 8, 1), kWhite);
    EXPECT_EQ(countPixelsNot(window.image, kWhite, 1, 2, 2, 8), 6);
    EXPECT_EQ(rgbAt(window.image, 1, 8), kWhite);
    EXPECT_EQ(rgbAt(window.image, 18, 12), kWhite);
    EXPECT_EQ(rgbAt(window.image, 18, 18), kBlack);
    EXPECT_EQ(rgbAt(window.image, 12, 18), kWhite);
    EXPECT_EQ(countPixelsNot(window.image, kWhite, 0, 0, 20, 20), 24);
}

TEST(ChartCanvasLines, ClippingIntersectsAndRemovalLiftsIt)
{
    Window window(40, 40);
    TChartCanvas3D chart(&window.canvas);
    chart.ClipRectangle({0, 0, 30, 30});
    chart.ClipRectangle({10, 10, 40, 40});
    chart.Brush().Assign({clRed, bsSolid});
    chart.FillRectangle({0, 0, 40, 40});
    EXPECT_EQ(countPixelsNot(window.image, kWhite, 0, 0, 40, 40), 20 * 20);
    chart.RemoveClipping();
    chart.FillRectangle({0, 0, 40, 40});
    EXPECT_EQ(countPixelsNot(window.image, kRed, 0, 0, 40, 40), 0);
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
    a.DrawRotatedText(20, 70, 90, QStringLiteral("fi [°]"));
    b.DrawRotatedText(20, 70, 450, QStringLiteral("fi [°]"));
    EXPECT_EQ(a.Brush().Style(), bsClear);
    quarter.canvas.Unbind();
    wrapped.canvas.Unbind();
    EXPECT_EQ(quarter.image, wrapped.image);
    EXPECT_EQ(countPixelsNot(quarter.image, 0xFFFF00, 0, 0, 60, 80), 60 * 80) << "no background box";
    EXPECT_EQ(countPixelsNot(quarter.image, kWhite, 0, 0, 20, 80), 0) << "upward text lies right of x";
    EXPECT_GT(countPixelsNot(quarter.image, kWhite, 20, 0, 60, 80), 0);
    EXPECT_EQ(countPixelsNot(quarter.image, kWhite, 0, 71, 60, 80), 0) << "and above y";
}

TEST(ChartCanvasText, AlignedTextAndFontHeight)
{
    Window window(100, 40);
    TChartCanvas3D chart(&window.canvas);
    EXPECT_EQ(chart.FontHeight(), chart.TextHeight(QStringLiteral("W")));
    chart.Brush().SetStyle(bsClear);
    chart.SetTextAlignment(TextAlign::Center);
    chart.DrawTextAt(50, 10, QStringLiteral("Graf"));
    chart.SetTextAlignment(TextAlign::Left);
    const int width = chart.TextWidth(QStringLiteral("Graf"));
    const int inkLeft = 50 - width / 2;
    EXPECT_EQ(countPixelsNot(window.image, kWhite, 0, 0, inkLeft, 40), 0);
    EXPECT_EQ(countPixelsNot(window.image, kWhite, inkLeft + width + 1, 0, 100, 40), 0);
    EXPECT_EQ(countPixelsNot(window.image, kWhite, 0, 0, 100, 10), 0);
    EXPECT_GT(countPixelsNot(window.image, kWhite, 0, 10, 100, 10 + chart.FontHeight()), 0);
}

TEST(ChartCanvasPicture, ChartLikePictureForTheEye)
{
    Window window(498, 690);
    window.image.fill(Qt::white);
    TChartCanvas3D chart(&window.canvas);
    const TChartRect bounds = chart.BeginDrawing(&window.canvas, nullptr, clBtnFace, false, window.client());
    chart.Brush().Assign({clBtnFace, bsSolid});
    chart.FillRectangle(bounds);
    const TChartRect area{60, 50, 483, 620};
    chart.Brush().SetStyle(bsClear);
    chart.Pen().SetColor(clBlack);
    chart.DrawRectangle(area.left, area.top, area.right + 1, area.bottom + 1);
    chart.Font().SetColor(clNavy);
    chart.SetTextAlignment(TextAlign::Center);
    chart.DrawTextAt((area.left + area.right) / 2, 30, QStringLiteral("Graf"));
    chart.Font().SetColor(clBlack);
    chart.SetTextAlignment(TextAlign::Center | TextAlign::Bottom);
    chart.DrawRotatedText(20, (area.top + area.bottom) / 2, 90, QStringLiteral("fi [°]"));
    chart.SetTextAlignment(TextAlign::Left);
    TChartPen grid;
    grid.SetColor(clGray);
    grid.SetStyle(psDot);
    for (int i = 0; i <= 6; ++i) {
        const int x = area.left + (area.right - area.left) * i / 6;
        chart.SetBackgroundMode(bkTransparent);
        chart.ApplyVisiblePen(grid);
        chart.DrawVerticalLine(x, area.top, area.bottom);
        chart.Pen().Assign({clBlack, 1, psSolid, pmCopy});
        chart.DrawVerticalLine(x, area.bottom + 1, area.bottom + 5);
        chart.Brush().SetStyle(bsClear);
        chart.SetTextAlignment(TextAlign::Center);
        chart.DrawTextAt(x, area.bottom + 7, QString::number(i * 0.5));
        chart.SetTextAlignment(TextAlign::Left);
    }
    chart.ClipRectangle({area.left + 1, area.top + 1, area.right, area.bottom - 1});
    const TColor runs[] = {clRed, clGreen, clBlue};
    for (int run = 0; run < 3; ++run) {
        std::vector<QPoint> points;
        for (int i = 0; i < 400; ++i) {
            const double t = i * 0.0075;
            points.emplace_back(area.left + static_cast<int>(std::lround(t * 141)),
                                335 - static_cast<int>(std::lround((10 + 2 * run) * 17 * std::cos(3.5 * t + run))));
        }
        chart.Pen().SetColor(runs[run]);
        chart.DrawLineStrip(points);
    }
    chart.RemoveClipping();
    chart.ResetCanvasState();
    chart.EndDrawing(&window.canvas, &window.canvas, window.client());
    window.canvas.Unbind();
    const QString path = testing_support::saveScreenshot(window.image, QStringLiteral("chart_canvas_picture"));
    EXPECT_TRUE(QFile::exists(path));
    // The runs stay inside the clip: columns left + 1 .. right - 1, rows top + 1 .. bottom - 2.
    const auto isRunColour = [](unsigned rgb) { return rgb == kRed || rgb == 0x008000 || rgb == 0x0000FF; };
    int outside = 0;
    int inside = 0;
    for (int y = 0; y < window.image.height(); ++y)
        for (int x = 0; x < window.image.width(); ++x) {
            const bool clipped = x > area.left && x < area.right && y > area.top && y < area.bottom - 1;
            if (isRunColour(rgbAt(window.image, x, y)))
                ++(clipped ? inside : outside);
        }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(inside, 1000);
}

} // namespace
