#include "picture_save.h"

#include <cctype>

#include "parameter_file.h"
#include "picture_writer.h"

namespace zarvo {

namespace {

size_t NameStart(const std::string& path, const char* separators) {
    const size_t sep = path.find_last_of(separators);
    return sep == std::string::npos ? 0 : sep + 1;
}

// The extension from the last dot of the file name, upper-cased; empty
// without a dot.
std::string WholeExtension(const std::string& path) {
    const size_t start = NameStart(path, "/\\:");
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < start) return std::string();
    std::string ext = path.substr(dot);
    for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return ext;
}

}  // namespace

std::string FileNamePart(const std::string& path) { return path.substr(NameStart(path, "/")); }

std::string SaveExtension(const std::string& path) { return WholeExtension(path).substr(0, 4); }

bool IsJpegName(const std::string& path) {
    const std::string whole = WholeExtension(path);
    return whole.compare(0, 4, ".JPG") == 0 || whole == ".JPEG";
}

std::string ParameterFilePathFor(const std::string& picturePath) {
    const size_t start = NameStart(picturePath, "/\\:");
    const size_t dot = picturePath.find_last_of('.');
    if (dot == std::string::npos || dot < start) return picturePath + ".zrv";
    return picturePath.substr(0, dot) + ".zrv";
}

SaveResult SaveToFile(const ParameterSet& ps, const std::string& path, Reporter& reporter) {
    SaveResult result;
    const std::string ext = SaveExtension(path);
    if (IsJpegName(path)) {
        result.pictureWritten =
            WriteJpeg(ps.workBitmap, path, ps.jpegQuality, ps.jpegProgressive != 0, &result.error);
        if (!result.pictureWritten) return result;
    } else if (ext == ".BMP") {
        result.pictureWritten = WriteBmp(ps.workBitmap, path, &result.error);
        if (!result.pictureWritten) return result;
    } else {
        reporter.message("Unkown File extension: = " + ext);
    }

    if (result.pictureWritten) result.caption = FileNamePart(path);
    result.parameterFilePath = ParameterFilePathFor(path);
    result.parameterFileWritten = WriteParameterFile(ps, result.parameterFilePath, &result.error);
    return result;
}

}  // namespace zarvo
