// When the chart draws anew, when it only copies its kept picture, and what
// the drawing events and the zoom rubber band do.
#include "chart/ChartCanvas.h"
#include "platform/qt/QtCanvasTarget.h"
#include "tests/chart/ChartPaintTestSupport.h"
#include "tests/chart/ChartTestSupport.h"
#include "tests/support/TestImages.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using testing_support::rgbAt;

namespace {

// Counts complete pictures through the last drawing event of each.
struct RenderCounter {
    explicit RenderCounter(TCustomChart& chart)
    {
        chart.OnAfterDraw = [this](TCustomAxisPanel&) { ++renders; };
    }
    int renders = 0;
};

} // namespace

TEST(ChartPaintFlow, APaintWithoutAChangeOnlyCopiesTheKeptPicture)
{
    ConfiguredChart configured;
    configured.AddSeries(clRed, {{0, 0}, {3, 5}});
    RenderCounter counter(configured.chart);
    const QImage first = configured.Paint().copy();
    EXPECT_EQ(counter.renders, 1);
    EXPECT_FALSE(configured.chart.PictureStale());

    // Whatever the window showed meanwhile, the copy restores the picture.
    configured.windowCanvas.Unbind();
    configured.window.fill(Qt::green);
    platform::qt::BindImage(configured.windowCanvas, &configured.window);
    EXPECT_EQ(configured.Paint(), first);
    EXPECT_EQ(counter.renders, 1);

    // Several changes, one new picture.
    configured.chart.Title().SetText({std::string("Other")});
    configured.chart.SetMarginTop(10);
    EXPECT_TRUE(configured.chart.PictureStale());
    EXPECT_NE(configured.Paint(), first);
    EXPECT_EQ(counter.renders, 2);
}

TEST(ChartPaintFlow, AResizeRendersABitmapOfTheNewSize)
{
    ConfiguredChart configured;
    configured.Paint();
    RenderCounter counter(configured.chart);
    const RepaintCounter repaints(configured.chart);
    configured.chart.SetClientSize(300, 400);
    EXPECT_EQ(repaints.Count(), 1);

    configured.windowCanvas.Unbind();
    configured.window = QImage(300, 400, QImage::Format_RGB32);
    platform::qt::BindImage(configured.windowCanvas, &configured.window);
    configured.Paint();
    EXPECT_EQ(counter.renders, 1);
    ASSERT_NE(configured.chart.Canvas().Bitmap(), nullptr);
    EXPECT_EQ(configured.chart.Canvas().Bitmap()->Width(), 300);
    EXPECT_EQ(configured.chart.Canvas().Bitmap()->Height(), 400);
    // Margins are percentages of the new size.
    EXPECT_EQ(configured.chart.Title().BlockRect().left, 9);
    EXPECT_EQ(configured.chart.Title().BlockRect().top, 16);
}

TEST(ChartPaintFlow, ATinyChartKeepsAChartRectangleAndAnEmptyOneDrawsNothing)
{
    ConfiguredChart configured;
    configured.AddSeries(clRed, {{0, 0}, {3, 5}});
    configured.chart.SetClientSize(12, 9);
    RenderCounter counter(configured.chart);
    configured.Paint();
    EXPECT_EQ(counter.renders, 1);
    EXPECT_GE(configured.chart.ChartWidth(), 1);
    EXPECT_GE(configured.chart.ChartHeight(), 1);

    configured.chart.SetClientSize(0, 0);
    configured.Paint();
    EXPECT_EQ(counter.renders, 1);
}

TEST(ChartPaintFlow, TheDrawingEventsComeInPaintOrder)
{
    ConfiguredChart configured;
    configured.SetStartRanges();
    TFastLineSeries& drawn = configured.AddSeries(clRed, {{0, 0}, {3, 5}});
    TFastLineSeries& beyond = configured.AddSeries(clGreen, {{-8, 0}, {-7, 5}});
    std::vector<std::string> events;
    configured.chart.OnBeforeDrawAxes = [&](TCustomAxisPanel&) { events.push_back("axes"); };
    configured.chart.OnBeforeDrawSeries = [&](TCustomAxisPanel&) { events.push_back("series"); };
    configured.chart.OnAfterDraw = [&](TCustomAxisPanel&) { events.push_back("after"); };
    for (TFastLineSeries* s : {&drawn, &beyond}) {
        const std::string name = s == &drawn ? "drawn" : "beyond";
        s->BeforeDrawValues = [&events, name](TChartSeries&) { events.push_back("before " + name); };
        s->AfterDrawValues = [&events, name](TChartSeries&) { events.push_back("after " + name); };
    }
    configured.Paint();
    // The series with no visible point raises no events.
    EXPECT_EQ(events, (std::vector<std::string>{"axes", "series", "before drawn", "after drawn", "after"}));
}

