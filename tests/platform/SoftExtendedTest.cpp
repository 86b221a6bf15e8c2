// The software extended type: its edge cases by their bits, and, where long
// double is the processor's x87 type, every operation against the processor.
#include "platform/SoftExtended.h"
#include "platform/SoftExtendedLogarithm.h"
#include "tests/platform/LongDoubleBits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

using platform::SoftExtended;

namespace {

constexpr std::uint64_t top = SoftExtended::integerBit;
constexpr std::uint16_t one = SoftExtended::exponentBias;

SoftExtended Bits(std::uint16_t signAndExponent, std::uint64_t significand)
{
    return SoftExtended::FromBits(signAndExponent, significand);
}

::testing::AssertionResult SameBits(SoftExtended actual, SoftExtended expected)
{
    if (actual.SignAndExponent() == expected.SignAndExponent() && actual.Significand() == expected.Significand())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hex << actual.SignAndExponent() << ':' << actual.Significand()
                                         << " instead of " << expected.SignAndExponent() << ':'
                                         << expected.Significand();
}

const SoftExtended largest = Bits(0x7FFE, ~std::uint64_t{0});
const SoftExtended smallestNormal = Bits(1, top);
const SoftExtended smallestDenormal = Bits(0, 1);
const SoftExtended infinity = Bits(0x7FFF, top);

} // namespace

TEST(SoftExtended, RoundsTiesToEven)
{
    const SoftExtended halfUnit = Bits(one - 64, top); // 2^-64, half a unit of 1's last place
    EXPECT_TRUE(SameBits(SoftExtended(1) + halfUnit, SoftExtended(1)));
    EXPECT_TRUE(SameBits(Bits(one, top | 1) + halfUnit, Bits(one, top | 2)));
    // 1 - 2^-65 lies halfway between 1 and the odd value below it.
    EXPECT_TRUE(SameBits(SoftExtended(1) - Bits(one - 65, top), SoftExtended(1)));
    EXPECT_TRUE(SameBits(SoftExtended(1) + Bits(one - 64, top | 1), Bits(one, top | 1))) << "just above the tie";
    EXPECT_TRUE(SameBits(SoftExtended(2) - Bits(one - 63, top), Bits(one, ~std::uint64_t{0})));
    // (2^64 - 1) x (2^64 - 1) = 2^128 - 2^65 + 1: the low half, 1, goes.
    const SoftExtended allOnes = Bits(one + 63, ~std::uint64_t{0});
    EXPECT_TRUE(SameBits(allOnes * allOnes, Bits(one + 127, ~std::uint64_t{0} - 1)));
    EXPECT_TRUE(SameBits(SoftExtended(1) / SoftExtended(3), Bits(one - 2, 0xAAAAAAAAAAAAAAABu)));
    EXPECT_TRUE(SameBits(SoftExtended(2) / SoftExtended(3), Bits(one - 1, 0xAAAAAAAAAAAAAAABu)));
}

TEST(SoftExtended, OverflowsToInfinityAndUnderflowsToDenormalsAndZero)
{
    EXPECT_TRUE(SameBits(largest * SoftExtended(2), infinity));
    EXPECT_TRUE(SameBits(largest + Bits(0x7FFE - 64, top), infinity)) << "the tie above the largest rounds up";
    EXPECT_TRUE(SameBits(largest + Bits(0x7FFE - 65, top), largest));
    EXPECT_TRUE(SameBits(-largest / SoftExtended(0.5), -infinity));

    EXPECT_TRUE(SameBits(smallestNormal / SoftExtended(2), Bits(0, top >> 1)));
    EXPECT_TRUE(SameBits(smallestDenormal / SoftExtended(2), Bits(0, 0))) << "a tie rounds to the even 0";
    EXPECT_TRUE(SameBits(smallestDenormal * SoftExtended(-0.75), Bits(0x8000, 1)));
    EXPECT_TRUE(SameBits(-smallestNormal * smallestNormal, Bits(0x8000, 0)));
    EXPECT_TRUE(SameBits(Bits(0, top - 1) + smallestDenormal, smallestNormal)) << "denormals add up to a normal";
    EXPECT_TRUE(SameBits(smallestNormal - smallestDenormal, Bits(0, top - 1)));
}

