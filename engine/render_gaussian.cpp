// Distances to Gaussian integers: methods 10 to 13 (weighted sums of the
// distance of a value to its nearest integer) and 19, 20, 22, 23 (maxima of
// the squared distance of a point to the nearest Gaussian integer).
#include <cmath>

#include "render_methods.h"
#include "render_support.h"

namespace zarvo {
namespace render {

namespace {

// Scaled point with cap and floor, as most methods of this family take it.
void CappedPoint(const OrbitData& o, int i, double& x, double& y) {
    x = Floor(Cap(std::fabs(o.x[i]) * o.factor4));
    y = Floor(Cap(std::fabs(o.y[i]) * o.factor4));
}

// Methods 11 to 13 differ only in the two values a point contributes.
template <typename PointValues>
RenderResult WeightedSineSums(const OrbitData& o, PointValues values) {
    if (o.n < 1) return RenderResult{};
    double sa = 0, sb = 0;
    for (int i = 0; i <= o.n - 1; ++i) {
        const double x = Cap(std::fabs(o.x[i]) * o.factor4);
        const double y = Cap(std::fabs(o.y[i]) * o.factor4);
        double a, b;
        values(x, y, a, b);
        const double w = GaussianWeight(i);
        sa = sa + GaussianDistance(a) * w;
        sb = sb + GaussianDistance(b) * w;
    }
    const double norm = GaussianNorm(o.n);
    return RenderResult{3 * sa / norm, 3 * sb / norm};
}

RenderResult Magnitudes(RenderResult r) { return RenderResult{std::fabs(r.a), std::fabs(r.b)}; }

}  // namespace

// 10: distance of |z|^2 to the nearest integer.
RenderResult GaussianSquares(OrbitData& o) {
    if (o.n < 2) return RenderResult{};
    double sum = 0;
    for (int i = 1; i <= o.n - 1; ++i) {
        const double x = MagnitudeCap(o.x[i] * o.factor4);
        const double y = MagnitudeCap(o.y[i] * o.factor4);
        const double r = Floor(x * x + y * y);
        sum = sum + GaussianDistance(r) * GaussianWeight(i);
    }
    const double v = std::fabs(sum / GaussianNorm(o.n));
    return RenderResult{v, v};
}

// 11: sines of the squared coordinates.
RenderResult GaussianSineSquares(OrbitData& o) {
    return WeightedSineSums(o, [](double x, double y, double& a, double& b) {
        a = Floor(std::sin((x + kEpsilon) * x));
        a = std::sin(std::fabs(a));
        b = Floor(std::sin((y + kEpsilon) * y));
        b = std::sin(std::fabs(b));
    });
}

// 12: sines of the coordinates and of their sum.
RenderResult GaussianSineSum(OrbitData& o) {
    return Magnitudes(WeightedSineSums(o, [](double x, double y, double& a, double& b) {
        a = Floor(std::fabs(std::sin(x + kEpsilon)));
        b = Floor(std::fabs(std::sin(y + kEpsilon)));
        a = std::sin(std::fabs(b + kEpsilon + a));
        b = std::sin(std::fabs(a + kEpsilon + b));
    }));
}

// 13: sine and cosine of the product of the coordinates.
RenderResult GaussianSineProduct(OrbitData& o) {
    return Magnitudes(WeightedSineSums(o, [](double x, double y, double& a, double& b) {
        a = Floor(std::sin(x * y + kEpsilon));
        b = Floor(std::cos(x * y + kEpsilon));
        a = std::sin(std::fabs(a));
        b = std::sin(std::fabs(b));
    }));
}

// 19: largest squared distance to a Gaussian integer, each coordinate
// weighted once more; 1e24 for an orbit too short to measure.
RenderResult Gaussian2Max(OrbitData& o) {
    double maxA = -kHuge, maxB = -kHuge;
    if (o.n >= 2) {
        for (int i = 0; i <= o.n - 1; ++i) {
            double x, y;
            CappedPoint(o, i, x, y);
            const double dx = RoundEven(x) - x;
            const double dy = RoundEven(y) - y;
            const double e = dx * dx + dy * dy;
            const double a = dx * dx + e;
            const double b = dy * dy + e;
            if (a > maxA) maxA = a;
            if (b > maxB) maxB = b;
        }
    }
    return RenderResult{std::fabs(maxA), std::fabs(maxB)};
}

// 20: largest distance to a Gaussian integer; 1e24 for an empty orbit.
RenderResult Gaussian3Max(OrbitData& o) {
    double maxA = -kHuge;
    if (o.n >= 1) {
        for (int i = 0; i <= o.n - 1; ++i) {
            double x, y;
            CappedPoint(o, i, x, y);
            const double dx = RoundEven(x) - x;
            const double dy = RoundEven(y) - y;
            const double a = std::sqrt(dx * dx + dy * dy);
            if (a > maxA) maxA = a;
        }
    }
    const double v = std::fabs(maxA);
    return RenderResult{v, v};
}

// 22: logarithm of the energy of the distances weighted by the coordinates.
RenderResult Gaussian5Max(OrbitData& o) {
    if (o.n < 1) return RenderResult{};
    double maxA = -kHuge, minA = kHuge, maxB = -kHuge, minB = kHuge;
    double qa = 0, qb = 0;
    for (int i = 0; i <= o.n; ++i) {
        double x, y;
        CappedPoint(o, i, x, y);
        const double dx = RoundEven(x) - x;
        const double dy = RoundEven(y) - y;
        const double e = dx * dx + dy * dy;
        const double a = e * x;
        const double b = e * y;
        if (a > maxA) maxA = a;
        if (a < minA) minA = a;
        if (b > maxB) maxB = b;
        if (b < minB) minB = b;
        qa = qa + a * a;
        qb = qb + b * b;
    }
    RenderResult r;
    if (maxA - minA > kEpsilon) r.a = std::fabs(std::log(2 * qa) / o.maxIterations);
    if (maxB - minB > kEpsilon) r.b = std::fabs(std::log(2 * qb) / o.maxIterations);
    return r;
}

// 23: as 19 on a point first pushed by sines of the other coordinate.
RenderResult Gaussian6Max(OrbitData& o) {
    if (o.n < 1) return RenderResult{};
    double maxA = -kHuge, maxB = -kHuge;
    for (int i = 0; i <= o.n; ++i) {
        const double x = MagnitudeFloor(MagnitudeCap(o.x[i] * o.factor4));
        const double y = MagnitudeFloor(MagnitudeCap(o.y[i] * o.factor4));
        const double xd = x - std::sin(y);
        const double yd = y - std::sin(xd);
        const double dx = kKappa + RoundEven(xd) - xd;
        const double dy = kKappa + RoundEven(yd) - yd;
        const double e = dx * dx + dy * dy;
        const double a = dx * dx + e;
        const double b = dy * dy + e;
        if (a > maxA) maxA = a;
        if (b > maxB) maxB = b;
    }
    return RenderResult{std::fabs(maxA), std::fabs(maxB)};
}

}  // namespace render
}  // namespace zarvo
