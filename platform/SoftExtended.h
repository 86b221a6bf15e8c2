#pragma once

#include "platform/DoubleBits.h"
#include <compare>
#include <concepts>
#include <cstdint>
#include <cstring>
#include <type_traits>

// Extended precision in software: the x87 format (sign, 15-bit exponent,
// 64-bit significand with an explicit integer bit), every result rounded to
// nearest with ties to even, as the processor's extended type rounds. It
// gives the same results on every processor and compiler, also where long
// double has another format.
//
// Its faults behave like the processor's with its exceptions masked: a
// result too large becomes infinite, a result too small becomes denormal or
// zero, an invalid operation (0/0, inf - inf, 0 x inf, inf/inf) gives a NaN
// and x/0 an infinity, so that the checks of platform/FloatingPoint.h find
// them as they find those of long double.
namespace platform {

class SoftExtended {
public:
    constexpr SoftExtended() = default;
    // Every double and every integer up to 64 bits is held exactly.
    SoftExtended(double value);
    template <std::integral Integer>
    SoftExtended(Integer value)
    {
        const auto magnitude = static_cast<std::uint64_t>(value);
        if constexpr (std::is_signed_v<Integer>)
            *this = value < 0 ? FromInteger(true, 0 - magnitude) : FromInteger(false, magnitude);
        else
            *this = FromInteger(false, magnitude);
    }
    // Not from long double: that would go through a double and lose bits.
    SoftExtended(long double) = delete;

    // The value with these fields of the x87 format: the sign in the top bit
    // of the first, the biased exponent (bias 16383) below it.
    static constexpr SoftExtended FromBits(std::uint16_t signAndExponent, std::uint64_t significand)
    {
        SoftExtended value;
        value.signAndExponent_ = signAndExponent;
        value.significand_ = significand;
        return value;
    }
    constexpr std::uint16_t SignAndExponent() const { return signAndExponent_; }
    constexpr std::uint64_t Significand() const { return significand_; }

    // Rounded to the nearest double, ties to even: too large becomes
    // infinite, too small denormal or zero.
    explicit operator double() const;

    constexpr SoftExtended operator-() const
    {
        return FromBits(static_cast<std::uint16_t>(signAndExponent_ ^ signBit), significand_);
    }
    friend SoftExtended operator+(SoftExtended a, SoftExtended b);
    friend SoftExtended operator-(SoftExtended a, SoftExtended b) { return a + -b; }
    friend SoftExtended operator*(SoftExtended a, SoftExtended b);
    friend SoftExtended operator/(SoftExtended a, SoftExtended b);
    SoftExtended& operator+=(SoftExtended other) { return *this = *this + other; }
    SoftExtended& operator-=(SoftExtended other) { return *this = *this - other; }
    SoftExtended& operator*=(SoftExtended other) { return *this = *this * other; }
    SoftExtended& operator/=(SoftExtended other) { return *this = *this / other; }

    // NaN is unordered, -0 equals +0.
    friend bool operator==(SoftExtended a, SoftExtended b) { return Compare(a, b) == 0; }
    friend std::partial_ordering operator<=>(SoftExtended a, SoftExtended b) { return Compare(a, b); }

    constexpr bool IsNegative() const { return (signAndExponent_ & signBit) != 0; }
    constexpr bool IsNaN() const { return BiasedExponent() == maxExponent && significand_ != integerBit; }
    constexpr bool IsInfinite() const { return BiasedExponent() == maxExponent && significand_ == integerBit; }
    constexpr bool IsZero() const { return BiasedExponent() == 0 && significand_ == 0; }

    static constexpr std::uint16_t signBit = 0x8000;
    static constexpr int maxExponent = 0x7FFF;
    static constexpr int exponentBias = 16383;
    static constexpr std::uint64_t integerBit = std::uint64_t{1} << 63;

private:
    static SoftExtended FromInteger(bool negative, std::uint64_t magnitude);
    static std::partial_ordering Compare(SoftExtended a, SoftExtended b);
    constexpr int BiasedExponent() const { return signAndExponent_ & maxExponent; }

    std::uint16_t signAndExponent_ = 0;
    std::uint64_t significand_ = 0;
};

inline bool IsNaN(SoftExtended value)
{
    return value.IsNaN();
}
inline bool IsInfinite(SoftExtended value)
{
    return value.IsInfinite();
}
inline bool IsFinite(SoftExtended value)
{
    return !value.IsNaN() && !value.IsInfinite();
}
inline SoftExtended Abs(SoftExtended value)
{
    return value.IsNegative() ? -value : value;
}

// The square root, rounded to nearest with ties to even as the processor's
// is: -0 stays -0, a value below 0 gives a NaN.
SoftExtended Sqrt(SoftExtended value);

// The value rounded to a whole number, to the nearest (ties to even), down,
// or toward 0; the sign of a zero result is the value's. Infinities and NaNs
// stay as they are.
SoftExtended RoundToIntegral(SoftExtended value);
SoftExtended Floor(SoftExtended value);
SoftExtended Trunc(SoftExtended value);

// A whole number within the range of a 64-bit integer as that integer.
std::int64_t IntegralToInt64(SoftExtended integral);

} // namespace platform
