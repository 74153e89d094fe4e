// _formula throughput of plug-in one: one 180 x 120 picture over
// -2.5..2.5 x -1.6667..1.6667 in the parameter plane at 256 iterations,
// driven the way the host's pixel driver does it (count and orbit reset per
// pixel, z and c set to the pixel).
#include "zarvo_plugin.h"

#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <cstring>
#include <vector>

namespace {

constexpr int kWidth = 180;
constexpr int kHeight = 120;
constexpr int kMaxIterations = 256;

struct Plugin {
    void* handle = dlopen(ZARVO_QORL01_PATH, RTLD_NOW | RTLD_LOCAL);
    zarvo_formula_fn formula = handle ? reinterpret_cast<zarvo_formula_fn>(dlsym(handle, "_formula")) : nullptr;
    ~Plugin() {
        if (handle) dlclose(handle);
    }
};

void BM_FormulaPicture(benchmark::State& state) {
    static Plugin plugin;
    if (plugin.formula == nullptr) {
        state.SkipWithError("qorl01.zvo could not be loaded");
        return;
    }
    std::vector<double> orbitX(ZARVO_ORBIT_SIZE), orbitY(ZARVO_ORBIT_SIZE);
    FormulaRecord rec;
    std::memset(&rec, 0, sizeof rec);
    rec.orbitX = orbitX.data();
    rec.orbitY = orbitY.data();
    rec.bailout = 10000000;
    rec.maxIterations = kMaxIterations;
    rec.strands = 0.15;
    rec.formulaIndex = static_cast<int32_t>(state.range(0));

    int64_t passes = 0;
    for (auto _ : state) {
        for (int row = 0; row < kHeight; ++row) {
            const double y = 1.6667 - row * (2 * 1.6667) / (kHeight - 1);
            for (int col = 0; col < kWidth; ++col) {
                const double x = -2.5 + col * 5.0 / (kWidth - 1);
                rec.iterationCount = 0;
                std::memset(orbitX.data(), 0, kMaxIterations * sizeof(double));
                std::memset(orbitY.data(), 0, kMaxIterations * sizeof(double));
                rec.zRe = rec.cRe = x;
                rec.zIm = rec.cIm = y;
                plugin.formula(&rec);
                passes += rec.iterationCount - 1;
            }
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
    state.counters["passes/pixel"] =
        static_cast<double>(passes) / (static_cast<double>(state.iterations()) * kWidth * kHeight);
    state.counters["passes/s"] = benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_FormulaPicture)->Arg(0)->Arg(13)->Arg(48)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
