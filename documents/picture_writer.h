// Picture files: 24-bit Windows bitmaps, JPEG through libjpeg and PNG through
// libpng. A JPEG or PNG picture can carry the bytes of its parameter file
// (picture_parameters.h).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "rgb_image.h"

namespace zarvo {

enum class PictureFormat { Bmp, Jpeg, Png, Unknown };

// Texts a PNG picture carries besides its parameters: keyword and text.
using PictureTexts = std::vector<std::pair<std::string, std::string>>;

struct PictureFileOptions {
    PictureFormat format = PictureFormat::Bmp;
    int quality = 85;  // JPEG: only the low byte is used, then limited to 1..100
    bool progressive = true;
    std::string parameters;  // the parameter file carried inside (JPEG, PNG); empty: none
    PictureTexts texts;      // PNG: more tEXt chunks before the picture data
};

// 24 bits per pixel, rows stored bottom-up and padded to four bytes, with
// the common 40-byte info header. False (and *error set) when the picture is
// empty or the file cannot be created or written. Like every writer here it
// writes through a SafeFileWriter: an existing file is replaced only by a
// complete picture and is left untouched by a failed write.
bool WriteBmp(const RgbImage& image, const std::string& path, std::string* error);

// Baseline or progressive JPEG. Encoder errors are returned, never fatal.
bool WriteJpeg(const RgbImage& image, const std::string& path, int quality, bool progressive, std::string* error);

// The whole picture in options.format; false (*error set) for Unknown.
bool WritePicture(const RgbImage& image, const std::string& path, const PictureFileOptions& options,
                  std::string* error);

}  // namespace zarvo
