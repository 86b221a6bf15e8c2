#include "model/AngleConversion.h"
#include "model/ExtendedTrigonometry.h"

#include "platform/Exceptions.h"
#include "tests/platform/LongDoubleBits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>

using model::ChartDegrees;
using model::ExtendedCosine;
using model::extendedPi;
using model::ExtendedSine;
using model::StartAngleFromDegrees;
using platform_testing::AsLongDouble;

TEST(ExtendedPi, IsPiToTheFullExtendedMantissa)
{
    EXPECT_EQ(AsLongDouble(extendedPi), std::numbers::pi_v<long double>);
    EXPECT_NE(AsLongDouble(extendedPi), static_cast<long double>(std::numbers::pi));
    EXPECT_NEAR(static_cast<double>(AsLongDouble(extendedPi) - std::numbers::pi), 1.2246467991473532e-16, 1e-19);
}

TEST(AngleConversion, StartAngleIsNegatedRadians)
{
    EXPECT_DOUBLE_EQ(StartAngleFromDegrees(10.0), -std::numbers::pi / 18.0);
    EXPECT_EQ(StartAngleFromDegrees(180.0), -std::numbers::pi);
    EXPECT_EQ(StartAngleFromDegrees(-90.0), std::numbers::pi / 2.0);
    EXPECT_TRUE(std::signbit(StartAngleFromDegrees(0.0))) << "0 is negated like every input";
}

TEST(AngleConversion, ChartDegreesInvertTheStartAngle)
{
    for (const double degrees : {10.0, 90.0, 170.0, -45.0, 1e-3, 720.0})
        EXPECT_DOUBLE_EQ(ChartDegrees(StartAngleFromDegrees(degrees)), -degrees) << degrees;
}

TEST(AngleConversion, DegreesBeyondTheDoubleRangeOverflow)
{
    const double largest = std::numeric_limits<double>::max();
    EXPECT_THROW(ChartDegrees(largest), FloatOverflow);
    EXPECT_THROW(ChartDegrees(-largest / 10.0), FloatOverflow);
    EXPECT_NO_THROW(ChartDegrees(largest / 100.0));
}

TEST(ExtendedTrigonometry, AgreesWithTheLibraryWithinAFewExtendedUnits)
{
    std::mt19937_64 random(20240601);
    std::uniform_real_distribution<double> angles(-10.0, 10.0);
    for (int i = 0; i < 10000; ++i) {
        const double x = angles(random);
        ASSERT_NEAR(static_cast<double>(AsLongDouble(ExtendedSine(x)) - std::sin(static_cast<long double>(x))),
                    0.0, 1e-19) << x;
        ASSERT_NEAR(static_cast<double>(AsLongDouble(ExtendedCosine(x)) - std::cos(static_cast<long double>(x))),
                    0.0, 1e-19) << x;
    }
}

TEST(ExtendedTrigonometry, ArgumentsOfTwoToThe63OrMoreGiveZero)
{
    const double limit = 0x1p63;
    const double belowLimit = std::nextafter(limit, 0.0);
    for (const double x : {limit, -limit, 1e300, std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(AsLongDouble(ExtendedSine(x)), 0.0L) << x;
        EXPECT_EQ(AsLongDouble(ExtendedCosine(x)), 0.0L) << x;
    }
    // Just below the limit the argument is still reduced.
    EXPECT_NE(AsLongDouble(ExtendedSine(belowLimit)), 0.0L);
    EXPECT_LE(std::fabs(AsLongDouble(ExtendedSine(belowLimit))), 1.0L);
    EXPECT_NE(AsLongDouble(ExtendedCosine(-belowLimit)), 0.0L);
    EXPECT_GT(AsLongDouble(ExtendedSine(std::numbers::pi)), 0.0L) << "the double pi lies below pi";
}
