#include "chart/AxisPanel.h"
#include "chart/ChartExceptions.h"
#include "platform/qt/QtCanvasTarget.h"
#include "tests/chart/ChartTestSupport.h"

#include <gtest/gtest.h>

TEST(ChartPanel, Defaults)
{
    const TCustomAxisPanel chart;
    EXPECT_EQ(chart.MarginLeft(), 3);
    EXPECT_EQ(chart.MarginTop(), 4);
    EXPECT_EQ(chart.MarginRight(), 3);
    EXPECT_EQ(chart.MarginBottom(), 4);
    EXPECT_EQ(chart.Chart3DPercent(), 15);
    EXPECT_TRUE(chart.PictureStale());
    EXPECT_EQ(chart.RepaintRequestCount(), 0);
    EXPECT_EQ(chart.AllowPanning(), pmBoth);
    EXPECT_EQ(chart.AnimatedZoomSteps(), 8);
    EXPECT_EQ(chart.Page(), 1);
}

namespace {

// Makes the chart's kept picture current, as a finished buffered paint does.
void finishBufferedPaint(TCustomAxisPanel& chart, platform::Canvas& window)
{
    const TChartRect bounds{0, 0, 8, 8};
    chart.Canvas().BeginDrawing(&window, bounds);
    chart.Canvas().EndDrawing(&window, &window, bounds);
}

} // namespace

TEST(ChartPanel, RepaintRequestsMarkThePictureAndInvalidateTheWindow)
{
    FakeChartHost host;
    TCustomAxisPanel chart;
    QImage windowImage(8, 8, QImage::Format_RGB32);
    platform::Canvas window;
    platform::qt::BindImage(window, &windowImage);
    chart.SetWindowCanvas(&window);
    chart.SetHost(&host);
    finishBufferedPaint(chart, window);
    EXPECT_FALSE(chart.PictureStale());
    chart.RequestRepaint();
    EXPECT_TRUE(chart.PictureStale());
    EXPECT_EQ(host.invalidations, 1);
    EXPECT_EQ(host.immediatePaints, 0);
    chart.Repaint();
    EXPECT_EQ(host.invalidations, 2);
    EXPECT_EQ(host.immediatePaints, 1);
    EXPECT_EQ(chart.RepaintRequestCount(), 2);

    finishBufferedPaint(chart, window);
    chart.SetRepaintEnabled(false);
    chart.RequestRepaint();
    chart.Repaint();
    EXPECT_FALSE(chart.PictureStale());
    EXPECT_EQ(host.invalidations, 2);
    EXPECT_EQ(host.immediatePaints, 1);
    EXPECT_EQ(chart.RepaintRequestCount(), 2);
    chart.SetHost(nullptr);
}

TEST(ChartPanel, SettersRequestARepaintOnlyForRealChanges)
{
    TCustomAxisPanel chart;
    const RepaintCounter repaints(chart);
    chart.SetMarginLeft(3);
    chart.SetMarginBottom(4);
    chart.SetColor(clBtnFace);
    chart.SetView3D(true);
    chart.SetChart3DPercent(15);
    chart.SetAxisVisible(true);
    chart.SetClipPoints(true);
    chart.SetPage(1);
    chart.SetClientSize(400, 250);
    chart.SetAllowZoom(false); // a mouse setting: nothing to redraw
    EXPECT_EQ(repaints.Count(), 0);

    chart.SetMarginTop(10);
    chart.SetView3D(false);
    chart.SetClientSize(498, 690);
    chart.NotifySubObjectChanged();
    EXPECT_EQ(repaints.Count(), 4);
}

TEST(ChartPanel, Chart3DPercentOutsideOneToHundredIsRefused)
{
    TCustomAxisPanel chart;
    for (int value : {0, 101}) {
        try {
            chart.SetChart3DPercent(value);
            ADD_FAILURE() << value;
        } catch (const ChartException& error) {
            EXPECT_EQ(error.Message(), std::string("3D effect percent must be between 1 and 100"));
        }
    }
    EXPECT_EQ(chart.Chart3DPercent(), 15);
    chart.SetChart3DPercent(100);
    EXPECT_EQ(chart.Chart3DPercent(), 100);
}

TEST(ChartPanel, ClientSizeComesFromTheHost)
{
    FakeChartHost host;
    TCustomAxisPanel chart;
    chart.SetHost(&host);
    EXPECT_EQ(chart.ClientWidth(), 498);
    EXPECT_EQ(chart.ClientHeight(), 690);
    chart.SetHost(nullptr);
    EXPECT_EQ(chart.ClientWidth(), 400);
}

TEST(ChartPanel, ChartAreaKeepsItsSizesAndCentre)
{
    TCustomAxisPanel chart;
    chart.SetDrawBounds({0, 0, 498, 690});
    chart.SetChartArea({15, 28, 483, 662});
    EXPECT_EQ(chart.ChartWidth(), 468);
    EXPECT_EQ(chart.ChartHeight(), 634);
    EXPECT_EQ(chart.ChartXCenter(), 249);
    EXPECT_EQ(chart.ChartYCenter(), 345);
}

TEST(ChartPanel, NormalizedChartAreaIsNeverEmptyNorOutsideTheDrawing)
{
    TCustomAxisPanel chart;
    chart.SetClientSize(300, 200);
    chart.SetDrawBounds({10, 20, 300, 200});

    chart.SetChartArea({0, 0, 100, 100}); // starts before the drawing area
    EXPECT_EQ(chart.ChartArea(), (TChartRect{10, 20, 100, 100}));

    chart.SetChartArea({50, 60, 40, 30}); // inverted
    EXPECT_EQ(chart.ChartArea(), (TChartRect{50, 60, 51, 61}));
    EXPECT_EQ(chart.ChartWidth(), 1);

    chart.SetChartArea({50, 60, 50, 60}); // collapsed: as wide and high as the control
    EXPECT_EQ(chart.ChartArea(), (TChartRect{50, 60, 350, 260}));

    chart.SetChartArea({-7, 30, -3, 31});
    EXPECT_EQ(chart.ChartArea(), (TChartRect{10, 30, 11, 31}));
    EXPECT_EQ(chart.ChartXCenter(), 10);
}

TEST(ChartPanel, CentresTruncateTowardsZero)
{
    TCustomAxisPanel chart;
    chart.SetDrawBounds({-100, -100, 0, 0});
    chart.SetChartArea({-9, -8, -2, -1});
    EXPECT_EQ(chart.ChartXCenter(), -5);
    EXPECT_EQ(chart.ChartYCenter(), -4);
}
