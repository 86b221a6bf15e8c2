#pragma once

#include "platform/SoftExtended.h"
#include "platform/SoftExtendedLogarithm.h"

#include <cmath>
#include <cstdint>

// The extended type of the program's arithmetic: a 64-bit significand and a
// 15-bit exponent, rounding to nearest with ties to even. On x86-64 with GCC
// or Clang that is the processor's long double. Elsewhere long double is
// another format (113 bits on aarch64 and WebAssembly, 53 with MSVC), so the
// software type stands in for it and gives the same results. Building with
// KYVADLO_SOFTWARE_EXTENDED defined takes the software type on x86-64 too.
//
// Code written against Extended uses the operators, static_cast<double>, and
// the functions below, which exist for both types.
#if defined(KYVADLO_SOFTWARE_EXTENDED) || !(defined(__x86_64__) && defined(__GNUC__))
#define KYVADLO_EXTENDED_IS_SOFTWARE 1
#else
#define KYVADLO_EXTENDED_IS_SOFTWARE 0
#endif

namespace platform {

#if KYVADLO_EXTENDED_IS_SOFTWARE

using Extended = SoftExtended;

#else

using Extended = long double;

inline bool IsNaN(long double value)
{
    return std::isnan(value);
}
inline bool IsInfinite(long double value)
{
    return std::isinf(value);
}
inline bool IsFinite(long double value)
{
    return std::isfinite(value);
}
inline long double Abs(long double value)
{
    return std::fabs(value);
}
inline long double Sqrt(long double value)
{
    return std::sqrt(value);
}
// To nearest, ties to even: the rounding mode the program never changes.
inline long double RoundToIntegral(long double value)
{
    return std::rint(value);
}
inline long double Floor(long double value)
{
    return std::floor(value);
}
inline long double Trunc(long double value)
{
    return std::trunc(value);
}
inline std::int64_t IntegralToInt64(long double integral)
{
    return static_cast<std::int64_t>(integral);
}
inline long double Log(long double value)
{
    return std::log(value);
}
inline long double Exp(long double value)
{
    return std::exp(value);
}
inline long double Pow(long double base, long double exponent)
{
    return std::pow(base, exponent);
}

#endif

// significand x 2^exponent, exactly, for a significand with its top bit set:
// the way to write a constant of the full extended precision.
constexpr Extended ExtendedFromParts(std::uint64_t significand, int exponent)
{
#if KYVADLO_EXTENDED_IS_SOFTWARE
    return SoftExtended::FromBits(static_cast<std::uint16_t>(exponent + 63 + SoftExtended::exponentBias), significand);
#else
    long double value = static_cast<long double>(significand);
    for (; exponent > 0; --exponent)
        value *= 2;
    for (; exponent < 0; ++exponent)
        value /= 2;
    return value;
#endif
}

} // namespace platform
