// The IFS family (70, 71): one of three affine maps, chosen at random before
// each step, with coefficients from af at offset j (0, 19 or 39). Also the
// two-equation rows 3, 5, 6 and 7, whose new y is a constant minus the old x.
#include "formula_math.h"
#include "formulas.h"

namespace zarvo::attractor::formulas {

using namespace fm;

void F03(MapState& s, const MapInputs& in) {
    const LD x = s.x, y = s.y, A = in.A;
    s.x = D(Sqrt(Abs(Sqrt(Abs(LD(constPI) * A * x)))) + A * x + y);
    s.y = D(A - x);
}

void F05(MapState& s, const MapInputs& in) {
    const LD x = s.x, y = s.y, a2 = in.af[2], a4 = in.af[4];
    s.x = D(y - Sqrt(Abs((LD(constPI) * x * a2 + a4) * x)));
    s.y = D(1 - x);
}

void F06(MapState& s, const MapInputs& in) {
    const LD x = s.x, y = s.y, a2 = in.af[2], a4 = in.af[4];
    s.x = D(Sqrt(Abs(x)) + y - Sqrt(Abs((LD(constPI) * x * a2 + a4) * x)));
    s.y = D(1 - x);
}

void F07(MapState& s, const MapInputs& in) {
    const LD x = s.x, y = s.y, a1 = in.af[1], a2 = in.af[2], a3 = in.af[3];
    s.x = D(Sqrt(Abs(Sqrt(Abs(LD(constPI) * a1 * x)))) + a2 * x + y);
    s.y = D(a3 - x);
}

void F70(MapState& s, const MapInputs& in) {
    const LD x = s.x, y = s.y;
    const double* a = in.af + s.j;  // a[1] is af[j + 1]
    s.x = D(LD(a[1]) * x + LD(a[3]) * y + a[5]);
    s.y = D(LD(a[2]) * x + LD(a[4]) * y + a[6]);
}

void F71(MapState& s, const MapInputs& in) {
    const LD x = s.x, y = s.y;
    const double* a = in.af + s.j;
    s.x = D(Sin(x) + LD(a[1]) * x + LD(a[1]) * y + a[5] - Sin(y));
    s.y = D(Sin(x) + LD(a[2]) * x + LD(a[2]) * y + a[6] - Sin(y));
}

}  // namespace zarvo::attractor::formulas
