// The arithmetic of one plotted point and the trigonometry of the
// variations: the pixel of a plane point, the hit weight from the angle of
// the step, the cell of the oversampled hit grid, and the sines and cosines
// the variations take in extended precision. Each is the drawing loop's
// exact arithmetic; the inline forms reach the same results faster where
// they can prove it (checked_trig.h) and fall back to the exact forms
// otherwise.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "checked_trig.h"
#include "formula_math.h"
#include "map_state.h"

namespace zarvo::attractor {

// Nearest integer (ties to even) of a value kept within [lo, hi] first, so
// that no conversion can overflow.
inline int64_t RoundWithin(fm::LD v, fm::LD lo, fm::LD hi) {
    if (!(v >= lo)) v = lo;  // also NaN
    if (v > hi) v = hi;
    return fm::RoundEven(v);
}

// The plot window of a run as the pixel arithmetic reads it.
struct PlotWindow {
    double xMin, xMax, yMin, yMax;
    int width, height;
    double xScale, yScale;  // width / (xMax - xMin), height / (yMax - yMin), when usable; else 0
    PlotWindow(double x0, double x1, double y0, double y1, int w, int h);
};

// Where a plane point falls: u = (x - xMin) / (xMax - xMin) * width and v
// likewise, and the pixel px := round(u) (extended precision, ties to
// even) when xMin < x < xMax, else width; py likewise. The sub-pixel
// positions su = (x - xMin) * xScale and sv (in double precision) place the
// point in the oversampled hit grid. True when the pixel lies inside the
// picture.
struct PlotPosition {
    double su = 0, sv = 0;
    int px = 0, py = 0;
};
int ExactPixel(double v, double lo, double hi, int size);
// A position this close to a whole number gives its pixel.
inline constexpr double kPixelClear = 0.5 - 1e-9;
inline int Pixel(double v, double lo, double hi, int size, double scale, double& position) {
    // (No double operation here may overflow: a usable scale means edges
    // within 1e300.)
    position = scale > 0 ? (v - lo) * scale : 0.0;
    // The exact pixel differs only when position lies near a half-way
    // point: position is within 5e-16 of |position| <= 65536 of the exact
    // value.
    const double nearest = fasttrig::RoundNearest(position);
    if (scale > 0 && std::fabs(position - nearest) < kPixelClear) return static_cast<int>(nearest);
    return ExactPixel(v, lo, hi, size);
}
inline bool PlotPixel(const PlotWindow& w, double x, double y, PlotPosition& p) {
    p.px = w.xMin < x && x < w.xMax ? Pixel(x, w.xMin, w.xMax, w.width, w.xScale, p.su) : w.width;
    p.py = w.yMin < y && y < w.yMax ? Pixel(y, w.yMin, w.yMax, w.height, w.yScale, p.sv) : w.height;
    return p.px >= 0 && p.px < w.width && p.py >= 0 && p.py < w.height;
}

// The cell of the oversampled hit grid (n cells per pixel side) that a
// point inside pixel (px, py) falls in: sub-cell floor((su - px + 1/2) * n)
// kept within 0..n-1; likewise in y.
inline uint32_t HitCell(const PlotPosition& p, int gridWidth, int n) {
    const auto sub = [n](double position, int pixel) {
        const double k = (position - pixel + 0.5) * n;
        return k <= 0 ? 0u : std::min(static_cast<uint32_t>(k), static_cast<uint32_t>(n - 1));
    };
    const uint32_t rowCells = static_cast<uint32_t>(gridWidth) * static_cast<uint32_t>(n);
    return (static_cast<uint32_t>(p.py) * n + sub(p.sv, p.py)) * rowCells + static_cast<uint32_t>(p.px) * n +
           sub(p.su, p.px);
}

struct PlotWeight {
    int32_t weight;  // round(factor1 * a + 10), kept within 32 bits
    uint32_t shade;  // floor((a - 10) * 25.6), at most 255
};
// The angle weight a = (|sin(atan(q) * constPI)| + 1) * 10 of a plotted
// point (between 10 and 20), q = (1 + x - x0) / (1 + y - y0), turned into
// the hit weight and the colour coordinate.
PlotWeight ExactWeighPlot(double q, double factor1);
// ExactWeighPlot of the point's q, computed as the drawing loop computes it.
PlotWeight ExactWeighPlotOf(double x, double y, double x0, double y0, double factor1);
// The fast weight: the weight's own rounding adds at most kWeightUlp of it;
// the shade (a - 10) kShadeScale is taken when it lies within kShadeClear
// of the middle of its integer step.
inline constexpr double kWeightUlp = 0x1p-51;
inline constexpr double kShadeScale = 25.6;
inline constexpr double kShadeClear = 0.5 - (26 * checked::kAngleWeightError + 1e-12);
__attribute__((always_inline)) inline PlotWeight WeighPlot(double x, double y, double x0, double y0,
                                                           double factor1) {
    const auto exact = [&] { return ExactWeighPlotOf(x, y, x0, y0, factor1); };
    double a;
    if (!(std::fabs(factor1) <= 1e6) || !checked::AngleWeight(x, y, x0, y0, a)) return exact();
    // The exact weight and shade are these unless the exact a, within
    // kAngleWeightError of this one, could round or cut to another integer
    // (the weight's own rounding adds at most 2^-51 of it).
    const double v = factor1 * a + 10;
    const double nearest = fasttrig::RoundNearest(v);
    const double margin = std::fabs(factor1) * checked::kAngleWeightError + std::fabs(v) * kWeightUlp;
    if (std::fabs(v - nearest) >= 0.5 - margin) return exact();
    // a >= 10: the shade is not negative.
    const double shade = (a - 10) * kShadeScale;
    const int whole = static_cast<int>(shade);
    if (whole < 255 && !(std::fabs(shade - whole - 0.5) < kShadeClear)) return exact();
    PlotWeight w;
    w.weight = static_cast<int32_t>(nearest);
    w.shade = static_cast<uint32_t>(std::min(whole, 255));
    return w;
}

// sin and cos of v in extended precision, each rounded to a double. (The
// arguments are doubles: an extended argument would pass through memory in
// ten bytes, which is slow.)
void ExactSinCosAsDoubles(double v, double& s, double& c);
inline void SinCosAsDoubles(double v, double& s, double& c) {
    fm::LD ls, lc, es, ec;
    if (checked::SinCos(v, ls, lc, es, ec) && checked::RoundsToDouble(ls, es, s) &&
        checked::RoundsToDouble(lc, ec, c))
        return;
    ExactSinCosAsDoubles(v, s, c);
}

// v + w * sin(v) in extended precision (a step of Sinusoidal), which the
// caller rounds to a double.
fm::LD ExactSinusoidalStep(double v, double w);
inline fm::LD SinusoidalStep(double v, double weight) {
    using fm::LD;
    const LD w = weight;
    LD s, es;
    if (checked::Sin(v, s, es)) {
        const LD t = w * s;
        const LD r = v + t;
        // The library's sine gives a product and a sum that differ from
        // these by the sine's error times |w| and a rounding each.
        const LD e = std::fabs(w) * es + (std::fabs(t) + std::fabs(r)) * 0x1p-62L;
        double rounded;
        if (checked::RoundsToDouble(r, e, rounded)) return r;
    }
    return ExactSinusoidalStep(v, weight);
}

// The angles of Polar, atan(x / y) / constPI, and of Horseshoe, atan(x / y),
// from the extended quotient x / y, each rounded to a double. y = 0 divides
// by zero, as the drawing loop does.
double ExactPolarAngle(double x, double y);
double ExactHorseshoeAngle(double x, double y);
inline double PolarAngle(double x, double y) {
    using fm::LD;
    LD a, e;
    if (checked::AbsAtanOfRatio(x, y, a, e)) {
        // The library's quotient by constPI and this product (by 1 / constPI,
        // within 2^-64 of it) are each rounded once: 3 * 2^-64 of the value,
        // and the angle's bound over constPI (0.3203 > 1 / constPI).
        constexpr LD kInversePi = 0xa2f9836e4e384926p-65L;
        const LD v = a * kInversePi;
        double rounded;
        if (checked::RoundsToDouble(v, e * 0x1.48p-2L + v * 0x1p-62L, rounded))
            return checked::WithSignOfRatio(rounded, x, y);
    }
    return ExactPolarAngle(x, y);
}
inline double HorseshoeAngle(double x, double y) {
    fm::LD a, e;
    double rounded;
    if (checked::AbsAtanOfRatio(x, y, a, e) && checked::RoundsToDouble(a, e, rounded))
        return checked::WithSignOfRatio(rounded, x, y);
    return ExactHorseshoeAngle(x, y);
}

// Horseshoe's sine and cosine of its angle t (HorseshoeAngle), each rounded
// to a double: for most points from the angle's x and y, which needs no
// evaluation of a sine or cosine, else as SinCosAsDoubles(t) gives them.
inline void HorseshoeSinCos(double x, double y, double& s, double& c) {
    fm::LD a, e;
    double t;
    if (checked::AbsAtanOfRatio(x, y, a, e) && checked::RoundsToDouble(a, e, t)) {
        // sin t is odd and cos t even: the angle of |x / y| and the sign of x / y.
        fm::LD ls, lc, es, ec;
        checked::SinCosOfAtan(x, y, a, e, t, ls, lc, es, ec);
        double as;
        if (checked::RoundsToDouble(ls, es, as) && checked::RoundsToDouble(lc, ec, c)) {
            s = checked::WithSignOfRatio(as, x, y);
            return;
        }
        t = checked::WithSignOfRatio(t, x, y);
    } else {
        t = ExactHorseshoeAngle(x, y);
    }
    SinCosAsDoubles(t, s, c);
}

}  // namespace zarvo::attractor
