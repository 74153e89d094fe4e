// Operations on the attractor fields of the shared parameter set that need
// no picture: the view reset and the view adjustment to the picture's
// aspect. (The escape-time functions of the same names live in
// parameter_set.h; these act on the attractor view's own fields.)
#pragma once

#include "parameter_set.h"

namespace zarvo::attractor {

// Magnification 0.05 for the view and the pending zoom; view edges and the
// pending rectangle -1..1 on both axes; centres at the midpoints (0).
void ResetCoordinates(ParameterSet& ps);

// View edges from the centres, vtlZoom and the picture's aspect
// (vtlWidth x vtlHeight), keeping square pixels. Uses the shared scratch
// fields halfWidth, halfHeight, aspectX, aspectY. With the defaults
// (0.05, centre 0, 180 x 120) the view is -50..50 by -33.33..33.33.
void AdjustCoords(ParameterSet& ps);

// The attractor defaults that InitVantrel writes besides the view, the
// picture and the counters: stop and random-start flags on, invert and
// square root off, size 180 x 120, tints 1.0, formula 1, intensity 10,
// scaling 0.1, random factor 2.0, one map setting of 2, B 1.0, start point
// (5.0, 5.0), the three effects off, variation None on and the rest off,
// and the log-density mapping off with its default settings.
void SetAttractorDefaults(ParameterSet& ps);

}  // namespace zarvo::attractor
