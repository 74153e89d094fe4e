#include "picture_writer.h"

#include "picture_stream.h"

namespace zarvo {

bool WritePicture(const RgbImage& image, const std::string& path, const PictureFileOptions& options,
                  std::string* error) {
    if (image.rows != image.height) {
        if (error) *error = "Cannot write " + path + ": only a band of the picture is held";
        return false;
    }
    PictureFileWriter out;
    if (!out.open(path, image.width, image.height, options, error)) return false;
    for (int y = 0; y < image.height; ++y) {
        if (!out.writeRow(image.at(0, y), error)) return false;
    }
    return out.finish(error);
}

bool WriteBmp(const RgbImage& image, const std::string& path, std::string* error) {
    PictureFileOptions options;
    options.format = PictureFormat::Bmp;
    return WritePicture(image, path, options, error);
}

bool WriteJpeg(const RgbImage& image, const std::string& path, int quality, bool progressive, std::string* error) {
    PictureFileOptions options;
    options.format = PictureFormat::Jpeg;
    options.quality = quality;
    options.progressive = progressive;
    return WritePicture(image, path, options, error);
}

}  // namespace zarvo
