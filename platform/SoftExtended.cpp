#include "platform/SoftExtended.h"

#include "platform/SoftExtendedParts.h"
#include "platform/UInt128.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace platform {

namespace {

constexpr std::uint64_t quietNaNSignificand = SoftExtended::integerBit | (SoftExtended::integerBit >> 1);

// The NaN an invalid operation gives, negative like the processor's.
constexpr SoftExtended DefaultNaN()
{
    return SoftExtended::FromBits(SoftExtended::signBit | SoftExtended::maxExponent, quietNaNSignificand);
}

constexpr SoftExtended Infinity(bool negative)
{
    return SoftExtended::FromBits(static_cast<std::uint16_t>((negative ? SoftExtended::signBit : 0)
                                                             | SoftExtended::maxExponent),
                                  SoftExtended::integerBit);
}

constexpr SoftExtended Zero(bool negative)
{
    return SoftExtended::FromBits(negative ? SoftExtended::signBit : 0, 0);
}

// Shifts right by any number of bits, rounding to nearest with ties to even.
constexpr std::uint64_t ShiftRightRounded(std::uint64_t value, int bits)
{
    if (bits == 0)
        return value;
    if (bits > 64)
        return 0;
    const std::uint64_t kept = bits == 64 ? 0 : value >> bits;
    const std::uint64_t rest = bits == 64 ? value : value & ((std::uint64_t{1} << bits) - 1);
    const std::uint64_t half = std::uint64_t{1} << (bits - 1);
    return kept + ((rest > half || (rest == half && (kept & 1) != 0)) ? 1 : 0);
}

// a + b for finite, non-zero operands, b not larger in exponent than a.
SoftExtended AddFinite(const ExtendedParts& a, const ExtendedParts& b)
{
    // One bit of headroom for the carry, 63 guard bits below the significand.
    const UInt128 larger = ShiftRight(UInt128{a.significand, 0}, 1);
    const UInt128 smaller = ShiftRightSticky(ShiftRight(UInt128{b.significand, 0}, 1), a.exponent - b.exponent);
    const int exponent = a.exponent - 63;
    if (a.negative == b.negative)
        return RoundToExtended(a.negative, exponent, larger + smaller);
    if (larger == smaller)
        return Zero(false);
    if (larger < smaller)
        return RoundToExtended(b.negative, exponent, smaller - larger);
    return RoundToExtended(a.negative, exponent, larger - smaller);
}

enum class IntegralDirection { NearestEven, Down, TowardZero };

SoftExtended ToIntegral(SoftExtended value, IntegralDirection direction)
{
    if (!IsFinite(value) || value.IsZero())
        return value;
    const ExtendedParts parts = PartsOf(value);
    if (parts.exponent >= 0)
        return value;
    // The whole part and the fraction below it; beyond 64 bits below the
    // point the whole part is 0 and the fraction, under a half, not 0.
    const int fractionBits = -parts.exponent;
    const std::uint64_t whole = fractionBits >= 64 ? 0 : parts.significand >> fractionBits;
    const std::uint64_t fraction = fractionBits >= 64 ? parts.significand
                                                      : parts.significand & ((std::uint64_t{1} << fractionBits) - 1);
    bool up = false;
    switch (direction) {
    case IntegralDirection::NearestEven:
        up = fractionBits <= 64 && ShiftRightRounded(parts.significand, fractionBits) != whole;
        break;
    case IntegralDirection::Down:
        up = parts.negative && fraction != 0;
        break;
    case IntegralDirection::TowardZero:
        break;
    }
    // whole + 1 fits: the significand loses at least one bit to the fraction.
    return RoundToExtended(parts.negative, 0, UInt128{0, whole + (up ? 1u : 0u)});
}

} // namespace

SoftExtended RoundToExtended(bool negative, int exponent, UInt128 significand)
{
    if (significand.IsZero())
        return Zero(negative);
    const int leadingZeros = significand.LeadingZeros();
    UInt128 normalized = ShiftLeft(significand, leadingZeros);
    // The value is normalized x 2^(exponent - leadingZeros) with the top bit
    // of normalized set: its upper half is the significand at this exponent.
    long long biased = static_cast<long long>(exponent) - leadingZeros + 64 + 63 + SoftExtended::exponentBias;
    if (biased < 1) {
        // Below the normal range: denormal, with the exponent field 0 and the
        // scale of the field 1.
        normalized = ShiftRightSticky(normalized, static_cast<int>(std::min<long long>(1 - biased, 129)));
        biased = 0;
    }
    std::uint64_t result = normalized.high;
    const std::uint64_t rest = normalized.low;
    constexpr std::uint64_t half = std::uint64_t{1} << 63;
    if (rest > half || (rest == half && (result & 1) != 0)) {
        ++result;
        if (result == 0) {
            result = SoftExtended::integerBit;
            ++biased;
        } else if (biased == 0 && (result & SoftExtended::integerBit) != 0) {
            biased = 1; // a denormal rounded up to the smallest normal
        }
    }
    if (biased >= SoftExtended::maxExponent)
        return Infinity(negative);
    return SoftExtended::FromBits(static_cast<std::uint16_t>((negative ? SoftExtended::signBit : 0) | biased), result);
}

