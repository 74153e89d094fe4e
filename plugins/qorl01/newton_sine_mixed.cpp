// Formulas 29 to 48 of plug-in one: Newton-style passes that mix powers of z
// with zsin and zcos inside N and D. They start at the record's z (formula 33
// at z + 1 in the parameter plane) and iterate on it, so the record ends with
// the final z. Formulas 29 to 33 add c after the Newton step.
#include "sine_family.h"

namespace zarvo::qorl01 {

using formula::Complex;
using formula::recordZ;

// The named values of a pass: z, its powers, c, zsin and zcos.
struct Terms {
    explicit Terms(const WorkState& s)
        : z(s.z),
          z2(s.p[2]),
          z3(s.p[3]),
          z4(s.p[4]),
          z5(s.p[5]),
          z6(s.p[6]),
          z7(s.p[7]),
          z8(s.p[8]),
          c(s.c),
          zsin(s.zsin),
          zcos(s.zcos) {}
    const Complex &z, &z2, &z3, &z4, &z5, &z6, &z7, &z8, &c, &zsin, &zcos;
};

void formula29(FormulaRecord* rec, WorkState& w) {
    runSineFamily<5>(rec, w, recordZ(rec), [](const WorkState& s) {
        const Terms t(s);
        const auto &z = t.z, &z2 = t.z2, &z3 = t.z3, &z5 = t.z5, &zsin = t.zsin, &zcos = t.zcos;
        return z - (z5 - z3 - z2 * zsin - z - zsin) / (5.0 * z3 - z * z2 - z2 * zcos - 1.0 - zcos) + t.c;
    });
}

void formula30(FormulaRecord* rec, WorkState& w) {
    runSineFamily<5>(rec, w, recordZ(rec), [](const WorkState& s) {
        const Terms t(s);
        const auto &z = t.z, &z2 = t.z2, &z3 = t.z3, &z5 = t.z5, &zsin = t.zsin, &zcos = t.zcos;
        return z - (z5 - z3 - z2 * zsin - z - zsin) / (4.0 * z3 - z * z3 - z2 * zcos - 1.0 - zcos) + t.c;
    });
}

void formula31(FormulaRecord* rec, WorkState& w) {
    runSineFamily<5>(rec, w, recordZ(rec), [](const WorkState& s) {
        const Terms t(s);
        const auto &z = t.z, &z3 = t.z3, &z4 = t.z4, &z5 = t.z5, &zsin = t.zsin, &zcos = t.zcos;
        return z - (z5 - z4 - z3 * zsin - z - zsin) / (5.0 * z5 - 4.0 * z3 - z3 * zcos - 1.0 - zcos) + t.c;
    });
}

void formula32(FormulaRecord* rec, WorkState& w) {
    runSineFamily<3>(rec, w, recordZ(rec), [](const WorkState& s) {
        const Terms t(s);
        const auto &z = t.z, &z2 = t.z2, &z3 = t.z3, &zsin = t.zsin, &zcos = t.zcos;
        return z - (z3 - z2 - z * zsin) / (3.0 * z2 - 2.0 * z - z * zcos) + t.c;
    });
}

void formula33(FormulaRecord* rec, WorkState& w) {
    const Complex start = formula::parameterPlane(rec) ? recordZ(rec) + 1.0 : recordZ(rec);
    runSineFamily<3>(rec, w, start, [](const WorkState& s) {
        const Terms t(s);
        const auto &z = t.z, &z2 = t.z2, &z3 = t.z3, &zsin = t.zsin, &zcos = t.zcos;
        return z - (z3 * zsin - z - zsin) / (3.0 * z2 * zcos - 1.0 - zcos) + t.c;
    });
}

void formula34(FormulaRecord* rec, WorkState& w) {
    runSineFamily<5>(rec, w, recordZ(rec), [](const WorkState& s) {
        const Terms t(s);
        const auto &z = t.z, &z4 = t.z4, &z5 = t.z5, &c = t.c, &zsin = t.zsin, &zcos = t.zcos;
        return z - (z5 - z4 * zsin - zsin * z * c - z) / (5.0 * z4 - 5.0 * z4 * zcos - zcos * z * c - 1.0);
    });
}

void formula35(FormulaRecord* rec, WorkState& w) {
    runSineFamily<5>(rec, w, recordZ(rec), [](const WorkState& s) {
        const Terms t(s);
        const auto &z = t.z, &z4 = t.z4, &z5 = t.z5, &c = t.c, &zsin = t.zsin, &zcos = t.zcos;
        return z - (z5 - z4 * zsin - zsin * z * c - z) / (5.0 * z4 - z4 * zcos - zcos * z * c - 1.0);
    });
}

void formula36(FormulaRecord* rec, WorkState& w) {
    runSineFamily<5>(rec, w, recordZ(rec), [](const WorkState& s) {
        const Terms t(s);
        const auto &z = t.z, &z4 = t.z4, &z5 = t.z5, &c = t.c, &zsin = t.zsin, &zcos = t.zcos;
        return z - (z5 * zsin - z4 * zsin - zsin * z * c - z) / (5.0 * z4 * zcos - z4 * zcos - zcos * z * c - 1.0);
    });
}

void formula37(FormulaRecord* rec, WorkState& w) {
    runSineFamily<6>(rec, w, recordZ(rec), [](const WorkState& s) {
        const Terms t(s);
        const auto &z = t.z, &z4 = t.z4, &z5 = t.z5, &z6 = t.z6, &c = t.c;
        const auto &zsin = t.zsin, &zcos = t.zcos;
        return z - (z6 - z5 - z5 * zsin - z4 * zsin * c - zsin * z * c - z) /
                       (6.0 * z5 - 5.0 * z4 - z5 * zcos - z4 * zcos * c - zcos * z * c - 1.0);
    });
}

void formula38(FormulaRecord* rec, WorkState& w) {
    runSineFamily<6>(rec, w, recordZ(rec), [](const WorkState& s) {
        const Terms t(s);
        const auto &z = t.z, &z4 = t.z4, &z5 = t.z5, &z6 = t.z6, &c = t.c;
        const auto &zsin = t.zsin, &zcos = t.zcos;
        return z - (z6 - z5 - z5 * zsin - z4 * zsin * c - z) / (6.0 * z5 - 5.0 * z4 - z5 * zcos - z4 * zcos - 1.0);
    });
}

void formula39(FormulaRecord* rec, WorkState& w) {
    runSineFamily<8>(rec, w, recordZ(rec), [](const WorkState& s) {
        const Terms t(s);
        const auto &z = t.z, &z4 = t.z4, &z5 = t.z5, &z6 = t.z6, &z7 = t.z7, &z8 = t.z8;
        const auto &c = t.c, &zsin = t.zsin, &zcos = t.zcos;
        return z - (z8 - z6 - z5 - z5 * zsin - z4 * zsin * c - z) /
                       (8.0 * z7 - 6.0 * z5 - 5.0 * z4 - z5 * zcos - z4 * zcos - 1.0);
    });
}

void formula40(FormulaRecord* rec, WorkState& w) {
    runSineFamily<8>(rec, w, recordZ(rec), [](const WorkState& s) {
        const Terms t(s);
        const auto &z = t.z, &z4 = t.z4, &z5 = t.z5, &z6 = t.z6, &z7 = t.z7, &z8 = t.z8;
        const auto &c = t.c, &zsin = t.zsin, &zcos = t.zcos;
        return z - (z8 - z6 - z5 * zsin - z5 * zsin - z4 * zsin - z - c) /
                       (8.0 * z7 - 6.0 * z5 - 5.0 * z4 * zcos - z5 * zcos - z4 * zcos - 1.0 - c);
    });
}

void formula41(FormulaRecord* rec, WorkState& w) {
    runSineFamily<8>(rec, w, recordZ(rec), [](const WorkState& s) {
        const Terms t(s);
        const auto &z = t.z, &z4 = t.z4, &z5 = t.z5, &z6 = t.z6, &z7 = t.z7, &z8 = t.z8;
        const auto &c = t.c, &zsin = t.zsin, &zcos = t.zcos;
        return z - (z8 - z6 - z5 * zsin - z4 * zsin - z * c - 1.0) / (8.0 * z7 - 6.0 * z5 - z5 * zcos - z4 * zcos - c);
    });
}

// 42: the 1e-15 of zsin/(1e-15+zcos) goes to the real part of zcos only.
void formula42(FormulaRecord* rec, WorkState& w) {
    runSineFamily<8>(rec, w, recordZ(rec), [](const WorkState& s) {
        const Terms t(s);
        const auto &z = t.z, &z5 = t.z5, &z6 = t.z6, &z7 = t.z7, &z8 = t.z8;
        const auto &c = t.c, &zsin = t.zsin, &zcos = t.zcos;
        return z - (zsin / (1e-15 + zcos)) * (z8 - z6 - zsin - z * c - 1.0) / (8.0 * z7 - 6.0 * z5 - zcos - c);
    });
}

void formula43(FormulaRecord* rec, WorkState& w) {
    runSineFamily<4>(rec, w, recordZ(rec), [](const WorkState& s) {
        const Terms t(s);
        const auto &z2 = t.z2, &z3 = t.z3, &z4 = t.z4, &c = t.c, &zsin = t.zsin, &zcos = t.zcos;
        return t.z - (z4 - z3 - z3 - z2 * zsin * c) / (4.0 * z3 - 3.0 * z2 - z2 * zcos * c);
    });
}

void formula44(FormulaRecord* rec, WorkState& w) {
    runSineFamily<4>(rec, w, recordZ(rec), [](const WorkState& s) {
        const Terms t(s);
        const auto &z2 = t.z2, &z3 = t.z3, &z4 = t.z4, &c = t.c, &zsin = t.zsin, &zcos = t.zcos;
        return t.z - (z4 * zsin - z3 * zsin - z3 * zsin - z2 * zsin * c) / (4.0 * z3 - 3.0 * z2 - z2 * zcos * c);
    });
}

void formula45(FormulaRecord* rec, WorkState& w) {
    runSineFamily<4>(rec, w, recordZ(rec), [](const WorkState& s) {
        const Terms t(s);
        const auto &z2 = t.z2, &z3 = t.z3, &z4 = t.z4, &c = t.c, &zsin = t.zsin, &zcos = t.zcos;
        return t.z - (z4 * zsin - z3 * zsin - z3 * zsin - z2 * zsin * c) /
                         (4.0 * z3 * zcos - 3.0 * z2 * zcos - z2 * zcos * c);
    });
}

void formula46(FormulaRecord* rec, WorkState& w) {
    runSineFamily<3>(rec, w, recordZ(rec), [](const WorkState& s) {
        const Terms t(s);
        const auto &z = t.z, &z2 = t.z2, &z3 = t.z3, &c = t.c, &zsin = t.zsin, &zcos = t.zcos;
        return z - (z3 * zsin - z2 * zsin * c - 1.0) / (3.0 * z2 * zcos - 2.0 * z * zcos * c);
    });
}

void formula47(FormulaRecord* rec, WorkState& w) {
    runSineFamily<3>(rec, w, recordZ(rec), [](const WorkState& s) {
        const Terms t(s);
        const auto &z = t.z, &z2 = t.z2, &z3 = t.z3, &c = t.c, &zsin = t.zsin, &zcos = t.zcos;
        return z - (z3 * zsin - z2 * zsin - c) / (4.0 * z2 * zcos - z * zcos);
    });
}

void formula48(FormulaRecord* rec, WorkState& w) {
    runSineFamily<3>(rec, w, recordZ(rec), [](const WorkState& s) {
        const Terms t(s);
        const auto &z = t.z, &z2 = t.z2, &z3 = t.z3, &c = t.c, &zsin = t.zsin, &zcos = t.zcos;
        return z - (z3 * zsin - z) / (4.0 * z2 * zcos - z * zcos * c);
    });
}

}  // namespace zarvo::qorl01
