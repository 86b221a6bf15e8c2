// "Start" after the user zoomed or scrolled the chart away from the ranges a
// run sets: the run starts on 0 .. 3 s and -15 .. 15 degrees all the same.
#include "AppTestSupport.h"

#include "chart/qt/Chart.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

#include <cstdlib>

using app_testing::Click;
using app_testing::FormFixture;

class StartAfterZoom : public FormFixture {
protected:
    TChart& Chart() const { return *form->Chart1; }

    // Lets the chart paint, so that the mouse maps through the ranges shown.
    static void Settle() { QCoreApplication::processEvents(); }

    void WheelNotches(int notches)
    {
        const TChartRect area = Chart().ChartArea();
        const QPoint at((area.left + area.right) / 2, (area.top + area.bottom) / 2);
        for (int i = 0; i < std::abs(notches); ++i) {
            QWheelEvent wheel(at, Chart().mapToGlobal(at), QPoint(), QPoint(0, notches < 0 ? -120 : 120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&Chart(), &wheel);
        }
        Settle();
    }

    // Starts a run of one pass and checks that it began on the run's ranges.
    void ExpectStartUsesTheRunRanges()
    {
        const int seriesBefore = Chart().NumberOfSeries();
        bool rangesSetAtFirstPass = false;
        runLoop.At(runLoop.dispatches + 1, [&] {
            rangesSetAtFirstPass = Chart().BottomAxis().Minimum() == 0.0 && Chart().BottomAxis().Maximum() == 3.0
                && Chart().LeftAxis().Minimum() == -15.0 && Chart().LeftAxis().Maximum() == 15.0;
        });
        RunPasses(1);
        EXPECT_TRUE(errors.shown.empty()) << errors.shown.front().text.toStdString();
        EXPECT_TRUE(rangesSetAtFirstPass);
        EXPECT_FALSE(Chart().BottomAxis().Automatic());
        EXPECT_FALSE(Chart().LeftAxis().Automatic());
        ASSERT_EQ(Chart().NumberOfSeries(), seriesBefore + 1);
        EXPECT_EQ(Chart().SeriesAt(seriesBefore)->PointCount(), 1) << "the run went on to its loop";
    }
};

TEST_F(StartAfterZoom, AZoomWhollyBeyondThreeSecondsIsReplacedByTheRunRanges)
{
    RunPasses(900);
    Settle();
    const TChartAxis& bottom = Chart().BottomAxis();
    ASSERT_TRUE(bottom.Automatic());
    const TChartRect area = Chart().ChartArea();
    const QPoint from(bottom.ValueToPixel(5), area.top + 10);
    const QPoint to(bottom.ValueToPixel(7), area.bottom - 10);
    QTest::mousePress(&Chart(), Qt::LeftButton, {}, from);
    QTest::mouseMove(&Chart(), to);
    QTest::mouseRelease(&Chart(), Qt::LeftButton, {}, to);
    ASSERT_GT(bottom.Minimum(), 3.0) << "the zoom lies wholly beyond the run's time range";

    ExpectStartUsesTheRunRanges();
}

TEST_F(StartAfterZoom, ALeftAxisScrolledWhollyAboveOrBelowItsRangeIsReplacedByTheRunRanges)
{
    RunPasses(50);
    Settle();
    // Each notch towards the user moves the left axis up by 3 % of its span.
    WheelNotches(-40);
    ASSERT_GT(Chart().LeftAxis().Minimum(), 15.0);
    ExpectStartUsesTheRunRanges();

    Settle();
    // Dragging up with the right button shows smaller values; two drags over
    // most of the plot's height take the axis below -15.
    for (int drag = 0; drag < 2; ++drag) {
        const TChartRect area = Chart().ChartArea();
        const int x = (area.left + area.right) / 2;
        QTest::mousePress(&Chart(), Qt::RightButton, {}, QPoint(x, area.bottom - 2));
        QTest::mouseMove(&Chart(), QPoint(x, area.top + 2));
        QTest::mouseRelease(&Chart(), Qt::RightButton, {}, QPoint(x, area.top + 2));
        Settle();
    }
    ASSERT_LT(Chart().LeftAxis().Maximum(), -15.0);
    ExpectStartUsesTheRunRanges();
}
