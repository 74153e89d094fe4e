#include "picture_save.h"

#include "number_format.h"
#include "parameter_file.h"
#include "picture_writer.h"

namespace zarvo {

PictureSaved SavePicture(const RgbImage& image, const std::string& path, const ParameterSet& ps,
                         const std::string& parameters, Reporter& reporter, std::string* error) {
    PictureFileOptions options;
    options.format = SaveFormat(path);
    if (options.format == PictureFormat::Unknown) {
        reporter.message("Unkown File extension: = " + SaveExtension(path));
        return PictureSaved::UnknownExtension;
    }
    options.quality = ps.jpegQuality;
    options.progressive = ps.jpegProgressive != 0;
    options.parameters = parameters;
    return WritePicture(image, path, options, error) ? PictureSaved::Written : PictureSaved::Failed;
}

SaveResult SaveToFile(const ParameterSet& ps, const std::string& path, Reporter& reporter) {
    SaveResult result;
    const std::string parameters = ParameterFileText(ps, LocaleDecimalSeparator());
    const PictureSaved saved = SavePicture(ps.workBitmap, path, ps, parameters, reporter, &result.error);
    if (saved == PictureSaved::Failed) return result;
    result.pictureWritten = saved == PictureSaved::Written;

    if (result.pictureWritten) result.caption = FileNamePart(path);
    result.parameterFilePath = ParameterFilePathFor(path);
    result.parameterFileWritten = WriteWholeFile(result.parameterFilePath, parameters, &result.error);
    return result;
}

}  // namespace zarvo
