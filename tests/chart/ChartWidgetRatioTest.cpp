// The chart widget on scaled screens: registered to run with QT_SCALE_FACTOR
// at 2 and at 1.5 (ChartWidgetAtRatio), and on an offscreen platform with two
// screens of ratios 1 and 2 (ChartWidgetOnTwoScreens, see TwoScreens.json).
#include "chart/ChartCanvas.h"
#include "tests/chart/ChartMouseTestSupport.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

using mouse_testing::RangeOf;
using mouse_testing::ShownRunChart;

namespace {

// What the window shows, at its device pixels.
QImage Shown(TChart& chart)
{
    return chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The surface has the device pixels of the client area at the widget's
// ratio, the kept picture is the same, and the window shows it pixel for
// pixel, with the panel's colour in a device row or column it may have more.
void ExpectDeviceSurface(TChart& chart, double ratio)
{
    const platform::DeviceMapping map{ratio};
    const QImage& surface = chart.WindowSurface();
    EXPECT_EQ(surface.devicePixelRatio(), ratio);
    EXPECT_EQ(surface.size(), QSize(map.Size(chart.width()), map.Size(chart.height())));
    ASSERT_NE(chart.Canvas().Bitmap(), nullptr);
    EXPECT_EQ(chart.Canvas().Bitmap()->Ratio(), ratio);
    EXPECT_EQ(chart.Canvas().Bitmap()->Image().size(), surface.size());
    const QImage shown = Shown(chart);
    ASSERT_LE(shown.width() - surface.width(), 1);
    ASSERT_LE(shown.height() - surface.height(), 1);
    EXPECT_EQ(shown.copy(surface.rect()), surface);
    const QRgb panel = ToQColor(chart.Color()).rgb();
    int beyond = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            beyond += !surface.rect().contains(x, y) && shown.pixel(x, y) != panel;
    EXPECT_EQ(beyond, 0);
}

// The four side axes' ranges after a left drag that zooms and a right drag
// that scrolls, over the same logical pixels.
struct MouseResult {
    std::vector<mouse_testing::Range> zoomed;
    std::vector<mouse_testing::Range> scrolled;
};

std::vector<mouse_testing::Range> Ranges(const TCustomChart& chart)
{
    return {RangeOf(chart.BottomAxis()), RangeOf(chart.TopAxis()), RangeOf(chart.LeftAxis()),
            RangeOf(chart.RightAxis())};
}

constexpr QPoint zoomFrom(101, 97);
constexpr QPoint zoomTo(263, 318);
constexpr QPoint scrollFrom(300, 400);
constexpr QPoint scrollTo(250, 330);

} // namespace

TEST(ChartWidgetAtRatio, TheSurfaceHasTheScreensDevicePixelsAndAnUnchangedPaintSharesThePicture)
{
    const double ratio = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    ASSERT_GT(ratio, 1) << "registered to run on a scaled screen";
    ShownRunChart shown;
    shown.ShowRun();
    TChart& chart = *shown.chart;
    ASSERT_EQ(chart.devicePixelRatioF(), ratio);
    ExpectDeviceSurface(chart, ratio);
    // Layout and mouse stay logical: the chart rectangle of ratio 1.
    EXPECT_EQ(chart.Title().BlockRect().left, 15);

    const int renders = shown.renders;
    chart.update();
    ShownChart::Settle();
    EXPECT_EQ(shown.renders, renders);
    chart.RequestRepaint();
    chart.repaint();
    EXPECT_EQ(chart.WindowSurface().constBits(), chart.Canvas().Bitmap()->Image().constBits())
        << "the new picture is handed to the window without a copy";
    chart.resize(301, 203);
    ShownChart::Settle();
    ExpectDeviceSurface(chart, ratio);
}

TEST(ChartWidgetAtRatio, ZoomAndScrollByMouseGiveTheRangesOfRatioOne)
{
    // The same run on a chart without a window at ratio 1, driven with the same logical pixels.
    ConfiguredChart single;
    single.AddSeries(clRed, PendulumRun(10, 250));
    single.SetStartRanges();
    single.Paint();
    TCustomChart& reference = single.chart;
    MouseResult expected;
    reference.HandleMouseDown(mbLeft, ssLeft, zoomFrom.x(), zoomFrom.y());
    reference.HandleMouseMove(ssLeft, zoomTo.x(), zoomTo.y());
    reference.HandleMouseUp(mbLeft, ssNone, zoomTo.x(), zoomTo.y());
    single.Paint();
    expected.zoomed = Ranges(reference);
    reference.HandleMouseDown(mbRight, ssRight, scrollFrom.x(), scrollFrom.y());
    reference.HandleMouseMove(ssRight, scrollTo.x(), scrollTo.y());
    reference.HandleMouseUp(mbRight, ssNone, scrollTo.x(), scrollTo.y());
    expected.scrolled = Ranges(reference);

    ShownRunChart shown;
    shown.ShowRun();
    const double ratio = shown.chart->devicePixelRatioF();
    ASSERT_GT(ratio, 1);
    // The rubber band on the window: a ring a one-pixel pen's device width
    // thick inside the device box of the logical drag, each pixel inverted.
    shown.Press(Qt::LeftButton, zoomFrom);
    shown.MoveTo(zoomTo);
    const platform::DeviceMapping map{ratio};
    const QImage& surface = shown.chart->WindowSurface();
    const QImage& kept = shown.chart->Canvas().Bitmap()->Image();
    const QRect box(QPoint(map.Edge(zoomFrom.x()), map.Edge(zoomFrom.y())),
                    QPoint(map.Edge(zoomTo.x()) - 1, map.Edge(zoomTo.y()) - 1));
    const QRect inside = box.adjusted(map.PenWidth(1), map.PenWidth(1), -map.PenWidth(1), -map.PenWidth(1));
    int misplaced = 0;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            misplaced += (surface.pixel(x, y) != kept.pixel(x, y)) != (box.contains(x, y) && !inside.contains(x, y));
    EXPECT_EQ(misplaced, 0);
    shown.Release(Qt::LeftButton, zoomTo);
    ShownChart::Settle();
    EXPECT_EQ(Ranges(*shown.chart), expected.zoomed);
    ExpectDeviceSurface(*shown.chart, shown.chart->devicePixelRatioF());
    shown.Drag(Qt::RightButton, scrollFrom, scrollTo);
    EXPECT_EQ(Ranges(*shown.chart), expected.scrolled);
}

TEST(ChartWidgetOnTwoScreens, MovingToAScreenOfAnotherRatioRepaintsAtThatRatio)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2) << "registered to run with two screens";
    ASSERT_EQ(screens.at(0)->devicePixelRatio(), 1);
    ASSERT_EQ(screens.at(1)->devicePixelRatio(), 2);
    ShownRunChart shown;
    shown.ShowRun();
    TChart& chart = *shown.chart;
    ExpectDeviceSurface(chart, 1);
    const QImage atOne = chart.WindowSurface().copy();
    const int renders = shown.renders;

    chart.windowHandle()->setScreen(screens.at(1));
    ShownChart::Settle();
    EXPECT_EQ(chart.devicePixelRatioF(), 2);
    ExpectDeviceSurface(chart, 2);
    EXPECT_EQ(shown.renders, renders + 1) << "one new picture at the new ratio";

    chart.windowHandle()->setScreen(screens.at(0));
    ShownChart::Settle();
    ExpectDeviceSurface(chart, 1);
    EXPECT_EQ(chart.WindowSurface(), atOne);
}
