#pragma once

#include <bit>
#include <cstdint>

// A 128-bit unsigned integer from two 64-bit halves, with the few operations
// the software extended type needs. Written out in plain 64-bit arithmetic so
// that every compiler builds it the same way, including those without a
// 128-bit integer of their own.
namespace platform {

struct UInt128 {
    std::uint64_t high = 0;
    std::uint64_t low = 0;

    friend constexpr bool operator==(UInt128, UInt128) = default;
    friend constexpr bool operator<(UInt128 a, UInt128 b)
    {
        return a.high != b.high ? a.high < b.high : a.low < b.low;
    }
    friend constexpr bool operator>=(UInt128 a, UInt128 b) { return !(a < b); }

    friend constexpr UInt128 operator+(UInt128 a, UInt128 b)
    {
        const std::uint64_t low = a.low + b.low;
        return {a.high + b.high + (low < a.low ? 1u : 0u), low};
    }
    friend constexpr UInt128 operator-(UInt128 a, UInt128 b)
    {
        return {a.high - b.high - (a.low < b.low ? 1u : 0u), a.low - b.low};
    }

    constexpr bool IsZero() const { return (high | low) == 0; }
    constexpr int LeadingZeros() const
    {
        return high != 0 ? std::countl_zero(high) : 64 + std::countl_zero(low);
    }
};

// Shifts left by 0 to 127 bits.
constexpr UInt128 ShiftLeft(UInt128 value, int bits)
{
    if (bits == 0)
        return value;
    if (bits >= 64)
        return {value.low << (bits - 64), 0};
    return {(value.high << bits) | (value.low >> (64 - bits)), value.low << bits};
}

// Shifts right by any number of bits; bits shifted out are lost.
constexpr UInt128 ShiftRight(UInt128 value, int bits)
{
    if (bits == 0)
        return value;
    if (bits >= 128)
        return {};
    if (bits >= 64)
        return {0, value.high >> (bits - 64)};
    return {value.high >> bits, (value.low >> bits) | (value.high << (64 - bits))};
}

// Shifts right and sets the lowest bit when any bit shifted out was set, so
// that a later rounding still sees that the value lay above the result.
constexpr UInt128 ShiftRightSticky(UInt128 value, int bits)
{
    const UInt128 shifted = ShiftRight(value, bits);
    const bool lost = bits >= 128 ? !value.IsZero() : !(ShiftLeft(shifted, bits) == value);
    return {shifted.high, shifted.low | (lost ? 1u : 0u)};
}

// The exact 128-bit product of two 64-bit numbers.
constexpr UInt128 MultiplyWide(std::uint64_t a, std::uint64_t b)
{
    const std::uint64_t aLow = a & 0xFFFFFFFFu;
    const std::uint64_t aHigh = a >> 32;
    const std::uint64_t bLow = b & 0xFFFFFFFFu;
    const std::uint64_t bHigh = b >> 32;
    const std::uint64_t lowLow = aLow * bLow;
    const std::uint64_t highLow = aHigh * bLow;
    const std::uint64_t lowHigh = aLow * bHigh;
    const std::uint64_t highHigh = aHigh * bHigh;
    const std::uint64_t middle = (lowLow >> 32) + (highLow & 0xFFFFFFFFu) + (lowHigh & 0xFFFFFFFFu);
    return {highHigh + (highLow >> 32) + (lowHigh >> 32) + (middle >> 32),
            (middle << 32) | (lowLow & 0xFFFFFFFFu)};
}

// The upper 128 bits of the 256-bit product of two 128-bit numbers, as in a
// multiplication of fixed-point fractions with 128 bits after the point,
// rounded down.
constexpr UInt128 MultiplyHigh(UInt128 a, UInt128 b)
{
    const UInt128 highHigh = MultiplyWide(a.high, b.high);
    const UInt128 highLow = MultiplyWide(a.high, b.low);
    const UInt128 lowHigh = MultiplyWide(a.low, b.high);
    const UInt128 lowLow = MultiplyWide(a.low, b.low);
    const UInt128 middle = UInt128{0, highLow.low} + UInt128{0, lowHigh.low} + UInt128{0, lowLow.high};
    return highHigh + UInt128{0, highLow.high} + UInt128{0, lowHigh.high} + UInt128{0, middle.high};
}

} // namespace platform
