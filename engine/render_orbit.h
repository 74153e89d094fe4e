// The orbit transform and the 29 render methods: they turn the orbit left
// in the orbit arrays into the two values resultA and resultB.
#pragma once

#include "parameter_set.h"

namespace zarvo {

// Applies transformMode to the orbit, then the render method renderMethod.
// Leaves resultA and resultB in the record (0 for methods outside 1..29).
void RenderOrbit(ParameterSet& ps);

}  // namespace zarvo
