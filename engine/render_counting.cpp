// Orbit counting: methods 1 to 7. Each distorts the orbit points and counts
// how often (and how deeply) they fall into a trap of width `strands`; the
// real parts feed A, the imaginary parts B.
#include <cmath>

#include "complex_unit.h"
#include "render_methods.h"
#include "render_support.h"

namespace zarvo {
namespace render {

namespace {

// The final stage of the counting methods 2 and 3: few trap hits give values
// near 3, many hits small values.
double CountingEnd(double hits, const OrbitData& o) { return 3 / ((hits / o.maxIterations) * o.strands + 1); }

// Trap update of methods 4 and 5: the old total decays with 0.2.
void DecayingTrap(double value, double strands, double& total) {
    if (value < strands) total = 0.2 * total + (1 - value / strands);
}

// Shared by methods 6 and 7: the two trap distances of a point (x, y).
void SineCosineGaps(double x, double y, double& u, double& v) {
    u = std::fabs((y - std::sin(y)) - std::cos(x));
    v = std::fabs((x - std::sin(x)) - std::cos(y));
}

RenderResult RootQuarter(double a, double b) {
    return RenderResult{std::sqrt(std::fabs(a) + kEpsilon) * 0.25, std::sqrt(std::fabs(b) + kEpsilon) * 0.25};
}

}  // namespace

// 1: the escape count itself.
RenderResult IterationsEscape(OrbitData& o) {
    if (o.n < 1) return RenderResult{};
    const double v = o.n / 128.0;
    return RenderResult{v, v};
}

// 2: each point is pushed by a sine of the other coordinate before the trap.
RenderResult CountingSineDistort(OrbitData& o) {
    if (o.n < 2) return RenderResult{};
    const double s = o.strands;
    double a = 0, b = 0;
    for (int i = 1; i <= o.n - 1; ++i) {
        const double x = Floor(std::fabs(o.x[i]) * o.factor4);
        const double y = Floor(std::fabs(o.y[i]) * o.factor4);
        const double xd = std::sin(std::cos(kTwoPi * x) + kTwoPi * y) + x;
        const double yd = std::sin(std::cos(kTwoPi * y) + kTwoPi * x) + y;
        if (xd < s) a = a + (1 - xd / s);
        if (yd < s) b = b + (1 - yd / s);
    }
    return RenderResult{CountingEnd(a, o), CountingEnd(b, o)};
}

// 3: cubic growth of the point; the new real part feeds the imaginary one.
RenderResult CountingCubic(OrbitData& o) {
    if (o.n < 1) return RenderResult{};
    const double s = o.strands;
    double a = 0, b = 0;
    for (int i = 0; i <= o.n - 1; ++i) {
        const double x = Floor(std::fabs(o.x[i]) * o.factor4);
        const double y = Floor(std::fabs(o.y[i]) * o.factor4);
        const double xd = (x * x + y * y) * x;
        const double yd = (y * y + xd * xd) * y;
        if (xd < s) a = a + (1 - xd / s);
        if (yd < s) b = b + (1 - yd / s);
    }
    a = std::fabs(a);
    b = std::fabs(b);
    return RenderResult{CountingEnd(a, o), CountingEnd(b, o)};
}

// 4: gap between the two coordinates and a sine.
RenderResult CountingSineGap(OrbitData& o) {
    if (o.n < 1) return RenderResult{};
    double a = 0, b = 0;
    for (int i = 0; i <= o.n - 1; ++i) {
        const double x = Floor(std::fabs(o.x[i]) * o.factor4);
        const double y = Floor(std::fabs(o.y[i]) * o.factor4);
        DecayingTrap(std::fabs(x - y - std::sin(y)), o.strands, a);
        DecayingTrap(std::fabs(y - x - std::sin(x)), o.strands, b);
    }
    return RenderResult{std::sqrt(std::fabs(a)) * 0.2, std::sqrt(std::fabs(b)) * 0.2};
}

// 5: ratios of the coordinates; a zero coordinate ends the orbit.
RenderResult CountingRatio(OrbitData& o) {
    if (o.n < 1) return RenderResult{};
    double a = 0, b = 0;
    for (int i = 0; i <= o.n - 1; ++i) {
        const double x = std::fabs(o.x[i]) * o.factor4;
        const double y = std::fabs(o.y[i]) * o.factor4;
        if (x == 0 || y == 0) break;
        const double xd = x * x / y * y;
        const double yd = y * y / x * x;
        DecayingTrap(std::fabs(xd - std::sin(kTwoPi * yd)), o.strands, a);
        DecayingTrap(std::fabs(yd - std::sin(kTwoPi * xd)), o.strands, b);
    }
    return RenderResult{std::sqrt(std::fabs(a)) * 0.2, std::sqrt(std::fabs(b)) * 0.2};
}

// 6: the complex sine of each orbit point.
RenderResult CountingComplexSine(OrbitData& o) {
    if (o.n < 1) return RenderResult{};
    const double s = o.strands;
    double a = 0, b = 0;
    for (int i = 0; i <= o.n - 1; ++i) {
        const Complex w = ComplexSin(Complex{o.x[i], o.y[i]});
        double u, v;
        SineCosineGaps(w.re * o.factor4, w.im * o.factor4, u, v);
        if (u < s) a = a * u + (1 - u / s);
        if (v < s) b = b * v + (1 - v / s);
    }
    return RootQuarter(a, b);
}

// 7: the complex cosine of each orbit point times c.
RenderResult CountingComplexCos(OrbitData& o) {
    if (o.n < 1) return RenderResult{};
    const double s = o.strands;
    const Complex c{o.cRe, o.cIm};
    double a = 0, b = 0;
    for (int i = 0; i <= o.n - 1; ++i) {
        const Complex w = ComplexCos(ComplexProduct(Complex{o.x[i], o.y[i]}, c));
        double u, v;
        SineCosineGaps(w.re * o.factor4, w.im * o.factor4, u, v);
        if (u < s) a = ((1 - u / s) + a) * 0.25;
        if (v < s) b = 0.25 * b + (1 - v / s);
    }
    return RootQuarter(a, b);
}

}  // namespace render
}  // namespace zarvo
