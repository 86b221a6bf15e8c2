#pragma once

#include <string_view>

namespace platform {

// Whether digits x 10^exponent, rounded to the extended type, overflows it:
// whether it reaches (2 - 2^-64) x 2^16383 (about 1.19 x 10^4932), halfway
// between the largest extended value and 2^16384, where rounding to nearest
// with ties to even goes up, since the largest value's significand is odd.
// The digits are decimal digits without leading zeros; none means 0.
bool ExceedsExtendedRange(std::string_view digits, long long exponent);

} // namespace platform
