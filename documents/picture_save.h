// Saving the work picture: the picture file chosen by its extension, then the
// parameter file of the same base name beside it.
#pragma once

#include <string>

#include "parameter_set.h"
#include "reporter.h"

namespace zarvo {

struct SaveResult {
    bool pictureWritten = false;
    bool parameterFileWritten = false;
    std::string parameterFilePath;  // beside the picture, extension ".zrv"
    std::string caption;            // new window caption; empty when no picture was written
    std::string error;              // a file that could not be written, else empty
};

// ".JPG", ".BMP", ... : the text from the last dot after the last '/', '\'
// or ':', upper-cased and cut to four characters; empty without a dot.
std::string SaveExtension(const std::string& path);

// True when a picture saved under this name is written as JPEG: its cut
// extension is ".JPG", or its whole extension is ".jpeg" in any case.
bool IsJpegName(const std::string& path);

// The parameter file that goes with a picture: the picture's extension (from
// the last dot of its file name) replaced by ".zrv", or ".zrv" appended when
// there is none. Same folder as the picture.
std::string ParameterFilePathFor(const std::string& picturePath);

// The file name without its folder.
std::string FileNamePart(const std::string& path);

// Writes ps.workBitmap as JPEG (see IsJpegName; with ps.jpegQuality and
// ps.jpegProgressive) or BMP (".BMP"); any other extension reports
// "Unkown File extension: = " and the cut extension and writes no picture.
// Then, unless the picture could not be written, writes the parameter file.
// The caption changes only when a picture was written.
SaveResult SaveToFile(const ParameterSet& ps, const std::string& path, Reporter& reporter);

}  // namespace zarvo
