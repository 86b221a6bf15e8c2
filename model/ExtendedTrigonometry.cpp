#include "model/ExtendedTrigonometry.h"

#include <cmath>

// Which sine: the model is defined by the processor's own sine of the
// extended argument, so on x86-64 the x87 instructions FSIN and FCOS are used
// directly and the curves come out bit for bit as that definition gives them.
// The C library's sinl/cosl are computed differently: for angles up to 10
// radians they differ from FSIN/FCOS in the last bit for about a fifth of the
// arguments (at most 6e-20 absolute), and every such difference carries on
// through all later steps of a run. The price of FSIN is its 66-bit pi for the
// argument reduction: near multiples of pi its result is off in relative terms
// (sin of the double nearest to pi comes out 3e-5 too small), but the torque
// only sees the absolute error, which stays below 1e-19 for such angles.
// Other compilers and processors use sinl/cosl.
namespace model {

namespace {

// The instructions leave arguments of this magnitude unreduced.
constexpr long double reductionLimit = 0x1p63L;

#if defined(__x86_64__) && defined(__GNUC__)

long double ProcessorSine(long double x)
{
    long double result;
    asm("fsin" : "=t"(result) : "0"(x));
    return result;
}

long double ProcessorCosine(long double x)
{
    long double result;
    asm("fcos" : "=t"(result) : "0"(x));
    return result;
}

#else

long double ProcessorSine(long double x)
{
    return std::sin(x);
}

long double ProcessorCosine(long double x)
{
    return std::cos(x);
}

#endif

} // namespace

long double ExtendedSine(double angle)
{
    const long double x = angle;
    return std::fabs(x) >= reductionLimit ? 0.0L : ProcessorSine(x);
}

long double ExtendedCosine(double angle)
{
    const long double x = angle;
    return std::fabs(x) >= reductionLimit ? 0.0L : ProcessorCosine(x);
}

} // namespace model
