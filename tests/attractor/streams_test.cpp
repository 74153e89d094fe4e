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

using Setup = std::function<void(ParameterSet&)>;

// An engine with a seeded random run of `streams` streams on `threads`
// threads started.
struct Started {
    Started(const Setup& setup, int streams, int threads) {
        engine.OpenView();
        engine.fixedSeed = 4711;
        engine.random.seed(4711);
        setup(ps);
        engine.streams = streams;
        engine.threads = threads;
        fault = engine.StartRun();
    }
    ParameterSet ps;
    SilentReporter quiet;
    AttractorEngine engine{ps, quiet};
    std::string fault;
};

Drawn Picture(AttractorEngine& engine, const RunResult& run) {
    Drawn d;
    d.run = run;
    engine.ComposePicture();
    d.pixels = engine.picture().pixels;
    d.counts = engine.hitCounts;
    for (const DensityCell& c : engine.density) d.hits.push_back(c.hits * 256 + c.shade);
    return d;
}

// The run with its steps given in calls of the sizes in `calls`.
Drawn Draw(const Setup& setup, int streams, int threads, const std::vector<int64_t>& calls) {
    Started started(setup, streams, threads);
    AttractorEngine& engine = started.engine;
    RunResult run;
    run.fault = started.fault;
    for (int64_t n : calls) {
        const RunResult r = engine.RunSteps(n);
        run.steps += r.steps;
        run.fault += r.fault;
        run.running = r.running;
    }
    return Picture(engine, run);
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

uint64_t Fnv(const void* data, size_t size, uint64_t h = 0xcbf29ce484222325ull) {
    const auto* b = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) h = (h ^ b[i]) * 0x100000001b3ull;
    return h;
}

TEST(Streams, OneStreamIsTheSingleSequenceBitForBit) {
    // Pictures and counters of seeded random runs with every variation,
    // recorded from the drawing loop as it was before runs had streams.
    struct Case {
        int formula;
        bool variations, colorMix, squareRoot;
        double intensity, scaling;
        uint64_t hash;
    };
    const Case cases[] = {
        {1, true, true, false, 10, 0.1, 0xfe61479ad2251175ull},  {70, true, false, true, 64, 0.5, 0x820ed4125fe8f91aull},
        {26, true, true, true, 3, 0.02, 0x3e5478ace622c2bdull},  {24, false, false, false, 10, 0.1, 0x5f63e0b859b3a0e7ull},
        {63, true, false, false, 0, 0.3, 0x0ff2cf2926813adbull}, {41, true, true, false, 20, 1.0, 0xba84760ba9de53d6ull},
    };
    for (const Case& c : cases) {
        ParameterSet ps;
        SilentReporter quiet;
        AttractorEngine e(ps, quiet);
        e.OpenView();
        e.fixedSeed = 99;
        ps.formulaIndex = c.formula;
        ps.colorMix = c.colorMix ? flagOn : 0;
        ps.squareRoot = c.squareRoot ? flagOn : 0;
        ps.vtlFactor1 = c.intensity;
        ps.vtlFactor2 = c.scaling;
        ps.vtlRed = 30;
        ps.vtlGreen = -20;
        ps.vtlBlue = 90;
        if (c.variations) AllVariations(ps);
        EXPECT_EQ(e.RunAttractor(50000).steps, 50000);
        const uint64_t h = Fnv(e.vtlBitmap.pixels.data(), e.vtlBitmap.pixels.size());
        EXPECT_EQ(Fnv(e.hitCounts.data(), e.hitCounts.size() * sizeof(int32_t), h), c.hash) << c.formula;
    }
}

const std::vector<Setup> kBothMappings = {
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

TEST(Streams, PictureDoesNotDependOnThreadsOrCalls) {
    for (const auto& setup : kBothMappings) {
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

TEST(Streams, SharesOfTheStreamsAddUpToOneRun) {
    const int k = 9;
    const int64_t steps = k * 3000 + 4;
    for (const auto& setup : kBothMappings) {
        const Drawn reference = Draw(setup, k, 2, {steps});
        Started merged(setup, k, 1);
        AttractorEngine& sum = merged.engine;
        RunResult run;
        for (auto [first, end] : {std::pair{5, k}, {0, 1}, {1, 5}}) {
            Started share(setup, k, 2);
            share.engine.streamFirst = first;
            share.engine.streamEnd = end;
            for (int64_t n : {int64_t{1001}, steps - 1001}) run.steps += share.engine.RunSteps(n).steps;
            const AttractorEngine& e = share.engine;
            std::vector<int64_t> sums(e.hitCounts.size());
            std::vector<uint64_t> stamps(e.hitCounts.size());
            for (size_t i = 0; i < stamps.size(); ++i) {
                sums[i] = e.CounterSum(i);
                stamps[i] = e.HitStamp(i);
            }
            sum.AddCounterSums(0, sums.data(), sums.size());
            sum.AddHitStamps(0, stamps.data(), stamps.size());
            sum.AddDensity(0, e.density.data(), e.density.size());
        }
        sum.PaintAddedCounts();
        run.running = true;
        ExpectSame(Picture(sum, run), reference);
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
