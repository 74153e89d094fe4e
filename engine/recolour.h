// Recolouring a picture from its result planes. The bytes are exactly those
// that BlendMethods, coloring and ApplyColor give pixel by pixel, but the
// work is arranged for speed: the colour set is read once, no message or
// virtual call is made for an ordinary pixel, and the sines and cosines are
// evaluated with fast functions whose small error is accounted for (a
// channel that lies too close to the boundary between two bytes is
// recomputed exactly).
#pragma once

#include <cstddef>
#include <cstdint>

#include "colouring.h"
#include "palette.h"
#include "parameter_set.h"
#include "reporter.h"

namespace zarvo {

// The fast evaluation of blends 1 to 5 for one colour set.
class FastBlend {
public:
    FastBlend(int blendMethod, const Palette& palette);

    // False when the colour set is too large for the fast functions to
    // decide any byte; every pixel must then be computed exactly.
    bool usable() const { return usable_; }

    // Channel bytes 0..2 for the scaled results a and b. Returns false when
    // a byte cannot be decided safely (or a value leaves the range of the
    // fast functions); the pixel must then be computed exactly.
    bool bytes(double a, double b, int out[3]) const;

private:
    int blend_;
    Palette palette_;
    double margin_[3] = {0, 0, 0};  // distance to a byte boundary that is safe
    bool usable_ = false;
};

// Colours the rows of a picture from its planes, one row per call.
class PlaneRecolourer {
public:
    PlaneRecolourer(ParameterSet& ps, ColourScratch& cs, Reporter& reporter);

    // Colours columns 0..width-1 of `row`. The planes hold value
    // [column][row] at column * columnStride + row.
    void colourRow(const double* planeA, const double* planeB, size_t columnStride, int row, int width);

    // Leaves resultA, resultB and the colour scratch as the last coloured
    // pixel left them when computed one by one.
    void finish();

private:
    enum class Mode { Exact, Fast, Constant };
    void exactPixel(double a, double b, int column, int row);

    ParameterSet& ps_;
    ColourScratch& cs_;
    Reporter& reporter_;
    Mode mode_ = Mode::Exact;
    FastBlend fast_;
    const int* order_ = nullptr;
    uint8_t constant_[3] = {0, 0, 0};
    bool constantFaulted_ = false;
    bool anyPixel_ = false;
    double lastA_ = 0, lastB_ = 0;  // unscaled plane values of the last pixel
};

}  // namespace zarvo
