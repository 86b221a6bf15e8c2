#pragma once

#include "platform/Extended.h"
#include "platform/FloatFault.h"

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
        RaiseFloatFault(FloatFault::InvalidOperation);
    if (std::isinf(rounded))
        RaiseFloatFault(FloatFault::Overflow);
    return rounded;
}

// Rounds an extended-precision value to the double it is stored as.
inline double StoreAsDouble(Extended value)
{
    return CheckedDouble(static_cast<double>(value));
}

// Extended-precision division: x / 0 fails with division by zero, 0 / 0 with
// an invalid operation, a quotient beyond the extended range with overflow.
inline Extended CheckedDivide(Extended dividend, Extended divisor)
{
    if (divisor == 0) {
        if (dividend == 0 || IsNaN(dividend))
            RaiseFloatFault(FloatFault::InvalidOperation);
        RaiseFloatFault(FloatFault::DivisionByZero);
    }
    const Extended quotient = dividend / divisor;
    if (IsInfinite(quotient) && IsFinite(dividend))
        RaiseFloatFault(FloatFault::Overflow);
    return quotient;
}

} // namespace platform
