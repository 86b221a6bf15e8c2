#include "model/ExtendedTrigonometry.h"

#include "platform/ProcessorTrigonometry.h"
#include "platform/SoftExtendedTrigonometry.h"

#include <cmath>

// Which sine: the model is defined by the processor's own sine of the
// extended argument, so on x86-64 the x87 instructions FSIN and FCOS are used
// directly and the curves come out bit for bit as that definition gives them.
// The C library's sinl/cosl are computed differently: for angles up to 10
// radians they differ from FSIN/FCOS in the last bit for about a fifth of the
// arguments (at most 6e-20 absolute), and every such difference carries on
// through all later steps of a run. FSIN reduces the argument with a 66-bit
// pi: near multiples of pi its result is off in relative terms (sin of the
// double nearest to pi comes out 3e-5 too small), but the torque only sees
// the absolute error, which stays below 1e-19 for such angles. Where the
// extended type is the software one, its sine reduces with the same 66-bit
// pi, which keeps the curves those of FSIN (see SoftExtendedTrigonometry.h).
namespace model {

#if KYVADLO_EXTENDED_IS_SOFTWARE

platform::Extended ExtendedSine(double angle)
{
    return platform::Sine(angle);
}

platform::Extended ExtendedCosine(double angle)
{
    return platform::Cosine(angle);
}

platform::Extended ExtendedSine(platform::Extended angle)
{
    return platform::Sine(angle);
}

#else

namespace {

// The instructions leave arguments of this magnitude unreduced.
constexpr long double reductionLimit = 0x1p63L;

long double Sine(long double x)
{
    return std::fabs(x) >= reductionLimit ? 0.0L : platform::ProcessorSine(x);
}

} // namespace

long double ExtendedSine(double angle)
{
    return Sine(angle);
}

long double ExtendedSine(long double angle)
{
    return Sine(angle);
}

long double ExtendedCosine(double angle)
{
    const long double x = angle;
    return std::fabs(x) >= reductionLimit ? 0.0L : platform::ProcessorCosine(x);
}

#endif

} // namespace model
