// The pass shared by formulas 13 to 48: z = z - N/D (sometimes + c), where N
// and D use the powers of the current z and its sine and cosine. Each pass
// forms z^2 .. z^Top by repeated multiplication, then zsin and zcos with the
// sine-cosine pair function, then evaluates the formula's own expression.
// Convergence rule, store-before-step; the final z is written to the record.
#ifndef ZARVO_QORL01_SINE_FAMILY_H
#define ZARVO_QORL01_SINE_FAMILY_H

#include "routines.h"

namespace zarvo::qorl01 {

template <int Top, class Expression>
inline void runSineFamily(FormulaRecord* rec, WorkState& w, formula::Complex start, Expression expression) {
    static_assert(Top >= 1 && Top <= 12, "powers up to z^12");
    w.c = formula::recordC(rec);
    w.z = start;
    formula::convergeStoreBefore(rec, w, [&expression](WorkState& s) {
        formula::formPowers(s, Top);
        formula::sineCosinePair(s.z, s.zsin, s.zcos);
        return expression(s);
    });
    formula::writeZ(rec, w.z);
}

// A real number as a complex divisor or operand, v + 0i. Start values are
// computed as written: multiply, then divide by the real divisor as a complex
// quotient, e.g. (5 * (-3 * z)) / real(25).
inline formula::Complex real(double v) { return {v, 0.0}; }

}  // namespace zarvo::qorl01

#endif
