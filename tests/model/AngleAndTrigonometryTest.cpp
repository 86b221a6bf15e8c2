#include "model/AngleConversion.h"
#include "model/ExtendedTrigonometry.h"

#include "platform/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>

using model::chartDegrees;
using model::extendedCosine;
using model::extendedPi;
using model::extendedSine;
using model::startAngleFromDegrees;

TEST(ExtendedPi, IsPiToTheFullExtendedMantissa)
{
    EXPECT_EQ(extendedPi, std::numbers::pi_v<long double>);
    EXPECT_NE(extendedPi, static_cast<long double>(std::numbers::pi));
    EXPECT_NEAR(static_cast<double>(extendedPi - std::numbers::pi), 1.2246467991473532e-16, 1e-19);
}

TEST(AngleConversion, StartAngleIsNegatedRadians)
{
    EXPECT_DOUBLE_EQ(startAngleFromDegrees(10.0), -std::numbers::pi / 18.0);
    EXPECT_EQ(startAngleFromDegrees(180.0), -std::numbers::pi);
    EXPECT_EQ(startAngleFromDegrees(-90.0), std::numbers::pi / 2.0);
    EXPECT_TRUE(std::signbit(startAngleFromDegrees(0.0))) << "0 is negated like every input";
}

TEST(AngleConversion, ChartDegreesInvertTheStartAngle)
{
    for (const double degrees : {10.0, 90.0, 170.0, -45.0, 1e-3, 720.0})
        EXPECT_DOUBLE_EQ(chartDegrees(startAngleFromDegrees(degrees)), -degrees) << degrees;
}

TEST(AngleConversion, DegreesBeyondTheDoubleRangeOverflow)
{
    const double largest = std::numeric_limits<double>::max();
    EXPECT_THROW(chartDegrees(largest), FloatOverflow);
    EXPECT_THROW(chartDegrees(-largest / 10.0), FloatOverflow);
    EXPECT_NO_THROW(chartDegrees(largest / 100.0));
}

TEST(ExtendedTrigonometry, AgreesWithTheLibraryWithinAFewExtendedUnits)
{
    std::mt19937_64 random(20240601);
    std::uniform_real_distribution<double> angles(-10.0, 10.0);
    for (int i = 0; i < 10000; ++i) {
        const double x = angles(random);
        ASSERT_NEAR(static_cast<double>(extendedSine(x) - std::sin(static_cast<long double>(x))),
                    0.0, 1e-19) << x;
        ASSERT_NEAR(static_cast<double>(extendedCosine(x) - std::cos(static_cast<long double>(x))),
                    0.0, 1e-19) << x;
    }
}

TEST(ExtendedTrigonometry, ArgumentsOfTwoToThe63OrMoreGiveZero)
{
    const double limit = 0x1p63;
    const double belowLimit = std::nextafter(limit, 0.0);
    for (const double x : {limit, -limit, 1e300, std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(extendedSine(x), 0.0L) << x;
        EXPECT_EQ(extendedCosine(x), 0.0L) << x;
    }
    // Just below the limit the argument is still reduced.
    EXPECT_NE(extendedSine(belowLimit), 0.0L);
    EXPECT_LE(std::fabs(extendedSine(belowLimit)), 1.0L);
    EXPECT_NE(extendedCosine(-belowLimit), 0.0L);
    EXPECT_GT(extendedSine(std::numbers::pi), 0.0L) << "the double pi lies below pi";
}
