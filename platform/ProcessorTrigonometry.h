#pragma once

// The x87 instructions FSIN and FCOS on long double, where the processor has
// them (x86-64 with GCC or Clang). They reduce the argument by a 66-bit pi
// and leave arguments of magnitude 2^63 or more unreduced.
#if defined(__x86_64__) && defined(__GNUC__)
#define KYVADLO_HAS_PROCESSOR_TRIGONOMETRY 1

namespace platform {

inline long double ProcessorSine(long double x)
{
    long double result;
    asm("fsin" : "=t"(result) : "0"(x));
    return result;
}

inline long double ProcessorCosine(long double x)
{
    long double result;
    asm("fcos" : "=t"(result) : "0"(x));
    return result;
}

} // namespace platform

#endif
