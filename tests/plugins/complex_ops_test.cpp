// The clamping rules of the complex functions. Most of them cannot be seen in
// a formula's result, so they are checked on the functions themselves.
#include "complex_ops.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cstring>

namespace zarvo::formula {
namespace {

bool sameBits(Complex a, Complex b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(PluginComplexFunctions, PairTreatsAZeroImaginaryPartAsMinusTiny) {
    Complex s0{}, c0{}, s1{}, c1{};
    sineCosinePair({0.7, 0.0}, s0, c0);
    sineCosineOf(0.7, -1e-25, s1, c1);
    EXPECT_TRUE(sameBits(s0, s1));
    EXPECT_TRUE(sameBits(c0, c1));
    EXPECT_EQ(avoidTiny(0.0), -1e-25);
    EXPECT_EQ(avoidTiny(-0.0), -1e-25);
    EXPECT_EQ(avoidTiny(3e-30), 1e-25);
    EXPECT_EQ(avoidTiny(2e-25), 2e-25);
}

TEST(PluginComplexFunctions, LargeImaginaryPartsAreClampedBeforeExp) {
    Complex s0{}, c0{}, s1{}, c1{};
    std::feclearexcept(FE_ALL_EXCEPT);
    sineCosinePair({1.2, 800.0}, s0, c0);
    sineCosinePair({1.2, 50.0}, s1, c1);
    EXPECT_FALSE(std::fetestexcept(FE_OVERFLOW));
    EXPECT_TRUE(sameBits(s0, s1));
    EXPECT_TRUE(sameBits(c0, c1));
    sineCosinePair({1.2, -1e300}, s0, c0);
    sineCosinePair({1.2, -50.0}, s1, c1);
    EXPECT_TRUE(sameBits(s0, s1));
}

TEST(PluginComplexFunctions, TangentClampsBothParts) {
    // x = 0 is treated as -1e-25, so the real part of tan(iy) is a tiny
    // negative number rather than zero.
    const Complex t = tangent({0.0, 0.8});
    EXPECT_LT(t.re, 0.0);
    EXPECT_GT(t.re, -1e-24);
    EXPECT_NEAR(t.im, std::tanh(0.8), 1e-15);
    std::feclearexcept(FE_ALL_EXCEPT);
    const Complex far = tangent({1e6, 0.3});
    EXPECT_FALSE(std::fetestexcept(FE_OVERFLOW | FE_INVALID));
    EXPECT_TRUE(sameBits(far, tangent({50.0, 0.3})));
}

TEST(PluginComplexFunctions, CosineAndExponentialClampTheirArgumentInPlace) {
    Complex z{-75.0, 120.0};
    const Complex cosine = cosineClamped(z);
    EXPECT_EQ(z.re, -50.0);
    EXPECT_EQ(z.im, 50.0);
    EXPECT_TRUE(std::isfinite(cosine.re));
    Complex e{900.0, -0.25};
    const Complex ex = exponentialClamped(e);
    EXPECT_EQ(e.re, 50.0);
    EXPECT_EQ(ex.re, std::exp(50.0) * std::cos(-0.25));
}

TEST(PluginComplexFunctions, QuotientIsUnscaled) {
    // ((ac + bd) + (bc - ad)i) / (c^2 + d^2) overflows where a scaled
    // quotient would not; the formulas depend on the unscaled form.
    std::feclearexcept(FE_ALL_EXCEPT);
    const Complex q = Complex{1.0, 1.0} / Complex{1e200, 1e200};
    EXPECT_TRUE(std::fetestexcept(FE_OVERFLOW));
    EXPECT_EQ(q.re, 0.0);
    const Complex r = Complex{3.0, 4.0} / Complex{1.0, 2.0};
    EXPECT_EQ(r.re, 11.0 / 5.0);
    EXPECT_EQ(r.im, -2.0 / 5.0);
}

}  // namespace
}  // namespace zarvo::formula
