#include "tone_map.h"

#include <algorithm>
#include <cmath>

namespace zarvo::attractor {

namespace {

constexpr double kTwoPi = 6.283185307179586;

double Finite(double v, double fallback) { return std::isfinite(v) ? v : fallback; }

// Tent weights of a pixel's cells along one axis: cell n * p + j for j =
// first .. first + count - 1, weight max(0, 1 - |j - (n - 1) / 2| / n) / n,
// which sum to 1. With n = 1 the pixel takes its one cell alone.
struct Tent {
    explicit Tent(int n) : first(-(n / 2)), count(n == 1 ? 1 : 2 * n) {
        for (int k = 0; k < count; ++k) {
            const double d = (first + k) - (n - 1) / 2.0;
            weight[k] = std::max(0.0, 1.0 - std::fabs(d) / n) / n;
        }
    }
    int first;
    int count;
    double weight[2 * kMaxOversample] = {};
};

}  // namespace

ToneSettings::ToneSettings(const ParameterSet& ps)
    : brightness(std::max(0.0, Finite(ps.ldBrightness, 1.0))),
      gamma(std::max(0.1, Finite(ps.ldGamma, 2.5))),
      vibrancy(std::clamp(Finite(ps.ldVibrancy, 1.0), 0.0, 1.0)),
      hue(Finite(ps.ldHue, 0.0)),
      hueRange(Finite(ps.ldHueRange, 0.0)),
      invert(ps.invert != 0) {}

int OversampleOf(int32_t requested) { return std::clamp<int32_t>(requested, 1, kMaxOversample); }

double ReferenceDensity(std::vector<double> densities) {
    densities.erase(std::remove_if(densities.begin(), densities.end(), [](double d) { return !(d > 0); }),
                    densities.end());
    if (densities.empty()) return 0.0;
    const size_t rank = static_cast<size_t>(std::ceil(kDensestFraction * static_cast<double>(densities.size())));
    const auto at = densities.begin() + static_cast<std::ptrdiff_t>(std::max<size_t>(rank, 1) - 1);
    std::nth_element(densities.begin(), at, densities.end());
    return *at;
}

double LogDensity(double density, double reference) {
    if (!(density > 0) || !(reference > 0)) return 0.0;
    return std::log1p(kDensityRange * density / reference) / std::log1p(kDensityRange);
}

ToneRgb ToneColour(const ToneSettings& s, double density, double t) {
    const double A = s.brightness * density;
    uint8_t out[3] = {0, 0, 0};
    if (A > 0) {
        const double g = 1.0 / s.gamma;
        const double alpha = std::pow(A, g);
        const double ls = s.vibrancy * alpha / A;
        for (int k = 0; k < 3; ++k) {
            const double colour = 0.5 + 0.5 * std::cos(kTwoPi * (s.hue + s.hueRange * t - k / 3.0));
            const double c = A * colour;  // the colour carried by the density
            const double v = ls * c + (1.0 - s.vibrancy) * std::pow(c, g);
            out[k] = static_cast<uint8_t>(std::clamp(std::floor(v * 255.0 + 0.5), 0.0, 255.0));
        }
    }
    if (s.invert) {
        for (uint8_t& b : out) b = static_cast<uint8_t>(255 - b);
    }
    return {out[0], out[1], out[2]};
}

void ToneMapPicture(const ToneSettings& s, const std::vector<DensityCell>& cells, int width, int height, int n,
                    RgbImage& picture) {
    const size_t cellsWide = static_cast<size_t>(width) * static_cast<size_t>(n);
    const size_t cellsHigh = static_cast<size_t>(height) * static_cast<size_t>(n);
    if (cells.size() != cellsWide * cellsHigh || picture.width != width || picture.height != height) return;
    const Tent tent(n);
    const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);

    // Rows of cells reduced to pixel columns, then columns to pixels: the
    // tent-weighted hits and shades around each pixel.
    std::vector<double> rowHits(cellsHigh * static_cast<size_t>(width)), rowShade(rowHits.size());
    for (size_t cy = 0; cy < cellsHigh; ++cy) {
        const DensityCell* row = cells.data() + cy * cellsWide;
        for (int px = 0; px < width; ++px) {
            double hits = 0, shade = 0;
            for (int k = 0; k < tent.count; ++k) {
                const long cx = static_cast<long>(px) * n + tent.first + k;
                if (cx < 0 || cx >= static_cast<long>(cellsWide) || row[cx].hits == 0) continue;
                hits += tent.weight[k] * static_cast<double>(row[cx].hits);
                shade += tent.weight[k] * static_cast<double>(row[cx].shade);
            }
            rowHits[cy * static_cast<size_t>(width) + static_cast<size_t>(px)] = hits;
            rowShade[cy * static_cast<size_t>(width) + static_cast<size_t>(px)] = shade;
        }
    }
    std::vector<double> density(pixels), shade(pixels);
    for (int py = 0; py < height; ++py) {
        for (int px = 0; px < width; ++px) {
            double hits = 0, shades = 0;
            for (int k = 0; k < tent.count; ++k) {
                const long cy = static_cast<long>(py) * n + tent.first + k;
                if (cy < 0 || cy >= static_cast<long>(cellsHigh)) continue;
                const size_t at = static_cast<size_t>(cy) * static_cast<size_t>(width) + static_cast<size_t>(px);
                hits += tent.weight[k] * rowHits[at];
                shades += tent.weight[k] * rowShade[at];
            }
            const size_t p = static_cast<size_t>(py) * static_cast<size_t>(width) + static_cast<size_t>(px);
            density[p] = hits;
            shade[p] = hits > 0 ? shades / (255.0 * hits) : 0.0;
        }
    }
    const double reference = ReferenceDensity(density);
    for (size_t p = 0; p < pixels; ++p) {
        const ToneRgb c = ToneColour(s, LogDensity(density[p], reference), shade[p]);
        uint8_t* out = picture.pixels.data() + 3 * p;
        out[0] = c.r;
        out[1] = c.g;
        out[2] = c.b;
    }
}

}  // namespace zarvo::attractor
