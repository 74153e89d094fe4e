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

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "angle_weight_table.h"
#include "atan_table.h"
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
// Beyond this the differences below could overflow and raise a flag.
inline constexpr double kAngleInputLimit = 1e300;
// Numerator and denominator each within 1e-13 of their size, so q is
// within 2.1e-13 of its size (two more roundings of quotients): each was
// formed within 2^-52 (|1 + x| + |n|) of the extended value, and 2^-52
// (|1 + x| + |n|) < 1e-13 |n| when |1 + x| < 449 |n|.
inline constexpr double kKeptDigits = 449;
// A folded quotient below this is left to the library.
inline constexpr double kSmallestFolded = 1e-300;
inline bool AngleWeight(double x, double y, double x0, double y0, double& a) {
    if (!WithinMagnitude(x, y, x0, y0, kAngleInputLimit)) return false;
    const double onePlusX = 1 + x, onePlusY = 1 + y;
    const double n = onePlusX - x0, d = onePlusY - y0;
    const double an = std::fabs(n), ad = std::fabs(d);
    if (!(std::fabs(onePlusX) < kKeptDigits * an && std::fabs(onePlusY) < kKeptDigits * ad)) return false;
    const bool folded = an > ad;
    const double t = std::min(an, ad) / std::max(an, ad);
    if (folded && !(t > kSmallestFolded)) return false;
    a = (std::fabs(AngleSine(t, folded)) + 1) * 10;
    return true;
}

// ---- extended precision: the variations ----

// a when `pick` is false, else b, without a branch (the choices follow the
// data, which jumps at random).
inline LD Choose(bool pick, LD a, LD b) {
#if defined(__x86_64__) || defined(__i386__)
    if (__builtin_constant_p(pick)) return pick ? b : a;  // known when compiled: no choice to make
    __asm__("testb %2, %2\n\tfcmovne %1, %0" : "+t"(a) : "u"(b), "q"(pick) : "cc");
    return a;
#else
    return pick ? b : a;
#endif
}

// Reduces v to r (and r in double precision, rd) and the quadrant n mod 4,
// v = n pi/2 + r, for |v| <= 2^24 (false beyond, and for NaN). The error
// of r is at most 2 units in its last place plus 2^-120.
//
// Up to 2^12 (nearly every argument a run meets) n is v 2/pi rounded in
// double precision, so |r| <= pi/4 + 2^-40, and the first part of pi/2 is
// taken off in double precision too: both are a few short operations, and
// the extended arithmetic starts from the exact remainder. pi/2 is in three
// parts of 41, 52 and 64 bits, so that n times the first is exact in a
// double and n times the second in an extended value; r1 = v - n p1 is
// exact (v and n p1 are within a factor 2 of each other, or n = 0). r =
// (r1 - n p2) - n p3 then errs by two roundings of its size and 2^-144.
//
// Beyond 2^12: Cody and Waite in extended precision (pi/2 in three parts,
// the first two of 39 bits so that n times them is exact); n is rounded to
// the nearest integer by adding and subtracting 1.5 * 2^63, whose
// neighbourhood has integer spacing, and |r| <= pi/4.
//
// Either way n is rounded by adding a power of two that leaves integers
// spaced by 1 (ties to even), and the quadrant is in the low bits of the
// sum's mantissa.
inline bool Reduce(double v, LD& r, double& rd, unsigned& quadrant) {
    if (std::islessequal(std::fabs(v), 0x1p12)) {  // (a quiet comparison: NaN raises no flag)
        constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
        constexpr double kP1 = 0x1921fb54442p-40;
        constexpr LD kP2 = 0xd18469898cc51p-92L;
        constexpr LD kP3 = 0xe03707344a409382p-157L;
        constexpr double kShift = 0x1.8p52;
        const double shifted = v * kTwoOverPi + kShift;
        const double n = shifted - kShift;
        const double r1 = v - n * kP1;
        const LD ln = n;
        r = (r1 - ln * kP2) - ln * kP3;
        rd = r1 - n * static_cast<double>(kP2);  // (kP2 is a double)
        uint64_t bits;
        std::memcpy(&bits, &shifted, sizeof bits);
        quadrant = static_cast<unsigned>(bits) & 3;
        return true;
    }
    constexpr LD kTwoOverPi = 0xa2f9836e4e44152ap-64L;
    constexpr LD kP1 = 0xc90fdaa220000000p-63L;
    constexpr LD kP2 = 0xb4611a6262000000p-102L;
    constexpr LD kP3 = 0x98a2e03707344a41p-141L;
    constexpr LD kShift = 0xc000000000000000p0L;
    if (!std::islessequal(std::fabs(v), 0x1p24)) return false;  // also NaN
    const LD lv = v;
    const LD shifted = lv * kTwoOverPi + kShift;
    const LD n = shifted - kShift;
    r = ((lv - n * kP1) - n * kP2) - n * kP3;
    rd = static_cast<double>(r);
#if defined(__x86_64__) || defined(__i386__)
    uint64_t mantissa;
    std::memcpy(&mantissa, &shifted, sizeof mantissa);
    quadrant = static_cast<unsigned>(mantissa) & 3;
#else
    quadrant = static_cast<unsigned>(static_cast<int64_t>(n)) & 3;
#endif
    return true;
}

