// One pixel of a picture computed again, apart from any scan: on a record
// and orbit arrays of its own, with its whole orbit kept. This is what the
// orbit inspector shows while the pointer moves over a picture; it calls
// the formula only through a re-entrant plug-in's entry, so a scan running
// at the same time (on this thread or on workers) is never disturbed.
#pragma once

#include <vector>

#include "scan_plan.h"

namespace zarvo {

struct OrbitProbe {
    int column = 0;
    int row = 0;
    double zRe = 0, zIm = 0;  // the pixel's point, as the scan starts it
    int32_t count = 0;        // the iteration count the formula left
    double resultA = 0, resultB = 0;
    // Orbit points 0 .. count as the formula left them, and as the orbit
    // transform and the render method left them (what the scan's arrays
    // hold after this pixel).
    std::vector<double> x, y;
    std::vector<double> renderedX, renderedY;
    int faultFlags = 0;  // a floating-point fault the pixel raised
};

class OrbitProber {
public:
    OrbitProber();

    // Pixel (column, row) of the picture `plan` draws. The two orbit
    // entries past the iteration limit, which a scan carries from pixel to
    // pixel, start at zero. The caller's fault flags are left as they were.
    OrbitProbe probe(const ScanPlan& plan, zarvo_formula_fn formula, int column, int row);

private:
    std::vector<double> x_, y_;
};

// A point of the orbit as it lies in the picture's plane: the formula sees
// z with rotateMode applied, and each rotation is its own inverse.
void PlanePoint(int rotateMode, double& re, double& im);

}  // namespace zarvo
