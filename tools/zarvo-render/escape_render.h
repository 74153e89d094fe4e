// Escape-time pictures drawn from a parameter file.
#pragma once

#include "render_options.h"
#include "render_output.h"

namespace zarvo {

// Start-up state, the parameter file read as "Load From Parameter File"
// reads it, the picture size, one full scan; then the picture, the planes
// and the parameter file written as asked. Returns the exit status; the
// reasons of a failure go to standard error.
int RunEscapeRender(const RenderOptions& options);

}  // namespace zarvo