// sin r when `cosine` is false, else cos r (rd: r in double precision),
// for r in [-pi/4 - 2^-40, pi/4 + 2^-40]: polynomials in z = r^2
// (atan_table.h) by Estrin's scheme, a short chain of dependent
// operations, sin r = r + r z P(z) and cos r = (1 - z/2) + z^2 Q(z). Only
// the one asked for is evaluated: the coefficients come from a row chosen
// by the flag (the cosine's one term short, a zero in its place leaves the
// sums as they are). (The fits are made on [-pi/4, pi/4]; 2^-40 beyond,
// their error is the same to six digits.)
inline LD KernelSinOrCos(LD r, double rd, bool cosine) {
    struct Row {
        LD c0, c1, c2;
        double c3, c4, c5, c6, c7;
    };
    static constexpr Row kRows[2] = {{kSin3, kSin5, kSin7, kSin9, kSin11, kSin13, kSin15, kSin17},
                                     {kCos4, kCos6, kCos8, kCos10, kCos12, kCos14, kCos16, 0.0}};
    const Row& k = kRows[cosine];
    // The terms from c3 on, z (c3 + c4 z + ... + c7 z^4), are below 2^-21
    // of the value in the sum (z <= 0.62): in double precision from rd,
    // which is r within 2^-52 of its size and 2^-80, they err by less than
    // 2^-70 of the value, and the extended arithmetic is left the three
    // leading terms.
    const double zd = rd * rd, z2d = zd * zd;
    const double tail = zd * ((k.c3 + k.c4 * zd) + (k.c5 + k.c6 * zd) * z2d + k.c7 * (z2d * z2d));
    const LD z = r * r, z2 = z * z;
    const LD sum = (k.c0 + k.c1 * z) + (k.c2 + tail) * z2;
    return Choose(cosine, r, 1 - z / 2) + Choose(cosine, r * z, z2) * sum;
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
inline bool SinCos(double v, LD& s, LD& c, LD& es, LD& ec) {
    LD r;
    double rd;
    unsigned n;
    if (!Reduce(v, r, rd, n)) return false;
    const LD ks = KernelSinOrCos(r, rd, false), kc = KernelSinOrCos(r, rd, true);
    // n = 0: (sin r, cos r); 1: (cos r, -sin r); 2: (-sin r, -cos r); 3: (-cos r, sin r).
    const bool odd = (n & 1) != 0;
    const LD s0 = Choose(odd, ks, kc), c0 = Choose(odd, kc, ks);
    s = Choose((n & 2) != 0, s0, -s0);
    c = Choose(((n + 1) & 2) != 0, c0, -c0);
    es = KernelError(s);
    ec = KernelError(c);
    return true;
}

// sin v alone, as SinCos gives it.
inline bool Sin(double v, LD& s, LD& es) {
    LD r;
    double rd;
    unsigned n;
    if (!Reduce(v, r, rd, n)) return false;
    const LD k = KernelSinOrCos(r, rd, (n & 1) != 0);
    s = Choose((n & 2) != 0, k, -k);
    es = KernelError(s);
    return true;
}

// atan t for 0 <= t <= 1, or pi/2 - atan t when folded, on the piece k of
// atan_table.h (centred at k/32; t within 1/64 + 2^-26 of it): within 1.5
// units in the last place of the value (see AtanError).
inline LD AtanOnPiece(LD t, int k, bool folded) {
    const AtanPiece& p = kAtanTable[folded][k];
    const LD s = t - static_cast<LD>(k) * (1.0L / kAtanPieces);
    const LD s2 = s * s, s4 = s2 * s2;
    const LD p01 = p.c1 + p.c2 * s, p23 = p.c3 + p.c4 * s, p45 = p.c5 + p.c6 * s, p67 = p.c7 + p.c8 * s;
    const LD q0 = p01 + p23 * s2, q1 = p45 + p67 * s2;
    return p.hi + (p.lo + s * (q0 + (q1 + p.c9 * s4) * s4));
}

// A bound on the distance of AtanOnPiece's m (t = |q| or 1/|q|, the latter
// rounded) from the library's atan q, in magnitude. Measured over 10^7
// quotients: within 1 unit in the last place of this processor's atanl,
// which is within 1 of the true value (as the processors' arc tangent
// instruction is documented to be). Allowed: 4 to 8 (2^-61 of the value);
// when t is the reciprocal of the quotient, rounded once more than the
// library's quotient was, atan moves by at most 2^-63 t / (1 + t^2) more.
inline LD AtanError(LD m, bool folded) {
    constexpr LD kUlps = 0x1p-61L;
    static constexpr double kReciprocal[2] = {0, 0x1p-63};
    return m * kUlps + kReciprocal[folded];
}

// atan q in extended precision with a bound e on its distance from the
// library's atanl, for 2^-1000 <= |q| <= 2^1000 (false otherwise, NaN
// included). Nothing here can raise a fault flag.
inline bool Atan(LD q, LD& a, LD& e) {
    const LD aq = std::fabs(q);
    if (!(std::islessequal(0x1p-1000L, aq) && std::islessequal(aq, 0x1p1000L))) return false;
    const bool folded = aq > 1;
    const LD t = folded ? 1 / aq : aq;
    const LD m = AtanOnPiece(t, static_cast<int>(fm::RoundEven(t * kAtanPieces)), folded);
    a = Choose(q < 0, m, -m);
    e = AtanError(m, folded);
    return true;
}

// |atan(x / y)| for the library's extended quotient x / y, as Atan gives it
// (with its bound e), for finite x and y, y nonzero and |x / y| >= 2^-1000;
// false otherwise, without a fault flag (where the library's quotient
// divides by zero, the caller's exact form raises it). One division: t =
// min(|x|, |y|) / max(|x|, |y|), its piece from the same quotient in
// double precision (within 2^-52 of it, so the piece's 2^-26 of slack
// covers it). Always inline: called, it would hand a and e back through
// memory in ten bytes each, which is slow.
__attribute__((always_inline)) inline bool AbsAtanOfRatio(double x, double y, LD& a, LD& e) {
    const double ax = std::fabs(x), ay = std::fabs(y);
    constexpr double kLargest = std::numeric_limits<double>::max();
    if (!(std::isless(0.0, ay) && std::islessequal(ay, kLargest) && std::islessequal(ax, kLargest))) return false;
    const bool folded = ax > ay;
    const double num = std::min(ax, ay), den = std::max(ax, ay);
    const int k = static_cast<int>(num / den * kAtanPieces + 0.5);
    const LD t = static_cast<LD>(num) / den;
    // (Below 2^-1000 the powers of t in the polynomial would leave the
    // normal extended numbers.)
    if (!(t >= 0x1p-1000L)) return false;
    a = AtanOnPiece(t, k, folded);
    e = AtanError(a, folded);
    return true;
}

// sin t and cos t of the double t that AbsAtanOfRatio's a (with its bound
// e) rounds to, |t - a| well below a, without evaluating them at t: with
// T = |atan(x / y)| (the true angle of the true quotient), sin T = |x| / R
// and cos T = |y| / R, R = sqrt(x^2 + y^2), and t = T + D for a D of about
// the angle's last bit, so
//   sin t = sin T + cos T D + E,  cos t = cos T - sin T D + E',
// |E|, |E'| <= D^2. D is taken as t - a (exact: t and a are within a
// factor 2). The bounds es, ec cover the distance to the library's sinl t
// and cosl t:
// - sin T and cos T are formed with six roundings of at most 2^-64 each
//   (2^-61.4 of their size);
// - a is within e of the library's atanl of its quotient, that within
//   2^-63 a of the true arc tangent of it, and the quotient's rounding
//   moves the arc tangent by at most 2^-65, so |D - (t - a)| <= E_T = e +
//   2^-62 a + 2^-65;
// - the library's sine and cosine within 2 units in their last place
//   (2^-62 of the value) of the true ones;
// - a product and a sum of the formulas, one rounding each;
// together below 2^-60 of the sizes and cos T E_T (sin T E_T), with D^2.
// Each term is taken at least twice over. The cosine's bound grows as t
// nears pi/2 (cos t small, sin T D not): the caller then finds that it
// cannot round and evaluates the cosine at t.
inline void SinCosOfAtan(double x, double y, LD a, LD e, double t, LD& s, LD& c, LD& es, LD& ec) {
    const LD lx = std::fabs(x), ly = std::fabs(y);
    const LD inverse = 1 / std::sqrt(lx * lx + ly * ly);
    const LD sinT = lx * inverse, cosT = ly * inverse;
    const LD d = t - a;
    const LD cd = cosT * d, sd = sinT * d;
    s = sinT + cd;
    c = cosT - sd;
    const LD eT = (e + a * 0x1p-62L + 0x1p-65L) * 2;
    const LD reach = std::fabs(d) + eT;
    const LD square = reach * reach;
    es = (std::fabs(s) + std::fabs(cd)) * 0x1p-59L + cosT * eT + square;
    ec = (std::fabs(c) + std::fabs(sd)) * 0x1p-59L + sinT * eT + square;
}

// r with the sign of x / y, for nonzero x and y.
inline double WithSignOfRatio(double r, double x, double y) {
    uint64_t br, bx, by;
    std::memcpy(&br, &r, sizeof br);
    std::memcpy(&bx, &x, sizeof bx);
    std::memcpy(&by, &y, sizeof by);
    br ^= (bx ^ by) & (uint64_t{1} << 63);
    std::memcpy(&r, &br, sizeof r);
    return r;
}

// The double nearest v, when every value within e of v rounds to it (ties
// included); false when v is that close to a point half-way between two
// doubles, or rounds to an infinity. v and e finite.
//
// Rounding is monotonic, so every value within e of v rounds to one double
// exactly when the two ends do. The ends are widened by 2^-62 |v| (four
// units in the last place of v): v + m then lies strictly beyond a half-way
// point whenever v + e reaches it, also after its own rounding, so a tie
// (which could round either way) is never taken for a clear case. Two
// independent roundings: a short wait, unlike a test of the bits of v.
inline bool RoundsToDouble(LD v, LD e, double& out) {
    // v rounded on its own, so that what follows need not wait for the
    // ends: where they round to one double, v, between them, rounds to it
    // too (with their sign: they lie on v's side of 0 then).
    const double value = static_cast<double>(v);
    const LD m = e + std::fabs(v) * 0x1p-62L;
    const double lo = static_cast<double>(v - m), hi = static_cast<double>(v + m);
    uint64_t loBits, hiBits;
    std::memcpy(&loBits, &lo, sizeof loBits);
    std::memcpy(&hiBits, &hi, sizeof hiBits);
    // (Compared as bits: -0 and +0 are different results.)
    if (loBits != hiBits || !std::isfinite(lo)) return false;
    out = value;
    return true;
}

}  // namespace zarvo::attractor::checked