TEST(SoftExtended, InvalidOperationsGiveNaNAndDivisionByZeroInfinity)
{
    const SoftExtended zero;
    EXPECT_TRUE((zero / zero).IsNaN());
    EXPECT_TRUE((infinity - infinity).IsNaN());
    EXPECT_TRUE((infinity * zero).IsNaN());
    EXPECT_TRUE((infinity / -infinity).IsNaN());
    EXPECT_TRUE(SameBits(SoftExtended(3) / zero, infinity));
    EXPECT_TRUE(SameBits(SoftExtended(3) / -zero, -infinity));
    EXPECT_TRUE(SameBits(SoftExtended(-3) / infinity, -zero));
    EXPECT_TRUE(SameBits(infinity + SoftExtended(-1e300), infinity));
    EXPECT_TRUE((SoftExtended(std::nan("")) + SoftExtended(1)).IsNaN());
    // Signed zeros: an exact cancellation is +0, -0 + -0 stays -0.
    EXPECT_TRUE(SameBits(SoftExtended(0.1) - SoftExtended(0.1), zero));
    EXPECT_TRUE(SameBits(-zero + -zero, -zero));
    EXPECT_TRUE(SameBits(-zero * SoftExtended(5), -zero));
}

TEST(SoftExtended, ComparesLikeFloatingPoint)
{
    const SoftExtended nan = SoftExtended(std::nan(""));
    EXPECT_TRUE(SoftExtended() == -SoftExtended());
    EXPECT_FALSE(nan == nan);
    EXPECT_FALSE(nan < SoftExtended(1) || nan > SoftExtended(1) || nan <= nan);
    EXPECT_LT(smallestDenormal, smallestNormal);
    EXPECT_LT(-smallestNormal, -smallestDenormal);
    EXPECT_LT(-infinity, -largest);
    EXPECT_LT(SoftExtended(0.1), 0.1f) << "the float lies above the double";
}

