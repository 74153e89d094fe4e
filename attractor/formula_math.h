// Arithmetic shared by the formula files. Every formula expression is
// evaluated in extended precision (long double, 64-bit mantissa on x86) and
// rounded to a double where it is assigned; the number literals inside the
// expressions are extended constants too, while constPI and const2PI are the
// doubles of map_state.h. Keeping one convention makes pictures repeat bit
// for bit and lets an independent implementation check them.
#pragma once

#include <cfenv>
#include <cmath>
#include <cstdint>

#include "map_state.h"

namespace zarvo::attractor::fm {

using LD = long double;

inline double D(LD v) { return static_cast<double>(v); }
inline LD Sin(LD v) { return std::sin(v); }
inline LD Cos(LD v) { return std::cos(v); }
inline LD Sqrt(LD v) { return std::sqrt(v); }
inline LD Abs(LD v) { return std::fabs(v); }
inline LD Atan(LD v) { return std::atan(v); }
// A square in a row (x^2) is one factor: A*x^2 is A*(x*x), not (A*x)*x.
inline LD Sq(LD v) { return v * v; }

// Nearest integer, ties to even (the x87 default rounding), for values
// well within the int64 range; callers keep their values in range. One
// instruction instead of a library call: rounding happens several times per
// plotted point.
inline int64_t RoundEven(LD v) {
#if defined(__x86_64__) || defined(__i386__)
    int64_t r;
    __asm__("fistpll %0" : "=m"(r) : "t"(v) : "st");
    return r;
#else
    return static_cast<int64_t>(std::llrint(v));
#endif
}

// True when division by zero, overflow or an invalid operation has been
// raised since the flags were last cleared (x87 status word and SSE
// MXCSR). The same test as fetestexcept, without the library call, so that
// it can run after every step.
inline bool FaultRaised() {
#if defined(__x86_64__) || defined(__i386__)
    uint16_t sw;
    uint32_t mx;
    __asm__ volatile("fnstsw %0" : "=am"(sw));
    __asm__ volatile("stmxcsr %0" : "=m"(mx));
    constexpr unsigned kMask = 0x01 | 0x04 | 0x08;  // invalid, zero divide, overflow
    return ((sw | mx) & kMask) != 0;
#else
    return std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID) != 0;
#endif
}

// x' := B*y + W; W' := F(x'); y' := W' - x.
template <class F>
inline void WFamily(MapState& s, const MapInputs& in, F f) {
    const LD x = s.x, y = s.y;
    const double xp = D(LD(in.B) * y + s.W);
    s.W = D(f(LD(xp)));
    s.y = D(LD(s.W) - x);
    s.x = xp;
}

// x' := B*y + A*x + P(x, y); y' := A*x' - x + Q(x, y, x'); xn := x'.
template <class P, class Q>
inline void XnFamily(MapState& s, const MapInputs& in, P p, Q q) {
    const LD x = s.x, y = s.y, A = in.A;
    const double xp = D(LD(in.B) * y + A * x + p(x, y));
    s.y = D(A * xp - x + q(x, y, LD(xp)));
    s.x = xp;
    s.xn = xp;
}

// x' as given; y' := -x.
template <class F>
inline void ShiftFamily(MapState& s, F f) {
    const LD x = s.x, y = s.y;
    s.x = D(f(x, y));
    s.y = D(-x);
}

}  // namespace zarvo::attractor::fm
