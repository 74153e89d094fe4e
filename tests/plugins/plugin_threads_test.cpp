// Both plug-ins declare themselves re-entrant: every formula, called from
// several threads at once, each call on its own record and orbit arrays,
// leaves exactly the record and orbit that one thread calling it leaves.
#include "plugin_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

namespace zarvo::test {
namespace {

constexpr int kLimit = 32;

// What one call leaves: count, z, c and the orbit entries a formula may
// write (0 .. limit + 1), plus whether it wrote anything beyond them.
struct Outcome {
    std::vector<double> values;
    bool wroteBeyond = false;
};

// Pixel k of a small grid for every formula, in the parameter plane and in
// Julia form, with and without inversion.
template <class Rec>
void SetPixel(Pixel<Rec>& px, int k) {
    const int i = k % 8, j = k / 8 % 6, mode = k / 48 % 4, formula = k / 192;
    const double re = -2.1 + 0.53 * i, im = -1.6 + 0.61 * j;
    const bool julia = (mode & 1) != 0;
    std::fill(px.orbitX.begin(), px.orbitX.begin() + kLimit + 3, kSentinel);
    std::fill(px.orbitY.begin(), px.orbitY.begin() + kLimit + 3, kSentinel);
    px.set(formula, re, im, julia ? -0.745 : re, julia ? 0.113 : im);
    px.rec.maxIterations = kLimit;
    px.rec.juliaMode = julia ? 1 : 0;
    px.rec.inverseFormula = (mode & 2) != 0 ? 1 : 0;
}

template <class Rec>
std::vector<Outcome> CallAll(int32_t (*formula)(Rec*), int pixelCount, int threads) {
    std::vector<Outcome> outcomes(static_cast<size_t>(pixelCount));
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back([&, t] {
            Pixel<Rec> px;  // each thread its own record and orbit arrays
            for (int k = t; k < pixelCount; k += threads) {
                SetPixel(px, k);
                formula(&px.rec);
                Outcome& o = outcomes[static_cast<size_t>(k)];
                o.values = {double(px.rec.iterationCount), px.rec.zRe, px.rec.zIm, px.rec.cRe, px.rec.cIm};
                o.values.insert(o.values.end(), px.orbitX.begin(), px.orbitX.begin() + kLimit + 2);
                o.values.insert(o.values.end(), px.orbitY.begin(), px.orbitY.begin() + kLimit + 2);
                o.wroteBeyond = px.highestWritten() > kLimit + 2;
            }
        });
    for (std::thread& w : workers) w.join();
    return outcomes;
}

template <class Rec>
void ExpectSameResultsOnEveryThreadCount(const char* path) {
    PluginLibrary library(path);
    ASSERT_TRUE(library.loaded()) << library.error();
    const auto reentrant = reinterpret_cast<int32_t (*)()>(library.symbol("_reentrant"));
    ASSERT_NE(reentrant, nullptr);
    EXPECT_EQ(reentrant(), 1);
    const Exports<Rec> api = bindExports<Rec>(library);

    const int pixelCount = api.total() * 192;
    const std::vector<Outcome> reference = CallAll(api.formula, pixelCount, 1);
    for (int threads : {2, 3, 7}) {
        const std::vector<Outcome> outcomes = CallAll(api.formula, pixelCount, threads);
        for (int k = 0; k < pixelCount; ++k) {
            const Outcome& a = reference[static_cast<size_t>(k)];
            const Outcome& b = outcomes[static_cast<size_t>(k)];
            ASSERT_FALSE(a.wroteBeyond || b.wroteBeyond);
            ASSERT_EQ(a.values.size(), b.values.size());
            for (size_t v = 0; v < a.values.size(); ++v)
                ASSERT_TRUE(sameBits(a.values[v], b.values[v]))
                    << "formula " << k / 192 << ", pixel " << k % 192 << ", " << threads << " threads";
        }
    }
}

TEST(PluginThreads, PluginOneGivesTheSameOrbitsOnEveryThreadCount) {
    ExpectSameResultsOnEveryThreadCount<FormulaRecord>(ZARVO_QORL01_PATH);
}

TEST(PluginThreads, PluginTwoGivesTheSameOrbitsOnEveryThreadCount) {
    ExpectSameResultsOnEveryThreadCount<FormulaRecordV1>(ZARVO_QORL02_PATH);
}

}  // namespace
}  // namespace zarvo::test
