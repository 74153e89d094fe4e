// The encoders behind PictureFileWriter, one per format. Each takes the rows
// of a picture top to bottom and writes them to an open stream; errors come
// back as false with their text.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "picture_writer.h"

namespace zarvo {

class RowEncoder {
public:
    virtual ~RowEncoder() = default;
    // Writes what comes before the rows.
    virtual bool start(std::FILE* file, int width, int height, const PictureFileOptions& options,
                       std::string* error) = 0;
    // Row `row` (0 at the top), width * 3 bytes, red first.
    virtual bool row(const uint8_t* rgb, int row, std::string* error) = 0;
    // Writes what follows the last row; a PNG picture carries `after` in
    // tEXt chunks after its picture data.
    virtual bool end(const PictureTexts& after, std::string* error) = 0;
};

// The reason a width × height picture cannot be written in the format, or
// empty when it can.
std::string BmpSizeProblem(int width, int height);
std::string JpegSizeProblem(int width, int height);

std::unique_ptr<RowEncoder> BmpRows();
std::unique_ptr<RowEncoder> JpegRows();
std::unique_ptr<RowEncoder> PngRows();

}  // namespace zarvo
