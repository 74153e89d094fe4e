// Faster forms of the trigonometry of the plots and variations that give
// exactly the results of the C library's functions, or say they cannot.
//
// Each function computes an approximation together with a bound on how far
// the library's result can lie from it, and takes the approximation only
// when every value within that bound rounds to the same result (the same
// double, or the same integer weight). Otherwise the caller computes the
// value with the library, as the drawing loop always did; that happens for
// a small fraction of the points. The bounds and their reasons are in
// algorithms.md ("Faster plots, same bits").
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "angle_weight_table.h"
#include "fast_trig.h"
#include "formula_math.h"

namespace zarvo::attractor::checked {

using fm::LD;

// ---- double precision: the angle weight ----

// |a|, |b|, |c| and |d| all at most `limit` (false for NaN), without a
// branch per value.
inline bool WithinMagnitude(double a, double b, double c, double d, double limit) {
#if defined(__SSE2__)
    const __m128d sign = _mm_set1_pd(-0.0);
    const __m128d bound = _mm_set1_pd(limit);
    const __m128d ab = _mm_andnot_pd(sign, _mm_set_pd(b, a));
    const __m128d cd = _mm_andnot_pd(sign, _mm_set_pd(d, c));
    return _mm_movemask_pd(_mm_and_pd(_mm_cmple_pd(ab, bound), _mm_cmple_pd(cd, bound))) == 3;
#else
    return std::fabs(a) <= limit && std::fabs(b) <= limit && std::fabs(c) <= limit && std::fabs(d) <= limit;
#endif
}

// |sin| of constPI atan(q) for t = |q| (folded false) or t = 1 / |q|
// (folded true), 0 <= t <= 1: the piece of angle_weight_table.h that t
// lies in, a polynomial of degree 8 in s = 2 u - 1 (u the position of t
// within the piece), by Estrin's scheme. Chosen without branches: the
// choices follow the data, which jumps at random.
inline double AngleSine(double t, bool folded) {
    static const double (*const kTables[3])[9] = {kUnfolded, kFoldedLow, kFoldedHigh};
    static constexpr double kStart[3] = {0.0, 0.0, kFoldCorner};
    static constexpr double kScale[3] = {kAnglePieces, kAnglePieces / kFoldCorner, kAnglePieces / (1 - kFoldCorner)};
    const int which = static_cast<int>(folded) * (1 + static_cast<int>(t >= kFoldCorner));
    const double u = (t - kStart[which]) * kScale[which];
    const int i = std::min(static_cast<int>(u), kAnglePieces - 1);
    const double s = 2 * (u - i) - 1;
    const double* c = kTables[which][i];
    const double s2 = s * s, s4 = s2 * s2;
    const double p03 = (c[0] + c[1] * s) + (c[2] + c[3] * s) * s2;
    const double p47 = (c[4] + c[5] * s) + (c[6] + c[7] * s) * s2;
    return p03 + (p47 + c[8] * s4) * s4;
}

// The angle weight a = (|sin(atan(q) * constPI)| + 1) * 10 of a plotted
// point, q = (1 + x - x0) / (1 + y - y0), in double precision: numerator
// and denominator are formed in double precision (each within 2^-52 of its
// inputs' sizes of the extended values the drawing loop divides), t = |q|
// or 1 / |q|, whichever is at most 1, and |sin| of constPI atan(q) comes
// from the piecewise polynomials in t of angle_weight_table.h. `error`
// bounds the distance to the drawing loop's a (library atan and sin of its
// q), at most kAngleWeightError. False when the fast value cannot be
// bounded usefully (a numerator or denominator lost most of its digits, a
// quotient beyond 1e300 either way, values beyond 1e300, non-finite
// values); the caller then uses the library. Nothing here can raise a fault flag.
// |sin| changes by at most constPI |q| / (1 + q^2) * 2.1e-13 <= 3.3e-13
// with q; the pieces and their evaluation add below 1e-14, the library's
// functions less. a is ten times |sin|; four times that, for safety.
inline constexpr double kAngleWeightError = 40 * (3.3e-13 + 1e-14);
inline bool AngleWeight(double x, double y, double x0, double y0, double& a) {
    // (Beyond 1e300 the differences below could overflow and raise a flag.)
    if (!WithinMagnitude(x, y, x0, y0, 1e300)) return false;
    const double onePlusX = 1 + x, onePlusY = 1 + y;
    const double n = onePlusX - x0, d = onePlusY - y0;
    const double an = std::fabs(n), ad = std::fabs(d);
    // Numerator and denominator each within 1e-13 of their size, so q is
    // within 2.1e-13 of its size (two more roundings of quotients): each
    // was formed within 2^-52 (|1 + x| + |n|) of the extended value, and
    // 2^-52 (|1 + x| + |n|) < 1e-13 |n| when |1 + x| < 449 |n|.
    constexpr double kKeptDigits = 449;
    if (!(std::fabs(onePlusX) < kKeptDigits * an && std::fabs(onePlusY) < kKeptDigits * ad)) return false;
    const bool folded = an > ad;
    const double t = std::min(an, ad) / std::max(an, ad);
    if (folded && !(t > 1e-300)) return false;
    a = (std::fabs(AngleSine(t, folded)) + 1) * 10;
    return true;
}

// ---- extended precision: the variations ----

// Reduces v to r in [-pi/4, pi/4] and the quadrant n, v = n pi/2 + r, for
// |v| <= 2^24 (Cody and Waite: pi/2 in three parts, the first two of 39
// bits so that n times them is exact). The error of r is at most 2 units in
// its last place plus 2^-120.
inline bool Reduce(LD v, LD& r, int64_t& n) {
    constexpr LD kTwoOverPi = 0xa2f9836e4e44152ap-64L;
    constexpr LD kP1 = 0xc90fdaa220000000p-63L;
    constexpr LD kP2 = 0xb4611a6262000000p-102L;
    constexpr LD kP3 = 0x98a2e03707344a41p-141L;
    if (!(std::fabs(v) <= 0x1p24L)) return false;  // also NaN
    n = fm::RoundEven(v * kTwoOverPi);
    const LD k = static_cast<LD>(n);
    r = ((v - k * kP1) - k * kP2) - k * kP3;
    return true;
}

// sin and cos of r in [-pi/4 - 2^-60, pi/4 + 2^-60] by their series (to
// r^19 and r^20), each within 2 units in the last place.
inline LD KernelSin(LD r) {
    // -1/3!, 1/5!, ... 1/19! with alternating signs.
    static constexpr LD k3 = -1.0L / 6, k5 = 1.0L / 120, k7 = -1.0L / 5040, k9 = 1.0L / 362880,
                        k11 = -1.0L / 39916800, k13 = 1.0L / 6227020800, k15 = -1.0L / 1307674368000,
                        k17 = 1.0L / 355687428096000, k19 = -1.0L / 121645100408832000;
    const LD z = r * r;
    const LD p = k3 + z * (k5 + z * (k7 + z * (k9 + z * (k11 + z * (k13 + z * (k15 + z * (k17 + z * k19)))))));
    return r + r * z * p;
}
inline LD KernelCos(LD r) {
    // 1/4!, -1/6!, ... 1/20!.
    static constexpr LD k4 = 1.0L / 24, k6 = -1.0L / 720, k8 = 1.0L / 40320, k10 = -1.0L / 3628800,
                        k12 = 1.0L / 479001600, k14 = -1.0L / 87178291200, k16 = 1.0L / 20922789888000,
                        k18 = -1.0L / 6402373705728000, k20 = 1.0L / 2432902008176640000;
    const LD z = r * r;
    const LD p = k4 + z * (k6 + z * (k8 + z * (k10 + z * (k12 + z * (k14 + z * (k16 + z * (k18 + z * k20)))))));
    return 1 - z / 2 + z * z * p;
}

// Measured against the library over 10^7 arguments: the kernels are at most
// 2 units of the last place apart from it; allowed: 4 to 8 (2^-61 of the
// value).
inline LD KernelError(LD v) {
    constexpr LD kUlps = 0x1p-61L;
    constexpr LD kFloor = 0x1p-118L;
    return std::fabs(v) * kUlps + kFloor;
}

// sin v and cos v in extended precision for |v| <= 2^24, with a bound e on
// their distance from the library's sinl and cosl: a few units in the last
// place of each (the library's own error included).
inline bool SinCos(LD v, LD& s, LD& c, LD& es, LD& ec) {
    LD r;
    int64_t n;
    if (!Reduce(v, r, n)) return false;
    const LD ks = KernelSin(r), kc = KernelCos(r);
    switch (n & 3) {
        case 0: s = ks, c = kc; break;
        case 1: s = kc, c = -ks; break;
        case 2: s = -ks, c = -kc; break;
        default: s = -kc, c = ks; break;
    }
    es = KernelError(s);
    ec = KernelError(c);
    return true;
}

// sin v alone, as SinCos gives it.
inline bool Sin(LD v, LD& s, LD& es) {
    LD r;
    int64_t n;
    if (!Reduce(v, r, n)) return false;
    const LD k = (n & 1) == 0 ? KernelSin(r) : KernelCos(r);
    s = (n & 2) == 0 ? k : -k;
    es = KernelError(s);
    return true;
}

// The double nearest v, when every value within e of v rounds to it (ties
// included); false when v is that close to a point half-way between two
// doubles, or outside the normal doubles.
inline bool RoundsToDouble(LD v, LD e, double& out) {
    const double d = static_cast<double>(v);
    uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    const int exponent = static_cast<int>((bits >> 52) & 0x7ff);
    if (exponent <= 53 || exponent >= 0x7ff) return false;  // tiny, subnormal, zero, infinite or NaN
    const uint64_t ulpBits = static_cast<uint64_t>(exponent - 52) << 52;  // 2^(exponent - 1075)
    double ulpDouble;
    std::memcpy(&ulpDouble, &ulpBits, sizeof ulpDouble);
    const LD ulp = ulpDouble;
    // Half-way points: ulp / 2 above, and below unless d is a power of two,
    // whose lower neighbour is only ulp / 2 away.
    const bool powerOfTwo = (bits & ((uint64_t{1} << 52) - 1)) == 0;
    const LD above = ulp / 2;
    const LD below = powerOfTwo ? ulp / 4 : ulp / 2;
    const LD offset = v - static_cast<LD>(d);
    const LD magnitude = d < 0 ? -offset : offset;  // away from zero is "above"
    if (magnitude + e >= above || -magnitude + e >= below) return false;
    out = d;
    return true;
}

}  // namespace zarvo::attractor::checked
