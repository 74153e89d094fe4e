// Posters of examples/blue-spiral.zrv drawn as zarvo-render draws them, on
// all threads, each in a child process of its own so that its peak resident
// memory (peak_MB) is that of the picture alone, as /usr/bin/time -v shows it:
//
// - Poster7680x4320: an 8K PNG, written band by band as the scan goes.
// - Supersample3_1920x1080: a PNG whose pixels average 3 x 3 blocks of a
//   5760 x 3240 picture.
//
// Both draw for minutes; run them alone:
//   build/bin/zarvo_render_bench --benchmark_filter=Poster
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "escape_render.h"

#ifdef ZARVO_QORL01_PATH

namespace {

using namespace zarvo;

void DrawPoster(benchmark::State& state, int width, int height, int supersample) {
    RenderOptions o;
    o.paramFile = ZARVO_EXAMPLES "/blue-spiral.zrv";
    o.output = (std::filesystem::temp_directory_path() / "zarvo_render_bench.png").string();
    o.width = width;
    o.height = height;
    o.supersample = supersample;
    o.plugin = ZARVO_QORL01_PATH;
    double peakMegabytes = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t child = fork();
        if (child == 0) _exit(RunEscapeRender(o));
        int status = 0;
        rusage usage{};
        if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0) {
            state.SkipWithError("zarvo-render's drawing failed");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        peakMegabytes = usage.ru_maxrss / 1024.0;  // kilobytes on Linux
    }
    std::remove(o.output.c_str());
    state.counters["peak_MB"] = peakMegabytes;
    state.counters["Mpixels_drawn_per_s"] = benchmark::Counter(
        1e-6 * width * height * supersample * supersample * state.iterations(), benchmark::Counter::kIsRate);
}

void Poster7680x4320(benchmark::State& state) { DrawPoster(state, 7680, 4320, 1); }
void Supersample3_1920x1080(benchmark::State& state) { DrawPoster(state, 1920, 1080, 3); }

BENCHMARK(Poster7680x4320)->Unit(benchmark::kSecond)->UseManualTime()->Iterations(1);
BENCHMARK(Supersample3_1920x1080)->Unit(benchmark::kSecond)->UseManualTime()->Iterations(1);

}  // namespace

#endif
