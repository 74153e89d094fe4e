// A plain 24-bit picture: width × height pixels, three bytes each (red,
// green, blue), rows from the top. Everything that draws (scans, recolouring,
// the attractor view) writes into one of these; the desktop program only
// copies it onto the screen.
//
// A picture may also be held as a band: only rows top .. top + rows - 1 of
// it are in memory, and a scan of the whole picture writes into whichever
// rows the band holds while it passes them. Pictures far larger than the
// memory are drawn so, band after band (see streamed_picture.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zarvo {

// No picture that is held whole (window, attractor view) is wider or taller
// than this.
constexpr int largestPictureSide = 16384;

// 1..largestPictureSide pixels each way.
inline bool IsPictureSize(int width, int height) {
    return width >= 1 && height >= 1 && width <= largestPictureSide && height <= largestPictureSide;
}

struct RgbImage {
    int width = 0;
    int height = 0;
    int top = 0;                  // the first row held
    int rows = 0;                 // rows held: height, unless this is a band
    std::vector<uint8_t> pixels;  // width * rows * 3 bytes

    RgbImage() = default;
    RgbImage(int w, int h) { reset(w, h); }

    // New size, every pixel black, all rows held.
    void reset(int w, int h) { resetBand(w, h, 0, h); }
    // A w × h picture of which rows first .. first + count - 1 are held,
    // black; `count` is cut at the picture's last row.
    void resetBand(int w, int h, int first, int count) {
        width = w > 0 ? w : 0;
        height = h > 0 ? h : 0;
        top = first > 0 ? first : 0;
        rows = count < height - top ? count : height - top;
        if (rows < 0) rows = 0;
        pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(rows) * 3u, 0);
    }
    // The pixel is in the picture and held.
    bool contains(int x, int y) const { return x >= 0 && x < width && y >= top && y - top < rows; }
    uint8_t* at(int x, int y) {
        return pixels.data() +
               (static_cast<size_t>(y - top) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3u;
    }
    const uint8_t* at(int x, int y) const {
        return pixels.data() +
               (static_cast<size_t>(y - top) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3u;
    }
    void set(int x, int y, uint8_t r, uint8_t g, uint8_t b) {
        uint8_t* p = at(x, y);
        p[0] = r;
        p[1] = g;
        p[2] = b;
    }
};

}  // namespace zarvo
