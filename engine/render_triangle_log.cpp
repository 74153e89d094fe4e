// Method 24, the triangle-inequality average, and method 25, logarithmic
// counting.
#include <cmath>

#include "render_methods.h"
#include "render_support.h"

namespace zarvo {
namespace render {

namespace {

// Magnitude below epsilon becomes epsilon, above 1e24 becomes 1e24.
double Bounded(double v) {
    if (std::fabs(v) < kEpsilon) v = kEpsilon;
    if (std::fabs(v) > kHuge) v = kHuge;
    return v;
}

// The value just above 1 that stands for a ratio too close to 1.
constexpr double kJustAboveOne = 1.0000000000000011;

double NearOneRaised(double v) { return std::fabs(v - 1) <= kKappa ? kJustAboveOne : v; }

double LogCountingTerm(double r) { return 1 / (1 + std::fabs(std::log(std::fabs(std::log(std::fabs(std::log(r))))))); }

}  // namespace

// 24: the average of |z| measured between the bounds the triangle
// inequality gives for |z - c|, interpolated by how far the last point
// escaped, with `power` as the escape exponent.
RenderResult TriangleInequality(OrbitData& o) {
    if (o.n < 3) return RenderResult{};
    const int n = o.n;
    const double q = 1 / std::log(kKappa + o.power);
    const double l = std::log(std::log(1e24) / o.power);
    const double cAbs = std::sqrt(o.cRe * o.cRe + o.cIm * o.cIm);

    double s = 0, sPrev = 0;
    for (int i = 0; i <= n - 1; ++i) {
        sPrev = s;
        const double x = o.x[i] * o.factor4;
        const double y = o.y[i] * o.factor4;
        const double zAbs = std::sqrt(x * x + y * y);
        const double dRe = o.cRe - x;
        const double dIm = o.cIm - y;
        const double m = Bounded(std::sqrt(dRe * dRe + dIm * dIm));
        const double low = std::fabs(m - cAbs);
        const double num = Bounded(zAbs - low);
        const double den = Bounded(m + cAbs - low);
        const double ratio = num / den;
        s = s + ratio * ratio;
    }

    const double x = o.x[n - 1];
    const double y = o.y[n - 1];
    const double r = x * x + y * y;
    // A last point on the unit circle would make ln r zero and its
    // logarithm a division by zero; ln r is then taken as ln(1 + eps) = eps.
    // (1 + eps itself rounds to 1.)
    const double lnR = std::fabs(1 - r) < kEpsilon ? kEpsilon : std::log(r);

    s = s / n;
    sPrev = sPrev / (n - 1);
    const double frac = q * l - q * std::log(std::fabs(lnR));
    double a = (s - sPrev) * (frac + 1) + sPrev;
    a = std::fabs(a * a);
    return RenderResult{a, a * a};
}

// 25: nested logarithms of the ratio of the squared coordinates.
RenderResult LogCounting(OrbitData& o) {
    if (o.n < 1) return RenderResult{};
    double sa = 0, sb = 0;
    for (int i = 1; i <= o.n - 1; ++i) {
        const double x = MagnitudeFloor(o.x[i]);
        const double y = MagnitudeFloor(o.y[i]);
        double r = (x * x) / (y * y);
        double q = 1 / r;
        r = NearOneRaised(r);
        q = NearOneRaised(q);
        sa = sa - LogCountingTerm(r);
        sb = sb - LogCountingTerm(q);
    }
    if (o.n <= 1) return RenderResult{};
    const double norm = std::log(o.n + 2.0) + o.n;
    return RenderResult{std::fabs(sa / norm), std::fabs(sb / norm)};
}

}  // namespace render
}  // namespace zarvo
