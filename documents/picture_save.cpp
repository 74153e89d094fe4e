#include "picture_save.h"

#include "parameter_file.h"
#include "picture_writer.h"

namespace zarvo {

PictureSaved SavePicture(const RgbImage& image, const std::string& path, const ParameterSet& ps, Reporter& reporter,
                         std::string* error) {
    const PictureFormat format = SaveFormat(path);
    if (format == PictureFormat::Unknown) {
        reporter.message("Unkown File extension: = " + SaveExtension(path));
        return PictureSaved::UnknownExtension;
    }
    return WritePicture(image, path, format, ps.jpegQuality, ps.jpegProgressive != 0, error) ? PictureSaved::Written
                                                                                             : PictureSaved::Failed;
}

SaveResult SaveToFile(const ParameterSet& ps, const std::string& path, Reporter& reporter) {
    SaveResult result;
    const PictureSaved saved = SavePicture(ps.workBitmap, path, ps, reporter, &result.error);
    if (saved == PictureSaved::Failed) return result;
    result.pictureWritten = saved == PictureSaved::Written;

    if (result.pictureWritten) result.caption = FileNamePart(path);
    result.parameterFilePath = ParameterFilePathFor(path);
    result.parameterFileWritten = WriteParameterFile(ps, result.parameterFilePath, &result.error);
    return result;
}

}  // namespace zarvo
