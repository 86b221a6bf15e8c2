#include "chart/AxisLabelValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TLabelStepRequest Request(int labelSize, int pixelSize, double span, double increment = 0, int separation = 10)
{
    return {labelSize, pixelSize, span, increment, separation};
}

// The values, each within a few units in the last place of the expected one.
void ExpectValues(const std::vector<double>& actual, const std::vector<double>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-12 * (1 + std::fabs(expected[i]))) << "label " << i;
}

} // namespace

TEST(LabelStep, ClimbsTheOneTwoFiveLadderUntilTheLabelsFit)
{
    // 20-pixel labels, widened by the 10 % separation to 22: Round(400 / 22) = 18
    // labels fit; 1 (100 labels), 2 (50), 5 (20) are too many, 10 fits.
    EXPECT_EQ(NiceLabelStep(Request(20, 400, 100)), 10);
    // 15-pixel labels: 15 + Round(1.5) = 17, Round(300 / 17) = 18 labels; the
    // search starts at 1e-12 for a span below 1, and 0.02 would give 25 labels.
    EXPECT_DOUBLE_EQ(NiceLabelStep(Request(15, 300, 0.5)), 0.05);
    // A span of 3 with labels a few pixels wide keeps the first rung.
    EXPECT_EQ(NiceLabelStep(Request(8, 400, 3)), 1);
    // Beyond the decades in both directions.
    EXPECT_EQ(NiceLabelStep(Request(20, 400, 1e6)), 100000);
    EXPECT_DOUBLE_EQ(NiceLabelStep(Request(20, 400, 3e-9)), 2e-10);
}

TEST(LabelStep, IncrementIsTheFirstRungAndClimbsToTheLadder)
{
    // An increment of 3 gives 33 labels on a span of 100; the next rungs
    // above it are 5 (20 labels) and 10.
    EXPECT_EQ(NiceLabelStep(Request(20, 400, 100, 3)), 10);
    // With room for 45 labels the increment itself is kept.
    EXPECT_EQ(NiceLabelStep(Request(20, 1000, 100, 3)), 3);
}

TEST(LabelStep, WithoutSeparationTheStartValueIsTheStep)
{
    EXPECT_EQ(NiceLabelStep(Request(20, 400, 1000, 0, 0)), 1);
    EXPECT_EQ(NiceLabelStep(Request(20, 400, 0.5, 0, 0)), 1e-12);
    EXPECT_EQ(NiceLabelStep(Request(20, 400, 1000, 2.5, 0)), 2.5);
}

TEST(LabelStep, UnusableLabelCountsAndRanges)
{
    // Round(5 / 22) = 0 labels fit.
    EXPECT_EQ(NiceLabelStep(Request(20, 5, 100)), 1e-12);
    // The first paint knows no axis length yet.
    EXPECT_EQ(NiceLabelStep(Request(20, 0, 100)), 1e-12);
    // No measurable label: one label is wanted.
    EXPECT_EQ(NiceLabelStep(Request(0, 400, 100)), 100);
    // A zero span is labelled with the smallest step.
    EXPECT_EQ(NiceLabelStep(Request(20, 400, 0)), 1e-12);
    // Steps that would leave the finite numbers are unusable, not endless.
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(NiceLabelStep(Request(20, 400, infinity)), 1e-12);
    EXPECT_EQ(NiceLabelStep(Request(20, 400, std::numeric_limits<double>::quiet_NaN())), 1e-12);
    EXPECT_EQ(NiceLabelStep(Request(20, 400, 100, infinity)), 1e-12);
    EXPECT_DOUBLE_EQ(NiceLabelStep(Request(20, 400, 1e300)), 1e299);
}

TEST(LabelValues, FromTheTopOfTheRangeDownToItsMinimum)
{
    ExpectValues(LinearLabelValues(0, 3, 1, true), {3, 2, 1, 0});
    ExpectValues(LinearLabelValues(-15, 15, 5, true), {15, 10, 5, 0, -5, -10, -15});
    // A label on a negative minimum is kept.
    const std::vector<double> deflection = LinearLabelValues(-15, 15, 1, true);
    ASSERT_EQ(deflection.size(), 31u);
    EXPECT_EQ(deflection.front(), 15);
    EXPECT_EQ(deflection.back(), -15);
    // A negative top is truncated toward zero first, then stepped down.
    ExpectValues(LinearLabelValues(-10, -2.5, 2, true), {-4, -6, -8, -10});
}

