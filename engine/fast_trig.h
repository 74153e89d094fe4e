// Fast sine and cosine for recolouring, on doubles or on lanes of doubles.
// They differ from the C library's by a few units in the last place,
// which recolouring allows for: a channel whose byte could depend on such a
// difference is recomputed with the library functions (see recolour.cpp).
// Arguments must satisfy |t| <= kFastTrigLimit.
#pragma once

#include "lanes.h"

namespace zarvo {
namespace fasttrig {

constexpr double kFastTrigLimit = 1.0e6;
// Largest difference to the library's sine or cosine that callers assume;
// the true difference stays below 3e-15.
constexpr double kFastTrigError = 1e-13;

constexpr double kRoundShift = 6755399441055744.0;  // 1.5 * 2^52

// Nearest integer (ties to even) in the default rounding mode, for
// |v| < 2^51, without a library call.
template <typename T>
ZARVO_INLINE T RoundNearest(T v) {
    return (v + kRoundShift) - kRoundShift;
}

namespace detail {

constexpr double kOneOverPi = 3.18309886183790671538e-01;
constexpr double kPiOver2Hi = 1.57079632673412561417e+00;  // first 33 bits of pi/2
constexpr double kPiOver2Lo = 6.07710050650619224932e-11;  // pi/2 - kPiOver2Hi

// Odd polynomial for sin on [-pi/2, pi/2] (Chebyshev economisation of the
// Taylor series): within 1.5e-16 of sin there before rounding, within
// 2e-15 as evaluated.
template <typename T>
ZARVO_INLINE T KernelSin(T x) {
    // Estrin's scheme: a shorter chain of dependent operations than Horner's.
    const T z = x * x;
    const T z2 = z * z;
    const T z4 = z2 * z2;
    const T q01 = 0.999999999999999 + -0.16666666666664778 * z;
    const T q23 = 0.008333333333226133 + -0.00019841269813936787 * z;
    const T q45 = 2.755731552694219e-06 + -2.5051824543201864e-08 * z;
    const T q67 = 1.6046617549804517e-10 + -7.35762942851093e-13 * z;
    const T q03 = q01 + q23 * z2;
    const T q47 = q45 + q67 * z2;
    return x * (q03 + q47 * z4);
}

// sin(t) for phase 0, cos(t) for phase 1: t = m pi/2 + r with m even for
// the sine and odd for the cosine, |r| <= pi/2, so that one polynomial
// serves both; the sign comes from the parity of m/2. The low bits of the
// shifted quotient hold that quotient, and nothing branches on them (they
// change at random from one value to the next).
template <typename T>
ZARVO_INLINE T SinOrCos(T t, uint64_t phase) {
    const T shifted = (t * kOneOverPi - 0.5 * phase) + kRoundShift;
    const T k = shifted - kRoundShift;
    const T m = (k + k) + static_cast<double>(phase);
    const T r = (t - m * kPiOver2Hi) - m * kPiOver2Lo;
    const auto sign = ((BitsOf(shifted) + phase) & 1) << 63;
    return FromBits<T>(BitsOf(KernelSin(r)) ^ sign);
}

}  // namespace detail

template <typename T>
ZARVO_INLINE T Sin(T t) {
    return detail::SinOrCos(t, 0);
}
template <typename T>
ZARVO_INLINE T Cos(T t) {
    return detail::SinOrCos(t, 1);
}

}  // namespace fasttrig
}  // namespace zarvo
