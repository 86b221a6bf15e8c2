#pragma once

#include "platform/SoftExtended.h"

// The natural logarithm, the exponential and powers of the software extended
// type, for the chart's logarithmic axes. Computed in the type's own
// arithmetic, they lie within two units in the last place of the true values
// (the processor's build takes the C library's, which lie within one): the
// doubles an axis keeps of them agree but for values within a few
// thousandths of a double's last place of a halfway point between doubles.
namespace platform {

// log x: -infinity at 0, a NaN below 0.
SoftExtended Log(SoftExtended x);
// e^x: infinite above the range, 0 or denormal below it.
SoftExtended Exp(SoftExtended x);
// base^exponent; an integral exponent (and the powers of ten the axis labels
// are, which come out exact up to 10^27) by multiplying, any other as
// e^(exponent log base), which needs a base above 0.
SoftExtended Pow(SoftExtended base, SoftExtended exponent);

} // namespace platform
