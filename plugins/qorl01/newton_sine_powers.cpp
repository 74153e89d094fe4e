// Formulas 13 to 28 of plug-in one: Newton-style passes over powers of z with
// zsin and zcos, each with its own start value. They iterate on the working
// copy and write the final z back to the record.
//
// In 13 to 18 the text's z1 is z^2; in 19 and 20 it is the current z and the
// text reuses z for the denominator. Formula 22 uses z^4 wherever its text
// says z8.
#include "sine_family.h"

namespace zarvo::qorl01 {

using formula::Complex;
using formula::recordZ;

void formula13(FormulaRecord* rec, WorkState& w) {
    runSineFamily<2>(rec, w, (2.0 * recordZ(rec)) / real(4.0), [](const WorkState& s) {
        const Complex &z = s.z, &z1 = s.p[2], &c = s.c, &zsin = s.zsin, &zcos = s.zcos;
        return z - (z1 * z1 - z1 * z * c - z - zsin) / (4.0 * z * z1 - 3.0 * z1 * c - zcos);
    });
}

void formula14(FormulaRecord* rec, WorkState& w) {
    runSineFamily<2>(rec, w, real(-1.0) / (3.0 * recordZ(rec)), [](const WorkState& s) {
        const Complex &z = s.z, &z1 = s.p[2], &c = s.c, &zsin = s.zsin, &zcos = s.zcos;
        return z - (z * z1 * c + z1 + z + c - zsin) / (3.0 * z1 * c + 2.0 * z + 1.0 + formula::tangent(z) - zcos);
    });
}

void formula15(FormulaRecord* rec, WorkState& w) {
    const Complex start = formula::parameterPlane(rec) ? real(-0.5) : recordZ(rec);
    runSineFamily<2>(rec, w, start, [](const WorkState& s) {
        const Complex &z = s.z, &z1 = s.p[2], &c = s.c, &zsin = s.zsin, &zcos = s.zcos;
        return z - (z1 * z1 * c + z1 * z * c + z + c - zsin) / (4.0 * z1 * z * c + 3.0 * z1 * c + 1.0 - zcos);
    });
}

void formula16(FormulaRecord* rec, WorkState& w) {
    runSineFamily<2>(rec, w, real(-0.5) / recordZ(rec), [](const WorkState& s) {
        const Complex &z = s.z, &z1 = s.p[2], &c = s.c, &zsin = s.zsin, &zcos = s.zcos;
        return z - (z1 * z1 * c + z1 * z + z + c - zsin) / (4.0 * z1 * z * c + 3.0 * z1 - zcos);
    });
}

void formula17(FormulaRecord* rec, WorkState& w) {
    runSineFamily<2>(rec, w, (-3.0 * recordZ(rec)) / real(9.0), [](const WorkState& s) {
        const Complex &z = s.z, &z1 = s.p[2], &c = s.c, &zsin = s.zsin, &zcos = s.zcos;
        return z - (z1 * z + z1 * c + c - zsin) / (3.0 * z1 + 2.0 * z * c - zcos);
    });
}

void formula18(FormulaRecord* rec, WorkState& w) {
    runSineFamily<2>(rec, w, (-2.0 * recordZ(rec)) / real(4.0), [](const WorkState& s) {
        const Complex &z = s.z, &z1 = s.p[2], &c = s.c, &zsin = s.zsin, &zcos = s.zcos;
        return z - (z1 * z1 + z1 * z * c + c - zsin) / (4.0 * z1 * z + 3.0 * z * z * c - zcos);
    });
}

void formula19(FormulaRecord* rec, WorkState& w) {
    runSineFamily<4>(rec, w, (5.0 * (-3.0 * recordZ(rec))) / real(25.0), [](const WorkState& s) {
        const Complex &z1 = s.z, &z2 = s.p[2], &z4 = s.p[4], &c = s.c;
        const Complex den = 5.0 * z4 + 4.0 * z2 * z1 * c - s.zcos;
        return z1 - (z4 * z1 + z4 * c + c - s.zsin) / den;
    });
}

void formula20(FormulaRecord* rec, WorkState& w) {
    runSineFamily<5>(rec, w, (7.0 * (-5.0 * recordZ(rec))) / real(49.0), [](const WorkState& s) {
        const Complex &z1 = s.z, &z2 = s.p[2], &z5 = s.p[5], &c = s.c;
        const Complex den = 7.0 * z5 * z1 + 6.0 * z5 * c - s.zcos;
        return z1 - (z5 * z2 + z5 * z1 * c + c - s.zsin) / den;
    });
}

void formula21(FormulaRecord* rec, WorkState& w) {
    runSineFamily<8>(rec, w, (9.0 * (-7.0 * recordZ(rec))) / real(81.0), [](const WorkState& s) {
        const Complex &z = s.z, &z2 = s.p[2], &z4 = s.p[4], &z5 = s.p[5], &z8 = s.p[8];
        const Complex &c = s.c, &zsin = s.zsin, &zcos = s.zcos;
        return z - (z5 * z4 + z8 * c + c - zsin) / (9.0 * z8 + 8.0 * z5 * z2 * c - zcos);
    });
}

void formula22(FormulaRecord* rec, WorkState& w) {
    runSineFamily<4>(rec, w, (13.0 * (-11.0 * recordZ(rec))) / real(169.0), [](const WorkState& s) {
        const Complex &z = s.z, &z2 = s.p[2], &z4 = s.p[4], &z8 = s.p[4];
        const Complex &c = s.c, &zsin = s.zsin, &zcos = s.zcos;
        return z - (z8 * z4 * z + z8 * z4 * c + c - zsin) / (13.0 * z8 * z4 + 12.0 * z8 * z2 * z * c - zcos);
    });
}

// 23: zsin and zcos are replaced by (zsin + 1e-15) / strands and
// (zcos + 1e-15) / strands, the 1e-15 on the real part, as complex quotients.
void formula23(FormulaRecord* rec, WorkState& w) {
    const Complex strands = real(rec->strands);
    runSineFamily<4>(rec, w, (9.0 * (-7.0 * recordZ(rec))) / real(81.0), [strands](WorkState& s) {
        s.zsin = (s.zsin + 1e-15) / strands;
        s.zcos = (s.zcos + 1e-15) / strands;
        const Complex &z = s.z, &z3 = s.p[3], &z4 = s.p[4];
        const Complex &c = s.c, &zsin = s.zsin, &zcos = s.zcos;
        return z - (z4 * z4 * z + z4 * z4 * c + c - zsin) / (9.0 * z4 * z4 + 8.0 * z4 * z3 * c - zcos);
    });
}

void formula24(FormulaRecord* rec, WorkState& w) {
    runSineFamily<2>(rec, w, (5.0 * (-3.0 * recordZ(rec))) / real(25.0), [](const WorkState& s) {
        const Complex &z = s.z, &z2 = s.p[2], &c = s.c, &zsin = s.zsin, &zcos = s.zcos;
        return z - (z2 * z2 * z + z2 * z2 * c + z + c - zsin) / (5.0 * z2 * z2 + 4.0 * z2 * z * c + 1.0 - zcos);
    });
}

void formula25(FormulaRecord* rec, WorkState& w) {
    runSineFamily<4>(rec, w, (3.0 * (-2.0 * recordZ(rec))) / real(9.0), [](const WorkState& s) {
        const Complex &z = s.z, &z2 = s.p[2], &z4 = s.p[4];
        const Complex &c = s.c, &zsin = s.zsin, &zcos = s.zcos;
        return z - (z4 * z2 + z4 * z * c + z + c - zsin) / (6.0 * z4 * z + 5.0 * z4 * c - zcos);
    });
}

void formula26(FormulaRecord* rec, WorkState& w) {
    runSineFamily<4>(rec, w, (7.0 * (-5.0 * recordZ(rec))) / real(49.0), [](const WorkState& s) {
        const Complex &z = s.z, &z2 = s.p[2], &z4 = s.p[4];
        const Complex &c = s.c, &zsin = s.zsin, &zcos = s.zcos;
        return z - (z4 * z2 * z + z4 * z2 * c + z + c - zsin) / (7.0 * z4 * z2 + 6.0 * z4 * z * c + 1.0 - zcos);
    });
}

void formula27(FormulaRecord* rec, WorkState& w) {
    runSineFamily<4>(rec, w, (9.0 * (-7.0 * recordZ(rec))) / real(81.0), [](const WorkState& s) {
        const Complex &z = s.z, &z2 = s.p[2], &z4 = s.p[4];
        const Complex &c = s.c, &zsin = s.zsin, &zcos = s.zcos;
        return z - (z4 * z4 * z + z4 * z4 * c + z + c - zsin) / (9.0 * z4 * z4 + 8.0 * z4 * z2 * z * c + 1.0 - zcos);
    });
}

void formula28(FormulaRecord* rec, WorkState& w) {
    runSineFamily<12>(rec, w, (13.0 * (-11.0 * recordZ(rec))) / real(169.0), [](const WorkState& s) {
        const Complex &z = s.z, &z2 = s.p[2], &z4 = s.p[4], &z12 = s.p[12];
        const Complex &c = s.c, &zsin = s.zsin, &zcos = s.zcos;
        return z - (z12 * z + z12 * c - z - zsin) / (13.0 * z12 + 12.0 * z4 * z4 * z2 * z * c - zcos);
    });
}

}  // namespace zarvo::qorl01
