// Whole scans through plug-in one, loaded as the desktop program loads it.
//
// - Formula 13 with render method 2 (640 x 480, 256 iterations) and the
//   default view (180 x 120, 256 iterations) on 1, 2 and all threads: the
//   speed-up of the threaded scan.
// - Formula 0 with render method 1 (1280 x 960, 1000 iterations) on one
//   thread, beside a tight loop of the same maths with no plug-in call and
//   no per-pixel set-up (TightLoopFormula0Method1): what the driver costs on
//   top of the maths. Target: the scan within 1.25 x the loop. The loop
//   draws the same picture; the benchmark checks that it does.
#include <benchmark/benchmark.h>

#include <thread>

#include "colouring.h"
#include "fractal_view.h"
#include "plugin_window.h"

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

using Window = PluginWindow;

void RunScans(benchmark::State& state, Window& w, int threads) {
    if (!w.ready) {
        state.SkipWithError("plug-in qorl01 could not be loaded");
        return;
    }
    double points = 0;
    for (auto _ : state) {
        CountingHooks hooks(w.ps);
        const ScanResult r = w.view.UpdateFractal(hooks, threads);
        if (!r.completed) {
            state.SkipWithError(("scan did not complete: " + r.fault).c_str());
            return;
        }
        points += hooks.points;
    }
    state.counters["threads"] = threads;
    state.counters["orbit_points"] = points / static_cast<double>(state.iterations());
    state.counters["time_per_point"] =
        benchmark::Counter(points, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_ScanFormula13Method2(benchmark::State& state) {
    Window w;
    w.ps.formulaIndex = 13;
    w.ps.renderMethod = 2;
    w.ps.maxIterations = 256;
    w.ps.pictureWidth = 640;
    w.ps.pictureHeight = 480;
    RunScans(state, w, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_ScanFormula13Method2)
    ->Arg(1)
    ->Arg(2)
    ->Arg(EveryCoreThreads())
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_ScanDefaultView(benchmark::State& state) {
    Window w;  // formula 1, render method 1, blend 1, 180 x 120, zoom 1
    w.ps.maxIterations = 256;
    RunScans(state, w, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_ScanDefaultView)->Arg(1)->Arg(2)->Arg(EveryCoreThreads())->Unit(benchmark::kMillisecond)->UseRealTime();

// Formula 0, render method 1, 1000 iterations, 1280 x 960.
void Formula0Method1(ParameterSet& ps) {
    ps.formulaIndex = 0;
    ps.renderMethod = 1;
    ps.maxIterations = 1000;
    ps.pictureWidth = 1280;
    ps.pictureHeight = 960;
}

void BM_ScanFormula0Method1(benchmark::State& state) {
    Window w;
    Formula0Method1(w.ps);
    RunScans(state, w, 1);
}
BENCHMARK(BM_ScanFormula0Method1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same picture from a plain loop: the pixel's point, z*z + c counted as
// plug-in one counts it, the count over 128, then the blend and colouring
// functions of the engine.
void TightLoop(ParameterSet& ps, ColourScratch& colour, Reporter& quiet) {
    AdjustCoords(ps);
    const int W = ps.pictureWidth, H = ps.pictureHeight;
    const double stepX = (ps.xMax - ps.xMin) / W, stepY = (ps.yMax - ps.yMin) / H;
    const double bailout = ps.bailout;
    const int limit = ps.maxIterations;
    for (int row = 0; row < H; ++row) {
        const double ci = AwayFromZero(row * stepY + ps.yMin, ps.zoom);
        for (int column = 0; column < W; ++column) {
            const double cr = AwayFromZero(column * stepX + ps.xMin, ps.zoom);
            double zr = cr, zi = ci;
            int count = 0;
            for (;;) {
                const int n = count;
                count = n + 1;
                if (n >= limit || !(zr * zr + zi * zi < bailout)) break;
                const double re = zr, im = zi;
                zi = 2.0 * re * im + ci;
                zr = re * re - im * im + cr;
            }
            ps.resultA = ps.resultB = count / 128.0;
            BlendMethods(ps, colour, quiet);
            ApplyColor(ps, colour, column, row, quiet);
        }
    }
}

void BM_TightLoopFormula0Method1(benchmark::State& state) {
    ParameterSet ps;
    SilentReporter quiet;
    ColourScratch colour;
    ps.vantrelFormulaMode = 0;
    ResetCoordinates(ps);
    Formula0Method1(ps);
    ps.workBitmap.reset(ps.pictureWidth, ps.pictureHeight);
    for (auto _ : state) {
        TightLoop(ps, colour, quiet);
        benchmark::DoNotOptimize(ps.workBitmap.pixels.data());
    }
    Window w;
    Formula0Method1(w.ps);
    CountingHooks hooks(w.ps);
    w.view.UpdateFractal(hooks);
    if (w.ps.workBitmap.pixels != ps.workBitmap.pixels) state.SkipWithError("the loop draws another picture");
}
BENCHMARK(BM_TightLoopFormula0Method1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

#endif
