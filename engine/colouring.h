// Blending the render method's two results into three channels, the cosine
// palette that turns channels into bytes, and writing a pixel in one of the
// six channel orders.
#pragma once

#include "menu_choice.h"
#include "palette.h"
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

// The palette step of coloring: the cosines of the three channel values'
// palette positions and their bytes. False when a channel was not a number
// (a fault has been flagged); every channel is computed either way.
bool ChannelBytes(const Palette& palette, const double channelValue[3], double cosine[3], int byte[3]);

// A pixel's colour from its two results, as BlendMethods, coloring and
// ApplyColor give it, for a blend of 1..5 and a channel order of 1..6: their
// colour depends on the pixel alone, and they report no message (a byte
// from a cosine always lies within 0..254). Threads colour rows with it.
class PixelColourer {
public:
    explicit PixelColourer(const FormulaRecord& rec);
    // The record's blend and channel order are ones it colours.
    bool usable() const { return order_ != nullptr && blend_ >= 1 && blend_ <= 5; }
    // Red, green and blue of results a and b (before intensity); false when
    // a channel was not a number: the pixel keeps its colour.
    bool colour(double a, double b, uint8_t rgb[3]) const;

private:
    Palette palette_;
    int blend_;
    const int* order_;
    double intensity_;
};

// Writes channelByte into workBitmap at (x, y) in rgbOrder. Points outside
// the picture are ignored; an unknown order writes nothing and reports
// "Wrong coloringorder number".
void ApplyColor(ParameterSet& ps, const ColourScratch& cs, int x, int y, Reporter& reporter);

}  // namespace zarvo
