// Supersampling: a picture drawn N times as wide and as high over the same
// view, reduced to the picture's size. Each pixel is the average of its
// N × N block of the large picture, taken per channel in linear light (the
// sRGB transfer functions), converted back to sRGB and rounded to the
// nearest byte. The reduction is exact arithmetic on the block's bytes, so
// the picture never depends on how or in which order the large picture was
// drawn.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zarvo {

constexpr int largestSupersample = 8;

// The sRGB transfer functions on 0..1.
double SrgbToLinear(double value);
double LinearToSrgb(double linear);

class BlockAverage {
public:
    explicit BlockAverage(int n);
    int factor() const { return n_; }

    // `block` holds n rows of n * width pixels (3 bytes each, red first),
    // `rowBytes` apart; `out` receives the width pixels they reduce to.
    void reduce(const uint8_t* block, size_t rowBytes, int width, uint8_t* out);

private:
    int n_;
    double linear_[256];
    std::vector<double> sums_;
};

}  // namespace zarvo
