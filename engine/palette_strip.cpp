#include "palette_strip.h"

#include <algorithm>
#include <cmath>

#include "colouring.h"

namespace zarvo {

ValueRange ResultRange(const double* planeA, const double* planeB, size_t columnStride, int width, int height) {
    ValueRange r;
    for (int column = 0; column < width; ++column)
        for (int row = 0; row < height; ++row) {
            const size_t at = static_cast<size_t>(column) * columnStride + static_cast<size_t>(row);
            for (const double v : {planeA[at], planeB[at]}) {
                if (!std::isfinite(v)) continue;
                r.low = r.known ? std::min(r.low, v) : v;
                r.high = r.known ? std::max(r.high, v) : v;
                r.known = true;
            }
        }
    return r;
}

FormulaRecord ColourableRecord(const FormulaRecord& colours) {
    FormulaRecord rec = colours;
    if (!PixelColourer(rec).usable()) {
        rec.blendMethod = 1;
        rec.rgbOrder = 1;
    }
    return rec;
}

RgbImage PaletteStrip(const FormulaRecord& colours, const ValueRange& range, int width) {
    RgbImage strip(width, 1);
    const PixelColourer colourer(ColourableRecord(colours));
    for (int i = 0; i < width; ++i) {
        const double t = width > 1 ? static_cast<double>(i) / (width - 1) : 0.0;
        const double v = range.low + (range.high - range.low) * t;
        colourer.colour(v, v, strip.at(i, 0));
    }
    return strip;
}

}  // namespace zarvo
