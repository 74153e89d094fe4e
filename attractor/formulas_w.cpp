// The W family: x' := B*y + W; W' := F(x'); y' := W' - x, where F is the
// formula's own function of the new x. The carried value W feeds each step
// back into the next, as in the Gumowski-Mira recurrence. Also the rotated
// W family (66..69), whose rows give both equations.
#include "formula_math.h"
#include "formulas.h"

namespace zarvo::attractor::formulas {

using namespace fm;

void F01(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    WFamily(s, in, [A](LD xp) { return A * xp - (1 - A) * 2 * Sq(xp) / (Sq(xp) + 1); });
}

void F02(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    WFamily(s, in, [A](LD xp) { return Sin(Sin(LD(constPI) + xp) + constPI) + (LD(const2PI) * A + constPI); });
}

void F04(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    WFamily(s, in, [A](LD xp) { return -0.05L * A * xp + (LD(constPI) - A * xp) * A * Sq(xp) / (Sq(xp) + 1); });
}

void F08(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    WFamily(s, in, [A](LD xp) { return Sin(Sin(xp)) + A * xp + 5 * Sq(xp) * A / (Sq(xp) + 4); });
}

void F09(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    WFamily(s, in, [A](LD xp) { return Sin(LD(constPI) + xp) + 2 * A + (1 - A) * (2 * Sq(xp) / (Sq(xp) + constPI)); });
}

void F10(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    WFamily(s, in, [A](LD xp) { return Sin(xp) + 2 * A; });
}

void F11(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    WFamily(s, in, [A](LD xp) { return (Sin(xp) + A) * A; });
}

// x is first drawn towards the origin; y' then uses the adjusted x.
void F22(MapState& s, const MapInputs& in) {
    const LD x = s.x, y = s.y;
    s.x = D(x - x / (20000 * Sqrt(Sq(x) + Sq(y))));
    const LD A = in.A;
    WFamily(s, in, [A](LD xp) { return A * xp - 20 * A * Sq(xp) * (1 - A) / (Sin(1 + xp) + Sq(xp) + 1); });
}

void F60(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    WFamily(s, in, [A](LD xp) {
        return Sin(Sin(LD(constPI) * xp) + LD(constPI) * xp - (1 - A) * Sq(xp)) / (Sq(xp) + 1) + (1 - A * xp);
    });
}

void F61(MapState& s, const MapInputs& in) {
    const LD A = in.A, a1 = in.af[1];
    WFamily(s, in, [A, a1](LD xp) { return Sin(Sin(xp) + xp) * (1 - A) * a1 + A * xp; });
}

void F62(MapState& s, const MapInputs& in) {
    const LD A = in.A, a3 = in.af[3], a5 = in.af[5];
    WFamily(s, in, [=](LD xp) { return A * Sin(a3 * xp) + A * Sin(a5 * xp); });
}

void F63(MapState& s, const MapInputs& in) {
    const LD A = in.A, a1 = in.af[1], a2 = in.af[2], a3 = in.af[3], a4 = in.af[4];
    WFamily(s, in, [=](LD xp) { return A * Sin(Sin(a2 * xp) + a1 * xp) + A * Sin(Sin(a4 * xp) + a3 * xp); });
}

void F64(MapState& s, const MapInputs& in) {
    const LD A = in.A, a1 = in.af[1], a2 = in.af[2], a3 = in.af[3];
    WFamily(s, in, [=](LD xp) { return A * Sin(a1 * xp) + A * Sin(Sin(a3 * xp) + a2 * xp); });
}

void F72(MapState& s, const MapInputs& in) {
    const LD A = in.A, y = s.y;
    WFamily(s, in, [=](LD xp) { return A * (xp + y); });
}

// Rotated W family: the rotation by B - 1 comes from the last random set-up.

void F66(MapState& s, const MapInputs& in) {
    const LD x = s.x, y = s.y, A = in.A, c = s.rotCos, sn = s.rotSin;
    const double xp = D((c * y - sn * x) * in.B + s.W);
    const LD xpl = xp;
    s.W = D(A * Sin(y) / Sqrt(Sq(y) + Sq(x) + Sq(xpl)));
    s.y = D(LD(s.W) - c * x - sn * y);
    s.x = xp;
}

void F67(MapState& s, const MapInputs& in) {
    const LD x = s.x, y = s.y, A = in.A, c = s.rotCos, sn = s.rotSin;
    const double xp = D((c * y - sn * x) * in.B + s.W);
    const LD xpl = xp;
    s.W = D(A * Sin(y) / Sqrt(Sq(y) + Sq(xpl)));
    s.y = D(LD(s.W) - c * x - sn * y);
    s.x = xp;
}

void F68(MapState& s, const MapInputs& in) {
    const LD x = s.x, y = s.y, A = in.A, c = s.rotCos, sn = s.rotSin;
    const double xp = D((c * y - sn * y - Sin(y * x) + s.W) * in.B);
    s.W = D(A * y);
    s.y = D(LD(s.W) - x);
    s.x = xp;
}

void Unchanged(MapState&, const MapInputs&) {}

}  // namespace zarvo::attractor::formulas
