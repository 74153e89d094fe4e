// What decides an escape-time picture, taken from the shared parameter set
// and put back into it: the view, the formula and its parameters, the Julia
// form, the rotation, transform and render method, the colour choices and
// the picture size. The plug-in itself, the attractor view's state and the
// pending zoom rectangle are not part of it.
#pragma once

#include "parameter_set.h"

namespace zarvo {

struct PictureState {
    FormulaRecord values{};  // only the picture's fields are read back
    int32_t transformMode = 0;
};

PictureState CapturePicture(const ParameterSet& ps);

// Writes the picture's fields back; everything else in the set (plug-in
// binding, texts, orbit arrays, attractor state, flags) stays as it is.
void RestorePicture(ParameterSet& ps, const PictureState& state);

// The two states give the same picture. The Julia constant counts, not the
// record's c (which holds it after a scan) or whether it was taken yet.
bool SamePicture(const PictureState& a, const PictureState& b);

// The two states compute the same planes: they differ at most in blend,
// channel order, intensity and colour set, so one is the other recoloured.
bool SameComputation(const PictureState& a, const PictureState& b);

}  // namespace zarvo
