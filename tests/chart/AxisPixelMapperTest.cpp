#include "chart/AxisPixelMapper.h"
#include "tests/chart/ChartTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

// Values that hit every awkward spot of the axis: plenty inside the range,
// offsets a hair either side of half pixels (of the device pixels of a
// placement), far outside, and no numbers.
std::vector<double> AwkwardValues(const TCustomChartAxis& axis, bool horizontal = true,
                                  const DeviceLinePlacement& placement = {})
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> inside(axis.RangeMin() - axis.RangeSpan(), axis.RangeMax() + axis.RangeSpan());
    std::vector<double> values;
    for (int i = 0; i < 20000; ++i)
        values.push_back(inside(random));
    const double pixelValue = axis.RangeSpan() / std::max(1, axis.PixelSize());
    // Device positions round(offset * ratio + shift) change half way between whole ones.
    const bool fromEnd = horizontal == axis.Inverted();
    const double shift = static_cast<double>(
        placement.OriginOf(fromEnd ? axis.PixelEnd() : axis.PixelStart(), fromEnd ? -1 : 1).shift);
    for (int k = -50; k < 650 * placement.ratio; ++k) {
        const double half = axis.RangeMin() + (k + 0.5 - shift) / placement.ratio * pixelValue;
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
// must give the same pixels: the axis's own, or with a device placement its
// device positions.
void ExpectSameAsAxis(const TCustomChartAxis& axis, bool horizontal, double multiplier = 1.0,
                      const DeviceLinePlacement& placement = {})
{
    const std::vector<double> values = AwkwardValues(axis, horizontal, placement);
    for (const bool wideVectors : {true, false}) {
        SCOPED_TRACE(wideVectors ? "four wide" : "two wide");
        const AxisPixelMapper mapper(axis, horizontal, placement, wideVectors);
        std::vector<int> pixels(values.size());
        mapper.MapAll(values, multiplier, pixels);
        for (std::size_t i = 0; i < values.size(); ++i) {
            const double value = values[i] * multiplier;
            const int logical = horizontal ? axis.ValueToPixelX(value) : axis.ValueToPixelY(value);
            const int device = horizontal ? axis.DeviceValueToPixelX(value, placement)
                                          : axis.DeviceValueToPixelY(value, placement);
            // At a ratio of 1 the device positions are the logical pixels, to the bit.
            const int expected = placement.IsIdentity() ? logical : device;
            ASSERT_EQ(device, expected) << "value " << value;
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

TEST(AxisPixelMapper, AtDeviceResolutionGivesTheAxisOwnDevicePositions)
{
    TCustomAxisPanel chart;
    const TChartRect area{37, 44, 483, 630};
    for (const double ratio : {1.25, 1.5, 2.0, 3.0}) {
        for (const int penWidth : {1, 2}) {
            SCOPED_TRACE(testing::Message() << "ratio " << ratio << ", pen " << penWidth);
            const DeviceLinePlacement placement = DeviceLinePlacement::ForPen(platform::DeviceMapping{ratio}, penWidth);
            chart.BottomAxis().SetInverted(false);
            LayOutAxis(chart, chart.BottomAxis(), area, 0, 99.99);
            ExpectSameAsAxis(chart.BottomAxis(), true, 0.001, placement);
            LayOutAxis(chart, chart.LeftAxis(), area, -15, 15);
            ExpectSameAsAxis(chart.LeftAxis(), false, 1.0, placement);
            chart.BottomAxis().SetInverted(true);
            LayOutAxis(chart, chart.BottomAxis(), area, 1, 3);
            ExpectSameAsAxis(chart.BottomAxis(), true, 1.0, placement);
            LayOutAxis(chart, chart.RightAxis(), area, -1e308, 1e308);
            ExpectSameAsAxis(chart.RightAxis(), false, 1.0, placement);
        }
    }
}

TEST(AxisPixelMapper, DevicePositionsLieOnTheDeviceLinesOfTheAxisPixels)
{
    TCustomAxisPanel chart;
    TChartAxis& axis = chart.BottomAxis();
    LayOutAxis(chart, axis, {53, 20, 453, 320}, 0, 400);
    const auto device = [&](double ratio, int penWidth, double value) {
        return axis.DeviceValueToPixelX(value, DeviceLinePlacement::ForPen(platform::DeviceMapping{ratio}, penWidth));
    };
    // A one-pixel pen two device pixels wide covers the device block of the
    // point's logical pixel; half a logical pixel on, the next device pixel.
    EXPECT_EQ(device(2, 1, 0), 2 * 53 + 1);
    EXPECT_EQ(device(2, 1, 0.3), 2 * 53 + 2);
    EXPECT_EQ(device(1.5, 1, 0), 80); // rows 79 .. 80; logical pixel 53 is [79.5, 81)
    // A two-pixel pen's line runs between its two logical pixels.
    EXPECT_EQ(device(2, 2, 17), 2 * 70);
}
