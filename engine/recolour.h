// Recolouring a picture from its result planes. The bytes are exactly those
// that BlendMethods, coloring and ApplyColor give pixel by pixel, but the
// work is arranged for speed: the colour set is read once, no message or
// virtual call is made for an ordinary pixel, and several pixels at a time
// go through fast sines and cosines whose small error is accounted for (a
// pixel with a channel too close to the boundary between two bytes is
// recomputed exactly). See recolour.md.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "colouring.h"
#include "lanes.h"
#include "palette.h"
#include "parameter_set.h"
#include "reporter.h"

namespace zarvo {

// The fast evaluation of blends 1 to 5 and the palette for one colour set.
class FastBlend {
public:
    FastBlend(int blendMethod, const Palette& palette);

    // False when the colour set is too large for the fast functions to
    // decide any byte; every pixel must then be computed exactly.
    bool usable() const { return usable_; }

    // Channel bytes 0..2 (whole numbers 0..254) of the pixels whose results,
    // already scaled by intensity, are a and b. A lane of `undecided` is set
    // where a byte cannot be decided safely or a value leaves the range of
    // the fast functions; that pixel must be computed exactly.
    template <typename V>
    void bytes(V a, V b, V out[3], LaneMaskOf<V>& undecided) const;

private:
    int blend_;
    Palette palette_;
    double margin_[3] = {0, 0, 0};  // distance to a byte boundary that is safe
    bool usable_ = false;
};

// Colours the rows of a picture from its planes, one row per call.
class PlaneRecolourer {
public:
    // `wideLanes` false keeps to two lanes even where the processor could
    // take four (the result is the same; tests use it to check both paths).
    PlaneRecolourer(ParameterSet& ps, ColourScratch& cs, Reporter& reporter, bool wideLanes = true);

    // Colours columns 0..width-1 of `row`. The planes hold value
    // [column][row] at column * columnStride + row.
    void colourRow(const double* planeA, const double* planeB, size_t columnStride, int row, int width);

    // Leaves resultA, resultB and the colour scratch as the last coloured
    // pixel left them when computed one by one.
    void finish();

private:
    enum class Mode { Exact, Fast, Constant };
    void exactPixel(double a, double b, int column, int row);
    void constantRow(const double* planeA, const double* planeB, size_t columnStride, int row, int width, bool inside);
    void fastRow(const double* a, const double* b, int row, int width);
    void loadBand(const double* planeA, const double* planeB, size_t columnStride, int row, int width);

    ParameterSet& ps_;
    ColourScratch& cs_;
    Reporter& reporter_;
    Mode mode_ = Mode::Exact;
    FastBlend fast_;
    const int* order_ = nullptr;
    bool wideLanes_ = true;
    uint8_t constant_[3] = {0, 0, 0};
    bool constantFaulted_ = false;
    bool anyPixel_ = false;
    double lastA_ = 0, lastB_ = 0;  // unscaled plane values of the last pixel
    // The planes hold columns; the fast path copies a band of rows at a
    // time into row order, so that memory is read line by line.
    static constexpr int kBandRows = 8;
    std::vector<double> bandA_, bandB_;
    std::vector<int> undecided_;  // columns of the row to compute exactly
    int bandFirstRow_ = -1, bandRows_ = 0, bandWidth_ = 0;
};

// The whole picture (width × height, the size of ps.workBitmap) coloured
// from the planes by `threads` threads, each with its own copy of the
// colour scratch and the record, in bands of rows. The picture, the
// messages (in row order), the fault that ends it (after the first row with
// a fault, the rest left as it was) and the record and scratch it leaves are
// those of PlaneRecolourer row after row. `rowShown` is called after each
// row is in the picture. Returns the fault's description or "".
std::string RecolourOnThreads(ParameterSet& ps, ColourScratch& cs, Reporter& reporter, const double* planeA,
                              const double* planeB, size_t columnStride, int threads,
                              const std::function<void()>& rowShown);

}  // namespace zarvo
