// A small formula plug-in for the document and renderer tests, so they do
// not depend on the real formulas: formula 1 iterates z*z + c, formula 2
// divides by zero (a floating-point fault), formula 0 leaves an empty orbit.
#include "zarvo_plugin.h"

namespace {
const char* const kTitles[3] = {"empty", "z*z+c", "divide by zero"};
const char* const kDescriptions[3] = {"leaves no orbit", "the classic set", "raises a fault"};
}  // namespace

extern "C" {

ZARVO_EXPORT int32_t _total(void) { return 3; }

ZARVO_EXPORT int32_t _info(FormulaRecord* rec) {
    const int i = rec->formulaIndex >= 0 && rec->formulaIndex < 3 ? rec->formulaIndex : 0;
    rec->formulaTitle = kTitles[i];
    rec->formulaDescription = kDescriptions[i];
    return i;
}

ZARVO_EXPORT int32_t _formula(FormulaRecord* rec) {
    rec->iterationCount = 0;
    if (rec->formulaIndex == 2) {
        volatile double zero = 0.0;
        rec->zRe = 1.0 / zero;
        return 0;
    }
    if (rec->formulaIndex != 1) return 0;
    double x = rec->zRe, y = rec->zIm;
    int n = 0;
    while (n < rec->maxIterations && x * x + y * y < 4.0) {
        const double t = x * x - y * y + rec->cRe;
        y = 2 * x * y + rec->cIm;
        x = t;
        ++n;
        rec->orbitX[n] = x;
        rec->orbitY[n] = y;
    }
    rec->iterationCount = n;
    return n;
}
}