TEST(LabelValues, RoundFirstLabelBothWays)
{
    ExpectValues(LinearLabelValues(0.3, 7.7, 1, true), {7, 6, 5, 4, 3, 2, 1});
    ExpectValues(LinearLabelValues(0.3, 7.7, 1, false), {7.7, 6.7, 5.7, 4.7, 3.7, 2.7, 1.7, 0.7});
    // A zero span gets its one label whatever the rounding.
    ExpectValues(LinearLabelValues(2.5, 2.5, 1e-12, true), {2.5});
    ExpectValues(LinearLabelValues(1e6, 1e6, 1e-12, true), {1e6});
    ExpectValues(LinearLabelValues(0, 0, 1e-12, true), {0});
}

TEST(LabelValues, EndsAHairOffByFloatingPointErrorStillGetTheirLabels)
{
    // 0.7 / 0.1 comes out a hair below 7, and 7 * 0.1 a hair above 0.7.
    const std::vector<double> up = LinearLabelValues(0, 0.7, 0.1, true);
    ExpectValues(up, {0.7, 0.6, 0.5, 0.4, 0.3, 0.2, 0.1, 0});
    // -7 * 0.1 lies a hair below -0.7.
    const std::vector<double> down = LinearLabelValues(-0.7, 0, 0.1, true);
    ExpectValues(down, {0, -0.1, -0.2, -0.3, -0.4, -0.5, -0.6, -0.7});
    // Far from zero the values carry errors of their magnitude.
    const std::vector<double> far = LinearLabelValues(1e6 + 0.1, 1e6 + 0.6, 0.05, true);
    ASSERT_EQ(far.size(), 11u);
    EXPECT_NEAR(far.front(), 1e6 + 0.6, 1e-9);
    EXPECT_NEAR(far.back(), 1e6 + 0.1, 1e-9);
    // But a whole step below the minimum is not a hair.
    ExpectValues(LinearLabelValues(0.05, 0.3, 0.1, true), {0.3, 0.2, 0.1});
}

TEST(LabelValues, NoneForReversedOrCrowdedRanges)
{
    EXPECT_TRUE(LinearLabelValues(1, 0, 0.1, true).empty());
    EXPECT_TRUE(LinearLabelValues(0, 10000, 1, true).empty());
    EXPECT_EQ(LinearLabelValues(0, 9999, 1, true).size(), 10000u);
    EXPECT_TRUE(LinearLabelValues(0, std::numeric_limits<double>::infinity(), 1, true).empty());
    EXPECT_TRUE(LinearLabelValues(0, std::numeric_limits<double>::quiet_NaN(), 1, true).empty());
}

TEST(LabelValues, AStepBelowTheResolutionOfTheValuesGivesEachValueOnce)
{
    // Around 1e17 doubles lie 16 apart: steps of 1 repeat values.
    const std::vector<double> values = LinearLabelValues(1e17, 1e17 + 96, 1, true);
    ASSERT_FALSE(values.empty());
    EXPECT_LE(values.size(), 97u);
    for (std::size_t i = 1; i < values.size(); ++i)
        EXPECT_LT(values[i], values[i - 1]);
    EXPECT_EQ(values.back(), 1e17);
}

TEST(LabelValues, LogarithmicAxesLabelThePowersOfTheirBase)
{
    ExpectValues(LogarithmicLabelValues(1, 1000, 10), {1, 10, 100, 1000});
    ExpectValues(LogarithmicLabelValues(0.5, 50, 10), {1, 10});
    ExpectValues(LogarithmicLabelValues(3, 40, 2), {4, 8, 16, 32});
    EXPECT_TRUE(LogarithmicLabelValues(0, 100, 10).empty());
    EXPECT_TRUE(LogarithmicLabelValues(-5, 100, 10).empty());
}
