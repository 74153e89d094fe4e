// The xn family: x' := B*y + A*x + P; y' := A*x' - x + Q; the new x is also
// kept as xn. P and Q are the formula's own terms; most rows share
// P0 = 2*x^2*(1 - A)/(x^2 + 1).
#include "formula_math.h"
#include "formulas.h"

namespace zarvo::attractor::formulas {

using namespace fm;

namespace {

struct P0 {
    LD A;
    LD operator()(LD x, LD) const { return 2 * Sq(x) * (1 - A) / (Sq(x) + 1); }
};

// Q = 2*x'^2*(1 - A)/(x'^2 + 1), shared by several rows.
struct QSquare {
    LD A;
    LD operator()(LD, LD, LD xp) const { return 2 * Sq(xp) * (1 - A) / (Sq(xp) + 1); }
};

// Q = A*x'^2*(1 - A)/(x'^2 + 1) + A.
struct QPlusA {
    LD A;
    LD operator()(LD, LD, LD xp) const { return A * Sq(xp) * (1 - A) / (Sq(xp) + 1) + A; }
};

// Formulas 20 and 21 first push x away from the origin.
void StretchX(MapState& s) {
    const LD x = s.x;
    s.x = D(x + x / 50000);
}

}  // namespace

// The row gives x' in full, in its own order.
void F12(MapState& s, const MapInputs& in) {
    const LD x = s.x, y = s.y, A = in.A;
    const double xp = D(2 * Sq(x) / (Sin(x) + Sq(x) + 1 + Sq(y)) + LD(in.B) * y + A * x);
    const LD xpl = xp;
    s.y = D(A * xpl - x + 2 * Sq(xpl) * (1 - A) / (Sin(xpl) + Sq(xpl) + 1));
    s.x = xp;
    s.xn = xp;
}

void F13(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    XnFamily(
        s, in, [A](LD x, LD) { return Sq(x) * (1 - A) / (Sq(x) + 1); },
        [A](LD, LD y, LD xp) { return y * xp * (1 - A) / (Sq(xp) + 1); });
}

void F14(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    XnFamily(s, in, P0{A}, [A](LD, LD y, LD xp) { return 2 * y * xp * (1 - A) / (Sq(xp) + 1); });
}

void F15(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    XnFamily(s, in, P0{A}, [A](LD, LD y, LD xp) { return 2 * y * xp * (1 - A) / (y * xp + 1); });
}

void F16(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    XnFamily(s, in, P0{A}, [A](LD, LD y, LD) { return 2 * Sq(y) * (1 - A) / (Sq(y) + 1); });
}

void F17(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    XnFamily(
        s, in, [A](LD x, LD y) { return 2 * Sq(x) * (1 - A) / (Sq(x) + 1 + Sq(y)); },
        [A](LD, LD, LD xp) { return 2 * Sq(xp) * (1 - A) / (2 * Sq(xp) + 1); });
}

void F18(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    XnFamily(
        s, in, [](LD x, LD y) { return 2 * Sq(x) / (Sq(x) + 1 + Sq(y)); }, QSquare{A});
}

void F19(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    XnFamily(s, in, P0{A}, [A](LD, LD, LD xp) { return A * Sq(xp) * (1 - A) / (Sq(xp) + 1); });
}

void F20(MapState& s, const MapInputs& in) {
    StretchX(s);
    const LD A = in.A;
    XnFamily(s, in, P0{A}, QSquare{A});
}

void F21(MapState& s, const MapInputs& in) {
    StretchX(s);
    const LD A = in.A;
    XnFamily(s, in, P0{A}, [A](LD, LD, LD xp) { return 2 * A * Sq(xp) * (1 - A) / (Sq(xp) + 1); });
}

// B takes the place of A in the first term of y'.
void F41(MapState& s, const MapInputs& in) {
    const LD x = s.x, y = s.y, A = in.A, B = in.B;
    const double xp = D(B * y + A * x + P0{A}(x, y));
    const LD xpl = xp;
    s.y = D(B * xpl - x + 2 * Sq(xpl) * (1 - A) / (Sq(xpl) + 1));
    s.x = xp;
    s.xn = xp;
}

void F43(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    XnFamily(s, in, P0{A}, [A](LD, LD y, LD xp) { return (Sqrt(Abs(y)) - A) * 2 * Sq(xp) / (Sq(xp) + 1); });
}

void F44(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    XnFamily(s, in, P0{A}, [A](LD, LD y, LD xp) { return 2 * Sq(xp) * (1 - A) / (y * xp + 1); });
}

void F47(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    XnFamily(s, in, P0{A}, [A](LD, LD y, LD xp) { return 2 * Sq(xp) * (y - A) / (Sq(xp) + 1); });
}

void F49(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    XnFamily(s, in, P0{A}, [A](LD, LD, LD xp) { return A * Sq(xp) * (1 - A) / (Sq(xp) + 1) + Sq(A); });
}

void F50(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    XnFamily(s, in, P0{A}, QPlusA{A});
}

// p is xn as the previous xn-family step left it.
void F51(MapState& s, const MapInputs& in) {
    const LD A = in.A, p = s.xn;
    XnFamily(
        s, in, [p](LD x, LD y) { return 2 * Sq(x) / (Sq(p) + 1 + Sq(y)); }, QPlusA{A});
}

void F52(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    XnFamily(s, in, P0{A}, [A](LD, LD y, LD xp) { return A * y * xp * (1 - A) / (Sq(xp) + 1) + A; });
}

void F53(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    XnFamily(
        s, in, [A](LD x, LD) { return 2 * Sq(A) * (1 - x) / (Sq(x) + 1); }, QSquare{A});
}

void F54(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    XnFamily(
        s, in, [A](LD x, LD) { return 2 * Sq(A) * (1 - x) / (Sq(x) + 1); }, QPlusA{A});
}

void F55(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    XnFamily(s, in, P0{A}, [A](LD, LD y, LD xp) { return 2 * Sq(xp) * (y - A) / (Sq(xp) + 1) + A; });
}

}  // namespace zarvo::attractor::formulas
