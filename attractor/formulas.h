// The attractor maps, one function per formula number, grouped by family:
// formulas_w.cpp (W and rotated W), formulas_xn.cpp, formulas_shift.cpp and
// formulas_ifs.cpp (IFS and the remaining two-equation rows). The formula
// table (formula_table.cpp) binds each number to its function and caption.
#pragma once

#include "map_state.h"

namespace zarvo::attractor::formulas {

// W family and rotated W family.
void F01(MapState&, const MapInputs&);
void F02(MapState&, const MapInputs&);
void F04(MapState&, const MapInputs&);
void F08(MapState&, const MapInputs&);
void F09(MapState&, const MapInputs&);
void F10(MapState&, const MapInputs&);
void F11(MapState&, const MapInputs&);
void F22(MapState&, const MapInputs&);
void F60(MapState&, const MapInputs&);
void F61(MapState&, const MapInputs&);
void F62(MapState&, const MapInputs&);
void F63(MapState&, const MapInputs&);
void F64(MapState&, const MapInputs&);  // also formula 65
void F66(MapState&, const MapInputs&);
void F67(MapState&, const MapInputs&);  // also formula 69
void F68(MapState&, const MapInputs&);
void F72(MapState&, const MapInputs&);

// xn family.
void F12(MapState&, const MapInputs&);
void F13(MapState&, const MapInputs&);
void F14(MapState&, const MapInputs&);  // also formula 42
void F15(MapState&, const MapInputs&);  // also formula 45
void F16(MapState&, const MapInputs&);  // also formula 46
void F17(MapState&, const MapInputs&);
void F18(MapState&, const MapInputs&);  // also formula 48
void F19(MapState&, const MapInputs&);
void F20(MapState&, const MapInputs&);
void F21(MapState&, const MapInputs&);
void F41(MapState&, const MapInputs&);
void F43(MapState&, const MapInputs&);
void F44(MapState&, const MapInputs&);
void F47(MapState&, const MapInputs&);
void F49(MapState&, const MapInputs&);
void F50(MapState&, const MapInputs&);
void F51(MapState&, const MapInputs&);
void F52(MapState&, const MapInputs&);
void F53(MapState&, const MapInputs&);
void F54(MapState&, const MapInputs&);
void F55(MapState&, const MapInputs&);

// Shift family: x' from the row, y' := -x.
void F23(MapState&, const MapInputs&);
void F24(MapState&, const MapInputs&);
void F25(MapState&, const MapInputs&);
void F26(MapState&, const MapInputs&);
void F27(MapState&, const MapInputs&);
void F28(MapState&, const MapInputs&);
void F29(MapState&, const MapInputs&);
void F30(MapState&, const MapInputs&);
void F31(MapState&, const MapInputs&);
void F32(MapState&, const MapInputs&);
void F33(MapState&, const MapInputs&);
void F34(MapState&, const MapInputs&);
void F35(MapState&, const MapInputs&);
void F36(MapState&, const MapInputs&);
void F37(MapState&, const MapInputs&);
void F38(MapState&, const MapInputs&);
void F39(MapState&, const MapInputs&);
void F40(MapState&, const MapInputs&);

// Two-equation rows and the IFS family.
void F03(MapState&, const MapInputs&);
void F05(MapState&, const MapInputs&);
void F06(MapState&, const MapInputs&);
void F07(MapState&, const MapInputs&);
void F70(MapState&, const MapInputs&);
void F71(MapState&, const MapInputs&);

// Formulas 0, 56..59, 73..75 and any other number: the point stays.
void Unchanged(MapState&, const MapInputs&);

}  // namespace zarvo::attractor::formulas