ExtendedParts PartsOf(SoftExtended value)
{
    const int biased = value.SignAndExponent() & SoftExtended::maxExponent;
    // A denormal has the scale of the exponent field 1.
    return {value.IsNegative(), std::max(biased, 1) - SoftExtended::exponentBias - 63, value.Significand()};
}

SoftExtended::SoftExtended(double value)
{
    const std::uint64_t bits = DoubleBits(value);
    const bool negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased == 0x7FF) {
        *this = fraction == 0 ? Infinity(negative)
                              : FromBits(static_cast<std::uint16_t>((negative ? signBit : 0) | maxExponent),
                                         quietNaNSignificand | (fraction << 11));
        return;
    }
    if (biased == 0) {
        *this = RoundToExtended(negative, -1074, UInt128{0, fraction});
        return;
    }
    *this = RoundToExtended(negative, biased - 1075, UInt128{0, fraction | (std::uint64_t{1} << 52)});
}

SoftExtended SoftExtended::FromInteger(bool negative, std::uint64_t magnitude)
{
    SoftExtended value = RoundToExtended(negative, 0, UInt128{0, magnitude});
    // An integer 0 is +0 whatever the sign of its type.
    return value.IsZero() ? SoftExtended() : value;
}

SoftExtended::operator double() const
{
    const auto withSign = [this](std::uint64_t bits) {
        return DoubleFromBits(bits | (IsNegative() ? std::uint64_t{1} << 63 : 0));
    };
    if (IsNaN())
        return withSign(0x7FF8000000000000u | ((significand_ & ~quietNaNSignificand) >> 11));
    if (IsInfinite())
        return withSign(0x7FF0000000000000u);
    if (significand_ == 0)
        return withSign(0);
    const ExtendedParts parts = PartsOf(*this);
    const int leadingZeros = std::countl_zero(parts.significand);
    const std::uint64_t normalized = parts.significand << leadingZeros;
    // The exponent of the leading bit, as a double counts it.
    const int exponent = parts.exponent - leadingZeros + 63;
    if (exponent > 1023)
        return withSign(0x7FF0000000000000u);
    if (exponent >= -1022) {
        std::uint64_t rounded = ShiftRightRounded(normalized, 11);
        int biased = exponent + 1023;
        if (rounded == (std::uint64_t{1} << 53)) {
            rounded >>= 1;
            ++biased;
        }
        if (biased > 2046)
            return withSign(0x7FF0000000000000u);
        return withSign((static_cast<std::uint64_t>(biased) << 52) | (rounded & ((std::uint64_t{1} << 52) - 1)));
    }
    // A denormal double (or the smallest normal, which rounding may reach):
    // its fraction counts units of 2^-1074.
    const std::uint64_t fraction = ShiftRightRounded(normalized, 11 + (-1022 - exponent));
    return withSign(fraction);
}

SoftExtended operator+(SoftExtended a, SoftExtended b)
{
    if (a.IsNaN() || b.IsNaN())
        return a.IsNaN() ? a : b;
    if (a.IsInfinite() || b.IsInfinite()) {
        if (a.IsInfinite() && b.IsInfinite() && a.IsNegative() != b.IsNegative())
            return DefaultNaN();
        return a.IsInfinite() ? a : b;
    }
    if (a.IsZero() || b.IsZero()) {
        if (a.IsZero() && b.IsZero())
            return Zero(a.IsNegative() && b.IsNegative());
        return a.IsZero() ? b : a;
    }
    ExtendedParts partsA = PartsOf(a);
    ExtendedParts partsB = PartsOf(b);
    if (partsA.exponent < partsB.exponent)
        std::swap(partsA, partsB);
    return AddFinite(partsA, partsB);
}

SoftExtended operator*(SoftExtended a, SoftExtended b)
{
    if (a.IsNaN() || b.IsNaN())
        return a.IsNaN() ? a : b;
    const bool negative = a.IsNegative() != b.IsNegative();
    if (a.IsInfinite() || b.IsInfinite())
        return a.IsZero() || b.IsZero() ? DefaultNaN() : Infinity(negative);
    if (a.IsZero() || b.IsZero())
        return Zero(negative);
    const ExtendedParts partsA = PartsOf(a);
    const ExtendedParts partsB = PartsOf(b);
    return RoundToExtended(negative, partsA.exponent + partsB.exponent,
                           MultiplyWide(partsA.significand, partsB.significand));
}

