// Blending the render method's two results into three channels, the cosine
// palette that turns channels into bytes, and writing a pixel in one of the
// six channel orders.
#pragma once

#include "menu_choice.h"
#include "parameter_set.h"
#include "reporter.h"

namespace zarvo {

// Per-window colour scratch of the pixel being coloured.
struct ColourScratch {
    double blendIn[3] = {0, 0, 0};       // blend inputs; after colouring the channel cosines
    double channelValue[3] = {0, 0, 0};  // red, green, blue channel values before the cosine
    int channelByte[3] = {0, 0, 0};      // each 0..254
    int colourFault = 0;                 // set when a channel byte leaves 0..255
    // Set by coloring when a channel was not a number (a floating-point
    // fault has already been flagged); ApplyColor then keeps the pixel.
    bool pixelFaulted = false;
};

// "1.) RGB" ... "6.) BGR", numbers 1..6.
MenuChoiceList RgbOrders();

// For rgbOrder 1..6, the channel (0, 1, 2) that goes to the pixel's red,
// green and blue; nullptr for any other number.
const int* ChannelOrder(int rgbOrder);

// Scales resultA/resultB by intensity, blends them into channelValue and
// ends with coloring(). Blend numbers outside 1..5 leave the channel values
// of the previous pixel and only colour them again.
void BlendMethods(ParameterSet& ps, ColourScratch& cs, Reporter& reporter);

// channelValue -> channelByte through the colour set and the cosine palette.
void coloring(const ParameterSet& ps, ColourScratch& cs, Reporter& reporter);

// Writes channelByte into workBitmap at (x, y) in rgbOrder. Points outside
// the picture are ignored; an unknown order writes nothing and reports
// "Wrong coloringorder number".
void ApplyColor(ParameterSet& ps, const ColourScratch& cs, int x, int y, Reporter& reporter);

}  // namespace zarvo
