// Floating-point faults. The formulas and render methods run with division
// by zero, overflow and invalid operations treated as faults that end the
// scan in progress. They are detected through the sticky exception flags,
// tested after each pixel, so a fault can never crash the program. The flags
// belong to the thread that raised them: every thread that computes pixels
// tests its own.
#pragma once

#include <cfenv>
#include <string>

namespace zarvo {

// Clears the three fault flags of the calling thread.
void ClearFaults();

// The description of a raised fault ("Floating point division by zero",
// "Floating point overflow", "Invalid floating point operation"), or an
// empty string when none is raised.
std::string PendingFault();

// The raised fault flags themselves (0 when none), and their description.
// Tested after every pixel, so the test is inline: on x86-64 it reads the
// SSE and the x87 status, as the C library's fetestexcept does.
constexpr int kFaultFlags = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;
inline int PendingFaultFlags() {
#if defined(__x86_64__) && defined(__GNUC__)
    unsigned short x87;
    __asm__ volatile("fnstsw %0" : "=am"(x87));
    return static_cast<int>((__builtin_ia32_stmxcsr() | x87) & kFaultFlags);
#else
    return std::fetestexcept(kFaultFlags);
#endif
}
std::string FaultDescription(int flags);

// Keeps the calling thread's fault flags as they are across work whose own
// faults are handled separately (toolkit code between two pixels, pixels
// computed again for the workers).
class FpStateGuard {
public:
    FpStateGuard() { std::fegetexceptflag(&saved_, FE_ALL_EXCEPT); }
    ~FpStateGuard() { std::fesetexceptflag(&saved_, FE_ALL_EXCEPT); }
    FpStateGuard(const FpStateGuard&) = delete;
    FpStateGuard& operator=(const FpStateGuard&) = delete;

private:
    std::fexcept_t saved_;
};

}  // namespace zarvo
