// The description table row and the bodies of _info and _formula, shared by
// both plug-ins. A plug-in supplies its table, its inversion and its record
// type; its exports.cpp only forwards the three C entry points here.
#ifndef ZARVO_PLUGINS_PLUGIN_ENTRY_H
#define ZARVO_PLUGINS_PLUGIN_ENTRY_H

#include "iteration_core.h"

#include <cstdint>

namespace zarvo::formula {

// One formula: its iteration routine and the two texts _info hands out.
template <class Rec>
struct FormulaRow {
    Routine<Rec> routine;
    const char* title;
    const char* description;
};

// Inversion in the unit circle (plug-in one): (x, y) / (x^2 + y^2).
inline Complex mirrorInUnitCircle(Complex w) {
    const double den = w.re * w.re + w.im * w.im;
    return {w.re / den, w.im / den};
}

// True reciprocal (plug-in two): (1 + 0i) / w.
inline Complex reciprocal(Complex w) { return Complex{1.0, 0.0} / w; }

// _info: sets the two texts of row formulaIndex and returns the index. An
// index outside the table leaves the record untouched instead of reading
// past the end of the table.
template <class Rec>
inline int32_t describeFormula(Rec* rec, const FormulaRow<Rec>* rows, int32_t rowCount) {
    const int32_t index = rec->formulaIndex;
    if (index >= 0 && index < rowCount) {
        rec->formulaTitle = rows[index].title;
        rec->formulaDescription = rows[index].description;
    }
    return index;
}

// _formula's prologue and dispatch: reset the count, invert c and z when
// asked, write them back, store z as orbit point 0 and run the routine of
// formulaIndex (none when the index is outside the table). Returns the count
// the routine left. The working values live on this call's stack and every
// routine sets the ones it reads, so nothing survives from one call to the
// next and calls on different records may run at the same time.
template <class Rec, class Invert>
inline int32_t runFormula(Rec* rec, const FormulaRow<Rec>* rows, int32_t rowCount, Invert invert) {
    WorkState w;
    rec->iterationCount = 0;
    w.z = recordZ(rec);
    w.c = recordC(rec);
    if (rec->inverseFormula != 0) {
        w.c = invert(w.c);
        w.z = invert(w.z);
    }
    rec->cRe = w.c.re;
    rec->cIm = w.c.im;
    writeZ(rec, w.z);

    // A record without orbit arrays cannot be iterated; refuse it rather
    // than write through a null pointer.
    if (rec->orbitX == nullptr || rec->orbitY == nullptr) return rec->iterationCount;
    storeOrbit(rec, w.z);

    const int32_t index = rec->formulaIndex;
    if (index >= 0 && index < rowCount) rows[index].routine(rec, w);
    return rec->iterationCount;
}

}  // namespace zarvo::formula

#endif
