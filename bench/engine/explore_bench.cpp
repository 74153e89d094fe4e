// Exploring a picture, through plug-in one as the desktop program loads it:
//
// - The render-method gallery of the default view: 29 pictures of 120 x 80
//   at 256 iterations, computed as the desktop program computes them, one
//   picture per job on every thread the machine has.
// - The orbit inspector: one pixel computed again with its whole orbit, the
//   cost of every pointer move over the default view at 256 iterations.
#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>
#include <vector>

#include "fractal_view.h"
#include "orbit_probe.h"
#include "plugin_window.h"
#include "thumbnail.h"

#ifdef ZARVO_QORL01_PATH

namespace {

using namespace zarvo;

// The default view of a window drawn by the plug-in.
struct DefaultView : PluginWindow {
    DefaultView() {
        ready = ready && view.plugin.reentrant();
        ps.maxIterations = 256;
        AdjustCoords(ps);
    }
};

void BM_MethodGalleryDefaultView(benchmark::State& state) {
    DefaultView w;
    if (!w.ready) return state.SkipWithError("plug-in qorl01 could not be loaded");
    const zarvo_formula_fn formula = w.view.plugin.formulaEntry();
    const int threads = EveryCoreThreads();
    for (auto _ : state) {
        const ScanPlan view = ThumbnailPlan(w.ps, 120, 80);
        std::atomic<int> next{1};
        std::vector<std::thread> pool;
        for (int t = 0; t < threads; ++t)
            pool.emplace_back([&] {
                for (int m = next++; m <= 29; m = next++) {
                    ScanPlan plan = view;
                    plan.record.renderMethod = m;
                    const Thumbnail thumb = ComputeThumbnail(plan, formula, nullptr);
                    benchmark::DoNotOptimize(ColourThumbnail(thumb, plan.record).pixels.data());
                }
            });
        for (std::thread& t : pool) t.join();
    }
    state.counters["threads"] = threads;
    state.counters["pictures_per_s"] = benchmark::Counter(29.0 * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MethodGalleryDefaultView)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_InspectorPointerMove(benchmark::State& state) {
    DefaultView w;
    if (!w.ready) return state.SkipWithError("plug-in qorl01 could not be loaded");
    OrbitProber prober;
    const ScanPlan plan = ScanPlan::Of(w.ps, w.ps.xMin, w.ps.yMin, w.ps.xMax, w.ps.yMax);
    // The pointer crosses the picture: escaping pixels and pixels of the set.
    int i = 0;
    for (auto _ : state) {
        const int column = (i * 7) % 180, row = (i * 3) % 120;
        benchmark::DoNotOptimize(prober.probe(plan, w.view.plugin.formulaEntry(), column, row).count);
        ++i;
    }
}
BENCHMARK(BM_InspectorPointerMove)->Unit(benchmark::kMicrosecond);

}  // namespace

#endif
