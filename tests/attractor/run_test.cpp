#include <gtest/gtest.h>

#include "attractor_fixture.h"
#include "attractor_state.h"

namespace zarvo::attractor::testing {
namespace {

using RunTest = AttractorTest;

TEST_F(RunTest, OpenViewDefaults) {
    EXPECT_EQ(ps.vantrelFormulaMode, flagOn);
    EXPECT_STREQ(ps.formulaTitle, "vantrel formula");
    EXPECT_STREQ(ps.formulaDescription, "vantrel description");
    EXPECT_EQ(ps.stopFlag, flagOn);
    EXPECT_EQ(ps.drawRandom, flagOn);
    EXPECT_EQ(ps.formulaIndex, 1);
    EXPECT_EQ(ps.vtlZoom, 0.05);
    EXPECT_EQ(ps.cRe, 5.0);
    EXPECT_EQ(engine.vtlBitmap.width, 180);
    EXPECT_EQ(engine.vtlBitmap.height, 120);
    EXPECT_EQ(engine.hitCounts.size(), 180u * 120u);
    for (int32_t c : engine.hitCounts) ASSERT_EQ(c, 0);
}

TEST_F(RunTest, DefaultViewSpan) {
    attractor::AdjustCoords(ps);
    EXPECT_DOUBLE_EQ(ps.vtlXMin, -50.0);
    EXPECT_DOUBLE_EQ(ps.vtlXMax, 50.0);
    EXPECT_NEAR(ps.vtlYMin, -33.3333333333, 1e-9);
    EXPECT_NEAR(ps.vtlYMax, 33.3333333333, 1e-9);
}

TEST_F(RunTest, RandomRunDrawsAndRepeats) {
    ps.formulaIndex = 26;
    const RunResult r = engine.RunAttractor(20000);
    EXPECT_EQ(r.steps, 20000);
    EXPECT_TRUE(r.fault.empty());
    EXPECT_TRUE(r.running);  // only the step budget ended it
    EXPECT_EQ(ps.stepCount, 20000);
    EXPECT_EQ(ps.drawRandom, 0);
    EXPECT_EQ(ps.plotXMin, ps.vtlXMin);
    int hit = 0;
    for (int32_t c : engine.hitCounts) hit += c > 10;
    EXPECT_GT(hit, 100);

    // The same seed gives the same picture.
    ParameterSet ps2;
    SilentReporter quiet;
    AttractorEngine other(ps2, quiet);
    other.OpenView();
    other.fixedSeed = 12345;
    ps2.formulaIndex = 26;
    other.RunAttractor(20000);
    EXPECT_EQ(other.vtlBitmap.pixels, engine.vtlBitmap.pixels);
    EXPECT_EQ(other.hitCounts, engine.hitCounts);
}

TEST_F(RunTest, ContinuesFromTheStartPointWithoutClearing) {
    ps.formulaIndex = 24;
    engine.RunAttractor(1000);
    const std::vector<int32_t> before = engine.hitCounts;
    ps.drawRandom = 0;
    ps.AAStart = 0.25;
    ps.AA = 7;
    ps.juliaRe = 1.0;
    ps.juliaIm = 2.0;
    ASSERT_EQ(engine.StartRun(), "");
    EXPECT_EQ(ps.AA, 0.25);
    EXPECT_EQ(engine.map.x, 1.0);
    EXPECT_EQ(engine.map.y, 2.0);
    EXPECT_EQ(engine.hitCounts, before);  // counters and picture stay
}

TEST_F(RunTest, StopEndsTheRun) {
    ASSERT_EQ(engine.StartRun(), "");
    RunResult r = engine.RunSteps(100);
    EXPECT_EQ(r.steps, 100);
    EXPECT_TRUE(engine.running());
    engine.Stop();
    r = engine.RunSteps(100);
    EXPECT_EQ(r.steps, 0);
    EXPECT_FALSE(r.running);
    r = engine.RunFor(std::chrono::milliseconds(1));
    EXPECT_EQ(r.steps, 0);
}

TEST_F(RunTest, RunForReturnsAfterItsBudget) {
    ASSERT_EQ(engine.StartRun(), "");
    const auto t0 = std::chrono::steady_clock::now();
    const RunResult r = engine.RunFor(std::chrono::milliseconds(5));
    EXPECT_GT(r.steps, 0);
    EXPECT_TRUE(r.running);
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(2));
}

TEST_F(RunTest, FaultInAStepEndsTheRunAndKeepsThePicture) {
    ps.formulaIndex = 1;
    engine.RunAttractor(5000);
    const std::vector<uint8_t> picture = engine.vtlBitmap.pixels;
    const std::vector<int32_t> counts = engine.hitCounts;

    // Formula 30 divides by x^2 + y^2: from the origin that is 0/0.
    ps.formulaIndex = 30;
    engine.map.x = 0.0;
    engine.map.y = 0.0;
    const RunResult r = engine.RunSteps(1000);
    EXPECT_EQ(r.steps, 1);
    EXPECT_EQ(r.fault, "Invalid floating point operation");
    EXPECT_FALSE(r.running);
    EXPECT_EQ(ps.stopFlag, flagOn);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], "Invalid floating point operation");
    EXPECT_EQ(engine.vtlBitmap.pixels, picture);
    EXPECT_EQ(engine.hitCounts, counts);

    // A new run starts cleanly afterwards.
    ps.formulaIndex = 24;
    ps.drawRandom = flagOn;
    const RunResult again = engine.RunAttractor(100);
    EXPECT_TRUE(again.fault.empty());
    EXPECT_EQ(again.steps, 100);
}

