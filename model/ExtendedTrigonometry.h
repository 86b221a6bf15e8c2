#pragma once

// Sine and cosine of a double argument in extended precision (64-bit mantissa).
// Arguments of magnitude 2^63 or more, infinities included, give 0: that is
// where the processor's instructions give up reducing the argument.
namespace model {

long double ExtendedSine(double angle);
long double ExtendedCosine(double angle);

} // namespace model
