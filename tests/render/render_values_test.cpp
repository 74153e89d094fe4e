// Values of the render methods on short orbits, worked out by hand (with a
// calculator) from the definitions of the methods.
#include <gtest/gtest.h>

#include <cmath>

#include "fp_fault.h"
#include "render_test_support.h"

using namespace zarvo;
using testing_support::Render;
using testing_support::Results;

namespace {

class ShortOrbit : public ::testing::Test {
protected:
    void SetUp() override {
        ps.maxIterations = 10;
        ps.strands = 0.15;
        ps.factor4 = 1.0;
    }
    ParameterSet ps;
};

constexpr double kTolerance = 1e-13;

}  // namespace

TEST_F(ShortOrbit, CubicCountingCollectsBothTraps) {
    // Points (0.1, 0.1) and (0.2, 0.1): x' = 0.002 and 0.01, y' = 0.0010004
    // and 0.00101, all inside the trap; A = 1.92, B = 1.98659733...
    const Results r = Render(ps, 3, 2, {0.1, 0.2, 5.0}, {0.1, 0.1, 5.0});
    EXPECT_NEAR(r.a, 3 / 1.0288, kTolerance);
    EXPECT_NEAR(r.b, 2.9131899686517455, kTolerance);
}

TEST_F(ShortOrbit, SineGapTrapsOnlyTheRealPart) {
    // u = |0.5 - 0.2 - sin 0.2| = 0.10133..., inside; v = |0.2 - 0.5 - sin 0.5| outside.
    const Results r = Render(ps, 4, 1, {0.5, 9.0}, {0.2, 9.0});
    EXPECT_NEAR(r.a, std::sqrt(1 - 0.10133066920493877 / 0.15) * 0.2, kTolerance);
    EXPECT_EQ(r.b, 0.0);
}

TEST_F(ShortOrbit, FractalDimensionOfAnAlternatingOrbit) {
    // X = 0, 1, 0, 1: mean 2/3, spread sqrt(20/27), range 1, so
    // D = |ln(1 / (3 sqrt(20/27)))| / ln 3 = 0.86341651...; Y is constant.
    const Results r8 = Render(ps, 8, 3, {0, 1, 0, 1}, {1, 1, 1, 1});
    EXPECT_NEAR(r8.a, 1.726833027860842, kTolerance);
    EXPECT_EQ(r8.b, 0.0);
    const Results r9 = Render(ps, 9, 3, {0, 1, 0, 1}, {1, 1, 1, 1});
    EXPECT_NEAR(r9.a, 0.5366486732967418, kTolerance);
    EXPECT_EQ(r9.b, r9.a);
}

TEST_F(ShortOrbit, GaussianSquaresWeighByIndex) {
    // Points 1 and 2 only: |z|^2 = 2.25 and 1.25, both 0.25 from an integer;
    // S = 0.25 (1/(ln 3 + 1) + 1/(ln 4 + 2)), A = S / ln 4.
    const Results r = Render(ps, 10, 3, {9.0, 1.5, 0.5, 9.0}, {9.0, 0.0, 1.0, 9.0});
    EXPECT_NEAR(r.a, 0.13918642285896457, kTolerance);
    EXPECT_EQ(r.b, r.a);
}

TEST_F(ShortOrbit, DistanceToGaussianIntegers) {
    // (0.3, 0.2): dx = -0.3, dy = -0.2, e = 0.13, a = 0.22, b = 0.17.
    // (1.6, 2.9): dx = 0.4, dy = 0.1, e = 0.17, a = 0.33, b = 0.18.
    const Results r19 = Render(ps, 19, 2, {0.3, 1.6, 7.5}, {0.2, 2.9, 7.5});
    EXPECT_NEAR(r19.a, 0.33, kTolerance);
    EXPECT_NEAR(r19.b, 0.18, kTolerance);
    const Results r20 = Render(ps, 20, 2, {0.3, 1.6, 7.5}, {0.2, 2.9, 7.5});
    EXPECT_NEAR(r20.a, std::sqrt(0.17), kTolerance);
    EXPECT_EQ(r20.b, r20.a);
}

TEST_F(ShortOrbit, HalfwayValuesRoundToEven) {
    // Method 23 on (2.5, 0): x' = 2.5 - sin(1e-24) = 2.5 exactly, whose
    // nearest integer is 2 (ties to even), so dx = (1e-15 + 2) - 2.5.
    // Rounding half away from zero would give dx = (1e-15 + 3) - 2.5.
    const Results r = Render(ps, 23, 1, {2.5, 2.5}, {0.0, 0.0});
    const double dxEven = (1e-15 + 2.0) - 2.5;
    const double dxAway = (1e-15 + 3.0) - 2.5;
    const double dy = 1e-15 + std::nearbyint(1e-24 - std::sin(2.5)) - (1e-24 - std::sin(2.5));
    const double e = dxEven * dxEven + dy * dy;
    EXPECT_EQ(r.a, dxEven * dxEven + e);
    EXPECT_NE(r.a, dxAway * dxAway + (dxAway * dxAway + dy * dy));
}

TEST_F(ShortOrbit, LogCountingOfARatioOfFour) {
    // r = 4 and q = 1/4 give the same term 1/(1 + |ln|ln|ln 4|||]) = 0.4719...
    const Results r = Render(ps, 25, 2, {9.0, 2.0, 9.0}, {9.0, 1.0, 9.0});
    EXPECT_NEAR(r.a, 0.139367631719276, kTolerance);
    EXPECT_NEAR(r.b, r.a, kTolerance);
}

TEST_F(ShortOrbit, LogCountingOfEqualCoordinatesIsGuarded) {
    // r = 1 would give ln(ln(ln 1)): the ratio is raised just above 1.
    ClearFaults();
    const Results r = Render(ps, 25, 3, {9.0, 1.5, -0.7, 9.0}, {9.0, 1.5, 0.7, 9.0});
    EXPECT_EQ(PendingFault(), "");
    const double term = 1 / (1 + std::fabs(std::log(std::fabs(std::log(std::log(1.0000000000000011))))));
    EXPECT_NEAR(r.a, 2 * term / (std::log(5.0) + 3), kTolerance);
}

TEST_F(ShortOrbit, StalksRewriteTheOrbitBeforeMeasuring) {
    // (0.1, 0.05) lies in both traps: X[0] = 1/((0.1/0.05)/0.15 + 1) = 3/43,
    // Y[0] = 1/((0.05/0.1)/0.15 + 1) = 3/13; (0.5, 0.2) lies outside: 1.0.
    Render(ps, 18, 2, {0.1, 0.5, 0.7}, {0.05, 0.2, 0.7});
    EXPECT_NEAR(ps.orbitX[0], 3.0 / 43.0, kTolerance);
    EXPECT_NEAR(ps.orbitY[0], 3.0 / 13.0, kTolerance);
    EXPECT_EQ(ps.orbitX[1], 1.0);
    EXPECT_EQ(ps.orbitX[2], 0.7);  // the last point is measured as it is
}