TEST_F(RunTest, FaultInALaterStepKeepsTheStepsBeforeIt) {
    // Formula 10 with A = B = 0 takes (1, 0) to (0, -1) and then to the
    // origin, where Inversion divides 0 by 0: the second step faults.
    const auto setUp = [this] {
        ps.formulaIndex = 10;
        ps.drawRandom = 0;
        ps.AAStart = 0.0;
        ps.BB = 0.0;
        ps.juliaRe = 1.0;
        ps.juliaIm = 0.0;
        engine.map.W = 0.0;
        ps.varNone = 0;
        ps.varInversion = flagOn;
    };
    setUp();
    ASSERT_TRUE(engine.RunAttractor(1).fault.empty());
    std::vector<int32_t> counts = engine.hitCounts;
    EXPECT_NE(counts, std::vector<int32_t>(counts.size(), 0));

    // The same start again, without a random set-up the counters go on: the
    // first step's hits are added once more, the faulting step's none.
    setUp();
    const RunResult r = engine.RunAttractor(1000);
    EXPECT_EQ(r.fault, "Invalid floating point operation");
    EXPECT_EQ(r.steps, 2);
    for (int32_t& c : counts) c *= 2;
    EXPECT_EQ(engine.hitCounts, counts);
}

TEST_F(RunTest, DivisionByZeroInAStep) {
    // Formula 35 divides by sqrt(abs(x^2 + y^2)).
    ps.formulaIndex = 35;
    ps.drawRandom = 0;
    ps.juliaRe = 0.0;
    ps.juliaIm = 0.0;
    const RunResult r = engine.RunAttractor(10);
    EXPECT_EQ(r.fault, "Floating point division by zero");
    EXPECT_EQ(r.steps, 1);
}

TEST_F(RunTest, ZeroMagnificationDoesNotStart) {
    ps.vtlZoom = 0.0;  // e.g. from a hand-edited file
    const RunResult r = engine.RunAttractor(10);
    EXPECT_EQ(r.fault, "Floating point division by zero");
    EXPECT_EQ(r.steps, 0);
    EXPECT_EQ(ps.stopFlag, flagOn);
    EXPECT_EQ(reporter.messages.size(), 1u);
}

TEST_F(RunTest, ProgressCaption) {
    ps.tickCount = 3;
    ps.lastLevel = 42;
    ps.AA = 0.126;
    ps.zRe = -1.5;
    ps.zIm = 2.0;
    EXPECT_EQ(engine.ProgressCaption(), "Busy... 3   42   0.13   -1.50   2.00");
    EXPECT_EQ(ps.tickCount, 4);
}

}  // namespace
}  // namespace zarvo::attractor::testing
