#include "chart/AxisPanel.h"
#include "tests/chart/ChartTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

class AxisMappingTest : public ::testing::Test {
protected:
    // The plot of the examples: left 60, top 40, width 400, height 600.
    const TChartRect area{60, 40, 460, 640};
    TCustomAxisPanel chart;
    TChartAxis& bottom = chart.BottomAxis();
    TChartAxis& left = chart.LeftAxis();
};

} // namespace

TEST_F(AxisMappingTest, VerticalAxisPutsLargerValuesHigher)
{
    LayOutAxis(chart, left, area, -15, 15);
    EXPECT_EQ(left.PixelStart(), 40);
    EXPECT_EQ(left.PixelEnd(), 640);
    EXPECT_EQ(left.PixelSize(), 600);
    EXPECT_EQ(left.PixelCenter(), 340);
    EXPECT_EQ(left.ValueToPixel(15), 40);
    EXPECT_EQ(left.ValueToPixel(7.5), 190);
    EXPECT_EQ(left.ValueToPixel(0), 340);
    EXPECT_EQ(left.ValueToPixel(-15), 640);

    left.SetInverted(true);
    EXPECT_EQ(left.ValueToPixel(-15), 40);
    EXPECT_EQ(left.ValueToPixelY(15), 640);
}

TEST_F(AxisMappingTest, HorizontalAxisPutsTheMinimumAtItsStart)
{
    LayOutAxis(chart, bottom, area, 0, 3);
    EXPECT_EQ(bottom.ValueToPixel(1.5), 260);
    EXPECT_EQ(bottom.ValueToPixel(0), 60);
    EXPECT_EQ(bottom.ValueToPixel(3), 460);
    EXPECT_EQ(bottom.ValueToPixel(-3), -340); // outside the plot, still mapped

    bottom.SetInverted(true);
    EXPECT_EQ(bottom.ValueToPixel(0), 460);
    EXPECT_EQ(bottom.ValueToPixelX(3), 60);
}

TEST_F(AxisMappingTest, HalfPixelsRoundToEven)
{
    LayOutAxis(chart, bottom, area, 0, 400); // one unit per pixel
    EXPECT_EQ(bottom.ValueToPixel(2.5), 62);
    EXPECT_EQ(bottom.ValueToPixel(3.5), 64);
    EXPECT_EQ(bottom.ValueToPixel(-0.5), 60);
    EXPECT_EQ(bottom.ValueToPixel(2.6), 63);
}

TEST_F(AxisMappingTest, ZeroSpanMapsEverythingToTheCentre)
{
    chart.SetChartArea(area);
    left.ComputeRange(); // automatic, no series: 0 .. 0
    left.ComputePixelPositions();
    EXPECT_EQ(left.RangeSpan(), 0);
    EXPECT_EQ(left.ValueToPixel(0), 340);
    EXPECT_EQ(left.ValueToPixel(1e300), 340);
    EXPECT_EQ(left.ValueToPixel(-7), 340);
}

TEST_F(AxisMappingTest, ValuesFarBeyondTheRangeMapToAFarPixelOnTheirOwnSide)
{
    constexpr int far = std::numeric_limits<int>::max();
    const double infinity = std::numeric_limits<double>::infinity();
    LayOutAxis(chart, bottom, area, 0, 400);
    EXPECT_EQ(bottom.ValueToPixel(2147483600.0), far) << "kept within the integer range";
    EXPECT_EQ(bottom.ValueToPixel(-2147483600.0), 60 - 2147483600);
    for (const double beyond : {2147483647.0, 1e20, 1e300, infinity}) {
        EXPECT_EQ(bottom.ValueToPixel(beyond), far) << beyond;
        EXPECT_EQ(bottom.ValueToPixel(-beyond), 60 - 2147483647) << -beyond;
    }
    EXPECT_EQ(bottom.ValueToPixel(std::numeric_limits<double>::quiet_NaN()), 260) << "NaN keeps the centre";

    // Larger values lie higher on a vertical axis, far above it beyond its range.
    LayOutAxis(chart, left, area, -15, 15);
    EXPECT_EQ(left.ValueToPixel(1e300), 640 - 2147483647);
    EXPECT_EQ(left.ValueToPixel(-1e300), far);
    left.SetInverted(true);
    EXPECT_EQ(left.ValueToPixel(1e300), far);
    EXPECT_EQ(left.ValueToPixel(std::numeric_limits<double>::quiet_NaN()), 340);
}

