#include "chart/AxisPixelMapper.h"
#include "tests/chart/ChartTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

// Values that hit every awkward spot of the axis: plenty inside the range,
// offsets a hair either side of half pixels, far outside, and no numbers.
std::vector<double> AwkwardValues(const TCustomChartAxis& axis)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> inside(axis.RangeMin() - axis.RangeSpan(), axis.RangeMax() + axis.RangeSpan());
    std::vector<double> values;
    for (int i = 0; i < 20000; ++i)
        values.push_back(inside(random));
    const double pixelValue = axis.RangeSpan() / std::max(1, axis.PixelSize());
    for (int k = -50; k < 650; ++k) {
        const double half = axis.RangeMin() + (k + 0.5) * pixelValue;
        values.push_back(half);
        values.push_back(std::nextafter(half, -INFINITY));
        values.push_back(std::nextafter(half, INFINITY));
    }
    for (double far : {1e7, 1e9, 1e12, 1e300, -1e300, 2147483647.0, -2147483648.0})
        values.push_back(far);
    values.push_back(std::numeric_limits<double>::quiet_NaN());
    values.push_back(INFINITY);
    values.push_back(-INFINITY);
    values.push_back(0.1); // an odd count: the last value goes alone
    return values;
}

// Four values at a time where the processor allows, and two at a time, which
// must give the same pixels.
void ExpectSameAsAxis(const TCustomChartAxis& axis, bool horizontal, double multiplier = 1.0)
{
    const std::vector<double> values = AwkwardValues(axis);
    for (const bool wideVectors : {true, false}) {
        SCOPED_TRACE(wideVectors ? "four wide" : "two wide");
        const AxisPixelMapper mapper(axis, horizontal, wideVectors);
        std::vector<int> pixels(values.size());
        mapper.MapAll(values, multiplier, pixels);
        for (std::size_t i = 0; i < values.size(); ++i) {
            const double value = values[i] * multiplier;
            const int expected = horizontal ? axis.ValueToPixelX(value) : axis.ValueToPixelY(value);
            ASSERT_EQ(pixels[i], expected) << "value " << value;
            ASSERT_EQ(mapper.Map(value), expected) << "value " << value;
        }
    }
}

} // namespace

TEST(AxisPixelMapper, GivesTheAxisOwnPixelsOnBothKindsOfAxes)
{
    TCustomAxisPanel chart;
    const TChartRect area{37, 44, 483, 630};
    LayOutAxis(chart, chart.BottomAxis(), area, 0, 99.99);
    ExpectSameAsAxis(chart.BottomAxis(), true);
    ExpectSameAsAxis(chart.BottomAxis(), true, 0.001);
    LayOutAxis(chart, chart.LeftAxis(), area, -15, 15);
    ExpectSameAsAxis(chart.LeftAxis(), false);

    chart.BottomAxis().SetInverted(true);
    chart.LeftAxis().SetInverted(true);
    LayOutAxis(chart, chart.BottomAxis(), area, 1, 3);
    ExpectSameAsAxis(chart.BottomAxis(), true);
    LayOutAxis(chart, chart.LeftAxis(), area, -1e-9, 1e-9);
    ExpectSameAsAxis(chart.LeftAxis(), false);
}

TEST(AxisPixelMapper, LeavesLogarithmicAndEmptyRangesToTheAxis)
{
    TCustomAxisPanel chart;
    const TChartRect area{20, 20, 420, 320};
    chart.LeftAxis().SetLogarithmic(true);
    LayOutAxis(chart, chart.LeftAxis(), area, 1, 1000);
    ExpectSameAsAxis(chart.LeftAxis(), false);

    // A range that collapsed to one value maps everything to the centre.
    chart.SetChartArea(area);
    TChartAxis& bottom = chart.BottomAxis();
    bottom.SetAutomatic(true);
    bottom.ComputeRange();
    bottom.ComputePixelPositions();
    ASSERT_EQ(bottom.RangeSpan(), 0);
    ExpectSameAsAxis(bottom, true);
}

TEST(AxisPixelMapper, LeavesRangesWhoseSpanOverflowsADoubleToTheAxis)
{
    TCustomAxisPanel chart;
    const TChartRect area{20, 20, 420, 320};
    for (TChartAxis* axis : {&chart.BottomAxis(), &chart.LeftAxis()}) {
        LayOutAxis(chart, *axis, area, -1e308, 1e308);
        ASSERT_TRUE(std::isinf(axis->RangeSpan()));
        const bool horizontal = axis->IsHorizontal();
        std::vector<double> values{-1e308, -3e307, 0, 1e300, 7.7e307, 1e308, 1.7e308, -INFINITY, INFINITY, NAN};
        for (double v = -1.7e308; v < 1.7e308; v += 3.3e305)
            values.push_back(v);
        const AxisPixelMapper mapper(*axis, horizontal);
        std::vector<int> pixels(values.size());
        mapper.MapAll(values, 1.0, pixels);
        for (std::size_t i = 0; i < values.size(); ++i) {
            const int expected = horizontal ? axis->ValueToPixelX(values[i]) : axis->ValueToPixelY(values[i]);
            ASSERT_EQ(pixels[i], expected) << values[i];
            ASSERT_EQ(mapper.Map(values[i]), expected) << values[i];
        }
    }
}
