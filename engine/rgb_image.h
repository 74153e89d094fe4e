// A plain 24-bit picture: width × height pixels, three bytes each (red,
// green, blue), rows from the top. Everything that draws (scans, recolouring,
// the attractor view) writes into one of these; the desktop program only
// copies it onto the screen.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zarvo {

// No picture, window or attractor view, is wider or taller than this.
constexpr int largestPictureSide = 16384;

// 1..largestPictureSide pixels each way.
inline bool IsPictureSize(int width, int height) {
    return width >= 1 && height >= 1 && width <= largestPictureSide && height <= largestPictureSide;
}

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;  // width * height * 3 bytes

    RgbImage() = default;
    RgbImage(int w, int h) { reset(w, h); }

    // New size, every pixel black.
    void reset(int w, int h) {
        width = w > 0 ? w : 0;
        height = h > 0 ? h : 0;
        pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height) * 3u, 0);
    }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    uint8_t* at(int x, int y) {
        return pixels.data() + (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3u;
    }
    const uint8_t* at(int x, int y) const {
        return pixels.data() + (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3u;
    }
    void set(int x, int y, uint8_t r, uint8_t g, uint8_t b) {
        uint8_t* p = at(x, y);
        p[0] = r;
        p[1] = g;
        p[2] = b;
    }
};

}  // namespace zarvo
