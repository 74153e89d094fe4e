#include "palette.h"

#include <cfenv>
#include <cmath>

namespace zarvo {

Palette PaletteOf(const FormulaRecord& ps) {
    Palette p;
    p.channel[0] = PaletteChannel{ps.redSaturate, ps.redOffset, ps.redStep, ps.redStart};
    p.channel[1] = PaletteChannel{ps.greenSaturate, ps.greenOffset, ps.greenStep, ps.greenStart};
    p.channel[2] = PaletteChannel{ps.blueSaturate, ps.blueOffset, ps.blueStep, ps.blueStart};
    return p;
}

bool CosineToByte(double cosine, int& byte) {
    const double r = std::nearbyint(127 * cosine);
    if (!(std::fabs(r) <= 1e9)) {
        std::feraiseexcept(FE_INVALID);
        byte = 0;
        return false;
    }
    byte = static_cast<int>(r) + 127;
    return true;
}

}  // namespace zarvo
