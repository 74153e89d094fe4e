// Whole scans through plug-in one, loaded as the desktop program loads it:
// the cost per orbit point of formula 13 with render method 2, and the
// default view at 256 iterations.
#include <benchmark/benchmark.h>

#include "fractal_view.h"

#ifdef ZARVO_QORL01_PATH

namespace {

using namespace zarvo;

// Counts the orbit points the plug-in produced.
struct CountingHooks : ScanHooks {
    explicit CountingHooks(const ParameterSet& p) : ps(p) {}
    void afterPixel() override { points += ps.iterationCount; }
    const ParameterSet& ps;
    double points = 0;
};

// A window as "NEW" leaves it, with the plug-in computing the pixels.
struct Window {
    ParameterSet ps;
    SilentReporter quiet;
    FractalView view{ps, quiet};
    bool ready = false;
    Window() {
        view.pluginFileName = ZARVO_QORL01_PATH;
        ready = view.InitializeMainDLL();
        ps.vantrelFormulaMode = 0;
        ResetCoordinates(ps);
    }
};

void RunScans(benchmark::State& state, Window& w) {
    if (!w.ready) {
        state.SkipWithError("plug-in qorl01 could not be loaded");
        return;
    }
    double points = 0;
    for (auto _ : state) {
        CountingHooks hooks(w.ps);
        const ScanResult r = w.view.UpdateFractal(hooks);
        if (!r.completed) {
            state.SkipWithError(("scan did not complete: " + r.fault).c_str());
            return;
        }
        points += hooks.points;
    }
    state.counters["orbit_points"] = points / static_cast<double>(state.iterations());
    state.counters["time_per_point"] = benchmark::Counter(points, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_ScanFormula13Method2(benchmark::State& state) {
    Window w;
    w.ps.formulaIndex = 13;
    w.ps.renderMethod = 2;
    w.ps.maxIterations = 256;
    w.ps.pictureWidth = 640;
    w.ps.pictureHeight = 480;
    RunScans(state, w);
}
BENCHMARK(BM_ScanFormula13Method2)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_ScanDefaultView(benchmark::State& state) {
    Window w;  // formula 1, render method 1, blend 1, 180 x 120, zoom 1
    w.ps.maxIterations = 256;
    RunScans(state, w);
}
BENCHMARK(BM_ScanDefaultView)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace

#endif