// Ends so far apart that their difference overflows a double still map in
// proportion, and mapping back gives numbers.
TEST_F(AxisMappingTest, RangesWhoseSpanOverflowsADoubleMapMonotonicallyAndBack)
{
    LayOutAxis(chart, bottom, area, -1e308, 1e308);
    LayOutAxis(chart, left, area, -1e308, 1e308);
    ASSERT_TRUE(std::isinf(bottom.RangeSpan()));
    EXPECT_EQ(bottom.ValueToPixel(-1e308), 60);
    EXPECT_EQ(bottom.ValueToPixel(0), 260);
    EXPECT_EQ(bottom.ValueToPixel(5e307), 360);
    EXPECT_EQ(bottom.ValueToPixel(1e308), 460);
    EXPECT_EQ(left.ValueToPixel(1e308), 40);
    EXPECT_EQ(left.ValueToPixel(0), 340);
    EXPECT_EQ(left.ValueToPixel(-1e308), 640);

    int previousX = std::numeric_limits<int>::min();
    int previousY = std::numeric_limits<int>::max();
    for (double v = -std::numeric_limits<double>::max(); v < 1.7e308; v += 1e306) {
        const int x = bottom.ValueToPixel(v);
        const int y = left.ValueToPixel(v);
        ASSERT_GE(x, previousX) << v;
        ASSERT_LE(y, previousY) << v;
        previousX = x;
        previousY = y;
    }

    EXPECT_EQ(bottom.PixelToValue(60), -1e308);
    EXPECT_EQ(bottom.PixelToValue(460), 1e308);
    EXPECT_EQ(bottom.PixelToValue(260), 0);
    EXPECT_EQ(left.PixelToValue(40), 1e308);
    for (const int pixel : {-100000, -1, 0, 59, 461, 100000})
        EXPECT_TRUE(std::isfinite(bottom.PixelToValue(pixel)) && std::isfinite(left.PixelToValue(pixel))) << pixel;
    EXPECT_LT(bottom.PixelToValue(-100000), bottom.PixelToValue(-1));
    EXPECT_GT(left.PixelToValue(-100000), left.PixelToValue(-1));

    // Narrowing the pixels keeps the range in numbers too.
    bottom.RefitRangeToInset({20, 0, 20, 0});
    EXPECT_TRUE(std::isfinite(bottom.RangeMin()) && std::isfinite(bottom.RangeMax()));
    EXPECT_LT(bottom.RangeMin(), -1e308);
}

TEST_F(AxisMappingTest, PixelToValueInvertsTheMapping)
{
    LayOutAxis(chart, left, area, -15, 15);
    LayOutAxis(chart, bottom, area, 0, 3);
    EXPECT_DOUBLE_EQ(left.PixelToValue(40), 15);
    EXPECT_DOUBLE_EQ(left.PixelToValue(640), -15);
    EXPECT_DOUBLE_EQ(bottom.PixelToValue(260), 1.5);
    const double pixelWidth = 3.0 / 400;
    for (double v : {0.1, 0.77, 1.234, 2.999})
        EXPECT_NEAR(bottom.PixelToValue(bottom.ValueToPixel(v)), v, pixelWidth / 2 + 1e-12) << v;

    bottom.SetInverted(true);
    EXPECT_DOUBLE_EQ(bottom.PixelToValue(60), 3);
    left.SetInverted(true);
    EXPECT_DOUBLE_EQ(left.PixelToValue(40), -15);
}

TEST_F(AxisMappingTest, PixelToValueWithoutPixelsIsZero)
{
    bottom.SetRange(5, 10);
    bottom.ComputeRange();
    bottom.SetStartPosition(50);
    bottom.SetEndPosition(50);
    chart.SetChartArea(area);
    bottom.ComputePixelPositions();
    EXPECT_EQ(bottom.PixelSize(), 0);
    EXPECT_EQ(bottom.PixelToValue(260), 0);
}

