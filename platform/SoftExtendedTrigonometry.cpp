#include "platform/SoftExtendedTrigonometry.h"

#include "platform/SoftExtendedParts.h"
#include "platform/UInt128.h"

#include <array>
#include <bit>

// The series are summed in fixed point with 127 bits after the point, on the
// square of the reduced argument (at most (pi/4)^2 < 0.62), so that 18 terms
// leave an error near 2^-125: far below the 2^-64 of the result's last place.
namespace platform {

namespace {

// pi/2 as the processor's reduction takes it: pi rounded to 66 bits, halved,
// in units of 2^-65.
constexpr UInt128 halfPi66{0x3, 0x243F6A8885A308D3};

// A fixed-point fraction with 127 bits after the point, so that 1 is 2^127.
constexpr UInt128 one{std::uint64_t{1} << 63, 0};

constexpr UInt128 DivideBySmall(UInt128 value, std::uint32_t divisor)
{
    std::uint64_t remainder = 0;
    std::array<std::uint64_t, 4> parts{value.high >> 32, value.high & 0xFFFFFFFFu, value.low >> 32,
                                       value.low & 0xFFFFFFFFu};
    for (std::uint64_t& part : parts) {
        const std::uint64_t current = (remainder << 32) | part;
        part = current / divisor;
        remainder = current % divisor;
    }
    return {(parts[0] << 32) | parts[1], (parts[2] << 32) | parts[3]};
}

constexpr int terms = 18;

// 1/n! for n = 0 to 2 terms + 1, each from the one before it.
constexpr std::array<UInt128, 2 * terms + 2> InverseFactorials()
{
    std::array<UInt128, 2 * terms + 2> factorials{};
    factorials[0] = one;
    for (std::uint32_t n = 1; n < factorials.size(); ++n)
        factorials[n] = DivideBySmall(factorials[n - 1], n);
    return factorials;
}
constexpr std::array<UInt128, 2 * terms + 2> inverseFactorials = InverseFactorials();

// sum over n of (-z)^n / (2n + offset)!, by Horner's rule; z < 0.62 keeps
// every partial sum positive.
UInt128 AlternatingSeries(UInt128 z, int offset)
{
    UInt128 sum = inverseFactorials[2 * (terms - 1) + offset];
    for (int n = terms - 2; n >= 0; --n)
        sum = inverseFactorials[2 * n + offset] - MultiplyHigh(z, sum);
    return sum;
}

// The reduced argument r = (-1)^negative x magnitude x 2^exponent, with
// |r| < 1, and how many quarter turns of the 66-bit pi were taken off.
struct Reduced {
    bool negative = false;
    UInt128 magnitude;
    int exponent = 0;
    std::uint64_t quarterTurns = 0;
};

// |x| = m x 2^e minus the nearest multiple of pi/2, exactly. Arguments
// below 1/2 are left as they are.
Reduced Reduce(std::uint64_t m, int e)
{
    const int leadingBit = e + 63 - std::countl_zero(m);
    if (leadingBit < -1)
        return {false, UInt128{0, m}, e, 0};
    // |x| in units of 2^-65: below 2^128 for |x| < 2^63.
    UInt128 remainder = ShiftLeft(UInt128{0, m}, e + 65);
    std::uint64_t quotient = 0;
    for (int bit = 62; bit >= 0; --bit) {
        const UInt128 multiple = ShiftLeft(halfPi66, bit);
        if (remainder >= multiple) {
            remainder = remainder - multiple;
            quotient |= std::uint64_t{1} << bit;
        }
    }
    // Round the quotient to nearest: then |r| <= pi/4.
    if (ShiftLeft(remainder, 1) >= halfPi66 && !(ShiftLeft(remainder, 1) == halfPi66))
        return {true, halfPi66 - remainder, -65, quotient + 1};
    return {false, remainder, -65, quotient};
}

// sin(r) or cos(r) of the reduced argument, with the sign of sin(r).
SoftExtended SeriesOf(const Reduced& r, bool cosine)
{
    if (r.magnitude.IsZero())
        return cosine ? SoftExtended(1) : SoftExtended();
    const int leadingZeros = r.magnitude.LeadingZeros();
    const UInt128 normalized = ShiftLeft(r.magnitude, leadingZeros);
    // |r| = normalized x 2^scale with normalized in [2^127, 2^128).
    const int scale = r.exponent - leadingZeros;
    // r^2 as a fraction with 128 bits after the point.
    const int squareShift = -2 * (scale + 128);
    const UInt128 square = squareShift >= 128 ? UInt128{} : ShiftRight(MultiplyHigh(normalized, normalized), squareShift);
    if (cosine)
        return RoundToExtended(false, -127, AlternatingSeries(square, 0));
    // sin(r) = r x (1 - r^2/3! + ...).
    return RoundToExtended(r.negative, scale + 1, MultiplyHigh(normalized, AlternatingSeries(square, 1)));
}

SoftExtended SineOrCosine(SoftExtended x, bool cosine)
{
    if (x.IsNaN())
        return x;
    if (!(Abs(x) < SoftExtended::FromBits(SoftExtended::exponentBias + 63, SoftExtended::integerBit)))
        return SoftExtended();
    if (x.IsZero())
        return cosine ? SoftExtended(1) : x;
    const ExtendedParts parts = PartsOf(x);
    const Reduced reduced = Reduce(parts.significand, parts.exponent);
    // sin(r + q pi/2) and cos(r + q pi/2) by the quarter turns q.
    const unsigned quadrant = static_cast<unsigned>(reduced.quarterTurns % 4) + (cosine ? 1 : 0);
    const SoftExtended value = SeriesOf(reduced, quadrant % 2 == 1);
    const bool negate = (quadrant % 4 >= 2) != (!cosine && parts.negative);
    return negate ? -value : value;
}

} // namespace

SoftExtended Sine(SoftExtended x)
{
    return SineOrCosine(x, false);
}

SoftExtended Cosine(SoftExtended x)
{
    return SineOrCosine(x, true);
}

} // namespace platform
