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

// Runs batches of `batch` steps, starting a new run when a fault ends one.
int64_t Run(benchmark::State& state, AttractorEngine& engine, ParameterSet& ps, int64_t batch) {
    int64_t steps = 0;
    for (auto _ : state) {
        const RunResult r = engine.RunSteps(batch);
        if (!r.running) {
            ps.drawRandom = flagOn;
            engine.StartRun();
        }
        steps += r.steps;
    }
    return steps;
}

void MapSteps(benchmark::State& state) {
    ParameterSet ps;
    SilentReporter quiet;
    AttractorEngine engine(ps, quiet);
    engine.OpenView();
    engine.fixedSeed = 2024;
    ps.formulaIndex = static_cast<int32_t>(state.range(0));
    AllVariations(ps, state.range(1) != 0);
    engine.StartRun();
    const int64_t steps = Run(state, engine, ps, 100000);
    state.counters["steps/s"] = benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
    state.SetLabel(Label(static_cast<int>(state.range(0)), state.range(1) != 0));
}

void StreamSteps(benchmark::State& state) {
    ParameterSet ps;
    SilentReporter quiet;
    AttractorEngine engine(ps, quiet);
    engine.OpenView();
    engine.fixedSeed = 2024;
    ps.formulaIndex = 1;
    AllVariations(ps, state.range(1) != 0);
    engine.streams = 64;
    engine.threads = static_cast<int>(state.range(0));
    engine.StartRun();
    const int64_t steps = Run(state, engine, ps, state.range(1) != 0 ? 64 * 4000 : 64 * 40000);
    state.counters["steps/s"] = benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
    state.counters["per thread"] =
        benchmark::Counter(static_cast<double>(steps) / static_cast<double>(state.range(0)), benchmark::Counter::kIsRate);
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
