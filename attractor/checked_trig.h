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

#include "fast_trig.h"
#include "formula_math.h"

namespace zarvo::attractor::checked {

using fm::LD;

// ---- double precision: the angle weight ----

// atan(q) for a finite q, within 1e-15 of the true value: the argument is
// folded into [0, 1], split at the nearest multiple c of 1/8 (atan(q) =
// atan(c) + atan(w), w = (q - c) / (1 + q c), |w| <= 1/16) and the series
// of atan(w) is summed to w^11.
inline double Atan(double q) {
    static constexpr double kTable[9] = {0.0,
                                         0x1.fd5ba9aac2f6ep-4,
                                         0x1.f5b75f92c80ddp-3,
                                         0x1.6f61941e4def1p-2,
                                         0x1.dac670561bb4fp-2,
                                         0x1.1e00babdefeb4p-1,
                                         0x1.4978fa3269ee1p-1,
                                         0x1.700a7c5784634p-1,
                                         0x1.921fb54442d18p-1};
    constexpr double kHalfPi = 0x1.921fb54442d18p+0;
    const double z = std::fabs(q);
    const bool folded = z > 1;
    const double t = folded ? 1 / z : z;
    const int k = static_cast<int>(t * 8 + 0.5);
    const double c = k * 0.125;
    const double w = (t - c) / (1 + t * c);
    const double w2 = w * w;
    const double p = w + w * w2 * (-1.0 / 3 + w2 * (1.0 / 5 + w2 * (-1.0 / 7 + w2 * (1.0 / 9 + w2 * (-1.0 / 11)))));
    double r = kTable[k] + p;
    if (folded) r = kHalfPi - r;
    return q < 0 ? -r : r;
}

// The angle weight a = (|sin(atan(q) * constPI)| + 1) * 10 as the fast
// functions give it: within kAngleWeightError of the drawing loop's a
// (library atan and sin) for every finite q.
constexpr double kAngleWeightError = 1e-10;
inline double AngleWeight(double q) { return (std::fabs(fasttrig::Sin(Atan(q) * constPI)) + 1) * 10; }

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
inline void KernelSinCos(LD r, LD& s, LD& c) {
    // 1/3!, 1/5!, ... 1/19! with alternating signs, and 1/4!, ... 1/20!.
    static constexpr LD kSin[9] = {-1.0L / 6,           1.0L / 120,          -1.0L / 5040,
                                   1.0L / 362880,       -1.0L / 39916800,    1.0L / 6227020800,
                                   -1.0L / 1307674368000, 1.0L / 355687428096000, -1.0L / 121645100408832000};
    static constexpr LD kCos[9] = {1.0L / 24,
                                   -1.0L / 720,
                                   1.0L / 40320,
                                   -1.0L / 3628800,
                                   1.0L / 479001600,
                                   -1.0L / 87178291200,
                                   1.0L / 20922789888000,
                                   -1.0L / 6402373705728000,
                                   1.0L / 2432902008176640000};
    const LD z = r * r;
    LD ps = kSin[8], pc = kCos[8];
    for (int k = 7; k >= 0; --k) {
        ps = kSin[k] + z * ps;
        pc = kCos[k] + z * pc;
    }
    s = r + r * z * ps;
    c = 1 - z / 2 + z * z * pc;
}

// sin v and cos v in extended precision for |v| <= 2^24, with a bound e on
// their distance from the library's sinl and cosl: a few units in the last
// place of each (the library's own error included).
inline bool SinCos(LD v, LD& s, LD& c, LD& es, LD& ec) {
    LD r;
    int64_t n;
    if (!Reduce(v, r, n)) return false;
    LD ks, kc;
    KernelSinCos(r, ks, kc);
    switch (n & 3) {
        case 0: s = ks, c = kc; break;
        case 1: s = kc, c = -ks; break;
        case 2: s = -ks, c = -kc; break;
        default: s = -kc, c = ks; break;
    }
    constexpr LD kUlps = 0x1p-59L;  // 16 units of the last place, relative
    constexpr LD kFloor = 0x1p-118L;
    es = std::fabs(s) * kUlps + kFloor;
    ec = std::fabs(c) * kUlps + kFloor;
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
