// Saving the work picture: the picture file chosen by its extension, then the
// parameter file of the same base name beside it.
#pragma once

#include <string>

#include "file_names.h"
#include "parameter_set.h"
#include "reporter.h"

namespace zarvo {

struct SaveResult {
    bool pictureWritten = false;
    bool parameterFileWritten = false;
    std::string parameterFilePath;  // beside the picture, extension ".zrv"
    std::string caption;            // new window caption; empty when it must not change
    std::string error;              // a file that could not be written, else empty
};

// Writes ps.workBitmap as JPEG (".JPG", with ps.jpegQuality and
// ps.jpegProgressive) or BMP (".BMP"); any other extension reports
// "Unkown File extension: = " and the cut extension and writes no picture.
// Then, unless the picture could not be written, writes the parameter file
// and gives the new caption.
SaveResult SaveToFile(const ParameterSet& ps, const std::string& path, Reporter& reporter);

}  // namespace zarvo
