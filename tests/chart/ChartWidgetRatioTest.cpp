// The chart widget on scaled screens: registered to run with QT_SCALE_FACTOR
// at 2 and at 1.5 (ChartWidgetAtRatio), and on an offscreen platform with two
// screens of ratios 1 and 2 (ChartWidgetOnTwoScreens, see tests/support/TwoScreens.json).
#include "chart/ChartCanvas.h"
#include "platform/qt/QtCanvasTarget.h"
#include "platform/qt/QtColors.h"
#include "platform/qt/QtPixels.h"
#include "tests/chart/ChartMouseTestSupport.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

using mouse_testing::Range;
using mouse_testing::RangeOf;
using mouse_testing::ShownRunChart;

namespace {

// The surface and the kept picture have the device pixels of the client
// area at the ratio, and the window shows the surface pixel for pixel, with
// the panel's colour in a device row or column the window may have more.
void ExpectDeviceSurface(TChart& chart, double ratio)
{
    const platform::DeviceMapping map{ratio};
    const QImage& surface = chart.WindowSurface();
    EXPECT_EQ(surface.devicePixelRatio(), ratio);
    EXPECT_EQ(surface.size(), QSize(map.Size(chart.width()), map.Size(chart.height())));
    ASSERT_NE(chart.Canvas().Bitmap(), nullptr);
    EXPECT_EQ(chart.Canvas().Bitmap()->Ratio(), ratio);
    EXPECT_EQ(platform::qt::WrapPixels(chart.Canvas().Bitmap()->Pixels()).size(), surface.size());
    const QImage shown = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_LE((shown.size() - surface.size()).width(), 1);
    ASSERT_LE((shown.size() - surface.size()).height(), 1);
    const QRgb panel = ToQColor(chart.Color()).rgb();
    int wrong = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            wrong += shown.pixel(x, y) != (surface.rect().contains(x, y) ? surface.pixel(x, y) : panel);
    EXPECT_EQ(wrong, 0);
}

std::vector<Range> Ranges(const TCustomChart& chart)
{
    return {RangeOf(chart.BottomAxis()), RangeOf(chart.TopAxis()), RangeOf(chart.LeftAxis()),
            RangeOf(chart.RightAxis())};
}

} // namespace

TEST(ChartWidgetAtRatio, TheSurfaceHasTheDevicePixelsAndAnUnchangedPaintSharesThePicture)
{
    const double ratio = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    ASSERT_GT(ratio, 1) << "registered to run on a scaled screen";
    ShownRunChart shown;
    shown.ShowRun();
    TChart& chart = *shown.chart;
    ASSERT_EQ(chart.devicePixelRatioF(), ratio);
    ExpectDeviceSurface(chart, ratio);
    EXPECT_EQ(chart.Title().BlockRect().left, 15) << "the layout of ratio 1";
    const int renders = shown.renders;
    chart.update();
    ShownChart::Settle();
    EXPECT_EQ(shown.renders, renders);
    chart.RequestRepaint();
    chart.repaint();
    EXPECT_EQ(chart.WindowSurface().constBits(), platform::qt::WrapPixels(chart.Canvas().Bitmap()->Pixels()).constBits()) << "shared, not copied";
    chart.resize(301, 203);
    ShownChart::Settle();
    ExpectDeviceSurface(chart, ratio);
}

TEST(ChartWidgetAtRatio, ZoomByMouseGivesTheRangesOfRatioOne)
{
    const QPoint from(101, 97);
    const QPoint to(263, 318);
    // The same run on a chart without a window at ratio 1, the same logical drag.
    ConfiguredChart single;
    single.AddSeries(clRed, PendulumRun(10, 250));
    single.SetStartRanges();
    single.Paint();
    single.chart.HandleMouseDown(mbLeft, ssLeft, from.x(), from.y());
    single.chart.HandleMouseMove(ssLeft, to.x(), to.y());
    single.chart.HandleMouseUp(mbLeft, ssNone, to.x(), to.y());

    ShownRunChart shown;
    shown.ShowRun();
    ASSERT_GT(shown.chart->devicePixelRatioF(), 1);
    shown.Drag(Qt::LeftButton, from, to);
    ShownChart::Settle();
    EXPECT_EQ(Ranges(*shown.chart), Ranges(single.chart));
}

TEST(ChartWidgetOnTwoScreens, MovingToAScreenOfAnotherRatioRepaintsAtThatRatio)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2) << "registered to run with two screens";
    ASSERT_EQ(screens.at(1)->devicePixelRatio(), 2);
    ShownRunChart shown;
    shown.ShowRun();
    TChart& chart = *shown.chart;
    ExpectDeviceSurface(chart, 1);
    const QImage atOne = chart.WindowSurface().copy();
    const int renders = shown.renders;

    chart.windowHandle()->setScreen(screens.at(1));
    ShownChart::Settle();
    ExpectDeviceSurface(chart, 2);
    EXPECT_EQ(shown.renders, renders + 1) << "one new picture at the new ratio";
    chart.windowHandle()->setScreen(screens.at(0));
    ShownChart::Settle();
    ExpectDeviceSurface(chart, 1);
    EXPECT_EQ(chart.WindowSurface(), atOne);
}
