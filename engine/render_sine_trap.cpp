// Sine traps: methods 14 to 17. Each point is distorted with sines of its
// coordinates and tested against a trap; the last trap value decides the
// result. Unlike the counting traps, a point outside the trap keeps the
// previous trap value.
#include <cmath>

#include "render_methods.h"
#include "render_support.h"

namespace zarvo {
namespace render {

namespace {

struct TrapState {
    double t = 0;    // last trap value, 0 until the trap fires
    double sum = 0;  // decaying sum of the trap values
};

void Trap(double value, double width, TrapState& s) {
    if (value < width) s.t = 1 - value / width;
}

// Ending of methods 14 and 15: without a trap hit the decaying sum is used.
double EndingWithSum(TrapState s) {
    if (s.t != 0) s.sum = s.t;
    if (s.sum == 100) s.sum = 0;
    return std::fabs(1 - 1 / (1 + s.sum));
}

// Ending of methods 16 and 17: without a trap hit the result is 0.
double EndingTrapOnly(TrapState s) {
    if (s.t != 0) s.sum = s.t;
    if (s.sum == 100) s.sum = 0;
    double v = 0;
    if (s.t != 0) v = 1 - 1 / (1 + s.sum);
    return std::fabs(v);
}

// Sums of methods 14 and 15.
void SumHalf(TrapState& s) { s.sum = (2 - 1 / (std::fabs(s.t) + 0.5)) + 0.2 * s.sum; }
// Sums of methods 16 and 17.
void SumOne(TrapState& s) { s.sum = 1 / (std::fabs(s.t) + 1) + 0.2 * s.sum; }

}  // namespace

// 14
RenderResult SineTrap01(OrbitData& o) {
    TrapState ta, tb;
    for (int i = 1; i <= o.n - 1; ++i) {
        const double x = std::fabs(o.x[i]) * o.factor4;
        const double y = std::fabs(o.y[i]) * o.factor4;
        const double k = x;
        const double xd = std::sin(x) + k * y - k - std::sin(x * x);
        const double yd = std::sin(y) + y * k - k - std::sin(y * y);
        Trap(xd, o.strands, ta);
        Trap(yd, o.strands, tb);
        SumHalf(ta);
        SumHalf(tb);
    }
    return RenderResult{EndingWithSum(ta), EndingWithSum(tb)};
}

// 15: the new real part feeds the imaginary one.
RenderResult SineTrap02(OrbitData& o) {
    TrapState ta, tb;
    for (int i = 1; i <= o.n - 1; ++i) {
        const double x = std::fabs(o.x[i]) * o.factor4;
        const double y = std::fabs(o.y[i]) * o.factor4;
        const double xd = 2 - 1 / (y * x + 0.5 - y - std::sin(y * y));
        const double yd = 2 - 1 / (y * xd + 0.5 - xd - std::sin(xd * xd));
        Trap(xd, o.strands, ta);
        Trap(yd, o.strands, tb);
        SumHalf(ta);
        SumHalf(tb);
    }
    return RenderResult{EndingWithSum(ta), EndingWithSum(tb)};
}

// 16: trap widths that follow sines of the squared coordinates.
RenderResult SineTrap03(OrbitData& o) {
    TrapState ta, tb;
    for (int i = 1; i <= o.n - 1; ++i) {
        const double x = std::fabs(o.x[i]) * o.factor4;
        const double y = std::fabs(o.y[i]) * o.factor4;
        const double wa = std::sin(x * x) + kEpsilon;
        const double wb = std::sin(y * y) + kEpsilon;
        const double k = x;
        const double xd = 2 - 1 / (y * x + 0.5 - y - std::sin(y * y));
        const double yd = 2 - 1 / (y * k + 0.5 - k - std::sin(k * k));
        Trap(xd, wa, ta);
        Trap(yd, wb, tb);
        SumOne(ta);
        SumOne(tb);
    }
    return RenderResult{EndingTrapOnly(ta), EndingTrapOnly(tb)};
}

// 17: as 16 with another distortion; a point beyond 1e24 ends the orbit.
RenderResult SineTrap04(OrbitData& o) {
    TrapState ta, tb;
    for (int i = 0; i <= o.n - 1; ++i) {
        if (std::fabs(o.x[i]) > kHuge || std::fabs(o.y[i]) > kHuge) break;
        const double x = std::fabs(o.x[i]) * o.factor4;
        const double y = std::fabs(o.y[i]) * o.factor4;
        const double wa = std::sin(x * x) + kEpsilon;
        const double wb = std::sin(y * y) + kEpsilon;
        const double k = x;
        const double xd = 1 - std::sin(x * x) * y + (y * y - x);
        const double yd = 1 - std::sin(y * y) * k + (k * k - y);
        Trap(xd, wa + kKappa, ta);
        Trap(yd, wb + kKappa, tb);
        SumOne(ta);
        SumOne(tb);
    }
    return RenderResult{EndingTrapOnly(ta), EndingTrapOnly(tb)};
}

}  // namespace render
}  // namespace zarvo
