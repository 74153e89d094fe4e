// The log-density mapping: the attractor picture made from how often each
// cell of an oversampled hit grid was hit, with brightness, gamma and
// vibrancy as flame renderers use them, and a colour from the mean angle of
// the steps that landed there. Each pixel's density is the smooth (tent
// filtered) mean of the cells around it, taken relative to the densest
// part of the picture, so the picture never burns out and a longer run
// makes it smoother. The formulas are in algorithms.md.
#pragma once

#include <cstdint>
#include <vector>

#include "parameter_set.h"
#include "rgb_image.h"

namespace zarvo::attractor {

// One cell of the hit grid: hits, and the sum of their colour coordinates
// (0..255 each).
struct DensityCell {
    uint64_t hits = 0;
    uint64_t shade = 0;
};

// The settings of the mapping, kept within their ranges.
struct ToneSettings {
    explicit ToneSettings(const ParameterSet& ps);
    ToneSettings() = default;
    double brightness = 1.0;  // >= 0
    double gamma = 2.5;       // >= 0.1
    double vibrancy = 1.0;    // 0..1
    double hue = 0.0;         // palette phase, in turns
    double hueRange = 0.5;    // palette turns across the colour coordinates
    bool invert = false;      // "White": every byte b becomes 255 - b
};

// Densities down to about 1 / kDensityRange of the densest part show.
constexpr double kDensityRange = 1000.0;
// The densest part: the density below which this fraction of the pixels
// that have any lie.
constexpr double kDensestFraction = 0.999;
// Oversampling of the hit grid: 1..4 cells per pixel side.
constexpr int kMaxOversample = 4;
int OversampleOf(int32_t requested);

// The reference density: the density at rank ceil(0.999 * M) (1-based) of
// the M positive ones, in ascending order; 0 when none is positive.
double ReferenceDensity(std::vector<double> densities);

// ln(1 + kDensityRange * density / reference) / ln(1 + kDensityRange).
double LogDensity(double density, double reference);

// The colour of a pixel whose log density is `density` (before brightness)
// and whose colour coordinate is t (0..1), as 0..255 bytes.
struct ToneRgb {
    uint8_t r, g, b;
};
ToneRgb ToneColour(const ToneSettings& s, double density, double t);

// The picture (width x height pixels) from the hit grid of
// (width * n) x (height * n) cells.
void ToneMapPicture(const ToneSettings& s, const std::vector<DensityCell>& cells, int width, int height, int n,
                    RgbImage& picture);

}  // namespace zarvo::attractor
