#include "picture_stream.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include "row_encoders.h"

namespace zarvo {

PictureFileWriter::PictureFileWriter() = default;

PictureFileWriter::~PictureFileWriter() { discard(); }

bool PictureFileWriter::failed(std::string* error, const std::string& reason) {
    if (error) *error = "Cannot write " + path_ + ": " + reason;
    discard();
    return false;
}

bool PictureFileWriter::open(const std::string& path, int width, int height, const PictureFileOptions& options,
                             std::string* error) {
    discard();
    path_ = path;
    width_ = width;
    height_ = height;
    rowsWritten_ = 0;
    if (width <= 0 || height <= 0) return failed(error, "the picture is empty");
    std::string tooLarge;
    switch (options.format) {
        case PictureFormat::Bmp:
            tooLarge = BmpSizeProblem(width, height);
            encoder_ = BmpRows();
            break;
        case PictureFormat::Jpeg:
            tooLarge = JpegSizeProblem(width, height);
            encoder_ = JpegRows();
            break;
        case PictureFormat::Png:
            if (width > largestStreamedSide || height > largestStreamedSide) tooLarge = "the picture is too large";
            encoder_ = PngRows();
            break;
        case PictureFormat::Unknown:
            if (error) *error = "unknown picture type " + path;
            return false;
    }
    if (!tooLarge.empty()) return failed(error, tooLarge);
    if (!out_.open(path)) {
        if (error) *error = "Cannot create " + path + ": " + std::strerror(errno);
        encoder_.reset();
        return false;
    }
    std::string reason;
    if (!encoder_->start(out_.file(), width, height, options, &reason)) return failed(error, reason);
    return true;
}

bool PictureFileWriter::writeRow(const uint8_t* rgb, std::string* error) {
    if (!encoder_ || rowsWritten_ >= height_) return failed(error, "no picture row expected");
    std::string reason;
    if (!encoder_->row(rgb, rowsWritten_, &reason)) return failed(error, reason);
    ++rowsWritten_;
    return true;
}

bool PictureFileWriter::finish(std::string* error, const PictureTexts& after) {
    if (!encoder_) return failed(error, "the picture was not started");
    if (rowsWritten_ < height_) {
        const std::vector<uint8_t> black(static_cast<size_t>(width_) * 3u, 0);
        while (rowsWritten_ < height_) {
            if (!writeRow(black.data(), error)) return false;
        }
    }
    std::string reason;
    if (!encoder_->end(after, &reason)) return failed(error, reason);
    encoder_.reset();
    if (out_.commit()) return true;
    if (error) *error = "Cannot write " + path_ + ": " + std::strerror(errno);
    return false;
}

void PictureFileWriter::discard() {
    encoder_.reset();
    out_.discard();
}

}  // namespace zarvo
