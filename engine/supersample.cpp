#include "supersample.h"

#include <algorithm>
#include <cmath>

namespace zarvo {

double SrgbToLinear(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

double LinearToSrgb(double l) { return l <= 0.0031308 ? 12.92 * l : 1.055 * std::pow(l, 1.0 / 2.4) - 0.055; }

BlockAverage::BlockAverage(int n) : n_(std::clamp(n, 1, largestSupersample)) {
    for (int v = 0; v < 256; ++v) linear_[v] = SrgbToLinear(v / 255.0);
}

// The block's values are added row by row, left to right within a row.
void BlockAverage::reduce(const uint8_t* block, size_t rowBytes, int width, uint8_t* out) {
    const size_t channels = 3 * static_cast<size_t>(std::max(width, 0));
    sums_.assign(channels, 0.0);
    for (int r = 0; r < n_; ++r) {
        const uint8_t* in = block + static_cast<size_t>(r) * rowBytes;
        for (size_t x = 0; x < channels; x += 3) {
            for (int c = 0; c < n_; ++c, in += 3) {
                sums_[x] += linear_[in[0]];
                sums_[x + 1] += linear_[in[1]];
                sums_[x + 2] += linear_[in[2]];
            }
        }
    }
    const double count = static_cast<double>(n_) * n_;
    for (size_t k = 0; k < channels; ++k) {
        const double value = LinearToSrgb(sums_[k] / count) * 255.0;
        out[k] = static_cast<uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
    }
}

}  // namespace zarvo
