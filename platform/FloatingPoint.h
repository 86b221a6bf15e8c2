#pragma once

#include "platform/Exceptions.h"

#include <cmath>

// Checked floating-point operations. Arithmetic here is meant to fail on
// division by zero, invalid operations and results too large for the double
// they are stored in, while underflow stays silent (results become denormal or
// 0). The hardware does not trap, so the faults are detected explicitly and
// raised as the matching exceptions.
namespace platform {

// A double that has just been produced by rounding: infinite means the value
// did not fit, NaN can only come from an invalid operation.
inline double CheckedDouble(double rounded)
{
    if (std::isnan(rounded))
        throw InvalidFloatOperation();
    if (std::isinf(rounded))
        throw FloatOverflow();
    return rounded;
}

// Rounds an extended-precision value to the double it is stored as.
inline double StoreAsDouble(long double value)
{
    return CheckedDouble(static_cast<double>(value));
}

// Extended-precision division: x / 0 fails with division by zero, 0 / 0 with
// an invalid operation, a quotient beyond the extended range with overflow.
inline long double CheckedDivide(long double dividend, long double divisor)
{
    if (divisor == 0.0L) {
        if (dividend == 0.0L || std::isnan(dividend))
            throw InvalidFloatOperation();
        throw FloatDivisionByZero();
    }
    const long double quotient = dividend / divisor;
    if (std::isinf(quotient) && std::isfinite(dividend))
        throw FloatOverflow();
    return quotient;
}

} // namespace platform
