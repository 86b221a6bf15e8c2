#pragma once

// Code outside this program (parts of the raster engine and the libraries
// below it) may leave data in the upper halves of the wide vector registers.
// While it stays there, every instruction of this program's own vector code
// (compiled for the common instruction set, which also carries all double
// arithmetic) pays for merging with it: on the machines measured, loops over
// values and pixels then run several times slower. Clearing the upper halves
// before such a loop removes the cost; it changes no value this program uses.
namespace platform::raster {

inline void ClearUpperVectorHalves()
{
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    // The instruction exists only where the wide registers do.
    static const bool wideRegisters = __builtin_cpu_supports("avx");
    if (wideRegisters)
        __asm__ volatile("vzeroupper");
#endif
}

} // namespace platform::raster
