// Zooming the chart with the mouse while a run goes on.
#include "AppTestSupport.h"

#include "chart/qt/Chart.h"

#include <QTest>

#include <utility>
#include <vector>

using app_testing::FormFixture;

namespace {

// The ranges one paint of the chart used.
struct PaintedRanges {
    double bottomMin;
    double bottomMax;
    double leftMin;
    double leftMax;
};

} // namespace

class ChartZoomDuringRun : public FormFixture {};

TEST_F(ChartZoomDuringRun, AZoomChangesTheNextPaintAndTheTimeAxisTurnsAutomaticAfterThreeSeconds)
{
    runLoop.deliverQtEvents = true;
    TChart& chart = *form->Chart1;
    std::vector<PaintedRanges> paints;
    chart.OnAfterDraw = [&](TCustomAxisPanel&) {
        paints.push_back({chart.BottomAxis().RangeMin(), chart.BottomAxis().RangeMax(), chart.LeftAxis().RangeMin(),
                          chart.LeftAxis().RangeMax()});
    };
    const QPoint from(100, 100);
    const QPoint to(200, 250);
    std::pair<double, double> bottomZoom;
    std::pair<double, double> leftZoom;
    std::size_t paintsBeforeZoom = 0;

    // Pass 100 is at 0.99 s, well before the time axis turns automatic.
    runLoop.At(PassDispatch(100), [&] {
        ASSERT_TRUE(chart.ChartArea().Contains(to.x(), to.y()));
        bottomZoom = {chart.BottomAxis().PixelToValue(from.x()), chart.BottomAxis().PixelToValue(to.x())};
        leftZoom = {chart.LeftAxis().PixelToValue(to.y()), chart.LeftAxis().PixelToValue(from.y())};
        paintsBeforeZoom = paints.size();
        QTest::mousePress(&chart, Qt::LeftButton, {}, from);
        QTest::mouseMove(&chart, to);
        QTest::mouseRelease(&chart, Qt::LeftButton, {}, to);
    });
    bool manualBeforeThreeSeconds = false;
    runLoop.At(PassDispatch(290), [&] { manualBeforeThreeSeconds = !chart.BottomAxis().Automatic(); });
    runLoop.At(PassDispatch(320), [&] { form->Button2Click(form->Button2); });
    app_testing::Click(form->Button1);

    ASSERT_GT(paints.size(), paintsBeforeZoom);
    const PaintedRanges& afterZoom = paints[paintsBeforeZoom];
    EXPECT_EQ(afterZoom.bottomMin, bottomZoom.first);
    EXPECT_EQ(afterZoom.bottomMax, bottomZoom.second);
    EXPECT_EQ(afterZoom.leftMin, leftZoom.first);
    EXPECT_EQ(afterZoom.leftMax, leftZoom.second);
    EXPECT_LT(bottomZoom.second, 1.5) << "the zoom shows a part of the first three seconds";
    EXPECT_TRUE(manualBeforeThreeSeconds) << "the zoom holds until the run passes 3 s";

    // Past 3 s the run control makes the time axis automatic: it spans the run again.
    EXPECT_TRUE(chart.BottomAxis().Automatic());
    const TChartSeries& series = *chart.SeriesAt(0);
    EXPECT_EQ(paints.back().bottomMin, 0.0);
    EXPECT_EQ(paints.back().bottomMax, series.MaxX());
    // The left axis keeps the zoom.
    EXPECT_EQ(paints.back().leftMin, leftZoom.first);
    EXPECT_EQ(paints.back().leftMax, leftZoom.second);
}
