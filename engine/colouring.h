// Blending the render method's two results into three channels, the cosine
// palette that turns channels into bytes, and writing a pixel in one of the
// six channel orders.
#pragma once

#include "parameter_set.h"
#include "reporter.h"

namespace zarvo {

// Per-window colour scratch of the pixel being coloured.
struct ColourScratch {
    double blendIn[3] = {0, 0, 0};       // blend inputs; after colouring the channel cosines
    double channelValue[3] = {0, 0, 0};  // red, green, blue channel values before the cosine
    int channelByte[3] = {0, 0, 0};      // each 0..254
    int colourFault = 0;                 // set when a channel byte leaves 0..255
};

// Scales resultA/resultB by intensity, blends them into channelValue and
// ends with coloring().
void BlendMethods(ParameterSet& ps, ColourScratch& cs, Reporter& reporter);

// channelValue -> channelByte through the colour set and the cosine palette.
void coloring(const ParameterSet& ps, ColourScratch& cs, Reporter& reporter);

// Writes channelByte into workBitmap at (x, y) in rgbOrder. Points outside
// the picture are ignored.
void ApplyColor(ParameterSet& ps, const ColourScratch& cs, int x, int y, Reporter& reporter);

}  // namespace zarvo
