// Picture files: 24-bit Windows bitmaps and JPEG through libjpeg.
#pragma once

#include <string>

#include "rgb_image.h"

namespace zarvo {

enum class PictureFormat { Bmp, Jpeg, Unknown };

// 24 bits per pixel, rows stored bottom-up and padded to four bytes, with
// the common 40-byte info header. False (and *error set) when the picture is
// empty or the file cannot be created or written. Like every writer here it
// writes through a SafeFileWriter: an existing file is replaced only by a
// complete picture and is left untouched by a failed write.
bool WriteBmp(const RgbImage& image, const std::string& path, std::string* error);

// Baseline or progressive JPEG. Only the low byte of quality is used, then
// limited to 1..100. Encoder errors are returned, never fatal.
bool WriteJpeg(const RgbImage& image, const std::string& path, int quality, bool progressive, std::string* error);

// WriteJpeg or WriteBmp by format; false (*error set) for Unknown.
bool WritePicture(const RgbImage& image, const std::string& path, PictureFormat format, int quality, bool progressive,
                  std::string* error);

}  // namespace zarvo
