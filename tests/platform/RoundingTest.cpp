// Rounding to integers: halves to even, NaN to 0, the ends of the range held,
// alike for doubles and the extended type.
#include "platform/Rounding.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

using platform::Extended;
using platform::RoundHalfEven;

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    for (const double value : {0.5, 1.5, 2.5, -0.5, -2.5, 2.4999999999999996, 1e15 + 0.5}) {
        const double expected = std::rint(value);
        EXPECT_EQ(RoundHalfEven<long long>(value), static_cast<long long>(expected)) << value;
        EXPECT_EQ(RoundHalfEven<long long>(Extended(value)), static_cast<long long>(expected)) << value;
    }
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    // 2^62 + 0.5 exists only in the extended type.
    EXPECT_EQ(RoundHalfEven<long long>(Extended(std::int64_t{1} << 62) + Extended(0.5)), std::int64_t{1} << 62);
    EXPECT_EQ(RoundHalfEven<long long>(Extended((std::int64_t{1} << 62) + 1) + Extended(0.5)),
              (std::int64_t{1} << 62) + 2);
}

TEST(RoundHalfEven, NaNGivesZeroAndTheEndsOfTheRangeHold)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(RoundHalfEven(nan), 0);
    EXPECT_EQ(RoundHalfEven(Extended(nan)), 0);
    EXPECT_EQ(RoundHalfEven<long long>(nan), 0);
    for (const auto& [value, expected] : {std::pair{infinity, INT_MAX}, {-infinity, INT_MIN}, {2147483647.5, INT_MAX},
                                          {-2147483648.5, INT_MIN}, {2147483646.5, 2147483646}, {1e300, INT_MAX}}) {
        EXPECT_EQ(RoundHalfEven(value), expected) << value;
        EXPECT_EQ(RoundHalfEven(Extended(value)), expected) << value;
    }
    EXPECT_EQ(RoundHalfEven<long long>(0x1p63), LLONG_MAX);
    EXPECT_EQ(RoundHalfEven<long long>(-0x1p63), LLONG_MIN);
    EXPECT_EQ(RoundHalfEven<long long>(Extended(LLONG_MAX)), LLONG_MAX);
    EXPECT_EQ(RoundHalfEven<long long>(Extended(LLONG_MIN) - Extended(1)), LLONG_MIN);
    EXPECT_EQ(RoundHalfEven<long long>(Extended(LLONG_MAX) - Extended(1)), LLONG_MAX - 1);
}
