// Saving from a window: the picture file chosen by its extension, then the
// parameter file of the same base name beside it.
#pragma once

#include <string>

#include "file_names.h"
#include "parameter_set.h"
#include "reporter.h"
#include "rgb_image.h"

namespace zarvo {

struct SaveResult {
    bool pictureWritten = false;
    bool parameterFileWritten = false;
    std::string parameterFilePath;  // beside the picture, extension ".zrv"
    std::string caption;            // new window caption; empty when no picture was written
    std::string error;              // a file that could not be written, else empty
};

enum class PictureSaved { Written, UnknownExtension, Failed };

// The Save rule of both windows: image written as JPEG (".JPG", with
// ps.jpegQuality and ps.jpegProgressive), BMP (".BMP") or PNG (".PNG"); any
// other extension reports "Unkown File extension: = " and the cut extension
// and writes no picture. JPEG and PNG pictures carry `parameters`, the bytes
// of the parameter file written beside them. Failed sets *error.
PictureSaved SavePicture(const RgbImage& image, const std::string& path, const ParameterSet& ps,
                         const std::string& parameters, Reporter& reporter, std::string* error);

// A fractal window's Save: ps.workBitmap by SavePicture; then, unless the
// picture could not be written, the parameter file and the new caption.
SaveResult SaveToFile(const ParameterSet& ps, const std::string& path, Reporter& reporter);

}  // namespace zarvo
