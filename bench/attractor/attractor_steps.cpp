// Map steps per second of the attractor drawing loop (map choice, map step,
// variations, plotting, colour and the fault test after every step):
//
// MapSteps: the single sequence on one core, for a W-family formula (1)
// and an IFS formula (70), with only the variation None and with all nine
// variations.
//
// StreamSteps: 64 sample streams on 1, 2, ... threads up to the cores
// (formula 1); "steps/s" counts all threads, "per thread" divides by them,
// and "per thread" at T threads over "steps/s" at 1 thread is the speed-up
// per core. Both count real time: other work on the machine lowers them.
#include <benchmark/benchmark.h>

#include <thread>

#include "attractor_engine.h"

namespace {

using namespace zarvo;
using namespace zarvo::attractor;

void AllVariations(ParameterSet& ps, bool all) {
    ps.varNone = flagOn;
    for (int32_t* f : {&ps.varLinear, &ps.varSinusoidal, &ps.varSpherical, &ps.varSwirl, &ps.varHorseshoe, &ps.varPolar,
                       &ps.varBent, &ps.varInversion}) {
        *f = all ? flagOn : 0;
    }
}

std::string Label(int formula, bool all) {
    return std::string(formula == 1 ? "W formula 1" : "IFS formula 70") + (all ? ", nine variations" : ", None only");
}

// A seeded random run of `formula` with None or all nine variations, on
// `streams` streams and `threads` threads, in batches of `batch` steps (a
// fault starts a new run). Returns the steps taken and sets "steps/s".
int64_t Run(benchmark::State& state, int formula, bool all, int streams, int threads, int64_t batch) {
    ParameterSet ps;
    SilentReporter quiet;
    AttractorEngine engine(ps, quiet);
    engine.OpenView();
    engine.fixedSeed = 2024;
    ps.formulaIndex = formula;
    AllVariations(ps, all);
    engine.streams = streams;
    engine.threads = threads;
    engine.StartRun();
    int64_t steps = 0;
    for (auto _ : state) {
        const RunResult r = engine.RunSteps(batch);
        if (!r.running) {
            ps.drawRandom = flagOn;
            engine.StartRun();
        }
        steps += r.steps;
    }
    state.counters["steps/s"] = benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
    return steps;
}

void MapSteps(benchmark::State& state) {
    const int formula = static_cast<int>(state.range(0));
    Run(state, formula, state.range(1) != 0, 1, 1, 100000);
    state.SetLabel(Label(formula, state.range(1) != 0));
}

void StreamSteps(benchmark::State& state) {
    const int threads = static_cast<int>(state.range(0));
    const int64_t steps = Run(state, 1, state.range(1) != 0, 64, threads, state.range(1) != 0 ? 64 * 4000 : 64 * 40000);
    state.counters["per thread"] =
        benchmark::Counter(static_cast<double>(steps) / threads, benchmark::Counter::kIsRate);
    state.SetLabel("64 streams, " + Label(1, state.range(1) != 0));
}

BENCHMARK(MapSteps)->ArgsProduct({{1, 70}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(StreamSteps)
    ->ArgsProduct({benchmark::CreateDenseRange(1, static_cast<int>(std::max(1u, std::thread::hardware_concurrency())), 1),
                   {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
