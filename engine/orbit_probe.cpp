#include "orbit_probe.h"

#include <algorithm>

#include "fp_fault.h"
#include "pixel_compute.h"
#include "render_orbit.h"

namespace zarvo {

OrbitProber::OrbitProber() : x_(static_cast<size_t>(orbitCapacity), 0.0), y_(static_cast<size_t>(orbitCapacity), 0.0) {}

OrbitProbe OrbitProber::probe(const ScanPlan& plan, zarvo_formula_fn formula, int column, int row) {
    const FpStateGuard keep;
    OrbitProbe out;
    out.column = column;
    out.row = row;
    const int limit = plan.limit;
    // Every probe starts from the same arrays, whatever the last one left.
    std::fill(x_.begin(), x_.begin() + std::min(limit + 2, orbitCapacity), 0.0);
    std::fill(y_.begin(), y_.begin() + std::min(limit + 2, orbitCapacity), 0.0);
    OrbitBuffer orbit(x_.data(), y_.data());
    FormulaRecord rec = plan.record;
    plan.startPixel(rec, column, row);
    out.zRe = rec.zRe;
    out.zIm = rec.zIm;

    ClearFaults();
    RunFormula(rec, orbit, [formula](FormulaRecord& r) { formula(&r); });
    out.count = rec.iterationCount;
    const size_t points = static_cast<size_t>(std::clamp(rec.iterationCount, 0, orbitCapacity - 1)) + 1;
    out.x.assign(x_.begin(), x_.begin() + points);
    out.y.assign(y_.begin(), y_.begin() + points);
    RenderOrbit(rec, plan.transformMode);
    out.renderedX.assign(x_.begin(), x_.begin() + points);
    out.renderedY.assign(y_.begin(), y_.begin() + points);
    out.resultA = rec.resultA;
    out.resultB = rec.resultB;
    out.faultFlags = PendingFaultFlags();
    return out;
}

void PlanePoint(int rotateMode, double& re, double& im) {
    switch (rotateMode) {
        case 1:
            std::swap(re, im);
            break;
        case 2: {
            const double r = re;
            re = -im;
            im = -r;
            break;
        }
        case 3:
            re = -re;
            im = -im;
            break;
        default:
            break;
    }
}

}  // namespace zarvo