TEST_F(AxisMappingTest, StartAndEndPositionsAreSharesOfTheChartRectangle)
{
    bottom.SetStartPosition(10);
    bottom.SetEndPosition(90);
    LayOutAxis(chart, bottom, area, 0, 1);
    EXPECT_EQ(bottom.PixelStart(), 100);
    EXPECT_EQ(bottom.PixelEnd(), 420);
    EXPECT_EQ(bottom.PixelCenter(), 260);
}

TEST_F(AxisMappingTest, SetRangeOrdersTheEndsAndKeepsAMinimumSpan)
{
    bottom.SetRange(3, 1);
    EXPECT_EQ(bottom.Minimum(), 1);
    EXPECT_EQ(bottom.Maximum(), 3);
    EXPECT_FALSE(bottom.Automatic());
    EXPECT_FALSE(bottom.AutomaticMinimum());
    EXPECT_FALSE(bottom.AutomaticMaximum());

    bottom.SetRange(2, 2);
    EXPECT_EQ(bottom.Minimum(), 2);
    EXPECT_EQ(bottom.Maximum(), 2 + 1e-10);

    const RepaintCounter repaints(chart);
    bottom.SetRange(2, 2 + 1e-10);
    EXPECT_EQ(repaints.Count(), 0);
    bottom.SetRange(-5, 20); // bypasses the setters' checks
    EXPECT_EQ(bottom.Minimum(), -5);
    EXPECT_EQ(repaints.Count(), 2);
}

TEST_F(AxisMappingTest, ComputeRangeTakesAutomaticEndsFromTheSeries)
{
    platform::ComponentOwner owner;
    auto* series = new TChartSeries(&owner);
    series->SetParentChart(&chart);
    series->AddPoint(0.5, -3);
    series->AddPoint(4, 12);
    const RepaintCounter repaints(chart);
    bottom.ComputeRange();
    EXPECT_EQ(bottom.RangeMin(), 0.5);
    EXPECT_EQ(bottom.RangeMax(), 4);
    EXPECT_EQ(bottom.RangeSpan(), 3.5);
    EXPECT_EQ(bottom.Minimum(), 0.5); // reads back the range used
    EXPECT_EQ(repaints.Count(), 0);

    left.SetAutomatic(false);
    left.SetMaximum(15);
    left.SetMinimum(-15);
    left.ComputeRange();
    EXPECT_EQ(left.RangeMin(), -15);
    EXPECT_EQ(left.RangeMax(), 15);

    left.SetAutomaticMaximum(true); // only the upper end follows the data
    left.ComputeRange();
    EXPECT_EQ(left.RangeMin(), -15);
    EXPECT_EQ(left.RangeMax(), 12);
}

TEST_F(AxisMappingTest, ScrollRangeWithLimitsMovesOnlyTowardsData)
{
    platform::ComponentOwner owner;
    auto* series = new TChartSeries(&owner);
    series->SetParentChart(&chart);
    series->AddPoint(0, 0);
    series->AddPoint(10, 0);
    left.ScrollRange(1, false);
    EXPECT_FALSE(left.Automatic());
    EXPECT_EQ(left.Maximum(), 1);
    bottom.SetRange(2, 5);

    bottom.ScrollRange(1, true); // data up to 10 lies above 5
    EXPECT_EQ(bottom.Minimum(), 3);
    EXPECT_EQ(bottom.Maximum(), 6);
    bottom.ScrollRange(-1, true); // data down to 0 lies below 3
    EXPECT_EQ(bottom.Minimum(), 2);

    bottom.SetRange(-4, 10);
    bottom.ScrollRange(1, true); // nothing above 10
    EXPECT_EQ(bottom.Maximum(), 10);
    bottom.ScrollRange(-1, true); // nothing below -4
    EXPECT_EQ(bottom.Minimum(), -4);
    bottom.ScrollRange(0, true);
    EXPECT_EQ(bottom.Minimum(), -4);

    FakeChartHost host;
    chart.SetHost(&host);
    bottom.ScrollRange(2.5, false);
    EXPECT_EQ(bottom.Minimum(), -1.5);
    EXPECT_EQ(bottom.Maximum(), 12.5);
    EXPECT_EQ(host.immediatePaints, 1);
    chart.SetHost(nullptr);
}

