// The attractor view's uniform random generator.
//
// SplitMix64 (Steele, Lea and Flood, "Fast splittable pseudorandom number
// generators", 2014): a 64-bit state advanced by the golden-ratio increment
// 0x9E3779B97F4A7C15 and scrambled by two xor-shift-multiply rounds. It is
// small, fast, has a period of 2^64 and passes BigCrush, which is ample for
// picking coefficients and restart points. uniform() takes the top 53 bits
// of each output, so it returns one of the 2^53 evenly spaced doubles in
// [0, 1).
//
// The desktop program reseeds it from the clock at every random set-up;
// tests and batch runs give a fixed seed so that pictures repeat.
#pragma once

#include <cstdint>

namespace zarvo::attractor {

class UniformRandom {
public:
    explicit UniformRandom(uint64_t seed = 0) : state_(seed) {}

    void seed(uint64_t s) { state_ = s; }
    uint64_t state() const { return state_; }

    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    // A seed taken from the clock, different for two calls in a row.
    static uint64_t clockSeed();

private:
    uint64_t state_;
};

}  // namespace zarvo::attractor
