// Placeholder colouring: blend 1 and the plain palette only.
#include "colouring.h"

#include <cmath>

namespace zarvo {

void BlendMethods(ParameterSet& ps, ColourScratch& cs, Reporter& reporter) {
    ps.resultA *= ps.intensity;
    ps.resultB *= ps.intensity;
    const double twoPi = 6.283185307179586;
    cs.channelValue[0] = std::sin(twoPi * ps.resultA);
    cs.channelValue[1] = std::sin(twoPi * ps.resultB);
    cs.channelValue[2] = std::sin(twoPi * (ps.resultA + ps.resultB) * 0.5);
    coloring(ps, cs, reporter);
}

void coloring(const ParameterSet& ps, ColourScratch& cs, Reporter&) {
    const double sat[3] = {ps.redSaturate, ps.greenSaturate, ps.blueSaturate};
    const double off[3] = {ps.redOffset, ps.greenOffset, ps.blueOffset};
    const double step[3] = {ps.redStep, ps.greenStep, ps.blueStep};
    const double start[3] = {ps.redStart, ps.greenStart, ps.blueStart};
    for (int k = 0; k < 3; ++k) {
        double v = cs.channelValue[k] * sat[k] + off[k];
        v = v * step[k] + start[k];
        v = v / 255;
        cs.blendIn[k] = std::cos(6.283185307179586 * v);
        cs.channelByte[k] = static_cast<int>(std::nearbyint(127 * cs.blendIn[k])) + 127;
    }
}

void ApplyColor(ParameterSet& ps, const ColourScratch& cs, int x, int y, Reporter&) {
    if (!ps.workBitmap.contains(x, y)) return;
    ps.workBitmap.set(x, y, static_cast<uint8_t>(cs.channelByte[0]), static_cast<uint8_t>(cs.channelByte[1]),
                      static_cast<uint8_t>(cs.channelByte[2]));
}

}  // namespace zarvo
