// Fast sine and cosine for recolouring. They differ from the C library's by
// a few units in the last place at most, which recolouring allows for: a
// channel whose byte could depend on such a difference is recomputed with
// the library functions (see recolour.cpp). Arguments must satisfy
// |t| <= kFastTrigLimit.
#pragma once

namespace zarvo {
namespace fasttrig {

constexpr double kFastTrigLimit = 1.0e6;
// Largest difference to the library's sine or cosine that callers assume;
// the true difference stays below 1e-15.
constexpr double kFastTrigError = 1e-13;

// Nearest integer (ties to even) in the default rounding mode, for
// |v| < 2^51, without a library call.
inline double RoundNearest(double v) {
    constexpr double kShift = 6755399441055744.0;  // 1.5 * 2^52
    return (v + kShift) - kShift;
}

namespace detail {

constexpr double kTwoOverPi = 6.36619772367581382433e-01;
constexpr double kPiOver2Hi = 1.57079632673412561417e+00;  // first 33 bits of pi/2
constexpr double kPiOver2Lo = 6.07710050650619224932e-11;  // pi/2 - kPiOver2Hi

// Minimax polynomials on [-pi/4, pi/4].
inline double KernelSin(double x) {
    const double z = x * x;
    const double r = 8.33333333332248946124e-03 +
                     z * (-1.98412698298579493134e-04 +
                          z * (2.75573137070700676789e-06 +
                               z * (-2.50507602534068634195e-08 + z * 1.58969099521155010221e-10)));
    return x + (z * x) * (-1.66666666666666324348e-01 + z * r);
}

inline double KernelCos(double x) {
    const double z = x * x;
    const double r =
        z * (4.16666666666666019037e-02 +
             z * (-1.38888888888741095749e-03 +
                  z * (2.48015872894767294178e-05 +
                       z * (-2.75573143513906633035e-07 +
                            z * (2.08757232129817482790e-09 + z * -1.13596475577881948265e-11)))));
    return 1.0 - (0.5 * z - z * r);
}

// sin(t + quarterTurns * pi/2).
inline double SinShifted(double t, int quarterTurns) {
    const double k = RoundNearest(t * kTwoOverPi);
    const double r = (t - k * kPiOver2Hi) - k * kPiOver2Lo;
    const int q = (static_cast<int>(k) + quarterTurns) & 3;
    const double s = KernelSin(r);
    const double c = KernelCos(r);
    const double v = (q & 1) ? c : s;
    return (q & 2) ? -v : v;
}

}  // namespace detail

inline double Sin(double t) { return detail::SinShifted(t, 0); }
inline double Cos(double t) { return detail::SinShifted(t, 1); }

}  // namespace fasttrig
}  // namespace zarvo
