// Frame series: K pictures whose parameters move from a start file to an
// end file. Frame I of K (t = I / (K - 1), 0 for a single frame) takes the
// start file's integer and text lines, its zoom geometrically between the
// two zooms (start · (end / start)^t) and every other real parameter
// linearly ((1 - t) · start + t · end); the first frame is the start file's
// picture, the last the end file's. Both files must draw the same formula
// with the same render method, and both zooms must be above 0.
//
// A frame is the picture of its own parameter file, written and then drawn
// like any other (--write-params with --frame keeps that file).
#pragma once

#include <string>

#include "parameter_set.h"
#include "render_options.h"

namespace zarvo {

// The parameters of frame `index` of `count`; false with *error naming the
// file when a file cannot be read or the two do not go together.
bool FrameParameters(const std::string& start, const std::string& end, int index, int count, ParameterSet* frame,
                     std::string* error);

// `pattern` holds exactly one printf conversion of an int (%d, %05d, %i)
// and otherwise only "%%".
bool IsFramePattern(const std::string& pattern);
std::string FrameFileName(const std::string& pattern, int index);

// --frames START END --count K [--frame I]. Returns the exit status (the
// worst of the frames drawn).
int RunFrames(const RenderOptions& options);

}  // namespace zarvo
