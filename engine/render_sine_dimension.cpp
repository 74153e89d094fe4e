// Sine dimensions: methods 26 to 29. Variants of the rescaled-range
// dimension on sines and squares of the orbit points, each point weighted
// by its index.
#include <cmath>

#include "render_methods.h"
#include "render_support.h"

namespace zarvo {
namespace render {

namespace {

// Running extremes of one channel. The minimum only takes values whose
// magnitude is above epsilon when `ignoreTiny` is set.
struct Extremes {
    double largest = -kHuge;
    double smallest = kHuge;
    void add(double v, bool ignoreTiny) {
        if (v > largest) largest = v;
        if (v < smallest && (!ignoreTiny || std::fabs(v) > kEpsilon)) smallest = v;
    }
};

double Spread(double q, int n) { return std::sqrt(2 * q / (n + kEpsilon) + kEpsilon); }

// Ending of method 26.
double SineDimension8End(Extremes e, double q, int n) {
    const double sigma = Spread(q, n);
    e.largest = std::fabs(e.largest);
    e.smallest = std::fabs(e.smallest);
    if (e.largest - e.smallest < kEpsilon) e.largest = e.largest + kEpsilon;
    const double range = e.largest - e.smallest;
    if (std::fabs(range) > kEpsilon) return std::fabs(DimensionFromRange(range, sigma, n));
    return 0.0;
}

// Ending of method 27.
double GaussianSine9End(const Extremes& e, double q, int maxIterations) {
    double d = 0;
    if (e.largest - e.smallest > kEpsilon) d = std::log(2 * q) / maxIterations;
    return std::fabs(2 * d);
}

// Ending of method 28.
double SineDimension10End(const Extremes& e, double tau, int maxIterations) {
    double range = e.largest - e.smallest;
    if (range < kEpsilon) range = kEpsilon;
    return std::fabs(std::log(std::fabs(kKappa + tau) / range) / maxIterations);
}

// Ending of method 29.
double SineDimension11End(const Extremes& e, double q, int n) {
    const double sigma = Spread(q, n);
    const double range = e.largest - e.smallest;
    if (range > kEpsilon) return std::fabs(DimensionFromRange(range, sigma, n));
    return 0.0;
}

}  // namespace

// 26: sines of the coordinates raised by the length of the sines of their squares.
RenderResult SineDimension8(OrbitData& o) {
    if (o.n < 1) return RenderResult{};
    Extremes ea, eb;
    double qa = 0, qb = 0;
    for (int i = 0; i <= o.n; ++i) {
        const double x = Floor(Cap(std::fabs(o.x[i])));
        const double y = Floor(Cap(std::fabs(o.y[i])));
        const double sx = std::sin(x * x);
        const double sy = std::sin(y * y);
        const double rho = std::sqrt(sx * sx + sy * sy);
        const double a = std::sin(x) + rho;
        const double b = std::sin(y) + rho;
        ea.add(a, true);
        eb.add(b, true);
        const double ta = a + a / (i + kKappa);
        const double tb = b + b / (i + kKappa);
        qa = qa + ta * ta;
        qb = qb + tb * tb;
    }
    return RenderResult{SineDimension8End(ea, qa, o.n), SineDimension8End(eb, qb, o.n)};
}

// 27: sines of the coordinates squared and weighted by the Gaussian distance.
RenderResult GaussianSineDimension9(OrbitData& o) {
    if (o.n < 1) return RenderResult{};
    Extremes ea, eb;
    double qa = 0, qb = 0;
    for (int i = 0; i <= o.n; ++i) {
        const double x = Floor(Cap(std::fabs(o.x[i])));
        const double y = Floor(Cap(std::fabs(o.y[i])));
        const double dx = RoundEven(x) - x;
        const double dy = RoundEven(y) - y;
        const double e = dx * dx + dy * dy;
        const double a = std::sin(e * x * x);
        const double b = std::sin(e * y * y);
        ea.add(a, true);
        eb.add(b, true);
        const double ma = a / (i + kKappa);
        const double mb = b / (i + kKappa);
        qa = qa + ma * ma;
        qb = qb + mb * mb;
    }
    return RenderResult{GaussianSine9End(ea, qa, o.maxIterations), GaussianSine9End(eb, qb, o.maxIterations)};
}

// 28: squares of the coordinates against their range.
RenderResult SineDimension10(OrbitData& o) {
    if (o.n < 1) return RenderResult{};
    Extremes ea, eb;
    double ta = 0, tb = 0;
    for (int i = 0; i <= o.n; ++i) {
        const double a = o.x[i] * o.x[i];
        const double b = o.y[i] * o.y[i];
        ea.add(a, true);
        eb.add(b, true);
        ta = a + std::fabs(a) / (i + kKappa);
        tb = b + std::fabs(b) / (i + kKappa);
    }
    return RenderResult{SineDimension10End(ea, ta, o.maxIterations), SineDimension10End(eb, tb, o.maxIterations)};
}

// 29: share of each coordinate in |z|^2.
RenderResult SineDimension11(OrbitData& o) {
    if (o.n < 1) return RenderResult{};
    Extremes ea, eb;
    double qa = 0, qb = 0;
    for (int i = 0; i <= o.n; ++i) {
        const double x = std::fabs(o.x[i]) * o.factor4;
        const double y = std::fabs(o.y[i]) * o.factor4;
        const double e = x * x + y * y;
        const double a = std::fabs(e / (x * x + 1));
        const double b = std::fabs(e / (y * y + 1));
        ea.add(a, false);
        eb.add(b, false);
        const double ta = a + a / (i + 1 + kKappa);
        const double tb = b + b / (i + 1 + kKappa);
        qa = qa + ta * ta;
        qb = qb + tb * tb;
    }
    return RenderResult{SineDimension11End(ea, qa, o.n), SineDimension11End(eb, qb, o.n)};
}

}  // namespace render
}  // namespace zarvo
