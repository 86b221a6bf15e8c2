#pragma once

#include "platform/SoftExtended.h"

#include <cfloat>
#include <cstdint>
#include <cstring>

// Where long double is the processor's x87 type, the software type and long
// double share their bits, so tests can hold one against the other.
#if LDBL_MANT_DIG == 64
#define KYVADLO_LONG_DOUBLE_IS_X87 1

namespace platform_testing {

inline long double AsLongDouble(platform::SoftExtended value)
{
    long double result = 0;
    const std::uint64_t significand = value.Significand();
    const std::uint16_t signAndExponent = value.SignAndExponent();
    std::memcpy(&result, &significand, sizeof significand);
    std::memcpy(reinterpret_cast<char*>(&result) + sizeof significand, &signAndExponent, sizeof signAndExponent);
    return result;
}

inline long double AsLongDouble(long double value)
{
    return value;
}

inline platform::SoftExtended AsSoftExtended(long double value)
{
    std::uint64_t significand = 0;
    std::uint16_t signAndExponent = 0;
    std::memcpy(&significand, &value, sizeof significand);
    std::memcpy(&signAndExponent, reinterpret_cast<const char*>(&value) + sizeof significand, sizeof signAndExponent);
    return platform::SoftExtended::FromBits(signAndExponent, significand);
}

} // namespace platform_testing

#endif
