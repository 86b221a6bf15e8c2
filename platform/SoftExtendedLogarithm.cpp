#include "platform/SoftExtendedLogarithm.h"

#include "platform/SoftExtendedParts.h"
#include "platform/UInt128.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace platform {

namespace {

constexpr SoftExtended FromParts(std::uint64_t significand, int exponent)
{
    return SoftExtended::FromBits(static_cast<std::uint16_t>(exponent + 63 + SoftExtended::exponentBias), significand);
}

// ln 2 split in two: the upper part has 47 bits, so that its product with an
// exponent of the type (at most 15 bits) is exact.
constexpr SoftExtended ln2High = FromParts(0xB17217F7D1CE0000, -64);
constexpr SoftExtended ln2Low = FromParts(0xBCD5E4F1D9CC01F9, -111);
constexpr SoftExtended inverseLn2 = FromParts(0xB8AA3B295C17F0BC, -63);
constexpr SoftExtended sqrt2 = FromParts(0xB504F333F9DE6484, -63);

SoftExtended PowerOfTwo(int exponent)
{
    return FromParts(SoftExtended::integerBit, exponent - 63);
}

// 1 / (2n + 1) for the series of atanh, and 1 / n! for that of exp.
constexpr int logTerms = 14;
constexpr int expTerms = 18;

const std::array<SoftExtended, logTerms>& OddReciprocals()
{
    static const std::array<SoftExtended, logTerms> reciprocals = [] {
        std::array<SoftExtended, logTerms> values;
        for (int n = 0; n < logTerms; ++n)
            values[n] = SoftExtended(1) / SoftExtended(2 * n + 1);
        return values;
    }();
    return reciprocals;
}

const std::array<SoftExtended, expTerms>& InverseFactorials()
{
    static const std::array<SoftExtended, expTerms> factorials = [] {
        std::array<SoftExtended, expTerms> values;
        // n! is exact up to 20!, which fits 64 bits.
        std::uint64_t factorial = 1;
        for (int n = 0; n < expTerms; ++n) {
            factorial *= static_cast<std::uint64_t>(n == 0 ? 1 : n);
            values[n] = SoftExtended(1) / SoftExtended(factorial);
        }
        return values;
    }();
    return factorials;
}

// (m - 1) / (m + 1) for m = significand x 2^exponent, rounded once: m - 1
// and m + 1 are exact as integers in units of 2^exponent, and their quotient
// is worked out to 71 bits with the remainder's trace below them.
SoftExtended AtanhArgument(std::uint64_t significand, int exponent)
{
    const UInt128 unit = ShiftLeft(UInt128{0, 1}, -exponent);
    const UInt128 value{0, significand};
    const bool negative = value < unit;
    const UInt128 numerator = negative ? unit - value : value - unit;
    const UInt128 denominator = value + unit;
    if (numerator.IsZero())
        return SoftExtended();
    // The numerator shifted up to the denominator's top bit lies within half
    // to twice the denominator.
    const int shift = numerator.LeadingZeros() - denominator.LeadingZeros();
    return RoundToExtended(negative, -shift - (quotientBits - 1),
                           DivideForRounding(ShiftLeft(numerator, shift), denominator));
}

} // namespace

SoftExtended Log(SoftExtended x)
{
    if (x.IsNaN())
        return x;
    if (x.IsZero())
        return -SoftExtended(1) / SoftExtended();
    if (x.IsNegative())
        return SoftExtended() / SoftExtended();
    if (x.IsInfinite())
        return x;
    // x = m 2^k with m within [sqrt(1/2), sqrt(2)).
    const int leadingZeros = std::countl_zero(x.Significand());
    const int biased = x.SignAndExponent() & SoftExtended::maxExponent;
    int k = std::max(biased, 1) - SoftExtended::exponentBias - leadingZeros;
    const std::uint64_t significand = x.Significand() << leadingZeros;
    int exponent = -63;
    if (FromParts(significand, exponent) > sqrt2) {
        --exponent;
        ++k;
    }
    // log m = 2 atanh s = 2 (s + s^3/3 + s^5/5 + ...) with s = (m - 1)/(m + 1),
    // |s| < 0.172: 14 terms reach below 2^-70 of s. The leading 2s is added
    // last, so that the rounding of the rest hardly shows.
    const SoftExtended s = AtanhArgument(significand, exponent);
    const SoftExtended z = s * s;
    const auto& reciprocals = OddReciprocals();
    SoftExtended sum = reciprocals[logTerms - 1];
    for (int n = logTerms - 2; n >= 1; --n)
        sum = reciprocals[n] + z * sum;
    const SoftExtended twiceS = SoftExtended(2) * s;
    const SoftExtended kLn2Low = SoftExtended(k) * ln2Low;
    return SoftExtended(k) * ln2High + (twiceS + (kLn2Low + twiceS * z * sum));
}

SoftExtended Exp(SoftExtended x)
{
    if (x.IsNaN())
        return x;
    if (x.IsInfinite())
        return x.IsNegative() ? SoftExtended() : x;
    // Beyond these e^x is infinite or below the smallest denormal.
    if (x > SoftExtended(11357))
        return PowerOfTwo(16383) * SoftExtended(2);
    if (x < SoftExtended(-11400))
        return SoftExtended();
    // x = k ln 2 + r with |r| <= ln 2 / 2, then e^r by its series: 18 terms
    // reach below 2^-80.
    const SoftExtended k = RoundToIntegral(x * inverseLn2);
    const SoftExtended r = (x - k * ln2High) - k * ln2Low;
    const auto& factorials = InverseFactorials();
    SoftExtended sum = factorials[expTerms - 1];
    for (int n = expTerms - 2; n >= 0; --n)
        sum = factorials[n] + r * sum;
    // 2^k in two factors where it lies beyond the normal range.
    const int exponent = static_cast<int>(IntegralToInt64(k));
    const int first = exponent / 2;
    return sum * PowerOfTwo(first) * PowerOfTwo(exponent - first);
}

SoftExtended Pow(SoftExtended base, SoftExtended exponent)
{
    if (exponent.IsZero())
        return SoftExtended(1);
    if (base.IsNaN() || exponent.IsNaN())
        return base.IsNaN() ? base : exponent;
    if (Trunc(exponent) == exponent && Abs(exponent) < SoftExtended(std::int64_t{1} << 62)) {
        const auto count = static_cast<std::uint64_t>(IntegralToInt64(Abs(exponent)));
        const auto power = [count](SoftExtended factor) {
            SoftExtended product = 1;
            for (std::uint64_t left = count; left != 0; left >>= 1, factor = factor * factor) {
                if ((left & 1) != 0)
                    product = product * factor;
            }
            return product;
        };
        if (!exponent.IsNegative())
            return power(base);
        // A reciprocal of the power rounds once; where the power itself
        // overflows, the power of the reciprocal still gives a number.
        const SoftExtended positive = power(base);
        return positive.IsInfinite() ? power(SoftExtended(1) / base) : SoftExtended(1) / positive;
    }
    return Exp(exponent * Log(base));
}

} // namespace platform
