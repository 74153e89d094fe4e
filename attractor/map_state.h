// The working variables of the attractor maps and the inputs one map step
// reads. They belong to the attractor engine (one per program) and keep
// their values from one run to the next; only the random set-up, the
// accumulation reset, the per-pixel start and the escape check reset them.
#pragma once

#include <cstdint>

namespace zarvo::attractor {

// The two constants the formulas use: the doubles nearest to these
// decimals, deliberately not full-precision pi.
inline constexpr double constPI = 3.14159265359;
inline constexpr double const2PI = 6.28318530718;

struct MapState {
    double x = 0.0, y = 0.0;    // current orbit point
    double W = 0.0;             // value carried from step to step by the W family
    double xn = 0.0;            // new x of the last xn-family step (formula 51 reads it)
    double x0 = 0.0, y0 = 0.0;  // the point before the current step (angle weight)
    int32_t j = 0;              // affine map offset for the IFS formulas: 0, 19 or 39
    double rotCos = 0.0;        // cos(B - 1), read by formulas 66..69
    double rotSin = 0.0;        // sin(B - 1)
};

// What a formula reads besides the working variables.
struct MapInputs {
    double A;          // AA of the parameter set
    double B;          // BB
    const double* af;  // coefficient table, used from index 1 (af[1] .. af[60])
};

// One step of one formula: reads x, y (and W, xn, j, rotCos, rotSin) and
// leaves the new point in x, y.
using FormulaStep = void (*)(MapState&, const MapInputs&);

}  // namespace zarvo::attractor
