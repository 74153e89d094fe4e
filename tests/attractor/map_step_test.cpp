#include <gtest/gtest.h>

#include <cmath>

#include "attractor_fixture.h"

namespace zarvo::attractor::testing {
namespace {

using MapStepTest = AttractorTest;

TEST_F(MapStepTest, EscapedOrbitRestartsNearTheOrigin) {
    for (int i = 0; i < 200; ++i) {
        engine.map.x = 2000.0;
        engine.map.y = 0.0;
        engine.map.W = 3.0;
        engine.ReseedIfDiverged();
        EXPECT_LT(std::fabs(engine.map.x), 15.0);
        EXPECT_LT(std::fabs(engine.map.y), 15.0);
        EXPECT_NE(engine.map.x, 2000.0);
        EXPECT_EQ(engine.map.W, 0.0);
    }
    // Inside the bound nothing happens (about 1000 from the origin).
    engine.map.x = 999.0;
    engine.map.y = 0.0;
    engine.map.W = 3.0;
    engine.ReseedIfDiverged();
    EXPECT_EQ(engine.map.x, 999.0);
    EXPECT_EQ(engine.map.W, 3.0);
}

TEST_F(MapStepTest, EscapeThroughAStepRestarts) {
    // Formula 24 from x = 1, y = 1990 lands far away and is restarted.
    ps.formulaIndex = 24;
    engine.map.x = 1.0;
    engine.map.y = 1990.0;
    engine.MapStep();
    EXPECT_LT(std::hypot(engine.map.x, engine.map.y), 15.0 * std::sqrt(2.0));
}

TEST_F(MapStepTest, ModulasDriftsAEvery1000Steps) {
    ps.formulaIndex = 56;  // the point stays, only the prologue acts
    ps.modulas = flagOn;
    ps.AA = 0.5;
    ps.stepCount = 0;
    const int64_t cycle = engine.colourCycle;
    engine.MapStep();
    const double once = (double)(0.5L - 0.0002L * std::sin(0.5L));
    EXPECT_EQ(ps.AA, once);
    EXPECT_EQ(engine.colourCycle, cycle + 1);
    for (int32_t s : {1, 999, 1001, 1999}) {
        ps.stepCount = s;
        engine.MapStep();
        EXPECT_EQ(ps.AA, once) << s;
    }
    ps.stepCount = 2000;
    engine.MapStep();
    EXPECT_LT(ps.AA, once);
    EXPECT_EQ(engine.colourCycle, cycle + 2);

    ps.AA = 0.0;
    ps.stepCount = 0;
    engine.MapStep();
    EXPECT_EQ(ps.AA, 0.0);

    // Without Modulas A stays, the colour cycle still advances.
    ps.modulas = 0;
    ps.AA = 0.5;
    ps.stepCount = 3000;
    engine.MapStep();
    EXPECT_EQ(ps.AA, 0.5);
    EXPECT_EQ(engine.colourCycle, cycle + 4);
}

TEST_F(MapStepTest, ModulasDuringARun) {
    ps.formulaIndex = 56;
    ps.modulas = flagOn;
    ps.drawRandom = 0;
    ps.AAStart = 1.0;
    ps.juliaRe = 0.5;
    ps.juliaIm = 0.5;
    ps.stepCount = 0;
    engine.RunAttractor(2500);  // steps 0, 1000 and 2000 drift A
    long double a = 1.0L;
    for (int i = 0; i < 3; ++i) a = (double)(a - 0.0002L * std::sin(a));
    EXPECT_EQ(ps.AA, (double)a);
    EXPECT_EQ(ps.stepCount, 2500);
}

TEST_F(MapStepTest, MapChoiceFrequencies) {
    ps.mapCount = 2;
    int counts[40] = {};
    const int n = 400000;
    for (int i = 0; i < n; ++i) {
        engine.ChooseMap();
        ASSERT_TRUE(engine.map.j == 0 || engine.map.j == 19 || engine.map.j == 39);
        ++counts[engine.map.j];
    }
    EXPECT_NEAR(counts[0] / double(n), 18.5 / 40, 0.004);
    EXPECT_NEAR(counts[19] / double(n), 20.0 / 40, 0.004);
    EXPECT_NEAR(counts[39] / double(n), 1.5 / 40, 0.002);

    // Any other setting keeps the current map.
    ps.mapCount = 7;
    engine.map.j = 19;
    for (int i = 0; i < 100; ++i) engine.ChooseMap();
    EXPECT_EQ(engine.map.j, 19);
    ps.mapCount = 1;  // r = round(u*20) <= 20: never the third map
    for (int i = 0; i < 10000; ++i) {
        engine.ChooseMap();
        ASSERT_NE(engine.map.j, 39);
    }
}

TEST_F(MapStepTest, RandomSetupDrawsInItsOrder) {
    ps.randomFactor = 3.0;
    ps.BB = 1.5;
    ps.drawRandom = flagOn;
    ps.tickCount = 9;
    engine.fixedSeed = 777;
    engine.RandomSetup();

    UniformRandom g(777);
    for (int k = 1; k <= 60; ++k) {
        EXPECT_EQ(ps.af[k], (double)((g.uniform() - 0.5L) * 2 * 3.0L)) << k;
        EXPECT_EQ(ps.bf[k], (double)((g.uniform() - 0.5L) * 2 * 3.0L)) << k;
    }
    const double A = (double)((g.uniform() - 0.5L) * 3.0L);
    EXPECT_EQ(ps.AA, A);
    EXPECT_EQ(ps.AAStart, A);
    EXPECT_EQ(ps.AASet, A);
    const double r = (double)(g.uniform() * 14.99L + 0.01L);
    const double x = (double)(r * std::cos(g.uniform() * (long double)const2PI));
    const double y = (double)(r * std::sin((long double)x * const2PI));
    EXPECT_EQ(engine.map.x, x);
    EXPECT_EQ(engine.map.y, y);
    EXPECT_EQ(engine.map.W, 0.0);
    EXPECT_EQ(ps.cRe, x);
    EXPECT_EQ(ps.juliaIm, y);
    EXPECT_EQ(ps.zRe, x);
    EXPECT_EQ(ps.drawRandom, 0);
    EXPECT_EQ(ps.tickCount, 0);
    EXPECT_EQ(engine.map.rotCos, (double)std::cos(0.5L));
    EXPECT_EQ(engine.map.rotSin, (double)std::sin(0.5L));
    // The set-up left the generator right after its last draw.
    EXPECT_EQ(engine.random.uniform(), g.uniform());
}

TEST_F(MapStepTest, ExpansionDrawsTowardsTheOrigin) {
    ps.formulaIndex = 56;
    ps.expansion = flagOn;
    ps.stepCount = 1;
    engine.map.x = 3.0;
    engine.map.y = 4.0;
    engine.MapStep();
    EXPECT_DOUBLE_EQ(engine.map.x, 3.0 - 3.0 / (20000 * 5.0));
    EXPECT_EQ(engine.map.y, 4.0);
    EXPECT_EQ(engine.map.x0, engine.map.x);  // the point before the formula
}

TEST(UniformRandomTest, RangeAndRepeatability) {
    UniformRandom a(5), b(5);
    double lo = 1, hi = 0;
    for (int i = 0; i < 100000; ++i) {
        const double u = a.uniform();
        ASSERT_EQ(u, b.uniform());
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        lo = std::min(lo, u);
        hi = std::max(hi, u);
    }
    EXPECT_LT(lo, 0.001);
    EXPECT_GT(hi, 0.999);
    EXPECT_NE(UniformRandom::clockSeed(), UniformRandom::clockSeed());
}

}  // namespace
}  // namespace zarvo::attractor::testing