TEST(ChartPaintFlow, AHandlerThatDetachesASeriesDuringThePaintIsSafe)
{
    ConfiguredChart configured;
    configured.AddSeries(clRed, {{0, 0}, {3, 5}});
    TFastLineSeries& leaving = configured.AddSeries(clGreen, {{0, 5}, {3, 0}});
    configured.chart.OnBeforeDrawSeries = [&](TCustomAxisPanel&) { leaving.SetParentChart(nullptr); };
    EXPECT_EQ(CountColor(configured.Paint(), Drawn(clGreen)), 0);
    delete &leaving;
}

TEST(ChartPaintFlow, AFailedPaintLeavesThePictureStaleAndTheWindowAsTarget)
{
    ConfiguredChart configured;
    configured.AddSeries(clRed, {{0, 0}, {3, 5}});
    bool fail = true;
    configured.chart.OnAfterDraw = [&](TCustomAxisPanel&) {
        if (fail)
            throw std::runtime_error("handler failed");
    };
    EXPECT_THROW(configured.chart.HandlePaint(), std::runtime_error);
    EXPECT_TRUE(configured.chart.PictureStale());
    EXPECT_EQ(configured.chart.Canvas().Target(), &configured.windowCanvas);

    fail = false;
    configured.Paint();
    EXPECT_FALSE(configured.chart.PictureStale());
}

TEST(ChartPaintFlow, TheZoomRubberBandInvertsAndDrawnTwiceIsGone)
{
    ConfiguredChart configured;
    configured.AddSeries(clRed, {{0, 0}, {3, 5}});
    const QImage plain = configured.Paint().copy();

    // Drawn with the picture while a zoom drag is active.
    configured.chart.BeginZoomOrScroll(mbLeft, ssNone, 100, 100);
    configured.chart.HandleMouseMove(ssNone, 200, 250);
    configured.chart.RequestRepaint();
    const QImage banded = configured.Paint().copy();
    EXPECT_NE(banded, plain);
    EXPECT_NE(rgbAt(banded, 150, 100), rgbAt(plain, 150, 100));
    EXPECT_NE(rgbAt(banded, 199, 249), rgbAt(plain, 199, 249));
    EXPECT_EQ(rgbAt(banded, 150, 150), rgbAt(plain, 150, 150));

    // Outside a paint it goes straight onto the window; twice restores it.
    FakeChartHost host;
    configured.chart.SetHost(&host);
    configured.chart.DrawZoomRectangle();
    EXPECT_EQ(configured.window, plain);
    EXPECT_EQ(host.invalidations, 0);
    configured.chart.DrawZoomRectangle();
    EXPECT_EQ(configured.window, banded);
    configured.chart.SetHost(nullptr);
}

TEST(ChartPaintFlow, BackColorFillsTheWallOnlyForAChartInAWindow)
{
    ConfiguredChart configured;
    configured.chart.SetBackColor(clYellow);
    EXPECT_EQ(configured.chart.BackWall().Color(), clYellow);
    EXPECT_EQ(configured.chart.BackWall().Brush().Style(), bsClear);
    const QImage& clear = configured.Paint();
    EXPECT_EQ(rgbAt(clear, 200, 300), Drawn(clBtnFace));

    FakeChartHost host;
    configured.chart.SetHost(&host);
    configured.chart.SetBackColor(clAqua);
    EXPECT_EQ(configured.chart.BackWall().Brush().Style(), bsSolid);
    configured.chart.SetHost(nullptr);
    const QImage& filled = configured.Paint();
    EXPECT_EQ(rgbAt(filled, 200, 300), Drawn(clAqua));
}

TEST(ChartPaintFlow, AMonochromeChartDrawsOnlyBlackAndWhite)
{
    ConfiguredChart configured;
    configured.AddSeries(clRed, {{0, 0}, {3, 5}});
    configured.Paint();
    const RepaintCounter repaints(configured.chart);
    configured.chart.SetMonochrome(true);
    EXPECT_EQ(repaints.Count(), 1);
    const QImage& image = configured.Paint();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const unsigned rgb = rgbAt(image, x, y);
            ASSERT_TRUE(rgb == 0 || rgb == 0xFFFFFFu) << x << "," << y;
        }
}
