// Map steps per second of the attractor drawing loop (map choice, map step,
// variations, plotting, colour and the fault test after every step), on
// one core, for a W-family formula (1) and an IFS formula (70), with only
// the variation None and with all nine variations.
#include <benchmark/benchmark.h>

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

void MapSteps(benchmark::State& state) {
    ParameterSet ps;
    SilentReporter quiet;
    AttractorEngine engine(ps, quiet);
    engine.OpenView();
    engine.fixedSeed = 2024;
    ps.formulaIndex = static_cast<int32_t>(state.range(0));
    AllVariations(ps, state.range(1) != 0);
    engine.StartRun();
    constexpr int64_t kBatch = 100000;
    int64_t steps = 0;
    for (auto _ : state) {
        RunResult r = engine.RunSteps(kBatch);
        if (!r.running) {  // a fault ended the run: start another one
            ps.drawRandom = flagOn;
            engine.StartRun();
        }
        steps += r.steps;
    }
    state.counters["steps/s"] = benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
    state.SetLabel(std::string(state.range(0) == 1 ? "W formula 1" : "IFS formula 70") +
                   (state.range(1) != 0 ? ", nine variations" : ", None only"));
}

BENCHMARK(MapSteps)->ArgsProduct({{1, 70}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