SoftExtended operator/(SoftExtended a, SoftExtended b)
{
    if (a.IsNaN() || b.IsNaN())
        return a.IsNaN() ? a : b;
    const bool negative = a.IsNegative() != b.IsNegative();
    if (a.IsInfinite())
        return b.IsInfinite() ? DefaultNaN() : Infinity(negative);
    if (b.IsInfinite())
        return Zero(negative);
    if (b.IsZero())
        return a.IsZero() ? DefaultNaN() : Infinity(negative);
    if (a.IsZero())
        return Zero(negative);
    ExtendedParts dividend = PartsOf(a);
    ExtendedParts divisor = PartsOf(b);
    for (ExtendedParts* parts : {&dividend, &divisor}) {
        const int leadingZeros = std::countl_zero(parts->significand);
        parts->significand <<= leadingZeros;
        parts->exponent -= leadingZeros;
    }
    // The quotient of two normalized significands lies between 1/2 and 2, so
    // it has at least 70 significant bits, and the remainder's bit below them
    // keeps the rounding exact.
    return RoundToExtended(negative, dividend.exponent - divisor.exponent - (quotientBits - 1),
                           DivideForRounding(UInt128{0, dividend.significand}, UInt128{0, divisor.significand}));
}

UInt128 DivideForRounding(UInt128 dividend, UInt128 divisor)
{
    UInt128 remainder = dividend;
    UInt128 quotient;
    for (int bit = 0; bit < quotientBits; ++bit) {
        quotient = ShiftLeft(quotient, 1);
        if (remainder >= divisor) {
            remainder = remainder - divisor;
            quotient.low |= 1;
        }
        remainder = ShiftLeft(remainder, 1);
    }
    if (!remainder.IsZero())
        quotient.low |= 1;
    return quotient;
}

SoftExtended Sqrt(SoftExtended value)
{
    if (value.IsNaN() || value.IsZero())
        return value;
    if (value.IsNegative())
        return DefaultNaN();
    if (value.IsInfinite())
        return value;
    ExtendedParts parts = PartsOf(value);
    const int leadingZeros = std::countl_zero(parts.significand);
    parts.significand <<= leadingZeros;
    parts.exponent -= leadingZeros;
    // The radicand as a 128-bit integer with an even power of two beside it,
    // its top two bits not both 0: its root has 64 bits. Two more pairs of
    // zero bits below it give two more bits of the root, the lowest of which
    // takes a remainder that is not 0, so that the rounding sees where the
    // root lies between its neighbours.
    const int shift = (parts.exponent & 1) != 0 ? 63 : 64;
    const UInt128 radicand = ShiftLeft(UInt128{0, parts.significand}, shift);
    const int exponent = parts.exponent - shift;
    constexpr int extraPairs = 2;
    UInt128 root;
    UInt128 remainder;
    for (int pair = 0; pair < 64 + extraPairs; ++pair) {
        const int bitsBelow = 126 - 2 * pair;
        const std::uint64_t next = bitsBelow >= 0 ? ShiftRight(radicand, bitsBelow).low & 3 : 0;
        remainder = ShiftLeft(remainder, 2);
        remainder.low |= next;
        UInt128 trial = ShiftLeft(root, 2);
        trial.low |= 1;
        root = ShiftLeft(root, 1);
        if (remainder >= trial) {
            remainder = remainder - trial;
            root.low |= 1;
        }
    }
    if (!remainder.IsZero())
        root.low |= 1;
    return RoundToExtended(false, exponent / 2 - extraPairs, root);
}

SoftExtended RoundToIntegral(SoftExtended value)
{
    return ToIntegral(value, IntegralDirection::NearestEven);
}

SoftExtended Floor(SoftExtended value)
{
    return ToIntegral(value, IntegralDirection::Down);
}

SoftExtended Trunc(SoftExtended value)
{
    return ToIntegral(value, IntegralDirection::TowardZero);
}

std::int64_t IntegralToInt64(SoftExtended integral)
{
    if (integral.IsZero())
        return 0;
    const ExtendedParts parts = PartsOf(integral);
    const std::uint64_t magnitude = parts.exponent >= 0 ? parts.significand << parts.exponent
                                                        : parts.significand >> -parts.exponent;
    return parts.negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
}

std::partial_ordering SoftExtended::Compare(SoftExtended a, SoftExtended b)
{
    if (a.IsNaN() || b.IsNaN())
        return std::partial_ordering::unordered;
    if (a.IsZero() && b.IsZero())
        return std::partial_ordering::equivalent;
    if (a.IsNegative() != b.IsNegative())
        return a.IsNegative() ? std::partial_ordering::less : std::partial_ordering::greater;
    // The fields order the magnitudes, denormals below normals.
    if (a.BiasedExponent() == b.BiasedExponent() && a.significand_ == b.significand_)
        return std::partial_ordering::equivalent;
    const bool smallerMagnitude = a.BiasedExponent() != b.BiasedExponent() ? a.BiasedExponent() < b.BiasedExponent()
                                                                           : a.significand_ < b.significand_;
    return smallerMagnitude != a.IsNegative() ? std::partial_ordering::less : std::partial_ordering::greater;
}

} // namespace platform
