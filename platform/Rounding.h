#pragma once

#include "platform/Extended.h"

#include <cmath>
#include <concepts>
#include <limits>

// Rounding to a whole number of pixels, steps or labels. One rule throughout:
// the nearest integer, halves to the even neighbour; a NaN gives 0, and a
// value beyond the range of the integer type (infinities too) its nearer end.
namespace platform {

template <std::signed_integral Integer = int>
Integer RoundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    // rint rounds in the program's rounding mode, which is to nearest with
    // ties to even and never changes (nearbyint gives the same, at many
    // times the cost of saving and restoring the floating-point state).
    const double rounded = std::rint(value);
    // The ends of the integer types are powers of two (less one), which the
    // comparison holds exactly or rounds up to the first value beyond.
    if (rounded <= static_cast<double>(std::numeric_limits<Integer>::min()))
        return std::numeric_limits<Integer>::min();
    if (rounded >= static_cast<double>(std::numeric_limits<Integer>::max()))
        return std::numeric_limits<Integer>::max();
    return static_cast<Integer>(rounded);
}

// The same for the extended type, whose 64-bit significand holds every end
// exactly.
template <std::signed_integral Integer = int>
Integer RoundHalfEven(Extended value)
{
    if (IsNaN(value))
        return 0;
    const Extended rounded = RoundToIntegral(value);
    if (rounded <= Extended(std::numeric_limits<Integer>::min()))
        return std::numeric_limits<Integer>::min();
    if (rounded >= Extended(std::numeric_limits<Integer>::max()))
        return std::numeric_limits<Integer>::max();
    return static_cast<Integer>(IntegralToInt64(rounded));
}

} // namespace platform
