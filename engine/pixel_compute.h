// One pixel whose z and c are in a record: the formula (the plug-in, or the
// attractor's formula) runs on the record, then the orbit transform and the
// render method turn its orbit into resultA and resultB.
#pragma once

#include <algorithm>

#include "parameter_set.h"

namespace zarvo {

// The two orbit arrays a record computes into. Before every pixel entries
// 0 .. limit-1 must be zero; a formula that keeps to the plug-in protocol
// writes orbit points 0 .. count (count being the iteration count it leaves;
// one more is allowed for), and the transform and the render method rewrite
// points 0 .. count only. So instead of clearing all `limit` entries for
// every pixel, prepare() clears what the previous pixel can have written:
// the same zeros, far fewer stores for orbits that end early.
class OrbitBuffer {
public:
    OrbitBuffer(double* x, double* y) : x_(x), y_(y) {}

    double* x() const { return x_; }
    double* y() const { return y_; }

    // Entries 0 .. limit-1 of both arrays are zero afterwards.
    void prepare(int limit) {
        limit = std::max(limit, 0);
        const int end = limit == clearedLimit_ ? std::min(dirtyEnd_, limit) : limit;
        std::fill(x_, x_ + end, 0.0);
        std::fill(y_, y_ + end, 0.0);
        clearedLimit_ = limit;
        dirtyEnd_ = 0;
    }
    // The pixel's formula left `count` in the record.
    void used(int32_t count) { dirtyEnd_ = std::clamp<int32_t>(count, 0, orbitCapacity - 2) + 2; }
    // Somebody else wrote into the arrays: the next prepare() clears all.
    void forget() { clearedLimit_ = -1; }

private:
    double* x_;
    double* y_;
    int clearedLimit_ = -1;  // entries 0 .. clearedLimit_-1 are zero apart from the dirty ones
    int dirtyEnd_ = 0;       // entries from here on were not written since
};

// rotateMode applied to c and z before the formula sees them: 1 swaps real
// and imaginary parts, 2 swaps and negates them, 3 negates all four.
inline void RotateForFormula(FormulaRecord& rec) {
    switch (rec.rotateMode) {
        case 1:
            std::swap(rec.cRe, rec.cIm);
            std::swap(rec.zRe, rec.zIm);
            break;
        case 2: {
            const double cr = rec.cRe, zr = rec.zRe;
            rec.cRe = -rec.cIm;
            rec.cIm = -cr;
            rec.zRe = -rec.zIm;
            rec.zIm = -zr;
            break;
        }
        case 3:
            rec.cRe = -rec.cRe;
            rec.cIm = -rec.cIm;
            rec.zRe = -rec.zRe;
            rec.zIm = -rec.zIm;
            break;
        default:
            break;
    }
}

// The formula part of a pixel: orbit arrays ready and pointed to, count and
// results cleared, c and z rotated, `formula(rec)` called, c put back (z is
// not). The render part follows with RenderOrbit.
template <typename Formula>
inline void RunFormula(FormulaRecord& rec, OrbitBuffer& orbit, Formula&& formula) {
    rec.orbitX = orbit.x();
    rec.orbitY = orbit.y();
    rec.iterationCount = 0;
    rec.resultA = rec.resultB = 0;
    orbit.prepare(std::min(rec.maxIterations, maxIterationsLimit));
    const double savedCRe = rec.cRe;
    const double savedCIm = rec.cIm;
    RotateForFormula(rec);
    formula(rec);
    rec.cRe = savedCRe;
    rec.cIm = savedCIm;
    orbit.used(rec.iterationCount);
}

}  // namespace zarvo
