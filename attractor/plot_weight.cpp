#include "plot_weight.h"

namespace zarvo::attractor {

using namespace fm;

namespace {

// The fast pixel arithmetic of a window whose edges and extent keep every
// double operation of it far from overflow; 0 turns it off.
double UsableScale(double lo, double hi, int size) {
    const double extent = hi - lo;
    if (!(std::fabs(lo) <= 1e300 && std::fabs(hi) <= 1e300 && extent >= 1e-290)) return 0.0;
    return size / extent;
}

}  // namespace

PlotWindow::PlotWindow(double x0, double x1, double y0, double y1, int w, int h)
    : xMin(x0),
      xMax(x1),
      yMin(y0),
      yMax(y1),
      width(w),
      height(h),
      xScale(UsableScale(x0, x1, w)),
      yScale(UsableScale(y0, y1, h)) {}

int ExactPixel(double v, double lo, double hi, int size) {
    return static_cast<int>(RoundEven((LD(v) - lo) / (LD(hi) - lo) * size));
}

PlotWeight ExactWeighPlot(double q, double factor1) {
    // The sine and arc tangent in double precision, which is ample for a
    // weight that is rounded to an integer.
    const double a = D((Abs(std::sin(std::atan(q) * constPI)) + 1) * 10);
    constexpr LD kMax = std::numeric_limits<int32_t>::max();
    constexpr LD kMin = std::numeric_limits<int32_t>::min();
    PlotWeight w;
    w.weight = static_cast<int32_t>(RoundWithin(LD(factor1) * a + 10, kMin, kMax));
    // (a - 10) * 128 is exact; dividing by 5 cannot round across an integer.
    const double shade = std::floor((a - 10) * 128 / 5);
    w.shade = shade >= 255 ? 255u : (shade > 0 ? static_cast<uint32_t>(shade) : 0u);
    return w;
}

PlotWeight ExactWeighPlotOf(double x, double y, double x0, double y0, double factor1) {
    return ExactWeighPlot(D((1 + LD(x) - x0) / (1 + LD(y) - y0)), factor1);
}

void ExactSinCosAsDoubles(double v, double& s, double& c) {
    s = D(Sin(v));
    c = D(Cos(v));
}

LD ExactSinusoidalStep(double v, double w) { return v + LD(w) * Sin(v); }

double ExactPolarAngle(double x, double y) { return D(Atan(LD(x) / y) / constPI); }

double ExactHorseshoeAngle(double x, double y) { return D(Atan(LD(x) / y)); }

}  // namespace zarvo::attractor
