// Orbit transforms: what each does to a point, which points it reaches, and
// where the inversions stop.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "orbit_transform.h"
#include "render_test_support.h"

using namespace zarvo;

namespace {

OrbitTransformParams Mode(int mode) {
    OrbitTransformParams t;
    t.mode = mode;
    return t;
}

}  // namespace

TEST(OrbitTransformTable, CaptionsInMenuOrder) {
    const char* expected[] = {"00.) None", "01.) Swirly", "02.) Sinusoidal", "03.) Inversion",
                              "04.) Inversion + pixel"};
    int i = 0;
    for (const MenuChoice& c : OrbitTransforms()) {
        EXPECT_EQ(c.number, i);
        EXPECT_STREQ(c.caption, expected[i]);
        ++i;
    }
    EXPECT_EQ(i, 5);
    EXPECT_EQ(OrbitTransforms().captionOf(5), nullptr);
}

TEST(OrbitTransform, InversionOfOnePoint) {
    // (-3, 4) is folded to (3, 4); d = 9 + 1e-15 + 16.
    double x[] = {-3.0}, y[] = {4.0};
    OrbitTransformParams t = Mode(3);
    t.factor5 = 2.0;
    ApplyOrbitTransform(t, x, y, 0);
    EXPECT_NEAR(x[0], 2 * 3.0 / 25.0, 1e-15);
    EXPECT_NEAR(y[0], 2 * 4.0 / 25.0, 1e-15);

    double x4[] = {-3.0}, y4[] = {4.0};
    t.mode = 4;
    ApplyOrbitTransform(t, x4, y4, 0);
    EXPECT_NEAR(x4[0], 2 * 3.0 / 25.0 + 3.0, 1e-15);
    EXPECT_NEAR(y4[0], 2 * 4.0 / 25.0 + 4.0, 1e-15);
}

TEST(OrbitTransform, InversionStopsAtAZeroCoordinate) {
    std::vector<double> x, y;
    testing_support::WanderingOrbit(10, x, y);
    y[5] = 0.0;
    std::vector<double> tx = x, ty = y;
    ApplyOrbitTransform(Mode(3), tx.data(), ty.data(), 10);
    for (int i = 0; i < 5; ++i) EXPECT_NE(tx[i], x[i]) << i;
    for (int i = 5; i <= 10; ++i) {
        EXPECT_EQ(tx[i], x[i]) << i;
        EXPECT_EQ(ty[i], y[i]) << i;
    }
}

TEST(OrbitTransform, SinusoidalAndSwirlOfOnePoint) {
    double x[] = {0.5}, y[] = {-0.25};
    OrbitTransformParams t = Mode(2);
    t.factor4 = 2.0;
    t.factor5 = 0.5;
    ApplyOrbitTransform(t, x, y, 0);
    EXPECT_DOUBLE_EQ(x[0], std::sin(1.0) * 0.5 + 1.0);
    EXPECT_DOUBLE_EQ(y[0], std::sin(-0.5) * 0.5 - 0.5);

    // The swirl scales by intensity and turns by the sine of |p|^2 + 1e-12.
    double sx[] = {0.6}, sy[] = {0.8};
    t = Mode(1);
    t.intensity = 1.0;
    t.factor5 = 1.0;
    ApplyOrbitTransform(t, sx, sy, 0);
    const double s = std::sin(1.0 + 1e-12);
    EXPECT_NEAR(sx[0], (s * 0.6 - s * 0.8) + 0.6, 1e-15);
    EXPECT_NEAR(sy[0], (s * 0.6 + s * 0.8) + 0.8, 1e-15);

    // Far out, the sine of 1e24 is used instead.
    double fx[] = {150.0}, fy[] = {0.0};
    ApplyOrbitTransform(t, fx, fy, 0);
    EXPECT_EQ(fx[0], std::sin(1e24) * 150.0 + 150.0);
}

TEST(OrbitTransform, ReachesTheLastPointAndNoFurther) {
    for (int mode = 1; mode <= 4; ++mode) {
        std::vector<double> x, y;
        testing_support::WanderingOrbit(12, x, y);
        std::vector<double> tx = x, ty = y;
        ApplyOrbitTransform(Mode(mode), tx.data(), ty.data(), 10);
        EXPECT_NE(tx[10], x[10]) << mode;
        EXPECT_EQ(tx[11], x[11]) << mode;
    }
}

TEST(OrbitTransform, UnknownModesLeaveTheOrbit) {
    std::vector<double> x, y;
    testing_support::WanderingOrbit(8, x, y);
    for (int mode : {0, 5, -1}) {
        std::vector<double> tx = x, ty = y;
        ApplyOrbitTransform(Mode(mode), tx.data(), ty.data(), 8);
        EXPECT_EQ(tx, x);
        EXPECT_EQ(ty, y);
    }
}

TEST(OrbitTransform, RunsBeforeTheRenderMethod) {
    // Inversion of (2, 2) gives (0.25, 0.25) (up to 1e-15), which method 19
    // then measures: dx = dy = -0.25, a = b = 3 * 0.0625.
    ParameterSet ps;
    ps.transformMode = 3;
    const testing_support::Results r = testing_support::Render(ps, 19, 2, {2, 2, 2}, {2, 2, 2});
    EXPECT_NEAR(r.a, 0.1875, 1e-14);
    EXPECT_NEAR(r.b, 0.1875, 1e-14);
    EXPECT_NEAR(ps.orbitX[2], 0.25, 1e-15);  // the last point is transformed too
}
