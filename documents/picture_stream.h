// Writing a picture file row by row, top to bottom, so that a picture of any
// height needs memory for a few rows only: bitmaps put each row in its place
// in the file, JPEG and PNG hand it to their encoder (a progressive JPEG
// still keeps the whole picture's coefficients, as the format needs them all
// before its first scan). The file is written through a SafeFileWriter: it
// takes the target's place only when finish() succeeds.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "picture_writer.h"
#include "safe_file.h"

namespace zarvo {

// JPEG's limit, taken for every format.
constexpr int largestStreamedSide = 65500;

class RowEncoder;

class PictureFileWriter {
public:
    PictureFileWriter();
    // Discards the new file unless finish() succeeded.
    ~PictureFileWriter();
    PictureFileWriter(const PictureFileWriter&) = delete;
    PictureFileWriter& operator=(const PictureFileWriter&) = delete;

    // Checks that a width × height picture fits the format, creates the new
    // file and writes what comes before the rows. False with *error.
    bool open(const std::string& path, int width, int height, const PictureFileOptions& options, std::string* error);
    // The next row: width pixels of three bytes, red first.
    bool writeRow(const uint8_t* rgb, std::string* error);
    int rowsWritten() const { return rowsWritten_; }
    // Black rows down to the bottom, the end of the file, and the file in
    // the target's place. False with *error; the target is then unchanged.
    // A PNG picture carries `after` in tEXt chunks after its picture data.
    bool finish(std::string* error, const PictureTexts& after = {});
    // Removes the new file; the target stays as it was.
    void discard();

private:
    bool failed(std::string* error, const std::string& reason);

    SafeFileWriter out_;
    std::unique_ptr<RowEncoder> encoder_;
    std::string path_;
    int width_ = 0;
    int height_ = 0;
    int rowsWritten_ = 0;
};

}  // namespace zarvo
