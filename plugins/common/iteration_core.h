// Working storage, pass counting, orbit storage and the three loop shapes
// shared by the iteration routines of both plug-ins. Everything is templated
// on the record type, because plug-in two runs the same routines on the
// earlier record layout.
//
// Counting: a pass is admitted by a test-and-increment step (read the count
// n, store n + 1, stop when n >= the limit). The count left in the record is
// therefore one more than the number of completed passes. See iteration.md.
#ifndef ZARVO_PLUGINS_ITERATION_CORE_H
#define ZARVO_PLUGINS_ITERATION_CORE_H

#include "complex_ops.h"
#include "zarvo_plugin.h"

#include <cstdint>

namespace zarvo::formula {

// Convergence bounds on d = |zold - znew|^2.
constexpr double kUpperBound = 1e25;
constexpr double kLowerBound = 1e-25;

// The plug-in's working values. Each _formula call keeps its own on its stack
// (see runFormula); a routine sets every value before it reads it.
struct WorkState {
    Complex z;      // working z
    Complex c;      // working c
    Complex zold;   // z at the start of the current pass
    Complex p[13];  // p[k] = z^k for the powers the formula needs (k >= 1)
    Complex zsin;   // sine of z
    Complex zcos;   // cosine of z
    double d;       // convergence measure
    Complex c2;     // formula 5: exp of the start value
    Complex aa3;    // formulas 8, 10
    Complex b;      // formulas 8, 10
    Complex wprev;  // formula 7: previous half-step
};

template <class Rec>
using Routine = void (*)(Rec* rec, WorkState& w);

// The limit never lets a routine write past the last orbit entry, whatever
// the host put into maxIterations.
template <class Rec>
inline int32_t iterationLimit(const Rec* rec) {
    return rec->maxIterations < ZARVO_MAX_ITERATIONS ? rec->maxIterations : ZARVO_MAX_ITERATIONS;
}

// Test-and-increment: true when the limit is reached.
template <class Rec>
inline bool limitReached(Rec* rec) {
    const int32_t n = rec->iterationCount;
    rec->iterationCount = n + 1;
    return n >= iterationLimit(rec);
}

// Stores z as orbit point iterationCount.
template <class Rec>
inline void storeOrbit(Rec* rec, Complex z) {
    const int32_t i = rec->iterationCount;
    rec->orbitX[i] = z.re;
    rec->orbitY[i] = z.im;
}

template <class Rec>
inline Complex recordZ(const Rec* rec) {
    return {rec->zRe, rec->zIm};
}

template <class Rec>
inline Complex recordC(const Rec* rec) {
    return {rec->cRe, rec->cIm};
}

template <class Rec>
inline void writeZ(Rec* rec, Complex z) {
    rec->zRe = z.re;
    rec->zIm = z.im;
}

template <class Rec>
inline bool parameterPlane(const Rec* rec) {
    return rec->juliaMode == 0;
}

// Fills w.p[1] .. w.p[top] with z, z^2 = z*z, z^3 = z*z^2, ...
inline void formPowers(WorkState& w, int top) {
    w.p[1] = w.z;
    for (int k = 2; k <= top; ++k) w.p[k] = w.z * w.p[k - 1];
}

// Convergence rule, store-before-step: the value before each pass is stored
// at the top of the pass and the final z once more after the loop (unless
// finalStore is false). step(w) returns the new z computed from w.z.
template <class Rec, class Step>
inline void convergeStoreBefore(Rec* rec, WorkState& w, Step step, bool finalStore = true) {
    w.d = 1.0;
    if (!limitReached(rec)) {
        while (w.d < kUpperBound) {
            storeOrbit(rec, w.z);
            w.zold = w.z;
            w.z = step(w);
            w.d = distanceSquared(w.zold, w.z);
            if (limitReached(rec) || !(kLowerBound < w.d)) break;
        }
    }
    if (finalStore) storeOrbit(rec, w.z);
}

// Convergence rule, store-after-step: step(w) advances w.z and returns the
// value to store and to measure d against zold (the new z, except for the
// half-steps of formula 7). Nothing is stored after the loop.
template <class Rec, class Step>
inline void convergeStoreAfter(Rec* rec, WorkState& w, Step step) {
    w.d = 1.0;
    if (limitReached(rec)) return;
    while (w.d < kUpperBound) {
        w.zold = w.z;
        const Complex shown = step(w);
        storeOrbit(rec, shown);
        w.d = distanceSquared(w.zold, shown);
        if (limitReached(rec) || !(kLowerBound < w.d)) return;
    }
}

// Divergence rule, store-after-step: the count and d < 1e25 are tested at the
// top of each pass; the new z is stored after it.
template <class Rec, class Step>
inline void divergeStoreAfter(Rec* rec, WorkState& w, Step step) {
    w.d = 1.0;
    for (;;) {
        if (limitReached(rec) || !(w.d < kUpperBound)) return;
        w.zold = w.z;
        w.z = step(w);
        storeOrbit(rec, w.z);
        w.d = distanceSquared(w.zold, w.z);
    }
}

}  // namespace zarvo::formula

#endif
