// The per-pixel orbit for escape-time pictures. Each pixel's orbit starts at
// its c (or at the Julia constant), follows the attractor formula and is cut
// short when it settles (the squared modulus no longer changes) or explodes;
// the orbit is left in the orbit arrays for the render methods. Nothing is
// plotted in the attractor view.
#include "vtl_draw.h"

#include <algorithm>
#include <cmath>

namespace zarvo::attractor {

namespace {
using LD = long double;
LD SquaredModulus(double re, double im) { return LD(re) * re + LD(im) * im; }
}  // namespace

void VtlDrawFormula::compute(ParameterSet&) { engine_.vtl_draw(); }

void AttractorEngine::AttractorPixelStep() {
    multi_.reset();  // a run's streams cannot go on after this
    if (ps.drawRandom != 0) {
        RandomSetup();
        ClearAccumulation();
    } else {
        ps.AA = ps.AAStart;
    }
    if (ps.iterationCount == 0) {
        ResetOrbit();
        SetRotation();
    }
    plotEnabled = false;
    MapStep();  // stepCount stays 0 here, so the every-1000-steps branch runs every step
    ps.zRe = map.x;
    ps.zIm = map.y;
}

void AttractorEngine::vtl_draw() {
    ps.orbitX = ps.orbitStoreX.data();
    ps.orbitY = ps.orbitStoreY.data();
    const int64_t capacity = static_cast<int64_t>(std::min(ps.orbitStoreX.size(), ps.orbitStoreY.size()));
    ps.iterationCount = 0;
    double zr = ps.zRe, zi = ps.zIm;  // the view's own z
    for (;;) {
        const LD before = SquaredModulus(zr, zi);
        AttractorPixelStep();
        zr = ps.zRe;
        zi = ps.zIm;
        ps.orbitX[ps.iterationCount] = zr;
        ps.orbitY[ps.iterationCount] = zi;
        const LD after = SquaredModulus(zr, zi);
        ++ps.iterationCount;
        if (ps.iterationCount > int64_t{ps.maxIterations} - 1) break;
        if (std::fabs(after - before) < 1e-20L || after > 1e24L) break;
        if (ps.iterationCount >= capacity) break;  // never write past the orbit arrays
    }
    if (ps.iterationCount > 1) --ps.iterationCount;
}

}  // namespace zarvo::attractor
