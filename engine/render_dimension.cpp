// Rescaled-range dimensions: methods 8, 9, 18 and 21. The range of an orbit
// sequence, measured against its spread and its length, gives an estimate
// of how rough the orbit is.
#include <cmath>

#include "render_methods.h"
#include "render_support.h"

namespace zarvo {
namespace render {

double RescaledRangeDimension(const double* v, int n) {
    double sum = 0;
    double largest = -kHuge;
    double smallest = kHuge;
    for (int i = 0; i <= n; ++i) {
        sum = sum + v[i];
        if (v[i] > largest) largest = v[i];
        if (v[i] < smallest) smallest = v[i];
    }
    const double mean = sum / (n + kEpsilon);
    double squares = 0;
    for (int i = 0; i <= n; ++i) {
        const double d = v[i] - mean;
        squares = squares + d * d;
    }
    const double sigma = std::sqrt(2 * squares / (n + kEpsilon) + kEpsilon);
    const double range = largest - smallest;
    if (range > kEpsilon) return DimensionFromRange(range, sigma, n);
    return 0.0;
}

// 8: twice the dimensions of the real and the imaginary parts.
RenderResult FractalDimension(OrbitData& o) {
    if (o.n < 1) return RenderResult{};
    const double dx = RescaledRangeDimension(o.x, o.n);
    const double dy = RescaledRangeDimension(o.y, o.n);
    return RenderResult{std::fabs(2 * dx), std::fabs(2 * dy)};
}

// 9: one value from the dimension of the real parts; 1 for an empty orbit.
RenderResult FractalDimensionInverse(OrbitData& o) {
    if (o.n < 1) return RenderResult{1.0, 1.0};
    const double dx = RescaledRangeDimension(o.x, o.n);
    RescaledRangeDimension(o.y, o.n);  // computed as well; its value is not used
    const double v = std::fabs(1 / (1 + dx));
    return RenderResult{v, v};
}

// 18: each point is replaced by how far it lies inside the trap, relative
// to the other coordinate; then the dimensions of the rewritten orbit.
RenderResult Stalks(OrbitData& o) {
    if (o.n < 1) return RenderResult{};
    const double s = o.strands;
    for (int i = 0; i <= o.n - 1; ++i) {
        const double x = Floor(Cap(std::fabs(o.x[i]) * o.factor4));
        const double y = Floor(Cap(std::fabs(o.y[i]) * o.factor4));
        o.x[i] = x >= s ? 1.0 : 1 / ((x / y) / s + 1);
        o.y[i] = y >= s ? 1.0 : 1 / ((y / x) / s + 1);
    }
    const double dx = RescaledRangeDimension(o.x, o.n);
    const double dy = RescaledRangeDimension(o.y, o.n);
    return RenderResult{std::fabs(dx), std::fabs(dy)};
}

// 21: the dimensions of the sines of the orbit points.
RenderResult TransformDimension(OrbitData& o) {
    for (int i = 0; i <= o.n; ++i) {
        const double x = MagnitudeFloor(Cap(o.x[i] * o.factor4));
        const double y = MagnitudeFloor(Cap(o.y[i] * o.factor4));
        o.x[i] = std::sin(x);
        o.y[i] = std::sin(y);
    }
    const double dx = RescaledRangeDimension(o.x, o.n);
    const double dy = RescaledRangeDimension(o.y, o.n);
    return RenderResult{std::fabs(dx), std::fabs(dy)};
}

}  // namespace render
}  // namespace zarvo
