// The orbit transform and the 29 render methods: they turn the orbit left
// in the orbit arrays into the two values resultA and resultB.
#pragma once

#include "parameter_set.h"

namespace zarvo {

// Applies the orbit transform `transformMode` to the record's orbit, then the
// render method renderMethod. Leaves resultA and resultB in the record (0 for
// methods outside 1..29).
void RenderOrbit(FormulaRecord& rec, int transformMode);

// The same with the parameter set's transformMode.
inline void RenderOrbit(ParameterSet& ps) { RenderOrbit(ps, ps.transformMode); }

}  // namespace zarvo
