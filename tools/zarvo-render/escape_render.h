// Escape-time pictures drawn from a parameter file.
#pragma once

#include "render_options.h"

namespace zarvo {

enum RenderExitStatus {
    exitWritten = 0,
    exitUsageOrFile = 1,
    exitParameterFile = 2,
    exitFault = 3,
};

// Start-up state, the parameter file read as "Load From Parameter File"
// reads it, the picture size, one full scan; then the picture, the planes
// and the parameter file written as asked. Returns the exit status; the
// reasons of a failure go to standard error.
int RunEscapeRender(const RenderOptions& options);

}  // namespace zarvo
