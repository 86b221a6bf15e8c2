// The chart control as a real widget under the offscreen platform.
#include "chart/qt/Chart.h"
#include "chart/ChartCanvas.h"
#include "chart/FastLineSeries.h"
#include "platform/Exceptions.h"
#include "tests/chart/ShownChart.h"
#include "tests/support/TestImages.h"


#include <gtest/gtest.h>

TEST(ChartWidget, SeveralRequestsGiveOnePaint)
{
    ShownChart shown;
    ASSERT_EQ(shown.renders, 1);
    for (int i = 0; i < 5; ++i)
        shown.chart->RequestRepaint();
    shown.chart->Title().SetText({std::string("Other")});
    ShownChart::Settle();
    EXPECT_EQ(shown.renders, 2);
    EXPECT_FALSE(shown.chart->PictureStale());
}

TEST(ChartWidget, AnExposeWithoutAChangeOnlyShowsTheSurface)
{
    ShownChart shown;
    const QImage before = shown.chart->WindowSurface().copy();
    shown.chart->repaint();
    shown.chart->update();
    ShownChart::Settle();
    EXPECT_EQ(shown.renders, 1);
    EXPECT_EQ(shown.chart->grab().toImage().convertToFormat(QImage::Format_RGB32), before);
}

TEST(ChartWidget, AResizeRendersAPictureOfTheNewSize)
{
    ShownChart shown;
    shown.chart->resize(300, 200);
    ShownChart::Settle();
    EXPECT_EQ(shown.renders, 2);
    EXPECT_EQ(shown.chart->WindowSurface().size(), QSize(300, 200));
    ASSERT_NE(shown.chart->Canvas().Bitmap(), nullptr);
    EXPECT_EQ(shown.chart->Canvas().Bitmap()->Width(), 300);
    EXPECT_EQ(shown.chart->Canvas().Bitmap()->Height(), 200);
    EXPECT_EQ(shown.chart->Title().BlockRect().left, 9);
}

TEST(ChartWidget, ASeriesWithoutAutoRepaintShowsItsSegmentsWithoutARender)
{
    ShownChart shown;
    shown.chart->LeftAxis().SetRange(-15, 15);
    shown.chart->BottomAxis().SetRange(0, 3);
    TFastLineSeries& series = shown.AddRun(clRed, 10, 100);
    ShownChart::Settle();
    const int renders = shown.renders;
    const QImage before = shown.chart->grab().toImage().convertToFormat(QImage::Format_RGB32);

    series.SetAutoRepaint(false);
    for (const QPointF& p : PendulumRun(-10, 250))
        if (p.x() > 1)
            series.AddPoint(p.x(), p.y());
    ShownChart::Settle();
    EXPECT_EQ(shown.renders, renders);
    const QImage after = shown.chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_NE(after, before);
    EXPECT_EQ(after, shown.chart->WindowSurface());
}

TEST(ChartWidget, CursorsMapToQtShapes)
{
    ShownChart shown;
    shown.chart->SetCursor(crCross);
    EXPECT_EQ(shown.chart->cursor().shape(), Qt::CrossCursor);
    shown.chart->SetCursor(crHandPoint);
    EXPECT_EQ(shown.chart->cursor().shape(), Qt::PointingHandCursor);
    shown.chart->SetCursor(crDefault);
    EXPECT_EQ(shown.chart->cursor().shape(), Qt::ArrowCursor);
}

TEST(ChartWidget, APaintFailureIsReportedAndTheWindowKeepsItsPicture)
{
    ShownChart shown;
    QString reported;
    shown.chart->OnPaintError = [&](const std::exception& error) { reported = QString::fromUtf8(error.what()); };
    shown.chart->OnBeforeDrawSeries = [](TCustomAxisPanel&) { throw KyvadloError(std::string("broken")); };
    shown.chart->RequestRepaint();
    ShownChart::Settle();
    EXPECT_EQ(reported, QStringLiteral("broken"));
    EXPECT_TRUE(shown.chart->PictureStale());
}

TEST(ChartWidget, DestroyingTheWidgetWithSeriesAttachedIsClean)
{
    ShownChart shown;
    shown.AddRun(clRed, 10, 50);
    const platform::ComponentPointer<TFastLineSeries> unowned = new TFastLineSeries;
    unowned->SetParentChart(shown.chart.get());
    const platform::ComponentPointer<TFastLineSeries> ownedDetached = new TFastLineSeries(shown.chart.get());
    EXPECT_EQ(shown.chart->NumberOfSeries(), 2);
    shown.chart.reset();
    EXPECT_EQ(unowned.Get(), nullptr) << "the chart destroys the series still attached, also one it does not own";
    EXPECT_EQ(ownedDetached.Get(), nullptr) << "the control destroys what it owns, also off the chart";
}

TEST(ChartWidget, ThreeRunsLookLikeThreeSwingingLines)
{
    ShownChart shown;
    shown.chart->LeftAxis().SetRange(-15, 15);
    shown.AddRun(clRed, 10, 1000);
    shown.AddRun(clGreen, 5, 1000);
    shown.AddRun(clBlue, -12, 1000);
    ShownChart::Settle();
    const QImage picture = shown.chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
    testing_support::saveScreenshot(picture, QStringLiteral("chart_three_runs"));

    // Each run shows, inside the chart rectangle only (the blue title aside).
    const TChartRect area = shown.chart->ChartArea();
    const TChartRect title = shown.chart->Title().BlockRect();
    for (TColor color : {clRed, clGreen, clBlue}) {
        int inside = 0;
        int outside = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (testing_support::rgbAt(picture, x, y) == Drawn(color) && !title.Contains(x, y))
                    (area.Contains(x, y) ? inside : outside) += 1;
        EXPECT_GT(inside, 1000) << color;
        EXPECT_EQ(outside, 0) << color;
    }
}
