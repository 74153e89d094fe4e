// What both kinds of zarvo-render picture end with: the exit status, a
// failure told on standard error, and the picture written as asked.
#pragma once

#include <string>

#include "render_options.h"
#include "rgb_image.h"

namespace zarvo {

enum RenderExitStatus {
    exitWritten = 0,
    exitUsageOrFile = 1,
    exitParameterFile = 2,
    exitFault = 3,
};

// Prints "zarvo-render: <text>" on standard error; returns status.
int Fail(int status, const std::string& text);

// The picture to options.output, JPEG or BMP by its name, with the JPEG
// quality and progressive setting of the command line.
bool WriteOutputPicture(const RenderOptions& options, const RgbImage& image, std::string* error);

}  // namespace zarvo
