#pragma once

#include "platform/Extended.h"

// Conversions between the degrees the user types or the chart shows and the
// radians of the model, evaluated in extended precision with an extended pi.
namespace model {

// pi rounded to the 64-bit mantissa of the extended type (not the double pi).
inline constexpr platform::Extended extendedPi = platform::ExtendedFromParts(0xC90FDAA22168C235, -62);

// The start angle from the degrees typed by the user: (-degrees x pi) / 180,
// negated first, then multiplied by pi, divided by 180 and stored. The sign
// flip makes a positive input start the body to the left of the pivot.
double StartAngleFromDegrees(double degrees);

// An angle of the model in degrees for the chart: (angle x 180) / pi.
// Throws FloatOverflow when the degrees do not fit a double.
double ChartDegrees(double angle);

} // namespace model
