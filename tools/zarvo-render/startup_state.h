// The state zarvo is in right after start-up, when the user could load a
// parameter file: the first fractal window created in its "NEW" mode, which
// also switches the attractor view on.
#pragma once

#include "fractal_view.h"

namespace zarvo {

// A new window's defaults, the default picture size, a black picture, the
// view reset and the plug-in bound; then the attractor view opened. Returns
// false when the plug-in could not be loaded.
bool StartNewWindow(FractalView& view);

// What opening the attractor view does to the shared parameters: pixels come
// from the attractor formula, the formula texts become the attractor's, and
// the attractor state takes its start values.
void OpenAttractorView(ParameterSet& ps);

}  // namespace zarvo
