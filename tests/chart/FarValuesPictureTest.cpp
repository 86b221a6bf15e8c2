// Samples far beyond the axis range: drawn beyond the plot on their own side,
// never across its middle.
#include "tests/chart/ChartPaintTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

TEST(FarValuesPicture, ARunStartedAt1e300DegreesStaysOutOfThePlot)
{
    ConfiguredChart configured;
    const std::vector<QPointF> run = PendulumRun(1e300, 300);
    ASSERT_LT(run.back().y(), -1e299) << "the run records angles of about -1e300 degrees";
    configured.AddSeries(clRed, run);
    configured.SetStartRanges();
    const QImage& picture = configured.Paint();

    const TChartRect area = configured.chart.ChartArea();
    const int zeroRow = configured.chart.LeftAxis().ValueToPixel(0);
    EXPECT_EQ(CountColor(picture, Drawn(clRed), area.left, zeroRow, area.right, zeroRow + 1), 0)
        << "no line along 0 degrees";
    EXPECT_EQ(CountColor(picture, Drawn(clRed), area.left, area.top, area.right, area.bottom), 0);
}

// A run with one sample far above and one far below the range: the line runs
// out of the plot at the top and at the bottom where those samples are.
TEST(FarValuesPicture, LinesToFarSamplesLeaveThePlotAtTheEdgeTheyCross)
{
    std::vector<QPointF> run = PendulumRun(10, 300);
    run[100].setY(1e300);
    run[200].setY(-1e300);
    ConfiguredChart configured;
    configured.AddSeries(clRed, run);
    configured.SetStartRanges();
    const QImage& picture = configured.Paint();

    const TChartRect area = configured.chart.ChartArea();
    const TChartAxis& bottom = configured.chart.BottomAxis();
    const QRgb red = Drawn(clRed);
    const int up = bottom.ValueToPixel(run[100].x());
    const int down = bottom.ValueToPixel(run[200].x());
    // The first row inside the wall at the top; the last row series show at the bottom.
    EXPECT_GT(CountColor(picture, red, up - 1, area.top + 1, up + 1, area.top + 2), 0);
    EXPECT_GT(CountColor(picture, red, down - 1, area.bottom - 2, down + 1, area.bottom - 1), 0);
    EXPECT_EQ(CountColor(picture, red, area.left, area.top + 1, up - 3, area.top + 2), 0)
        << "nothing else reaches the top";
}
