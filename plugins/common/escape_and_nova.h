// Formulas 0 to 5: the escape-time z^2 + c, the same map under the
// convergence rule, the Nova formulas and "Twister Weed". Both plug-ins run
// these, so they are templated on the record type.
//
// Which z the record keeps on return differs: formulas 0, 1, 2 and 4 iterate
// on the record's z (it ends as the final z), formulas 3 and 5 iterate on the
// working copy only (the record keeps the prologue's z).
#ifndef ZARVO_PLUGINS_ESCAPE_AND_NOVA_H
#define ZARVO_PLUGINS_ESCAPE_AND_NOVA_H

#include "iteration_core.h"

namespace zarvo::formula {

// 0: escape-time z^2 + c; continue while zRe^2 + zIm^2 < bailout.
// The loop is the most used of all, so z, c, the count and the orbit
// pointers stay in locals: the orbit stores cannot then force them through
// memory on every pass. The record gets the count and z at the end, exactly
// as the test-and-increment steps leave them.
template <class Rec>
void formula0(Rec* rec, WorkState& w) {
    double zRe = rec->zRe, zIm = rec->zIm;
    const double cRe = rec->cRe, cIm = rec->cIm;
    const double bailout = rec->bailout;
    const int32_t limit = iterationLimit(rec);
    double* const orbitX = rec->orbitX;
    double* const orbitY = rec->orbitY;
    int32_t count = rec->iterationCount;
    for (;;) {
        const int32_t n = count;
        count = n + 1;
        if (n >= limit) break;
        if (!(zRe * zRe + zIm * zIm < bailout)) break;
        orbitX[count] = zRe;
        orbitY[count] = zIm;
        const double re = zRe, im = zIm;
        zIm = 2.0 * re * im + cIm;
        zRe = re * re - im * im + cRe;
    }
    orbitX[count] = zRe;
    orbitY[count] = zIm;
    rec->iterationCount = count;
    w.z = Complex{zRe, zIm};
    w.c = Complex{cRe, cIm};
    writeZ(rec, w.z);
}

// 1: z^2 + c under the convergence rule. Plug-in two leaves out the final
// orbit store (FinalStore = false).
template <class Rec, bool FinalStore = true>
void formula1(Rec* rec, WorkState& w) {
    w.z = recordZ(rec);
    w.c = recordC(rec);
    convergeStoreBefore(
        rec, w, [](WorkState& s) { return s.z * s.z + s.c; }, FinalStore);
    writeZ(rec, w.z);
}

// 2: "4th Order Nova", start z + 1 in the parameter plane.
template <class Rec>
void formula2(Rec* rec, WorkState& w) {
    w.z = recordZ(rec);
    w.c = recordC(rec);
    if (parameterPlane(rec)) w.z = w.z + 1.0;
    convergeStoreAfter(rec, w, [](WorkState& s) {
        formPowers(s, 4);
        s.z = s.z - ((s.p[4] - 1.0) / (4.0 * s.p[3])) + s.c;
        return s.z;
    });
    writeZ(rec, w.z);
}

// 3: "3rd Order Nova", start z + 1 in the parameter plane.
template <class Rec>
void formula3(Rec* rec, WorkState& w) {
    w.z = recordZ(rec);
    w.c = recordC(rec);
    if (parameterPlane(rec)) w.z = w.z + 1.0;
    convergeStoreAfter(rec, w, [](WorkState& s) {
        formPowers(s, 3);
        s.z = s.z - (s.p[3] - 1.0) / (3.0 * s.p[2]) + s.c;
        return s.z;
    });
}

// 4: two half-steps per pass, w = z - (z^4 - 1)/(4z^3) + c, then z = w^2 + c;
// start 1 in the parameter plane. Plug-in two stores the final z once more
// after the loop (ExtraFinalStore = true).
template <class Rec, bool ExtraFinalStore = false>
void formula4(Rec* rec, WorkState& w) {
    w.z = recordZ(rec);
    w.c = recordC(rec);
    if (parameterPlane(rec)) w.z = Complex{1.0, 0.0};
    convergeStoreAfter(rec, w, [](WorkState& s) {
        formPowers(s, 4);
        const Complex half = s.z - (s.p[4] - 1.0) / (4.0 * s.p[3]) + s.c;
        s.z = half * half + s.c;
        return s.z;
    });
    if (ExtraFinalStore) storeOrbit(rec, w.z);
    writeZ(rec, w.z);
}

// 5: "Twister Weed": z is clamped to [-50, 50] per part and c2 = exp(z) is
// taken once; each pass z = z - c2*((z*z2 - 1)/(3*z2)) + c.
template <class Rec>
void formula5(Rec* rec, WorkState& w) {
    w.z = recordZ(rec);
    w.c = recordC(rec);
    w.c2 = exponentialClamped(w.z);
    convergeStoreAfter(rec, w, [](WorkState& s) {
        const Complex z2 = s.z * s.z;
        s.z = s.z - s.c2 * ((s.z * z2 - 1.0) / (3.0 * z2)) + s.c;
        return s.z;
    });
}

}  // namespace zarvo::formula

#endif
