// Attractor pictures: the attractor view's drawing loop run from a .vtl file
// for a fixed number of map steps, then the view's picture written.
#pragma once

#include "render_options.h"

namespace zarvo {

// options.paramFile is the .vtl file, options.steps the map steps to run;
// with options.hasSeed the restart of an escaping orbit repeats. Returns the
// exit status (0 written, 1 usage or file problem, 2 the file does not
// convert, 3 a floating-point fault ended the run).
// With options.countsFile only streams streamFirst .. streamEnd - 1 run,
// and their counters are written there (counts_file.h) instead of a
// picture.
int RunAttractorRender(const RenderOptions& options);

// --merge-counts: the counts files options.countsFiles added up into the
// picture options.output, as one run of all their streams draws it.
// Returns the exit status.
int RunMergeCounts(const RenderOptions& options);

}  // namespace zarvo
