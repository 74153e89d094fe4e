#include "plot_weight.h"

#include "stream_step.h"

namespace zarvo::attractor {

using namespace fm;

namespace {

// The plane coordinate v in pixels from the left (or top) edge of a window
// of `size` pixels; the value PointToPixel rounds.
LD PixelPosition(double v, double lo, double hi, int size) { return (LD(v) - lo) / (LD(hi) - lo) * size; }

}  // namespace

bool PlotPixel(const StepSettings& s, double x, double y, int& px, int& py) {
    px = s.xMin < x && x < s.xMax ? static_cast<int>(RoundEven(PixelPosition(x, s.xMin, s.xMax, s.width))) : s.width;
    py = s.yMin < y && y < s.yMax ? static_cast<int>(RoundEven(PixelPosition(y, s.yMin, s.yMax, s.height)))
                                  : s.height;
    return px >= 0 && px < s.width && py >= 0 && py < s.height;
}

uint32_t HitCell(const StepSettings& s, double x, double y, int px, int py) {
    const int n = s.oversample;
    const auto sub = [n](LD position, int pixel) {
        const LD k = std::floor((position - pixel + 0.5L) * n);
        return static_cast<uint32_t>(std::clamp<LD>(k, 0, n - 1));
    };
    const uint32_t sx = sub(PixelPosition(x, s.xMin, s.xMax, s.width), px);
    const uint32_t sy = sub(PixelPosition(y, s.yMin, s.yMax, s.height), py);
    const uint32_t rowCells = static_cast<uint32_t>(s.gridWidth) * static_cast<uint32_t>(n);
    return (static_cast<uint32_t>(py) * n + sy) * rowCells + static_cast<uint32_t>(px) * n + sx;
}

PlotWeight WeighPlot(double x, double y, double x0, double y0, double factor1) {
    // The differences are taken in extended precision like the maps; the
    // sine and arc tangent in double precision, which is ample for a weight
    // that is rounded to an integer.
    const double q = D((1 + LD(x) - x0) / (1 + LD(y) - y0));
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

void SinCosAsDoubles(LD v, double& s, double& c) {
    s = D(Sin(v));
    c = D(Cos(v));
}

LD SinusoidalStep(double v, LD w) { return v + w * Sin(v); }

}  // namespace zarvo::attractor
