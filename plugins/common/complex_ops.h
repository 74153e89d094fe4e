// Complex arithmetic and the complex functions of the formula plug-ins.
//
// Every operation is spelled out on plain doubles so that the rounding of each
// step is fixed: products are (ac - bd) + (ad + bc)i and quotients are formed
// without scaling, ((ac + bd) + (bc - ad)i) / (c^2 + d^2). A zero divisor is
// left to the floating-point unit (the host watches the sticky flags).
//
// There is deliberately no implicit conversion from double: a real operand is
// either a scalar factor (k * z scales both parts) or a real term added to the
// real part only (z + 1, 1e-15 + zcos). Written this way, a formula's text
// evaluates with C++ precedence and left-to-right grouping exactly as written.
#ifndef ZARVO_PLUGINS_COMPLEX_OPS_H
#define ZARVO_PLUGINS_COMPLEX_OPS_H

#include <cmath>

namespace zarvo::formula {

struct Complex {
    double re;
    double im;
};

inline Complex operator+(Complex a, Complex b) { return {a.re + b.re, a.im + b.im}; }
inline Complex operator-(Complex a, Complex b) { return {a.re - b.re, a.im - b.im}; }

inline Complex operator*(Complex a, Complex b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }

inline Complex operator/(Complex a, Complex b) {
    const double den = b.re * b.re + b.im * b.im;
    return {(a.re * b.re + a.im * b.im) / den, (a.im * b.re - a.re * b.im) / den};
}

// A real scalar factor scales both parts.
inline Complex operator*(double k, Complex a) { return {k * a.re, k * a.im}; }

// A real term changes the real part only.
inline Complex operator+(Complex a, double k) { return {a.re + k, a.im}; }
inline Complex operator+(double k, Complex a) { return {k + a.re, a.im}; }
inline Complex operator-(Complex a, double k) { return {a.re - k, a.im}; }

inline Complex negate(Complex a) { return {-a.re, -a.im}; }

// Squared modulus of the difference of two points.
inline double distanceSquared(Complex a, Complex b) {
    const double dx = a.re - b.re;
    const double dy = a.im - b.im;
    return dx * dx + dy * dy;
}

// Limits that keep exp() away from overflow and sinh away from zero.
constexpr double kClampLimit = 50.0;
constexpr double kTinyLimit = 1e-25;

// |v| > 50 becomes 50 with the sign of v; anything else (NaN too) is kept.
inline double clampLarge(double v) {
    if (std::fabs(v) > kClampLimit) return v > 0 ? kClampLimit : -kClampLimit;
    return v;
}

// |v| < 1e-25 becomes +1e-25 when v > 0, otherwise -1e-25 (so 0 gives -1e-25).
inline double avoidTiny(double v) {
    if (std::fabs(v) < kTinyLimit) return v > 0 ? kTinyLimit : -kTinyLimit;
    return v;
}

struct HyperbolicPair {
    double ch;
    double sh;
};

inline HyperbolicPair hyperbolic(double y) {
    const double e = std::exp(y);
    const double inv = 1.0 / e;
    return {(e + inv) / 2.0, (e - inv) / 2.0};
}

// Sine and cosine of x + iy, after the caller's clamping of x and y.
inline void sineCosineOf(double x, double y, Complex& zsin, Complex& zcos) {
    const HyperbolicPair h = hyperbolic(y);
    const double sx = std::sin(x);
    const double cx = std::cos(x);
    zsin = {sx * h.ch, cx * h.sh};
    zcos = {cx * h.ch, -(sx * h.sh)};
}

// Sine-cosine pair of the Newton family: clamps a copy of y only.
inline void sineCosinePair(Complex z, Complex& zsin, Complex& zcos) {
    sineCosineOf(z.re, avoidTiny(clampLarge(z.im)), zsin, zcos);
}

// Complex tangent: both clamping rules on copies of x and y, then sin / cos
// as a complex quotient.
inline Complex tangent(Complex z) {
    Complex s{};
    Complex c{};
    sineCosineOf(avoidTiny(clampLarge(z.re)), avoidTiny(clampLarge(z.im)), s, c);
    return s / c;
}

// Complex cosine with clamping in place: both parts of z are limited to
// [-50, 50] and z keeps the clamped value.
inline Complex cosineClamped(Complex& z) {
    z.re = clampLarge(z.re);
    z.im = clampLarge(z.im);
    const HyperbolicPair h = hyperbolic(z.im);
    return {std::cos(z.re) * h.ch, -(std::sin(z.re) * h.sh)};
}

// Complex exponential with the same in-place clamping as cosineClamped.
inline Complex exponentialClamped(Complex& z) {
    z.re = clampLarge(z.re);
    z.im = clampLarge(z.im);
    const double ex = std::exp(z.re);
    return {ex * std::cos(z.im), ex * std::sin(z.im)};
}

}  // namespace zarvo::formula

#endif
