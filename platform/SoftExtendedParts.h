#pragma once

#include "platform/SoftExtended.h"
#include "platform/UInt128.h"

#include <cstdint>

// The building blocks of the software extended type's operations, shared by
// its arithmetic and its sine and cosine.
namespace platform {

// A finite value as (-1)^negative x significand x 2^exponent.
struct ExtendedParts {
    bool negative = false;
    int exponent = 0;
    std::uint64_t significand = 0;
};

// The parts of a finite value; a denormal keeps its significand unnormalized.
ExtendedParts PartsOf(SoftExtended value);

// (-1)^negative x significand x 2^exponent rounded to the extended type,
// to nearest with ties to even: too large becomes infinite, too small
// denormal or zero. The significand is taken as exact; its lowest bit may
// stand for bits that were shifted out when at least one bit lies between it
// and the highest bit that the rounding drops.
SoftExtended RoundToExtended(bool negative, int exponent, UInt128 significand);

// dividend / divisor x 2^(quotientBits - 1) by long division, for a divisor
// below 2^126 and a dividend from half the divisor to below twice it: a
// quotient of 70 or 71 significant bits, its lowest bit set when a
// remainder is left, as RoundToExtended takes it.
inline constexpr int quotientBits = 71;
UInt128 DivideForRounding(UInt128 dividend, UInt128 divisor);

} // namespace platform
