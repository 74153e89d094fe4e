// Blends: the render method's two results A and B become three channel
// values (channel 0 coloured with the red parameters, 1 green, 2 blue).
#pragma once

#include <cmath>

#include "lanes.h"
#include "menu_choice.h"
#include "palette.h"

namespace zarvo {

// "01" ... "05", numbers 1..5.
MenuChoiceList BlendChoices();

// The mixing weight 0.33, held in extended precision (it is not one third):
// the product is formed in long double and rounded to double once.
inline double MixByWeight(double sum) { return static_cast<double>(sum * 0.33L); }
template <typename V>
ZARVO_INLINE V MixByWeight(V sum) {
    V r;
    for (int i = 0; i < LaneTraits<V>::count; ++i) r[i] = MixByWeight(sum[i]);
    return r;
}

// The blend of A and B (already scaled by intensity) for blendMethod 1..5:
// fills the blend inputs b0..b2 and the channel values h0..h2 and returns
// true. For any other number nothing is written and false is returned.
bool BlendChannels(int blendMethod, double a, double b, const Palette& palette, double blendIn[3],
                   double channelValue[3]);

// Sine and cosine of the C library.
struct LibraryTrig {
    double sin(double t) { return std::sin(t); }
    double cos(double t) { return std::cos(t); }
};

// The blend with the sine and cosine of `trig` (which recolouring replaces
// by faster ones), on doubles or on lanes of doubles; the arithmetic
// between the sines and cosines is the same in every case.
template <typename T, typename Trig>
ZARVO_INLINE bool BlendChannelsWith(int blendMethod, T a, T b, const Palette& palette, T in[3], T h[3], Trig& trig) {
    constexpr double kTwoPi = kPaletteTwoPi;
    switch (blendMethod) {
        case 1:
        case 2:
        case 5:
            in[0] = a;
            in[1] = b;
            in[2] = (a + b) * 0.5;
            break;
        case 3:
            in[2] = a;
            in[0] = b;
            in[1] = (b + a) * 0.5;
            break;
        case 4:
            in[2] = a;
            in[0] = b;
            in[1] = (b + a) * 0.5;
            in[2] = MixByWeight(in[2] + in[1] + in[0]);
            in[0] = MixByWeight(in[2] + in[1] + in[0]);
            break;
        default:
            return false;
    }
    // First channel values.
    for (int k = 0; k < 3; ++k) {
        const T t = kTwoPi * in[k];
        switch (blendMethod) {
            case 1:
            case 3:
                h[k] = trig.sin(t);
                break;
            case 2:
                h[k] = -trig.cos(t);
                break;
            case 4:
                h[k] = trig.cos(t);
                break;
            default:
                h[k] = -trig.sin(t);
                break;
        }
    }
    if (blendMethod == 1) return true;

    // Blends 2 to 5: the palette's linear part, mixing, a second function.
    for (int k = 0; k < 3; ++k) h[k] = PalettePosition(palette.channel[k], h[k]);
    h[0] = (h[1] + h[2]) * 0.5;
    h[1] = (h[2] + h[0]) * 0.5;
    h[2] = MixByWeight(h[0] + h[1] + h[2]);
    const bool cosineLast = blendMethod == 2 || blendMethod == 4;
    const bool cosineFirstTwo = blendMethod == 2;
    h[0] = cosineFirstTwo ? trig.cos(kTwoPi * h[0]) : trig.sin(kTwoPi * h[0]);
    h[1] = cosineFirstTwo ? trig.cos(kTwoPi * h[1]) : trig.sin(kTwoPi * h[1]);
    h[2] = cosineLast ? trig.cos(kTwoPi * h[2]) : trig.sin(kTwoPi * h[2]);
    return true;
}

}  // namespace zarvo
