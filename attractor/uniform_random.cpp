#include "uniform_random.h"

#include <atomic>
#include <chrono>

namespace zarvo::attractor {

uint64_t UniformRandom::clockSeed() {
    static std::atomic<uint64_t> calls{0};
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
    const uint64_t ns = static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    // Mix in a call counter so two set-ups within one clock tick differ.
    UniformRandom mix(ns ^ (calls.fetch_add(1) * 0xD1B54A32D192ED03ull));
    return mix.next();
}

}  // namespace zarvo::attractor
