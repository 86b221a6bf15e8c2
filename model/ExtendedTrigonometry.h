#pragma once

#include "platform/Extended.h"

// Sine and cosine of a double argument in extended precision (64-bit mantissa),
// as the processor's x87 instructions FSIN and FCOS give them. Arguments of
// magnitude 2^63 or more, infinities included, give 0: that is where the
// instructions give up reducing the argument.
namespace model {

platform::Extended ExtendedSine(double angle);
platform::Extended ExtendedCosine(double angle);

// The same sine of an angle worked out in extended precision.
platform::Extended ExtendedSine(platform::Extended angle);

} // namespace model
