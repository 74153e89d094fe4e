// The arithmetic of one plotted point and the trigonometry of the
// variations: the pixel of a plane point, the hit weight from the angle of
// the step, the cell of the oversampled hit grid, and the sines and cosines
// the variations take in extended precision.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "formula_math.h"
#include "map_state.h"

namespace zarvo::attractor {

struct StepSettings;

// Nearest integer (ties to even) of a value kept within [lo, hi] first, so
// that no conversion can overflow.
inline int64_t RoundWithin(fm::LD v, fm::LD lo, fm::LD hi) {
    if (!(v >= lo)) v = lo;  // also NaN
    if (v > hi) v = hi;
    return fm::RoundEven(v);
}

// px := round((x - xMin) / (xMax - xMin) * width) when xMin < x < xMax,
// else width; likewise py. True when the pixel lies inside the picture.
bool PlotPixel(const StepSettings& s, double x, double y, int& px, int& py);

// The cell of the oversampled hit grid that (x, y) falls in, inside its
// pixel (px, py).
uint32_t HitCell(const StepSettings& s, double x, double y, int px, int py);

struct PlotWeight {
    int32_t weight;  // round(factor1 * a + 10), kept within 32 bits
    uint32_t shade;  // floor((a - 10) * 25.6), at most 255
};
// The angle weight a = (|sin(atan((1 + x - x0) / (1 + y - y0)) * constPI)| + 1) * 10
// of a plotted point (between 10 and 20), turned into the hit weight and
// the colour coordinate.
PlotWeight WeighPlot(double x, double y, double x0, double y0, double factor1);

// sin and cos of v in extended precision, each rounded to a double.
void SinCosAsDoubles(fm::LD v, double& s, double& c);

// v + w * sin(v) in extended precision (a step of Sinusoidal).
fm::LD SinusoidalStep(double v, fm::LD w);

}  // namespace zarvo::attractor
