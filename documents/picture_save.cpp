#include "picture_save.h"

#include "parameter_file.h"
#include "picture_writer.h"

namespace zarvo {

SaveResult SaveToFile(const ParameterSet& ps, const std::string& path, Reporter& reporter) {
    SaveResult result;
    const std::string ext = SaveExtension(path);
    if (ext == ".JPG") {
        result.pictureWritten =
            WriteJpeg(ps.workBitmap, path, ps.jpegQuality, ps.jpegProgressive != 0, &result.error);
        if (!result.pictureWritten) return result;
    } else if (ext == ".BMP") {
        result.pictureWritten = WriteBmp(ps.workBitmap, path, &result.error);
        if (!result.pictureWritten) return result;
    } else {
        reporter.message("Unkown File extension: = " + ext);
    }

    result.caption = FileNamePart(path);
    result.parameterFilePath = ParameterFilePathFor(path);
    result.parameterFileWritten = WriteParameterFile(ps, result.parameterFilePath, &result.error);
    return result;
}

}  // namespace zarvo
