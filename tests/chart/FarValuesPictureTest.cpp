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

// A run with one sample far above and one far below the range: the lines to
// and from each run out of the plot, nearly upright, in the columns of the
// samples beside it.
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
    const auto redColumns = [&](int y) {
        std::vector<int> columns;
        for (int x = area.left; x < area.right; ++x)
            if ((picture.pixel(x, y) & 0xFFFFFFu) == Drawn(clRed))
                columns.push_back(x);
        return columns;
    };
    const auto column = [&](int sample) { return bottom.ValueToPixel(run[sample].x()); };
    // The first row inside the wall at the top; the last row series show at the bottom.
    EXPECT_EQ(redColumns(area.top + 1), (std::vector<int>{column(99), column(101)}));
    EXPECT_EQ(redColumns(area.bottom - 2), (std::vector<int>{column(199), column(201)}));
}
