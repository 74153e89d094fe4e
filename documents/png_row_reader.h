// Reading a PNG picture row by row, top to bottom, with the texts it carries
// before and after its picture data, so that a picture of any height needs
// memory for one row. Pictures of 8 bits per channel, RGB, not interlaced,
// as the program writes them; anything else is refused.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "picture_writer.h"

namespace zarvo {

struct PngErrorText;

class PngRowReader {
public:
    PngRowReader();
    ~PngRowReader();
    PngRowReader(const PngRowReader&) = delete;
    PngRowReader& operator=(const PngRowReader&) = delete;

    // Opens the file and reads up to its picture data. False with *error.
    bool open(const std::string& path, std::string* error);
    int width() const { return width_; }
    int height() const { return height_; }
    // The texts before the picture data (tEXt, zTXt and iTXt chunks).
    const PictureTexts& texts() const { return texts_; }
    // The next row: width * 3 bytes, red first.
    bool readRow(uint8_t* rgb, std::string* error);
    // After the last row: the texts after the picture data join texts().
    bool finish(std::string* error);

private:
    bool failed(std::string* error);
    void takeTexts(void* info);
    void close();

    std::string path_;
    std::FILE* file_ = nullptr;
    void* png_ = nullptr;   // png_structp
    void* info_ = nullptr;  // png_infop
    std::unique_ptr<PngErrorText> errors_;
    int width_ = 0;
    int height_ = 0;
    PictureTexts texts_;
};

}  // namespace zarvo
