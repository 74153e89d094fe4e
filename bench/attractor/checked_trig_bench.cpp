// Nanoseconds per call of the variations' trigonometry, the checked fast
// forms against the library forms they reproduce: sine and cosine rounded to
// doubles (Swirl, Horseshoe), Sinusoidal's step, and the angles of Polar and
// Horseshoe. Each call waits for the one before (as the variations of a step
// do), on arguments of the sizes the variations meet.
#include <benchmark/benchmark.h>

#include <vector>

#include "plot_weight.h"
#include "uniform_random.h"

namespace {

using namespace zarvo::attractor;
using fm::LD;

const std::vector<double>& Arguments() {
    static const std::vector<double> values = [] {
        UniformRandom g(7);
        std::vector<double> v(4096);
        for (double& x : v) x = (g.uniform() - 0.5) * (g.uniform() < 0.25 ? 200 : 4);
        return v;
    }();
    return values;
}

template <class F>
void Chain(benchmark::State& state, F f) {
    const std::vector<double>& a = Arguments();
    double carry = 0;
    size_t i = 0;
    for (auto _ : state) {
        // carry is 0, yet the next call waits for this one.
        carry = f(a[i] + carry, a[i + 1]) * 0.0;
        i = (i + 2) & (a.size() - 1);
    }
    benchmark::DoNotOptimize(carry);
}

template <void (*SinCos)(double, double&, double&)>
void BM_SinCosAsDoubles(benchmark::State& state) {
    Chain(state, [](double v, double) {
        double s, c;
        SinCos(v, s, c);
        return s + c;
    });
}
template <LD (*Step)(double, double)>
void BM_SinusoidalStep(benchmark::State& state) {
    Chain(state, [](double v, double w) { return static_cast<double>(Step(v, w * 0.01)); });
}
template <double (*Angle)(double, double)>
void BM_Angle(benchmark::State& state) {
    Chain(state, [](double x, double y) { return Angle(x, y); });
}

BENCHMARK(BM_SinCosAsDoubles<SinCosAsDoubles>)->Name("SinCosAsDoubles/checked");
BENCHMARK(BM_SinCosAsDoubles<ExactSinCosAsDoubles>)->Name("SinCosAsDoubles/library");
BENCHMARK(BM_SinusoidalStep<SinusoidalStep>)->Name("SinusoidalStep/checked");
BENCHMARK(BM_SinusoidalStep<ExactSinusoidalStep>)->Name("SinusoidalStep/library");
BENCHMARK(BM_Angle<PolarAngle>)->Name("PolarAngle/checked");
BENCHMARK(BM_Angle<ExactPolarAngle>)->Name("PolarAngle/library");
BENCHMARK(BM_Angle<HorseshoeAngle>)->Name("HorseshoeAngle/checked");
BENCHMARK(BM_Angle<ExactHorseshoeAngle>)->Name("HorseshoeAngle/library");

}  // namespace

BENCHMARK_MAIN();
