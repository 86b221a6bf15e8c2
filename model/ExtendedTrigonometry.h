#pragma once

#include "platform/Extended.h"

// Sine and cosine in extended precision (64-bit mantissa), as the processor's
// x87 instructions FSIN and FCOS give them; the model's angles are doubles. Arguments of
// magnitude 2^63 or more, infinities included, give 0: that is where the
// instructions give up reducing the argument.
namespace model {

platform::Extended ExtendedSine(platform::Extended angle);
platform::Extended ExtendedCosine(platform::Extended angle);

} // namespace model
