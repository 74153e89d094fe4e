// The render methods' table, their guards and the edge cases of their
// definitions.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "fp_fault.h"
#include "render_methods.h"
#include "render_test_support.h"

using namespace zarvo;
using testing_support::Render;
using testing_support::Results;
using testing_support::WanderingOrbit;

TEST(RenderMethodTable, NumbersCaptionsAndMenus) {
    const RenderMethodInfo* m = RenderMethods();
    std::set<std::string> captions;
    for (int i = 0; i < renderMethodCount; ++i) {
        EXPECT_EQ(m[i].number, i + 1);
        EXPECT_EQ(m[i].menu, i < 18 ? 1 : 2) << m[i].caption;  // "Render01" ends with 18
        ASSERT_NE(m[i].function, nullptr);
        const std::string caption = m[i].caption;
        EXPECT_EQ(caption.rfind(std::to_string(i + 1) + ".) ", 0), 0u) << caption;
        captions.insert(caption);
    }
    EXPECT_EQ(captions.size(), 29u);  // the five "orbit counting" items differ by number
    EXPECT_STREQ(m[0].caption, "1.) log(Iterations escape value)");
    EXPECT_STREQ(m[8].caption, "9.)  fractal dimension");
    EXPECT_STREQ(m[12].caption, "13.) sin(x*y; cos(x*y); sin(x); sin(y); (gaussian)");
    EXPECT_STREQ(m[17].caption, "18.) x/y; y/x; stalks");
    EXPECT_STREQ(m[28].caption, "29.) sine dimension 11");
    EXPECT_EQ(FindRenderMethod(0), nullptr);
    EXPECT_EQ(FindRenderMethod(30), nullptr);
    EXPECT_EQ(FindRenderMethod(24)->function, m[23].function);
}

TEST(RenderMethodGuards, EmptyOrbitGivesTheMethodsStartValues) {
    ParameterSet ps;
    std::vector<double> x, y;
    WanderingOrbit(5, x, y);
    for (int method = 1; method <= 29; ++method) {
        const Results r = Render(ps, method, 0, x, y);
        double expected = 0.0;
        if (method == 9) expected = 1.0;
        if (method == 19 || method == 20) expected = 1e24;
        EXPECT_EQ(r.a, expected) << "method " << method;
        EXPECT_EQ(r.b, expected) << "method " << method;
    }
}

TEST(RenderMethodGuards, MethodsOutsideTheTableGiveZero) {
    ParameterSet ps;
    std::vector<double> x, y;
    WanderingOrbit(20, x, y);
    for (int method : {0, -1, 30, 1000}) {
        const Results r = Render(ps, method, 20, x, y);
        EXPECT_EQ(r.a, 0.0);
        EXPECT_EQ(r.b, 0.0);
    }
}

TEST(RenderMethodGuards, ShortOrbitsBelowEachGuard) {
    ParameterSet ps;
    std::vector<double> x, y;
    WanderingOrbit(5, x, y);
    // Methods that need two points, and 24 which needs three.
    for (int method : {2, 10}) EXPECT_EQ(Render(ps, method, 1, x, y).a, 0.0) << method;
    EXPECT_EQ(Render(ps, 19, 1, x, y).a, 1e24);
    EXPECT_EQ(Render(ps, 24, 2, x, y).a, 0.0);
    EXPECT_NE(Render(ps, 24, 3, x, y).a, 0.0);
    // 25 lets one point pass its guard but has nothing to count.
    const Results r25 = Render(ps, 25, 1, x, y);
    EXPECT_EQ(r25.a, 0.0);
    EXPECT_EQ(r25.b, 0.0);
}

TEST(RenderMethodEdges, EscapeCountOver128) {
    ParameterSet ps;
    std::vector<double> x, y;
    WanderingOrbit(64, x, y);
    const Results r = Render(ps, 1, 64, x, y);
    EXPECT_EQ(r.a, 0.5);
    EXPECT_EQ(r.b, 0.5);
}

TEST(RenderMethodEdges, CountingWithoutTrapHitsGivesThree) {
    ParameterSet ps;
    ps.maxIterations = 500;
    // x = y = 0.25: the distortion gives sin(cos(pi/2) + pi/2) + 0.25 = 1.25,
    // far outside the trap of width 0.15.
    const std::vector<double> x(501, 0.25), y(501, 0.25);
    const Results r = Render(ps, 2, 500, x, y);
    EXPECT_EQ(r.a, 3.0);
    EXPECT_EQ(r.b, 3.0);
}

