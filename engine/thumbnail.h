// Small pictures of the current view for the galleries: another render
// method, blend, channel order or formula, computed apart from the window's
// scan on a record and orbit arrays of their own. Nothing here reads or
// writes the parameter set after the plan is made, so thumbnails can be
// computed on any thread while the window goes on drawing.
#pragma once

#include <atomic>
#include <vector>

#include "rgb_image.h"
#include "scan_plan.h"

namespace zarvo {

// The plan of a width x height picture with the centre, magnification and
// every other parameter of `ps`.
ScanPlan ThumbnailPlan(const ParameterSet& ps, int width, int height);

struct Thumbnail {
    int width = 0;
    int height = 0;
    std::vector<double> a, b;  // resultA and resultB, row by row
    int rowsDone = 0;          // rows computed in full
    bool faulted = false;      // a floating-point fault ended it
    bool complete() const { return rowsDone == height && !faulted; }
};

// Computes the rows in order on the calling thread, carrying the orbit
// entries past the iteration limit from pixel to pixel as a scan does.
// Stops early when `stop` is set (it may be null).
Thumbnail ComputeThumbnail(const ScanPlan& plan, zarvo_formula_fn formula, const std::atomic<bool>* stop);

// The computed rows coloured with the colour set, blend and channel order
// of `colours`; a blend or order that colours no pixel by itself is taken as
// blend 1 and order 1. Rows not computed stay black.
RgbImage ColourThumbnail(const Thumbnail& t, const FormulaRecord& colours);

}  // namespace zarvo