TEST_F(AxisMappingTest, RefitRangeToInsetKeepsDataAwayFromTheEnds)
{
    LayOutAxis(chart, bottom, area, 0, 100);
    bottom.RefitRangeToInset({0, 0, 0, 0});
    EXPECT_EQ(bottom.RangeMin(), 0);
    EXPECT_EQ(bottom.RangeMax(), 100);

    bottom.RefitRangeToInset({20, 0, 20, 0});
    EXPECT_EQ(bottom.PixelStart(), 60); // the pixels return to the whole plot
    EXPECT_EQ(bottom.PixelEnd(), 460);
    EXPECT_DOUBLE_EQ(bottom.RangeMin(), -20.0 * 100 / 360);
    EXPECT_DOUBLE_EQ(bottom.RangeMax(), 100 + 20.0 * 100 / 360);
    EXPECT_EQ(bottom.ValueToPixel(0), 80);
    EXPECT_EQ(bottom.Minimum(), 0);

    // Insets that leave no pixels keep the range.
    const double before = bottom.RangeMin();
    bottom.RefitRangeToInset({300, 0, 300, 0});
    EXPECT_EQ(bottom.RangeMin(), before);

    LayOutAxis(chart, left, area, -10, 10);
    left.RefitRangeToInset({0, 30, 0, 0});
    EXPECT_DOUBLE_EQ(left.RangeMax(), 10 + 30.0 * 20 / 570);
    EXPECT_DOUBLE_EQ(left.RangeMin(), -10);
}

TEST_F(AxisMappingTest, LogarithmicAxisMapsTheLogarithms)
{
    LayOutAxis(chart, bottom, area, 1, 100);
    bottom.SetLogarithmic(true);
    EXPECT_EQ(bottom.ValueToPixel(1), 60);
    EXPECT_EQ(bottom.ValueToPixel(10), 260);
    EXPECT_EQ(bottom.ValueToPixel(100), 460);
    EXPECT_EQ(bottom.ValueToPixel(0), 60);
    EXPECT_EQ(bottom.ValueToPixel(-5), 60);
    EXPECT_EQ(bottom.PixelToValue(60), 1);
    EXPECT_EQ(bottom.PixelToValue(460), 100);
    EXPECT_NEAR(bottom.PixelToValue(260), 10, 1e-9);
}

TEST_F(AxisMappingTest, DepthAxisMapsIntoTheChartDepth)
{
    TChartDepthAxis& depth = chart.DepthAxis();
    depth.ComputeRange();
    EXPECT_EQ(depth.RangeMin(), -0.5);
    EXPECT_EQ(depth.RangeMax(), 0.5);
    EXPECT_EQ(depth.ValueToPixel(0.5), 0); // no depth in two dimensions
}

TEST_F(AxisMappingTest, PointOnAxisLiesBetweenTheLabelsAndTheLine)
{
    chart.SetView3D(false);
    LayOutAxis(chart, bottom, area, 0, 3);
    bottom.SetAxisLinePos(640);
    bottom.SetLabelsPos(652);
    EXPECT_TRUE(bottom.IsPointOnAxis(60, 637));
    EXPECT_TRUE(bottom.IsPointOnAxis(459, 651));
    EXPECT_FALSE(bottom.IsPointOnAxis(460, 645)); // right edge excluded
    EXPECT_FALSE(bottom.IsPointOnAxis(100, 636));
    EXPECT_FALSE(bottom.IsPointOnAxis(100, 652)); // bottom edge excluded

    LayOutAxis(chart, left, area, -15, 15);
    left.SetAxisLinePos(60);
    left.SetLabelsPos(30);
    EXPECT_TRUE(left.IsPointOnAxis(30, 40));
    EXPECT_TRUE(left.IsPointOnAxis(62, 639));
    EXPECT_FALSE(left.IsPointOnAxis(63, 300));
    EXPECT_FALSE(left.IsPointOnAxis(29, 300));

    left.SetVisible(false);
    EXPECT_FALSE(left.IsPointOnAxis(40, 300));
}
