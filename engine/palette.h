// The cosine palette: a channel value v goes through the channel's
// saturation, offset, step and start to a position on the colour circle,
// and its cosine gives the channel byte.
#pragma once

#include "lanes.h"
#include "parameter_set.h"

namespace zarvo {

struct PaletteChannel {
    double saturation = 127.0;
    double offset = 127.0;
    double step = 1.0;
    double start = 0.0;
};

// Channel 0 takes the red parameters, channel 1 the green, channel 2 the blue.
struct Palette {
    PaletteChannel channel[3];
};

Palette PaletteOf(const FormulaRecord& rec);

constexpr double kPaletteTwoPi = 6.283185307179586;

// ((v * saturation + offset) * step + start) / 255: one turn of the colour
// circle per 255 units. (Also used on lanes of values, see lanes.h.)
template <typename T>
ZARVO_INLINE T PalettePosition(const PaletteChannel& c, T v) {
    v = v * c.saturation + c.offset;
    v = v * c.step + c.start;
    return v / 255;
}

// round(127 * cosine) + 127 with ties to even, 0..254 for every finite
// cosine. A cosine that is not a number can only come from a floating-point
// fault (or from a colour set that is not a number): the invalid-operation
// flag is raised so the fault is reported, and false is returned.
bool CosineToByte(double cosine, int& byte);

}  // namespace zarvo
