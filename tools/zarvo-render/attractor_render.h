// Attractor pictures: the attractor view's drawing loop run from a .vtl file
// for a fixed number of map steps, then the view's picture written.
#pragma once

#include "render_options.h"

namespace zarvo {

// options.paramFile is the .vtl file, options.steps the map steps to run;
// with options.hasSeed the restart of an escaping orbit repeats. Returns the
// exit status (0 written, 1 usage or file problem, 2 the file does not
// convert, 3 a floating-point fault ended the run).
int RunAttractorRender(const RenderOptions& options);

}  // namespace zarvo
