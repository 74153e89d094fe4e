// The complex helpers of the render methods 6 and 7: a product, and a sine
// and cosine whose argument parts are first kept in a range where cosh and
// sinh stay finite and far from zero.
#pragma once

namespace zarvo {

struct Complex {
    double re = 0.0;
    double im = 0.0;
};

// (a.re b.re - a.im b.im, a.im b.re + a.re b.im)
Complex ComplexProduct(const Complex& a, const Complex& b);

// A part whose magnitude is below 1e-20 becomes +1e-20; a part whose
// magnitude is above 100 becomes +100 (the sign is lost in both cases).
double GuardComplexPart(double v);

// (sin re cosh im, cos re sinh im) of the guarded argument.
Complex ComplexSin(const Complex& w);
// (cos re cosh im, -sin re sinh im) of the guarded argument.
Complex ComplexCos(const Complex& w);

}  // namespace zarvo
