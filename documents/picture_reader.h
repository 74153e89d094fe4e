// Reading picture files to view them. Unlike a reader that only says yes
// or no, these tell a picture that decodes only in part (a file cut short,
// damaged data) from a whole one. JPEG files are decoded here, through
// libjpeg; bitmaps are decoded by the toolkit and only checked here.
#pragma once

#include <string>

#include "rgb_image.h"

namespace zarvo {

struct PictureRead {
    bool isJpeg = false;   // the file starts like a JPEG file
    bool read = false;     // a picture came out (whole or in part)
    bool damaged = false;  // only part of it could be decoded
    std::string error;     // why nothing came out; empty otherwise
};

// Decodes the JPEG file at `path` into `image`. A file that does not start
// like a JPEG file gives isJpeg false and leaves `image` alone. Rows the
// decoder could not reach are black; rows it had to make up stay as the
// decoder fills them.
PictureRead ReadJpeg(const std::string& path, RgbImage& image);

// True for an uncompressed Windows bitmap whose file is shorter than its
// header says: its last rows are missing.
bool BitmapCutShort(const std::string& path);

}  // namespace zarvo
