// The software sine and cosine: near multiples of pi they must give what
// FSIN and FCOS give (the 66-bit pi of their reduction shows there), and
// elsewhere the correctly rounded value, which is FSIN's but for its own
// misroundings close to halfway points.
#include "platform/ProcessorTrigonometry.h"
#include "platform/SoftExtendedTrigonometry.h"
#include "tests/platform/LongDoubleBits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <random>

using platform::Cosine;
using platform::Sine;
using platform::SoftExtended;

namespace {

struct Expected {
    double x;
    std::uint16_t sineExponent;
    std::uint64_t sine;
    std::uint16_t cosineExponent;
    std::uint64_t cosine;
};

constexpr double pi = std::numbers::pi;

// Bits FSIN and FCOS give for these arguments.
constexpr Expected processorValues[] = {
    // The double nearest to pi lies 1.2246e-16 below it; the 66-bit pi lies
    // 4.0e-21 below pi, so the sine comes out 3.3e-5 of itself too small.
    {pi, 0x3FCA, 0x8D30000000000000, 0xBFFF, 0x8000000000000000},
    {-pi, 0xBFCA, 0x8D30000000000000, 0xBFFF, 0x8000000000000000},
    {2 * pi, 0xBFCB, 0x8D30000000000000, 0x3FFF, 0x8000000000000000},
    {pi / 2, 0x3FFF, 0x8000000000000000, 0x3FC9, 0x8D30000000000000},
    {3 * pi, 0x3FCB, 0xD3C8000000000000, 0xBFFF, 0x8000000000000000},
    {1e6 * pi, 0xBFDE, 0xF5659AC000000000, 0x3FFF, 0x8000000000000000},
    // The largest double below 2^63, reduced by 6e18 quarter turns.
    {0x1.fffffffffffffp62, 0x3FFE, 0xFCC2702D2A7A1F45, 0xBFFC, 0xA269B73A8D793DE0},
};

} // namespace

TEST(SoftExtendedTrigonometry, MatchesTheProcessorNearMultiplesOfPi)
{
    for (const Expected& e : processorValues) {
        const SoftExtended sine = Sine(e.x);
        const SoftExtended cosine = Cosine(e.x);
        EXPECT_EQ(sine.SignAndExponent(), e.sineExponent) << e.x;
        EXPECT_EQ(sine.Significand(), e.sine) << e.x;
        EXPECT_EQ(cosine.SignAndExponent(), e.cosineExponent) << e.x;
        EXPECT_EQ(cosine.Significand(), e.cosine) << e.x;
    }
}

TEST(SoftExtendedTrigonometry, RoundsCorrectlyWhereTheProcessorMisses)
{
    // sin(0x1.1bf4cc74e60dcp-1) is 0x86CF9660CEC85318.85 x 2^-64: FSIN
    // gives ...318, a step of the 90-degree reference run.
    const SoftExtended sine = Sine(0x1.1bf4cc74e60dcp-1);
    EXPECT_EQ(sine.SignAndExponent(), 0x3FFE);
    EXPECT_EQ(sine.Significand(), 0x86CF9660CEC85319u);
}

TEST(SoftExtendedTrigonometry, LimitsZerosAndNaN)
{
    const double limit = 0x1p63;
    for (const double x : {limit, -limit, 1e300, std::numeric_limits<double>::infinity()}) {
        EXPECT_TRUE(Sine(x).IsZero()) << x;
        EXPECT_TRUE(Cosine(x).IsZero()) << x;
    }
    EXPECT_TRUE(Sine(-0.0).IsZero() && Sine(-0.0).IsNegative());
    EXPECT_EQ(Cosine(0.0), SoftExtended(1));
    EXPECT_TRUE(Sine(std::nan("")).IsNaN());
    // Tiny arguments are their own sine; the cosine of a denormal is 1.
    EXPECT_EQ(Sine(1e-300), SoftExtended(1e-300));
    EXPECT_EQ(Sine(-4.9e-324), SoftExtended(-4.9e-324));
    EXPECT_EQ(Cosine(4.9e-324), SoftExtended(1));
}

#ifdef KYVADLO_HAS_PROCESSOR_TRIGONOMETRY

TEST(SoftExtendedTrigonometryAgainstProcessor, AgreesWithinOneUnitAndMostlyExactly)
{
    using platform::ProcessorCosine;
    using platform::ProcessorSine;
    using platform_testing::AsLongDouble;
    std::mt19937_64 bits(1);
    int same = 0;
    int count = 0;
    for (int i = 0; i < 100000; ++i) {
        // The model's angles, and any magnitude up to 2^63.
        const double fraction = static_cast<double>(bits() >> 11) * 0x1p-53;
        const double x = i % 2 == 0 ? 20 * fraction - 10 : std::ldexp(fraction, static_cast<int>(bits() % 63));
        for (const bool cosine : {false, true}) {
            const long double processor = cosine ? ProcessorCosine(x) : ProcessorSine(x);
            const long double software = AsLongDouble(cosine ? Cosine(x) : Sine(x));
            ++count;
            same += software == processor ? 1 : 0;
            ASSERT_LE(std::fabs(software - processor), std::fabs(processor) * 0x1p-63L) << x << " " << cosine;
        }
    }
    // About one in a hundred differs, by one unit.
    EXPECT_GT(same, count * 97 / 100);
}

#endif
