#pragma once

#include "platform/SoftExtended.h"

// Sine and cosine of the software extended type, made to give what the x87
// instructions FSIN and FCOS give. Like them, they reduce the argument by
// multiples of pi/2 taken from a 66-bit pi: close to a multiple of pi the
// result differs, relative to the true sine, by up to about 4e-21 divided by
// the distance to that multiple, as the processor's does. The reduced
// argument is exact, and its sine or cosine is rounded correctly to the
// 64-bit significand; the processor's own rounding misses the nearest value
// for about one argument in a hundred, all of them within a fortieth of a
// unit in the last place of a halfway point.
//
// Arguments of magnitude 2^63 or more, infinities included, give 0 (the
// instructions leave them unreduced); a NaN gives a NaN.
namespace platform {

SoftExtended Sine(SoftExtended x);
SoftExtended Cosine(SoftExtended x);

} // namespace platform
