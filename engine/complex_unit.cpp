#include "complex_unit.h"

#include <cmath>

namespace zarvo {

namespace {
constexpr double kSmallestPart = 1e-20;
constexpr double kLargestPart = 100.0;
}  // namespace

Complex ComplexProduct(const Complex& a, const Complex& b) {
    return Complex{a.re * b.re - a.im * b.im, a.im * b.re + a.re * b.im};
}

double GuardComplexPart(double v) {
    if (std::fabs(v) < kSmallestPart) return kSmallestPart;
    if (std::fabs(v) > kLargestPart) return kLargestPart;
    return v;
}

Complex ComplexSin(const Complex& w) {
    const double re = GuardComplexPart(w.re);
    const double im = GuardComplexPart(w.im);
    return Complex{std::sin(re) * std::cosh(im), std::cos(re) * std::sinh(im)};
}

Complex ComplexCos(const Complex& w) {
    const double re = GuardComplexPart(w.re);
    const double im = GuardComplexPart(w.im);
    return Complex{std::cos(re) * std::cosh(im), -std::sin(re) * std::sinh(im)};
}

}  // namespace zarvo
