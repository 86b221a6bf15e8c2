#pragma once

#include <cstdint>
#include <cstring>

namespace platform {

// The bits of a double and the double of bits, as std::bit_cast gives them
// where the standard library has it.
inline std::uint64_t DoubleBits(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}
inline double DoubleFromBits(std::uint64_t bits)
{
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace platform
