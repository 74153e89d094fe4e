// Toolkit code (event handling between pixels or attractor steps) may leave
// the upper halves of the AVX registers in use. Plain SSE code that runs
// afterwards - the formulas, render methods and attractor maps - then pays
// for every instruction (measured at a quarter of its speed) until that state
// is cleared. Clearing it costs next to nothing, so it is done after every
// call into the toolkit.
#pragma once

namespace zarvo {

inline void ClearUpperVectorState() {
#if defined(__x86_64__) || defined(__i386__)
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) asm volatile("vzeroupper" ::: "memory");
#endif
}

}  // namespace zarvo
