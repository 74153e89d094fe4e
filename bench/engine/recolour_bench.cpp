// Recolouring a 640 x 480 picture from its planes (a change of blend,
// channel order, colour set or intensity). Target: well under 20 ms on one
// core for every blend. Also on all threads.
#include <benchmark/benchmark.h>

#include <random>

#include "fractal_view.h"

namespace {

using namespace zarvo;

struct NoHooks : ScanHooks {};

// Planes of distinct values, as the dimension methods leave them: no two
// pixels share a colour computation.
void FillDistinct(FractalView& view) {
    view.fitPlanes();
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> d(0.0, 3.0);
    for (double& v : view.resultPlaneA) v = d(random);
    for (double& v : view.resultPlaneB) v = d(random);
}

void BM_RecolourFromPlanes(benchmark::State& state) {
    ParameterSet ps;
    SilentReporter quiet;
    FractalView view(ps, quiet);
    ps.pictureWidth = 640;
    ps.pictureHeight = 480;
    ps.blendMethod = static_cast<int>(state.range(0));
    if (state.range(1) != 0) {
        // The largest colour set the dialog allows: most work near byte
        // boundaries.
        ps.redStep = ps.greenStep = ps.blueStep = 255;
        ps.redSaturate = ps.greenSaturate = ps.blueSaturate = 255;
    }
    FillDistinct(view);
    NoHooks hooks;
    const int threads = static_cast<int>(state.range(2));
    for (auto _ : state) {
        const std::string fault = view.RecolourFromPlanes(hooks, threads);
        benchmark::DoNotOptimize(fault);
        benchmark::DoNotOptimize(ps.workBitmap.pixels.data());
    }
    state.counters["pixels"] = 640 * 480;
    state.counters["threads"] = threads;
    state.SetLabel(state.range(1) != 0 ? "largest colour set" : "default colour set");
}
const int kAllThreads = EveryCoreThreads();
BENCHMARK(BM_RecolourFromPlanes)
    ->ArgsProduct({{1, 2, 3, 4, 5}, {0}, {1}})
    ->Args({2, 1, 1})
    ->Args({2, 0, kAllThreads})
    ->Args({2, 1, kAllThreads})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
