// What both kinds of zarvo-render picture end with: the exit status, a
// failure told on standard error, and the picture written as asked.
#pragma once

#include <string>

#include "picture_writer.h"
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

// Creates a new empty file in the temporary folder, named after `name`
// with its six X replaced ("zarvo-frame-XXXXXX.zrv"), and puts its path in
// *path; false (*path the name in that folder) when none can be created.
bool NewTemporaryFile(const std::string& name, std::string* path);

// How options.output is written: its format by its name, the JPEG quality
// and progressive setting of the command line, and `parameters` (the bytes
// of the picture's parameter file) carried inside.
PictureFileOptions OutputFileOptions(const RenderOptions& options, const std::string& parameters);

// The whole picture to options.output, carrying `parameters`.
bool WriteOutputPicture(const RenderOptions& options, const RgbImage& image, const std::string& parameters,
                        std::string* error);

}  // namespace zarvo
