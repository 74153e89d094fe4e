// The iteration routines of plug-in one that only it runs (formulas 6 to 48).
// Formulas 0 to 5 are shared with plug-in two (escape_and_nova.h).
#ifndef ZARVO_QORL01_ROUTINES_H
#define ZARVO_QORL01_ROUTINES_H

#include "iteration_core.h"
#include "zarvo_plugin.h"

namespace zarvo::qorl01 {

using formula::WorkState;

// phoenix_and_cubic.cpp
void formula6(FormulaRecord* rec, WorkState& w);
void formula7(FormulaRecord* rec, WorkState& w);
void formula8(FormulaRecord* rec, WorkState& w);
void formula9(FormulaRecord* rec, WorkState& w);
void formula10(FormulaRecord* rec, WorkState& w);
void formula11(FormulaRecord* rec, WorkState& w);
void formula12(FormulaRecord* rec, WorkState& w);

// newton_sine_powers.cpp
void formula13(FormulaRecord* rec, WorkState& w);
void formula14(FormulaRecord* rec, WorkState& w);
void formula15(FormulaRecord* rec, WorkState& w);
void formula16(FormulaRecord* rec, WorkState& w);
void formula17(FormulaRecord* rec, WorkState& w);
void formula18(FormulaRecord* rec, WorkState& w);
void formula19(FormulaRecord* rec, WorkState& w);
void formula20(FormulaRecord* rec, WorkState& w);
void formula21(FormulaRecord* rec, WorkState& w);
void formula22(FormulaRecord* rec, WorkState& w);
void formula23(FormulaRecord* rec, WorkState& w);
void formula24(FormulaRecord* rec, WorkState& w);
void formula25(FormulaRecord* rec, WorkState& w);
void formula26(FormulaRecord* rec, WorkState& w);
void formula27(FormulaRecord* rec, WorkState& w);
void formula28(FormulaRecord* rec, WorkState& w);

// newton_sine_mixed.cpp
void formula29(FormulaRecord* rec, WorkState& w);
void formula30(FormulaRecord* rec, WorkState& w);
void formula31(FormulaRecord* rec, WorkState& w);
void formula32(FormulaRecord* rec, WorkState& w);
void formula33(FormulaRecord* rec, WorkState& w);
void formula34(FormulaRecord* rec, WorkState& w);
void formula35(FormulaRecord* rec, WorkState& w);
void formula36(FormulaRecord* rec, WorkState& w);
void formula37(FormulaRecord* rec, WorkState& w);
void formula38(FormulaRecord* rec, WorkState& w);
void formula39(FormulaRecord* rec, WorkState& w);
void formula40(FormulaRecord* rec, WorkState& w);
void formula41(FormulaRecord* rec, WorkState& w);
void formula42(FormulaRecord* rec, WorkState& w);
void formula43(FormulaRecord* rec, WorkState& w);
void formula44(FormulaRecord* rec, WorkState& w);
void formula45(FormulaRecord* rec, WorkState& w);
void formula46(FormulaRecord* rec, WorkState& w);
void formula47(FormulaRecord* rec, WorkState& w);
void formula48(FormulaRecord* rec, WorkState& w);

}  // namespace zarvo::qorl01

#endif
