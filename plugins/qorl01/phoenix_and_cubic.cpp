// Formulas 6 to 12 of plug-in one: the cosine map, Phoenix, the two cubics,
// the Nova variations and formula 12. All of them iterate on the working
// copy only and store after each step; the record keeps the prologue's z.
#include "routines.h"

namespace zarvo::qorl01 {

using formula::Complex;
using formula::convergeStoreAfter;
using formula::divergeStoreAfter;
using formula::formPowers;
using formula::recordC;
using formula::recordZ;

// 6: z = c / cos(z) (cosine with in-place clamping), then z = z*z.
void formula6(FormulaRecord* rec, WorkState& w) {
    w.z = recordZ(rec);
    w.c = recordC(rec);
    convergeStoreAfter(rec, w, [](WorkState& s) {
        const Complex cosine = formula::cosineClamped(s.z);
        s.z = s.c / cosine;
        s.z = s.z * s.z;
        return s.z;
    });
}

// 7: "Phoenix" with the fixed constant 0.568 + 0i in place of c and the fixed
// factor p = 0.5 + 0i; starts at i*z. The orbit and d follow the half-step w.
void formula7(FormulaRecord* rec, WorkState& w) {
    const Complex z = recordZ(rec);
    w.z = Complex{-z.im, z.re};
    w.wprev = Complex{0.0, 0.0};
    convergeStoreAfter(rec, w, [](WorkState& s) {
        const Complex p{0.5, 0.0};
        const Complex k{0.568, 0.0};
        const Complex half = s.z * s.z - p * s.z + k;
        s.z = half * half - p * s.wprev + k;
        s.wprev = half;
        return half;
    });
}

// The pass shared by both cubics: z = z*z*z - aa3*z + b.
static Complex cubicStep(WorkState& s) { return s.z * s.z * s.z - s.aa3 * s.z + s.b; }

// 8: "Cubic CBAP": a = (c^2 + 1)/(3c), b = 2a^3 + (c^2 - 2)/(3c), aa3 = 3a^2,
// start -a; divergence rule.
void formula8(FormulaRecord* rec, WorkState& w) {
    w.c = recordC(rec);
    const Complex csq = w.c * w.c;
    const Complex threeC = 3.0 * w.c;
    const Complex a = (csq + 1.0) / threeC;
    w.b = 2.0 * (a * a * a) + (csq - 2.0) / threeC;
    w.aa3 = 3.0 * (a * a);
    w.z = formula::negate(a);
    divergeStoreAfter(rec, w, cubicStep);
}

// 9: "Nova Variation", start 1 in both forms.
void formula9(FormulaRecord* rec, WorkState& w) {
    w.c = recordC(rec);
    w.z = Complex{1.0, 0.0};
    convergeStoreAfter(rec, w, [](WorkState& s) {
        formPowers(s, 4);
        s.z = s.z - (s.p[4] - s.z) / (4.0 * s.p[3] - s.z) + s.c;
        return s.z;
    });
}

// 10: "Cubic (CCAP": a = c, b = 2c^3 + c, aa3 = 3c^2, start -c; convergence.
void formula10(FormulaRecord* rec, WorkState& w) {
    w.c = recordC(rec);
    const Complex c = w.c;
    w.b = 2.0 * (c * c * c) + c;
    w.aa3 = 3.0 * (c * c);
    w.z = formula::negate(c);
    convergeStoreAfter(rec, w, [](WorkState& s) {
        s.z = cubicStep(s);
        return s.z;
    });
}

// 11: "Nova Variation ", start z + 1 in both forms.
void formula11(FormulaRecord* rec, WorkState& w) {
    w.z = recordZ(rec) + 1.0;
    w.c = recordC(rec);
    convergeStoreAfter(rec, w, [](WorkState& s) {
        formPowers(s, 4);
        s.z = s.z - (s.p[4] - 1.0) / (4.0 * s.p[3] - s.z) + s.c;
        return s.z;
    });
}

// 12: z = z^2 * c^3 + c, formed as z^2*c, c*(z^2*c), c*(z^2*c^2) + c;
// divergence rule.
void formula12(FormulaRecord* rec, WorkState& w) {
    w.z = recordZ(rec);
    w.c = recordC(rec);
    divergeStoreAfter(rec, w, [](WorkState& s) {
        Complex t = (s.z * s.z) * s.c;
        t = s.c * t;
        t = s.c * t;
        return t + s.c;
    });
}

}  // namespace zarvo::qorl01
