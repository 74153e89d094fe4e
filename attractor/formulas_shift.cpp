// The shift family: the row gives the new x, and the new y is the old x
// negated. Several rows divide by x^2 + y^2 or a similar term that can reach
// zero; that raises a division fault, which ends the run (the engine tests
// the fault flags after every step).
#include "formula_math.h"
#include "formulas.h"

namespace zarvo::attractor::formulas {

using namespace fm;

void F23(MapState& s, const MapInputs&) {
    ShiftFamily(s, [](LD x, LD y) { return -(LD(constPI) / 2) * x + y + 100 * x / (Sq(x) + 2); });
}

void F24(MapState& s, const MapInputs&) {
    ShiftFamily(s, [](LD x, LD y) { return -x / 2 + y + 100 * x / (Sq(x) + 1); });
}

void F25(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    ShiftFamily(s, [A](LD x, LD y) { return -x / 2 + y + (x - A) * (x + y) / (Sq(x) + Sq(y)); });
}

void F26(MapState& s, const MapInputs&) {
    ShiftFamily(s, [](LD x, LD y) { return -x / 2 + y + 10 * x / (Sq(x) + 1); });
}

void F27(MapState& s, const MapInputs&) {
    ShiftFamily(s, [](LD x, LD y) { return -x / 2 + y + (2 - LD(constPI) * x) / (Sq(x) + 2); });
}

void F28(MapState& s, const MapInputs&) {
    ShiftFamily(s, [](LD x, LD y) { return -x / 8 + y + (2 - LD(constPI) * x) / (Sq(x) + 2); });
}

void F29(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    ShiftFamily(s,
                [A](LD x, LD y) { return -x / 2 + y + (LD(constPI) - Sin(x)) * 100 * (x - y) * A / (Sq(x) + Sq(y)); });
}

void F30(MapState& s, const MapInputs&) {
    ShiftFamily(s, [](LD x, LD y) { return -x / 2 + y + 100 * (x - y) / (Sq(x) + Sq(y)); });
}

void F31(MapState& s, const MapInputs&) {
    ShiftFamily(s, [](LD x, LD y) { return -x / 2 + y + 100 * (Sin(x - y) + (x - y) / 2) / (Sq(x) + Sq(y)); });
}

void F32(MapState& s, const MapInputs&) {
    ShiftFamily(s, [](LD x, LD y) { return x / 2 + y + (1 - x) / Abs(Sq(x) - y); });
}

void F33(MapState& s, const MapInputs&) {
    ShiftFamily(s, [](LD x, LD y) { return x / 2 + y + (1 - x) / Abs(Sq(x) + y); });
}

void F34(MapState& s, const MapInputs&) {
    ShiftFamily(s, [](LD x, LD y) { return x / 2 + y + 20 * (1 + x) / Sqrt(Abs(Sq(x) + Sq(y)) + 1); });
}

void F35(MapState& s, const MapInputs&) {
    ShiftFamily(s, [](LD x, LD y) { return x / 2 + y + (50 - x) / Sqrt(Abs(Sq(x) + Sq(y))); });
}

void F36(MapState& s, const MapInputs&) {
    ShiftFamily(s, [](LD x, LD y) { return -x / 3 + y + 10 * (1 - x) / Sqrt(Abs(Sq(x) + Sq(y))); });
}

void F37(MapState& s, const MapInputs& in) {
    const LD A = in.A;
    ShiftFamily(s,
                [A](LD x, LD y) { return x / 2 + y + 10 * A * Abs(x - y) / (Abs(Sq(x) + Sq(y)) / 10 + 0.001L + x); });
}

void F38(MapState& s, const MapInputs&) {
    ShiftFamily(s, [](LD x, LD y) { return -x / 1.1L + y + 10 * Abs(x - y) / Abs(Sq(x) / 10 + Sq(y) / 10); });
}

void F39(MapState& s, const MapInputs&) {
    ShiftFamily(s, [](LD x, LD y) { return x / 1.2L + y + 100 * Abs(x - y) / Abs(Sq(x) + Sq(y)); });
}

void F40(MapState& s, const MapInputs&) {
    ShiftFamily(s, [](LD x, LD y) { return -x / 1.01L + y + 100 * Sin(LD(constPI) + x) / Abs(Sq(x) + Sq(y)); });
}

}  // namespace zarvo::attractor::formulas