TEST(SoftExtended, ConvertsFromAndToDoubleAndFromIntegers)
{
    for (const double value : {0.1, -1e-310, 4.9e-324, std::numeric_limits<double>::max(),
                               std::numeric_limits<double>::min(), -0.0}) {
        EXPECT_EQ(platform::DoubleBits(static_cast<double>(SoftExtended(value))),
                  platform::DoubleBits(value))
            << value;
    }
    EXPECT_TRUE(std::isinf(static_cast<double>(SoftExtended(std::numeric_limits<double>::infinity()))));
    EXPECT_TRUE(std::isnan(static_cast<double>(SoftExtended(std::nan("")))));
    EXPECT_TRUE(SameBits(SoftExtended(4.9e-324), Bits(one - 1074, top)));

    // Halfway between two doubles goes to the even one, in the normal and
    // the denormal range; beyond the double range is infinite.
    EXPECT_EQ(static_cast<double>(Bits(one, top | (std::uint64_t{1} << 10))), 1.0);
    EXPECT_EQ(static_cast<double>(Bits(one, top | (std::uint64_t{3} << 10))), 1.0 + 0x1p-51);
    EXPECT_EQ(static_cast<double>(Bits(one - 1075, top)), 0.0);
    EXPECT_EQ(static_cast<double>(Bits(one - 1075, top | 1)), 4.9e-324);
    EXPECT_EQ(static_cast<double>(Bits(one - 1074, top | (top >> 1))), 2 * 4.9e-324);
    EXPECT_EQ(static_cast<double>(Bits(one + 1023, 0xFFFFFFFFFFFFF800u)), std::numeric_limits<double>::max());
    EXPECT_TRUE(std::isinf(static_cast<double>(Bits(one + 1023, ~std::uint64_t{0}))));
    EXPECT_EQ(static_cast<double>(-largest), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(static_cast<double>(smallestDenormal), 0.0);
    EXPECT_TRUE(std::signbit(static_cast<double>(-smallestNormal)));

    EXPECT_TRUE(SameBits(SoftExtended(std::numeric_limits<long long>::min()), Bits(0x8000 | (one + 63), top)));
    EXPECT_TRUE(SameBits(SoftExtended(std::numeric_limits<std::uint64_t>::max()), Bits(one + 63, ~std::uint64_t{0})));
    EXPECT_TRUE(SameBits(SoftExtended(0), SoftExtended()));
}

TEST(SoftExtended, SquareRootsAndWholeNumbers)
{
    EXPECT_TRUE(SameBits(platform::Sqrt(SoftExtended(2)), Bits(one, 0xB504F333F9DE6484u)));
    EXPECT_TRUE(SameBits(platform::Sqrt(SoftExtended(0.25)), SoftExtended(0.5)));
    EXPECT_TRUE(SameBits(platform::Sqrt(-SoftExtended()), -SoftExtended()));
    EXPECT_TRUE(SameBits(platform::Sqrt(infinity), infinity));
    EXPECT_TRUE(platform::Sqrt(SoftExtended(-1)).IsNaN());
    EXPECT_TRUE(SameBits(platform::Sqrt(Bits(0, 2)), Bits(one - 8222, top))) << "of a denormal";

    EXPECT_TRUE(SameBits(platform::RoundToIntegral(SoftExtended(2.5)), SoftExtended(2)));
    EXPECT_TRUE(SameBits(platform::RoundToIntegral(SoftExtended(-0.5)), -SoftExtended()));
    EXPECT_TRUE(SameBits(platform::RoundToIntegral(Bits(one - 1, top | 1)), SoftExtended(1))) << "just above a half";
    EXPECT_TRUE(SameBits(platform::Floor(SoftExtended(-0.25)), SoftExtended(-1)));
    EXPECT_TRUE(SameBits(platform::Floor(-smallestDenormal), SoftExtended(-1)));
    EXPECT_TRUE(SameBits(platform::Trunc(SoftExtended(-1.75)), SoftExtended(-1)));
    EXPECT_TRUE(SameBits(platform::Trunc(largest), largest));
    EXPECT_EQ(platform::IntegralToInt64(SoftExtended(std::numeric_limits<long long>::min())),
              std::numeric_limits<long long>::min());
    EXPECT_EQ(platform::IntegralToInt64(SoftExtended(-12345)), -12345);
}

TEST(SoftExtended, LogarithmsExponentialsAndPowers)
{
    const SoftExtended zero;
    EXPECT_TRUE(SameBits(platform::Log(SoftExtended(1)), zero));
    EXPECT_TRUE(SameBits(platform::Log(zero), -infinity));
    EXPECT_TRUE(platform::Log(SoftExtended(-1)).IsNaN());
    EXPECT_TRUE(SameBits(platform::Log(infinity), infinity));
    EXPECT_TRUE(SameBits(platform::Exp(zero), SoftExtended(1)));
    EXPECT_TRUE(SameBits(platform::Exp(-infinity), zero));
    EXPECT_TRUE(SameBits(platform::Exp(SoftExtended(12000)), infinity));
    EXPECT_TRUE(SameBits(platform::Exp(SoftExtended(-12000)), zero));
    EXPECT_GT(platform::Exp(SoftExtended(-11390)), zero) << "a denormal";
    // The powers of ten are exact up to 10^27, their reciprocals rounded once.
    EXPECT_TRUE(SameBits(platform::Pow(SoftExtended(10), SoftExtended(27)), SoftExtended(1e18) * SoftExtended(1e9)));
    EXPECT_TRUE(SameBits(platform::Pow(SoftExtended(10), SoftExtended(-3)), SoftExtended(1) / SoftExtended(1000)));
    EXPECT_TRUE(SameBits(platform::Pow(SoftExtended(2), SoftExtended(-16445)), smallestDenormal));
    EXPECT_TRUE(SameBits(platform::Pow(SoftExtended(std::nan("")), zero), SoftExtended(1)));
    const SoftExtended root = platform::Pow(SoftExtended(2), SoftExtended(0.5));
    EXPECT_LE(platform::Abs(root - platform::Sqrt(SoftExtended(2))), Bits(one - 62, top)) << "within two units";
}

#ifdef KYVADLO_LONG_DOUBLE_IS_X87

namespace {

::testing::AssertionResult SameAsProcessor(SoftExtended actual, long double expected)
{
    if (std::isnan(expected) && actual.IsNaN())
        return ::testing::AssertionSuccess();
    return SameBits(actual, platform_testing::AsSoftExtended(expected));
}

// How many units in the last place of the expected value the actual one
// lies from it; 0 for the same infinity or both NaN.
long double UnitsApart(SoftExtended actual, long double expected)
{
    const long double value = platform_testing::AsLongDouble(actual);
    if ((std::isnan(value) && std::isnan(expected)) || value == expected)
        return 0;
    if (!std::isfinite(expected) || expected == 0)
        return std::numeric_limits<long double>::infinity();
    const long double unit = std::ldexp(1.0L, std::max(std::ilogb(expected), LDBL_MIN_EXP - 1) - 63);
    return std::fabs(value - expected) / unit;
}

} // namespace

TEST(SoftExtendedAgainstProcessor, ArithmeticAndConversionsGiveTheSameBits)
{
    std::mt19937_64 bits(20250101);
    // Random signs and significands; exponents mostly near 1, some anywhere,
    // some at the bottom of the range where denormals come out.
    const auto random = [&bits] {
        const auto sign = static_cast<std::uint16_t>((bits() & 1) << 15);
        const int kind = static_cast<int>(bits() % 8);
        const int exponent = kind == 0 ? static_cast<int>(bits() % 0x7FFE) + 1
                             : kind == 1 ? static_cast<int>(bits() % 80)
                                         : one + static_cast<int>(bits() % 129) - 64;
        const std::uint64_t significand = bits() | top;
        return exponent == 0 ? Bits(sign, significand >> (1 + bits() % 63))
                             : Bits(static_cast<std::uint16_t>(sign | exponent), significand);
    };
    for (int i = 0; i < 200000; ++i) {
        const SoftExtended a = random();
        SoftExtended b = random();
        if (i % 4 == 0) // the exponent of a and the other sign: cancellations
            b = Bits(a.SignAndExponent() ^ 0x8000, (a.Significand() & top) != 0 ? b.Significand() | top : b.Significand() >> 1);
        const long double x = platform_testing::AsLongDouble(a);
        const long double y = platform_testing::AsLongDouble(b);
        ASSERT_TRUE(SameAsProcessor(a + b, x + y)) << i;
        ASSERT_TRUE(SameAsProcessor(a - b, x - y)) << i;
        ASSERT_TRUE(SameAsProcessor(a * b, x * y)) << i;
        ASSERT_TRUE(SameAsProcessor(a / b, x / y)) << i;
        ASSERT_EQ(a < b, x < y) << i;
        ASSERT_EQ(platform::DoubleBits(static_cast<double>(a)), platform::DoubleBits(static_cast<double>(x))) << i;
        ASSERT_TRUE(SameAsProcessor(platform::Sqrt(platform::Abs(a)), std::sqrt(std::fabs(x)))) << i;
        ASSERT_TRUE(SameAsProcessor(platform::RoundToIntegral(a), std::rint(x))) << i;
        ASSERT_TRUE(SameAsProcessor(platform::Floor(a), std::floor(x))) << i;
        ASSERT_TRUE(SameAsProcessor(platform::Trunc(a), std::trunc(x))) << i;

        const double value = platform::DoubleFromBits(bits());
        ASSERT_TRUE(SameAsProcessor(SoftExtended(value), static_cast<long double>(value))) << value;
        ASSERT_LE(UnitsApart(platform::Log(platform::Abs(a)), std::log(std::fabs(x))), 2) << i;
        const SoftExtended exponent = a / Bits(one + 6, top | b.Significand()); // within +-2^64 / 64
        ASSERT_LE(UnitsApart(platform::Exp(exponent), std::exp(platform_testing::AsLongDouble(exponent))), 2) << i;
        const auto integer = -static_cast<long long>(bits() >> (bits() % 64));
        ASSERT_TRUE(SameAsProcessor(SoftExtended(integer), static_cast<long double>(integer))) << integer;
    }
}

#endif
