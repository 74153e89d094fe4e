// How a picture's values are coloured: the range of the results a picture
// holds in its planes, and the colours that results across that range get,
// as a strip for the colour dialog.
#pragma once

#include <cstddef>

#include "parameter_set.h"
#include "rgb_image.h"

namespace zarvo {

struct ValueRange {
    double low = 0.0;
    double high = 1.0;
    bool known = false;  // taken from a picture's planes
};

// The least and greatest finite result of both planes over width x height
// pixels (value [column][row] at column * columnStride + row).
ValueRange ResultRange(const double* planeA, const double* planeB, size_t columnStride, int width, int height);

// `colours` as the threads colour pixels: a blend or channel order that
// colours no pixel by itself is taken as blend 1 and order 1.
FormulaRecord ColourableRecord(const FormulaRecord& colours);

// A strip `width` pixels long and one high: pixel i has the colour of the
// results resultA = resultB = low + (high - low) * i / (width - 1).
RgbImage PaletteStrip(const FormulaRecord& colours, const ValueRange& range, int width);

}  // namespace zarvo