TEST(RenderMethodEdges, SomeMethodsGiveOneValue) {
    ParameterSet ps;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::vector<double> x, y;
        const int n = 2 + static_cast<int>(seed) * 3;
        WanderingOrbit(n, x, y, seed);
        for (int method : {9, 10, 20}) {
            const Results r = Render(ps, method, n, x, y);
            EXPECT_EQ(r.a, r.b) << "method " << method << " seed " << seed;
            EXPECT_GT(r.a, 0.0) << "method " << method << " seed " << seed;
        }
    }
}

TEST(RenderMethodEdges, RatioCountingStopsAtAZeroCoordinate) {
    ParameterSet ps;
    std::vector<double> x, y;
    WanderingOrbit(30, x, y, 7);
    const Results whole = Render(ps, 5, 30, x, y);
    // Point 12 has a zero imaginary part: the method ends its loop there, so
    // the result equals that of the orbit cut after point 11.
    std::vector<double> y0 = y;
    y0[12] = 0.0;
    const Results stopped = Render(ps, 5, 30, x, y0);
    const Results cut = Render(ps, 5, 12, x, y);
    EXPECT_EQ(stopped.a, cut.a);
    EXPECT_EQ(stopped.b, cut.b);
    EXPECT_NE(stopped.a, whole.a);
    // A zero that only appears after scaling counts as well.
    ps.factor4 = 0.0;
    const Results scaledToZero = Render(ps, 5, 30, x, y);
    EXPECT_EQ(scaledToZero.a, 0.0);
    EXPECT_EQ(scaledToZero.b, 0.0);
}

TEST(RenderMethodEdges, CountBeyondTheOrbitArraysIsClamped) {
    ParameterSet ps;
    ps.maxIterations = 6999;
    std::vector<double> x, y;
    WanderingOrbit(7000, x, y, 3);
    // A plug-in reporting more points than the arrays hold is read as if it
    // had filled them all (no read past index 7000).
    for (int method : {8, 18, 21, 29}) {
        const Results limit = Render(ps, method, 7000, x, y);
        const Results beyond = Render(ps, method, 1000000, x, y);
        EXPECT_EQ(limit.a, beyond.a) << method;
        EXPECT_EQ(limit.b, beyond.b) << method;
    }
    EXPECT_EQ(Render(ps, 1, -5, x, y).a, 0.0);
}

TEST(RenderMethodEdges, TriangleInequalityOnTheUnitCircleIsNoFault) {
    ParameterSet ps;
    ps.cRe = 0.3;
    ps.cIm = -0.2;
    std::vector<double> x, y;
    WanderingOrbit(10, x, y, 5);
    // The last point lies exactly on the unit circle, so ln r = 0. The guard
    // takes ln r as ln(1 + eps) = eps instead of dividing by zero.
    x[9] = 1.0;
    y[9] = 0.0;
    ClearFaults();
    const Results r = Render(ps, 24, 10, x, y);
    EXPECT_EQ(PendingFault(), "");
    EXPECT_TRUE(std::isfinite(r.a));
    EXPECT_GT(r.a, 0.0);
    EXPECT_EQ(r.b, r.a * r.a);
}

TEST(RenderMethodEdges, EveryMethodOnOrdinaryOrbitsRaisesNoFault) {
    ParameterSet ps;
    ps.maxIterations = 100;
    for (unsigned seed = 1; seed <= 10; ++seed) {
        std::vector<double> x, y;
        WanderingOrbit(60, x, y, seed);
        for (int method = 1; method <= 29; ++method) {
            for (int transform = 0; transform <= 4; ++transform) {
                ps.transformMode = transform;
                ClearFaults();
                const Results r = Render(ps, method, 60, x, y);
                EXPECT_EQ(PendingFault(), "") << "method " << method << " transform " << transform;
                EXPECT_TRUE(std::isfinite(r.a) && std::isfinite(r.b)) << method;
                EXPECT_GE(r.a, 0.0) << method;
            }
        }
    }
    ps.transformMode = 0;
}
