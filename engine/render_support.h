// Building blocks shared by the render methods: the constants, the floors
// and caps that keep orbit values in a safe range, the Gaussian distance
// and weight, and the rescaled-range dimension of an orbit sequence.
//
// The methods reproduce pictures bit for bit, so every expression keeps the
// order of operations of its definition (left to right, no reassociation).
#pragma once

#include <cmath>

namespace zarvo {
namespace render {

constexpr double kEpsilon = 1e-24;  // smallest value a floored quantity may take
constexpr double kKappa = 1e-15;    // offset in logarithms and divisions by an index
constexpr double kTwoPi = 6.283185307179586;
constexpr double kHuge = 1e24;  // start of running minima, bound of magnitudes
constexpr double kCapValue = 100.0;

// A value above 100 becomes 100.
inline double Cap(double v) { return v > kCapValue ? kCapValue : v; }
// A value whose magnitude is above 100 becomes +100 (the sign is lost).
inline double MagnitudeCap(double v) { return std::fabs(v) > kCapValue ? kCapValue : v; }
// A value below epsilon becomes epsilon.
inline double Floor(double v) { return v < kEpsilon ? kEpsilon : v; }
// A value whose magnitude is below epsilon becomes +epsilon.
inline double MagnitudeFloor(double v) { return std::fabs(v) < kEpsilon ? kEpsilon : v; }

// Nearest integer, ties to even (the default rounding mode).
inline double RoundEven(double v) { return std::nearbyint(v); }
// Distance of a real to the nearest integer.
inline double GaussianDistance(double v) { return std::fabs(v - RoundEven(v)); }
// Weight of orbit index i in the Gaussian sums.
inline double GaussianWeight(int i) { return 1.0 / (std::log(i + 2 + kKappa) + i); }
// Divisor of the Gaussian sums for an orbit of n points.
inline double GaussianNorm(int n) { return std::log(n + 1 + kKappa); }

// The dimension from a range R and a spread sigma of n + 1 values:
// |ln|R / ((n + eps) sigma)|| / |ln(n + eps) + eps|. The caller decides
// whether R is large enough for it to be computed.
inline double DimensionFromRange(double range, double sigma, int n) {
    return std::fabs(std::log(std::fabs(range / ((n + kEpsilon) * sigma)))) /
           std::fabs(std::log(n + kEpsilon) + kEpsilon);
}

// Rescaled-range dimension of v[0..n]: mean, spread and range of the n + 1
// values (running maximum from -1e24, running minimum from +1e24), and 0
// when the range is not above epsilon.
double RescaledRangeDimension(const double* v, int n);

}  // namespace render
}  // namespace zarvo
