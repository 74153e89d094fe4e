// Runs of several sample streams: the picture depends on the seed, the
// number of streams and the steps, never on the threads or on how the
// steps are handed out.
#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "attractor_engine.h"

namespace zarvo::attractor::testing {
namespace {

struct Drawn {
    RunResult run;
    std::vector<uint8_t> pixels;
    std::vector<int32_t> counts;
    std::vector<uint64_t> hits;
};

// A seeded random run of `streams` streams on `threads` threads, its steps
// given in calls of the sizes in `calls`.
Drawn Draw(const std::function<void(ParameterSet&)>& setup, int streams, int threads,
           const std::vector<int64_t>& calls) {
    ParameterSet ps;
    SilentReporter quiet;
    AttractorEngine engine(ps, quiet);
    engine.OpenView();
    engine.fixedSeed = 4711;
    engine.random.seed(4711);
    setup(ps);
    engine.streams = streams;
    engine.threads = threads;
    Drawn d;
    d.run.fault = engine.StartRun();
    for (int64_t n : calls) {
        const RunResult r = engine.RunSteps(n);
        d.run.steps += r.steps;
        d.run.fault += r.fault;
        d.run.running = r.running;
    }
    engine.ComposePicture();
    d.pixels = engine.vtlBitmap.pixels;
    d.counts = engine.hitCounts;
    for (const DensityCell& c : engine.density) d.hits.push_back(c.hits * 256 + c.shade);
    return d;
}

void ExpectSame(const Drawn& a, const Drawn& b) {
    EXPECT_EQ(a.run.steps, b.run.steps);
    EXPECT_EQ(a.run.fault, b.run.fault);
    EXPECT_TRUE(a.pixels == b.pixels);
    EXPECT_TRUE(a.counts == b.counts);
    EXPECT_TRUE(a.hits == b.hits);
}

void AllVariations(ParameterSet& ps) {
    for (int32_t* f : {&ps.varNone, &ps.varLinear, &ps.varSinusoidal, &ps.varSpherical, &ps.varSwirl, &ps.varHorseshoe,
                       &ps.varPolar, &ps.varBent, &ps.varInversion}) {
        *f = flagOn;
    }
}

TEST(Streams, PictureDoesNotDependOnThreadsOrCalls) {
    const std::vector<std::function<void(ParameterSet&)>> setups = {
        [](ParameterSet& ps) {  // level colouring with Color Mix, every variation
            ps.formulaIndex = 70;
            ps.colorMix = flagOn;
            ps.vtlRed = 40;
            ps.vtlBlue = -30;
            AllVariations(ps);
        },
        [](ParameterSet& ps) {  // the log-density mapping on a three-times oversampled grid
            ps.formulaIndex = 26;
            ps.logDensity = flagOn;
            ps.ldOversample = 3;
            ps.varSwirl = flagOn;
        },
    };
    for (const auto& setup : setups) {
        const int64_t steps = 7 * 4000 + 3;
        const Drawn reference = Draw(setup, 7, 1, {steps});
        EXPECT_EQ(reference.run.steps, steps);
        int plotted = 0;
        for (int32_t c : reference.counts) plotted += c > 10;
        EXPECT_GT(plotted, 200);
        ExpectSame(Draw(setup, 7, 2, {steps}), reference);
        ExpectSame(Draw(setup, 7, 3, {1000, 5, 4096, steps - 5101}), reference);
        ExpectSame(Draw(setup, 7, 16, {1, steps - 1}), reference);
        // Another number of streams is another picture.
        EXPECT_FALSE(Draw(setup, 6, 2, {steps}).counts == reference.counts);
    }
}

TEST(Streams, CountersSaturateInAnyOrder) {
    // Every hit weighs about 2e10, beyond the largest counter.
    const auto heavy = [](ParameterSet& ps) {
        ps.formulaIndex = 24;
        ps.vtlFactor1 = 1e9;
    };
    const Drawn one = Draw(heavy, 5, 1, {20000});
    ExpectSame(Draw(heavy, 5, 3, {20000}), one);
    int saturated = 0;
    for (int32_t c : one.counts) {
        EXPECT_TRUE(c == 10 || c == INT32_MAX);
        saturated += c == INT32_MAX;
    }
    EXPECT_GT(saturated, 50);
}

TEST(Streams, AFaultEndsTheRunTheSameWayOnAnyThreads) {
    // Formula 30 divides by x^2 + y^2: stream 0 starts at the origin.
    const auto faulting = [](ParameterSet& ps) {
        ps.formulaIndex = 30;
        ps.drawRandom = 0;
        ps.juliaRe = 0.0;
        ps.juliaIm = 0.0;
    };
    const Drawn one = Draw(faulting, 4, 1, {4000});
    EXPECT_EQ(one.run.fault, "Invalid floating point operation");
    EXPECT_FALSE(one.run.running);
    EXPECT_EQ(one.run.steps, 1 + 3 * 1000);  // the other streams take their share
    ExpectSame(Draw(faulting, 4, 4, {4000}), one);
}

}  // namespace
}  // namespace zarvo::attractor::testing
